#include "translations/interface_language.h"

#include <gtest/gtest.h>

namespace lyrova {
namespace {

TEST(InterfaceLanguage, TheStoredChoiceElseTheDesktopsFirstSpokenLanguage) {
  const auto list = [](std::initializer_list<const char*> names) {
    QStringList l;
    for (const char* n : names) l << QString::fromLatin1(n);
    return l;
  };
  struct Case {
    const char* stored;
    QStringList desktop;
    QLocale::Language expected;
  } cases[] = {
      {"", list({"ru-RU", "ru"}), QLocale::Russian},
      {"", list({"en-GB"}), QLocale::English},
      {"", list({"de-DE", "ru-RU", "en-US"}), QLocale::Russian},
      {"", list({"de-DE", "fr"}), QLocale::English},
      {"", {}, QLocale::English},
      {"en", list({"ru-RU"}), QLocale::English},
      {"ru", list({"en-US"}), QLocale::Russian},
      // A hand-edited value the program cannot speak follows the desktop.
      {"de", list({"ru-RU"}), QLocale::Russian},
      {"garbage", list({"en-US"}), QLocale::English},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseInterfaceLanguage(QString::fromLatin1(c.stored), c.desktop), c.expected)
        << c.stored << " / " << c.desktop.join(QLatin1Char(',')).toStdString();
  }
}

}  // namespace
}  // namespace lyrova
