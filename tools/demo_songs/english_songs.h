#pragma once
// The demo song folder's songs: English songs whose words and music are in
// the public domain, written down as the demo disc's songs are.

#include <vector>

#include "tools/demo_disc/song_score.h"

namespace lyrova::demo {

SongScore AmazingGrace();
SongScore OhSusanna();
SongScore AuldLangSyne();
SongScore ScarboroughFair();

}  // namespace lyrova::demo
