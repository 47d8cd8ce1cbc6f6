// Any bytes as CD+G graphics, played forwards and back.
#include <cstddef>
#include <cstdint>

#include "catalog/errors.h"
#include "media/cdg_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    lyrova::TCdgPicture picture(std::make_shared<const std::vector<std::uint8_t>>(data, data + size));
    picture.At(picture.DurationUs() / 2);
    picture.At(picture.DurationUs());
    picture.At(0);
    picture.Border();
  } catch (const lyrova::Error&) {
  }
  return 0;
}
