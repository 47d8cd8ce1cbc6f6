#pragma once
// The search box: what each of the six search modes runs.

#include <string>

namespace lyrova {

class TSongsCatalog;

// Items of the " где ищем? " group, in their order on screen.
enum class TSearchMode : int { Code = 0, Name, Singer, Music, Lyric, FullText };
inline constexpr int kSearchModeCount = 6;
inline constexpr int kStartSearchMode = static_cast<int>(TSearchMode::Name);

// Runs the search of group item `item` with `query` (CP1251) and returns true,
// or returns false and leaves the found flags alone when no item is chosen.
// In code mode a query that is not a whole number throws lyrova::Error
// "'<query>' is not a valid integer value" before any flag changes.
bool RunSearch(TSongsCatalog& catalog, int item, const std::string& query);

}  // namespace lyrova
