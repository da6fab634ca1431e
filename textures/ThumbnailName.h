#pragma once

#include <string>

// Where the desktop keeps the thumbnail of a file: $XDG_CACHE_HOME/thumbnails/normal (for
// 128-pixel thumbnails; ~/.cache when XDG_CACHE_HOME is not set), named by the MD5 of the file's
// URI in lower-case hex with ".png", so that file managers and the editor share them.

// The file URI of an absolute path, escaped as the desktop's own library escapes it.
std::string FileUri(const std::string& absolutePath);
// The MD5 digest of `text` in lower-case hex.
std::string Md5Hex(const std::string& text);
// The folder of the 128-pixel thumbnails.
std::string NormalThumbnailFolder();
// The thumbnail file of a URI in that folder.
std::string ThumbnailPathOf(const std::string& folder, const std::string& uri);
