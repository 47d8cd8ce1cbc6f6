#pragma once
// One image that shows every picture side by side, resting next to pressed,
// at their own size and enlarged, for reviewing the artwork at a glance.

#include <QImage>
#include <vector>

#include "tools/artwork/pictures.h"

namespace lyrova::artwork {

QImage ContactSheet(const std::vector<NamedPicture>& pictures, int zoom);

}  // namespace lyrova::artwork
