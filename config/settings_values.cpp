#include "config/settings_values.h"

#include <algorithm>

namespace lyrova {

int SettingsValues::ClampStringsCount(std::int32_t count) {
  return std::clamp<std::int32_t>(count, kMinStringsCount, kMaxStringsCount);
}

int SettingsValues::ClampFontHeight(std::int32_t height) {
  return std::clamp<std::int32_t>(height, kMinFontHeight, kMaxFontHeight);
}

std::string SettingsValues::FontName() const {
  std::lock_guard lock(textMutex_);
  return fontName_;
}

void SettingsValues::SetFontName(std::string name) {
  std::lock_guard lock(textMutex_);
  fontName_ = std::move(name);
}

std::string SettingsValues::VideoFileName() const {
  std::lock_guard lock(textMutex_);
  return videoFileName_;
}

void SettingsValues::SetVideoFileName(std::string path) {
  std::lock_guard lock(textMutex_);
  videoFileName_ = std::move(path);
}

SettingsValues& Settings() {
  static SettingsValues values;
  return values;
}

}  // namespace lyrova
