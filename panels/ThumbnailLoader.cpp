#include "panels/ThumbnailLoader.h"

ThumbnailLoader::ThumbnailLoader(ThumbnailCache cache, unsigned tileSide, std::function<void()> wake)
    : m_cache(std::move(cache)), m_tileSide(tileSide), m_wake(std::move(wake)), m_thread([this] { Run(); })
{
}

ThumbnailLoader::~ThumbnailLoader()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        m_requests.clear();
    }
    m_work.notify_one();
    m_thread.join();
}

void ThumbnailLoader::Request(const std::string& imagePath)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.push_back(imagePath);
    }
    m_work.notify_one();
}

std::vector<ThumbnailLoader::Result> ThumbnailLoader::TakeResults()
{
    std::vector<Result> taken;
    std::lock_guard<std::mutex> lock(m_mutex);
    taken.swap(m_results);
    return taken;
}

void ThumbnailLoader::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_work.wait(lock, [this] { return m_stopping || !m_requests.empty(); });
        if (m_stopping)
            return;
        const std::string path = std::move(m_requests.front());
        m_requests.pop_front();
        lock.unlock();
        ThumbnailCache::Thumbnail thumbnail = m_cache.Fetch(path);
        thumbnail.picture = FitPicture(thumbnail.picture, m_tileSide);
        lock.lock();
        const bool first = m_results.empty();
        m_results.push_back({path, std::move(thumbnail)});
        if (first && m_wake)
            m_wake();
    }
}
