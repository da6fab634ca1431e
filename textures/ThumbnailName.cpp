#include "textures/ThumbnailName.h"

#include <cstdlib>
#include <cstring>

#include <nettle/md5.h>

namespace {

// The characters a file URI keeps as they are; every other byte becomes %XX.
bool KeptInUri(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
           || std::strchr("!$&'()*+,-./:=@_~", c) != nullptr;
}

const char HEX[] = "0123456789ABCDEF";

} // namespace

std::string FileUri(const std::string& absolutePath)
{
    std::string uri = "file://";
    for (const char c : absolutePath) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte != 0 && KeptInUri(byte)) {
            uri += c;
        } else {
            uri += '%';
            uri += HEX[byte >> 4];
            uri += HEX[byte & 15];
        }
    }
    return uri;
}

std::string Md5Hex(const std::string& text)
{
    md5_ctx context;
    md5_init(&context);
    md5_update(&context, text.size(), reinterpret_cast<const uint8_t*>(text.data()));
    uint8_t digest[MD5_DIGEST_SIZE];
    md5_digest(&context, MD5_DIGEST_SIZE, digest);
    static const char lower[] = "0123456789abcdef";
    std::string hex;
    for (const uint8_t byte : digest) {
        hex += lower[byte >> 4];
        hex += lower[byte & 15];
    }
    return hex;
}

std::string NormalThumbnailFolder()
{
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    const std::string base = cache && *cache ? cache : std::string(home ? home : "") + "/.cache";
    return base + "/thumbnails/normal";
}

std::string ThumbnailPathOf(const std::string& folder, const std::string& uri)
{
    return folder + "/" + Md5Hex(uri) + ".png";
}
