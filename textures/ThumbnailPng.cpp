#include "textures/ThumbnailPng.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The text chunks as libpng takes them; the strings must outlive the write.
struct KeyTexts {
    std::string mtime, width, height;
};

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
    png_set_text(png, info, texts, textCount);
    png_write_info(png, info);
    for (unsigned row = 0; row < picture.height; ++row)
        png_write_row(png, picture.pixels.data() + std::size_t(row) * picture.width * 4);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

void ReadKey(const png_text& text, ThumbnailKeys& keys)
{
    const std::string key = text.key;
    const std::string value(text.text, text.text_length);
    if (key == "Thumb::URI")
        keys.uri = value;
    else if (key == "Thumb::MTime")
        keys.mtime = std::atoll(value.c_str());
    else if (key == "Thumb::Image::Width")
        keys.imageWidth = static_cast<unsigned>(std::atol(value.c_str()));
    else if (key == "Thumb::Image::Height")
        keys.imageHeight = static_cast<unsigned>(std::atol(value.c_str()));
}

// The largest thumbnail taken from a file: the desktop's largest size is 1024 pixels.
constexpr png_uint_32 MAX_THUMBNAIL_SIDE = 1024;

bool ReadPng(std::FILE* file, RgbaPicture& picture, ThumbnailKeys& keys)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_user_limits(png, MAX_THUMBNAIL_SIDE, MAX_THUMBNAIL_SIDE);
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
    png_textp texts = nullptr;
    const int count = png_get_text(png, info, &texts, nullptr);
    for (int i = 0; i < count; ++i)
        ReadKey(texts[i], keys);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

png_text Text(const char* key, const std::string& value)
{
    png_text text{};
    text.compression = PNG_TEXT_COMPRESSION_NONE;
    text.key = const_cast<char*>(key);
    text.text = const_cast<char*>(value.c_str());
    text.text_length = value.size();
    return text;
}

} // namespace

bool WriteThumbnailPng(const std::string& path, const RgbaPicture& picture, const ThumbnailKeys& keys,
                       std::string& error)
{
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    fchmod(descriptor, S_IRUSR | S_IWUSR);
    const KeyTexts values{std::to_string(keys.mtime), std::to_string(keys.imageWidth), std::to_string(keys.imageHeight)};
    png_text texts[] = {Text("Thumb::URI", keys.uri), Text("Thumb::MTime", values.mtime),
                        Text("Thumb::Image::Width", values.width), Text("Thumb::Image::Height", values.height),
                        Text("Software", "Trelkan")};
    bool written = false;
    if (File file{fdopen(descriptor, "wb")}) {
        written = WritePng(file.get(), picture, texts, int(sizeof texts / sizeof texts[0]));
        written = std::fflush(file.get()) == 0 && written;
    } else {
        close(descriptor);
    }
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = path + ": " + (written ? std::strerror(errno) : "the thumbnail could not be written");
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool ReadThumbnailPng(const std::string& path, RgbaPicture& picture, ThumbnailKeys& keys)
{
    File file{std::fopen(path.c_str(), "rb")};
    return file && ReadPng(file.get(), picture, keys);
}
