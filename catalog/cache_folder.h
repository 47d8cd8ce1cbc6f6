#pragma once
// The user's cache folder, where indexes that only save time are kept:
// $XDG_CACHE_HOME/lyrova, else ~/.cache/lyrova.

#include <cstdint>
#include <string>
#include <string_view>

namespace lyrova {

// Empty when neither XDG_CACHE_HOME nor HOME names an absolute folder.
std::string UserCacheFolder();

// A short hexadecimal key for names of cache files (FNV-1a, 64 bits).
std::string CacheKey(std::string_view bytes);

// Writes the file through a temporary one renamed over it, creating the
// folders; false when that fails (a cache that cannot be written is no fault).
bool WriteCacheFile(const std::string& path, std::string_view bytes);

}  // namespace lyrova
