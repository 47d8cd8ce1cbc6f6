#include "video/settings_look.h"

#include "config/settings_values.h"

namespace lyrova {

TLyricLook LookFromSettings() {
  const SettingsValues& s = Settings();
  TLyricLook look;
  look.fontName = s.FontName();
  look.fontHeight = s.FontHeight();
  look.color1 = static_cast<ColorRef>(s.FontColor1());
  look.color2 = static_cast<ColorRef>(s.FontColor2());
  look.shadow = static_cast<ColorRef>(s.FontShadow());
  look.stringsCount = s.StringsCount();
  return look;
}

}  // namespace lyrova
