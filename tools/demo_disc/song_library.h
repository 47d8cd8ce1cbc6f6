#pragma once
// The demo songs: traditional Russian songs and old romances whose words and
// music are free to use, each arranged for lead, chords, bass and drums.

#include <vector>

#include "tools/demo_disc/song_score.h"

namespace lyrova::demo {

SongScore VoPoleBerezaStoyala();
SongScore Kalinka();
SongScore Korobeiniki();
SongScore VecherniyZvon();
SongScore StepDaStep();
SongScore OiMorozMoroz();
SongScore OchiChernye();
SongScore VLesuRodilasYolochka();

// All of them, in the order they are placed on the demo disc.
const std::vector<SongScore>& DemoSongs();

}  // namespace lyrova::demo
