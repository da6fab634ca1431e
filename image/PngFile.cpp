#include "image/PngFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The texts as libpng takes them; they point into `texts`, which must outlive the write.
std::vector<png_text> TextChunks(const PngTexts& texts)
{
    std::vector<png_text> chunks;
    for (const auto& [key, value] : texts) {
        png_text chunk{};
        chunk.compression = PNG_TEXT_COMPRESSION_NONE;
        chunk.key = const_cast<char*>(key.c_str());
        chunk.text = const_cast<char*>(value.c_str());
        chunk.text_length = value.size();
        chunks.push_back(chunk);
    }
    return chunks;
}

// Only plain data lives in the frames that libpng's errors jump out of.
bool WritePng(std::FILE* file, const RgbaPicture& picture, png_text* texts, int textCount)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, picture.width, picture.height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (textCount > 0)
        png_set_text(png, info, texts, textCount);
    png_write_info(png, info);
    for (unsigned row = 0; row < picture.height; ++row)
        png_write_row(png, picture.pixels.data() + std::size_t(row) * picture.width * 4);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool ReadPng(std::FILE* file, unsigned maxSide, RgbaPicture& picture, PngTexts& texts)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_user_limits(png, maxSide, maxSide);
    png_init_io(png, file);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    picture.width = png_get_image_width(png, info);
    picture.height = png_get_image_height(png, info);
    picture.pixels.resize(std::size_t(picture.width) * picture.height * 4);
    for (unsigned row = 0; row < picture.height; ++row)
        png_read_row(png, picture.pixels.data() + std::size_t(row) * picture.width * 4, nullptr);
    png_read_end(png, info);
    png_textp chunks = nullptr;
    const int count = png_get_text(png, info, &chunks, nullptr);
    for (int i = 0; i < count; ++i)
        texts.emplace_back(chunks[i].key, std::string(chunks[i].text, chunks[i].text_length));
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

// New files get the permissions the user's file-creation mask leaves, as any other program's.
mode_t CreationMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string SystemError(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

// Why a picture is not written over something that exists and is no regular file: renaming
// over it would replace the folder, FIFO or device itself instead of writing into it.
std::string NotAFile(std::filesystem::file_type type)
{
    using std::filesystem::file_type;
    switch (type) {
    case file_type::directory:
        return "is a folder, not a regular file";
    case file_type::fifo:
        return "is a FIFO, not a regular file";
    case file_type::character:
    case file_type::block:
        return "is a device, not a regular file";
    default:
        return "is not a regular file";
    }
}

// The file that writing `path` replaces: links are followed to the file they name, which need
// not exist yet, as the shell's redirection creates it. False with the reason, naming `path`,
// when that is no regular file or the links cannot be followed.
bool OutputTarget(const std::string& path, std::filesystem::path& target, std::string& error)
{
    namespace fs = std::filesystem;
    // As many links as the system itself follows in one path before it gives up.
    constexpr int kMostLinks = 40;
    std::error_code failure;
    target = path;
    fs::file_status status = fs::symlink_status(target, failure);
    for (int links = 0; fs::is_symlink(status); ++links) {
        const fs::path next = fs::read_symlink(target, failure);
        if (failure || links == kMostLinks) {
            error = path + ": cannot follow the symbolic link: " +
                    (failure ? failure.message() : std::string("too many levels of links"));
            return false;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
        status = fs::symlink_status(target, failure);
    }
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        error = path + ": " + NotAFile(status.type());
        return false;
    }
    return true;
}

} // namespace

bool WritePngFile(const std::string& path, const RgbaPicture& picture, const PngTexts& texts, bool ownerOnly,
                  std::string& error)
{
    std::filesystem::path target;
    if (!OutputTarget(path, target, error))
        return false;
    const std::filesystem::path parent = target.parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    std::string temporary = folder + "/.trelkan-png-XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        error = SystemError(path + ": cannot create a file in " + folder);
        return false;
    }
    // The file is closed before it is renamed into place.
    bool written = false;
    {
        const bool permitted = fchmod(descriptor, ownerOnly ? S_IRUSR | S_IWUSR : CreationMode()) == 0;
        File file{permitted ? fdopen(descriptor, "wb") : nullptr};
        if (file) {
            written = WritePngStream(file.get(), path, picture, texts, error);
        } else {
            error = SystemError(path + ": cannot write the picture");
            close(descriptor);
        }
    }
    if (written && std::rename(temporary.c_str(), target.c_str()) != 0)
        error = SystemError(path + ": cannot replace the file");
    if (error.empty())
        return true;
    std::remove(temporary.c_str());
    return false;
}

bool WritePngStream(std::FILE* stream, const std::string& name, const RgbaPicture& picture, const PngTexts& texts,
                    std::string& error)
{
    std::vector<png_text> chunks = TextChunks(texts);
    errno = 0;
    if (WritePng(stream, picture, chunks.data(), static_cast<int>(chunks.size())) && std::fflush(stream) == 0 &&
        !std::ferror(stream))
        return true;
    error = SystemError(name + ": cannot write the picture");
    return false;
}

bool ReadPngFile(const std::string& path, unsigned maxSide, RgbaPicture& picture, PngTexts& texts)
{
    File file{std::fopen(path.c_str(), "rb")};
    return file && ReadPng(file.get(), maxSide, picture, texts);
}
