#include "catalog/song_codes.h"

namespace lyrova {

void ApplyCodeJump(std::uint32_t& code, bool& encoded) {
  switch (code) {
    case 1407: code = 3001; break;
    case 3397: code = 4001; break;
    case 4111: code = 5001; break;
    case 5025: code = 5501; break;
    case 5565:
      code = 6501;
      encoded = false;
      break;
    case 6844:
      code = 7001;
      encoded = true;
      break;
    default: break;
  }
}

}  // namespace lyrova
