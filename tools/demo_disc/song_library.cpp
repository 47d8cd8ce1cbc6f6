#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {

const std::vector<SongScore>& DemoSongs() {
  static const std::vector<SongScore> kSongs = {
      VoPoleBerezaStoyala(), Kalinka(),      Korobeiniki(), VecherniyZvon(),
      StepDaStep(),          OiMorozMoroz(), OchiChernye(), VLesuRodilasYolochka(),
  };
  return kSongs;
}

}  // namespace lyrova::demo
