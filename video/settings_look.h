#pragma once
// The lyric look as the program's settings hold it now.

#include "video/lyric_page.h"

namespace lyrova {

TLyricLook LookFromSettings();

}  // namespace lyrova
