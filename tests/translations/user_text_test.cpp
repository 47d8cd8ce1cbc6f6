#include "catalog/user_text.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "catalog/catalog_errors.h"
#include "catalog/errors.h"
#include "catalog/integer_text.h"
#include "config/ini_file.h"
#include "translations/interface_language.h"
#include "translations/user_text_qt.h"

namespace lyrova {
namespace {

TEST(FillArguments, PutsEachArgumentInItsPlaceOnce) {
  struct Case {
    const char* pattern;
    std::vector<std::string> args;
    const char* expected;
  } cases[] = {
      {"Cannot open \"%1\": %2", {"Café.kar", "no"}, "Cannot open \"Café.kar\": no"},
      {"%2 before %1", {"a", "b"}, "b before a"},
      // An argument's own "%2" is a file name's text, not a place to fill.
      {"%1 and %2", {"50%2", "x"}, "50%2 and x"},
      {"100% of %1", {"it"}, "100% of it"},
      {"missing %3", {"a"}, "missing %3"},
      {"%1%1", {"ab"}, "abab"},
  };
  for (const Case& c : cases) EXPECT_EQ(FillArguments(c.pattern, c.args), c.expected) << c.pattern;
}

// A core error shown to the user: the message and its reason in the
// interface's language, the file named in full whatever its letters.
TEST(UserText, TranslatesTheMessageAndItsReasonButNeverTheName) {
  const Error error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Cannot create file \"%1\". %2"),
                             {UserText::Plain("/home/user/Песни/Café.kar"), ReasonOfErrno(EACCES)}));
  EXPECT_STREQ(error.what(), "Cannot create file \"/home/user/Песни/Café.kar\". permission denied");

  InstallInterfaceLanguage(QLocale::Russian);
  EXPECT_EQ(Translated(error).toStdString(), "Cannot create file \"/home/user/Песни/Café.kar\". нет доступа");
  InstallInterfaceLanguage(QLocale::English);
  EXPECT_EQ(Translated(error).toStdString(), error.what());
  EXPECT_EQ(InterfaceLanguage(), QLocale::English);
}

// The catalogue's messages the player has always shown, word for word in
// Russian, its English ones included.
TEST(UserText, TheCataloguesMessagesKeepTheirRussianWording) {
  InstallInterfaceLanguage(QLocale::Russian);
  const struct {
    UserText text;
    const char* russian;
  } cases[] = {
      {UserText(kImageNotFoundText), "rmidi.img не найден по указанному пути"},
      {ReadBeyondEndError().Text(), "Read beyond end of file"},
      {IoError(5).Text(), "I/O error 5"},
      {ListIndexError(-1).Text(), "List index out of bounds (-1)"},
      {NotAnIntegerError("25a").Text(), "'25a' is not a valid integer value"},
      {CannotCreateFileError("/d/catdata.bin", ENOSPC).Text(), "Cannot create file \"/d/catdata.bin\". диск заполнен"},
  };
  for (const auto& c : cases) EXPECT_EQ(Translated(c.text).toStdString(), c.russian);
  InstallInterfaceLanguage(QLocale::English);
  EXPECT_EQ(Translated(UserText(kImageNotFoundText)).toStdString(), "rmidi.img not found at the given path");
}

// A file the code page cannot spell keeps its name, and the reason follows
// the interface, never the C library's English.
TEST(UserText, AFailedWriteNamesTheFileInFullInRussian) {
  const std::string path = "/nonexistent/Песни/Café.ini";
  TIniFile ini(path);
  InstallInterfaceLanguage(QLocale::Russian);
  try {
    ini.WriteString("Paths", "rMidiPath", "x");
    ADD_FAILURE() << "the write succeeded";
  } catch (const Error& e) {
    EXPECT_EQ(Translated(e).toStdString(), "Не удалось записать файл \"" + path + "\": нет такого файла или папки.");
  }
  InstallInterfaceLanguage(QLocale::English);
}

TEST(UserText, UnlistedSystemReasonsKeepTheSystemsWords) {
  const UserText reason = ReasonOfErrno(ENOMEM);
  EXPECT_TRUE(reason.IsPlain());
  EXPECT_FALSE(reason.English().empty());
}

}  // namespace
}  // namespace lyrova
