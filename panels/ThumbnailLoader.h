#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "panels/ThumbnailCache.h"

// Fetches thumbnails on a thread of its own, in the order asked, so that the browser shows its
// tiles at once and fills them in as the pictures arrive. Each picture comes fitted to the tiles'
// side. `wake` runs on the loader's thread when results wait after none did; the owner then takes
// them on its own thread.
class ThumbnailLoader {
public:
    struct Result {
        std::string imagePath;
        ThumbnailCache::Thumbnail thumbnail;
    };

    ThumbnailLoader(ThumbnailCache cache, unsigned tileSide, std::function<void()> wake);
    // Waits for the picture being made, drops the others.
    ~ThumbnailLoader();
    ThumbnailLoader(const ThumbnailLoader&) = delete;
    ThumbnailLoader& operator=(const ThumbnailLoader&) = delete;

    void Request(const std::string& imagePath);
    std::vector<Result> TakeResults();

private:
    void Run();

    const ThumbnailCache m_cache;
    const unsigned m_tileSide;
    const std::function<void()> m_wake;
    std::mutex m_mutex;
    std::condition_variable m_work;
    std::deque<std::string> m_requests;
    std::vector<Result> m_results;
    bool m_stopping = false;
    std::thread m_thread; // last: it starts once the rest is ready
};
