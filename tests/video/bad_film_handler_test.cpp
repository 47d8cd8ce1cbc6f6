#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "catalog/errors.h"
#include "config/film_choice.h"
#include "video/bad_film_handler.h"

namespace lyrova {
namespace {

// Answers the dialogs from a script and writes down what the handler did.
class Script : public IFilmChooser {
 public:
  std::optional<std::string> AskFilmFile(const std::string& title, const std::string& filter,
                                         const std::string& folder) override {
    log.push_back("ask");
    lastTitle = title;
    lastFilter = filter;
    lastFolder = folder;
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  void ShowMessage(const std::string& text) override {
    log.push_back("message");
    messages.push_back(text);
  }

  TBadFilmActions Actions() {
    TBadFilmActions a;
    a.suspendClock = [this] { log.push_back("suspend"); };
    a.resumeClock = [this] { log.push_back("resume"); };
    a.closeProgram = [this] { log.push_back("close"); };
    a.readVideoFile = [this] { return stored; };
    a.readDiscFolder = [] { return std::string("/media/disc/"); };
    a.writeVideoFile = [this](const std::string& p) {
      if (writeFails) throw Error("cannot write");
      log.push_back("write " + p);
      stored = p;
    };
    a.setVideoFile = [this](const std::string& p) { log.push_back("set " + p); };
    a.postPlayVideo = [this] { log.push_back("play"); };
    a.fileExists = [this](const std::string& p) {
      for (const auto& f : existing)
        if (f == p) return true;
      return false;
    };
    return a;
  }

  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> existing = {"/films/good.mpg", "/films/bad.avi"};
  std::string stored;
  bool writeFails = false;
  std::vector<std::string> log;
  std::vector<std::string> messages;
  std::string lastTitle;
  std::string lastFilter;
  std::string lastFolder;
};

using Log = std::vector<std::string>;

TEST(BadFilmHandler, StoredFilmIsUsedWithoutAsking) {
  Script s;
  s.stored = "/films/good.mpg";
  TBadFilmHandler handler(s, s.Actions());
  handler.WMBadVidFile("", "видеофайл не выбран");
  EXPECT_EQ(s.log, (Log{"suspend", "set /films/good.mpg", "write /films/good.mpg", "play",
                        "resume"}));
}

TEST(BadFilmHandler, MissingStoredFilmIsAskedFor) {
  Script s;
  s.stored = "/program";
  s.answers = {"/films/gone.mpg", "/films/good.mpg"};
  TBadFilmHandler handler(s, s.Actions());
  handler.WMBadVidFile("", "");
  EXPECT_EQ(s.log, (Log{"suspend", "ask", "ask", "set /films/good.mpg",
                        "write /films/good.mpg", "play", "resume"}))
      << "a chosen file that does not exist is asked for again";
  EXPECT_EQ(s.lastTitle, "Выберите видеофайл для проигрывания в качестве фона");
  // The same filter as the configuration dialog's film chooser.
  EXPECT_EQ(s.lastFilter, TBadFilmHandler::DialogFilter());
  // The disc's film lies in the disc folder.
  EXPECT_EQ(s.lastFolder, "/media/disc/");
}

TEST(BadFilmHandler, CancelResumesTheClockThenEndsTheProgram) {
  Script s;
  TBadFilmHandler handler(s, s.Actions());
  handler.WMBadVidFile("", "");
  EXPECT_EQ(s.log, (Log{"suspend", "ask", "resume", "close"}));
}

TEST(BadFilmHandler, AStoredFilmThatFailedIsNotTriedAgain) {
  Script s;
  s.stored = "/films/bad.avi";
  s.answers = {"/films/good.mpg"};
  TBadFilmHandler handler(s, s.Actions());
  handler.WMBadVidFile("/films/bad.avi", "в файле нет видео");
  EXPECT_EQ(s.log, (Log{"suspend", "message", "ask", "set /films/good.mpg",
                        "write /films/good.mpg", "play", "resume"}));
  ASSERT_EQ(s.messages.size(), 1u);
  EXPECT_NE(s.messages[0].find("/films/bad.avi"), std::string::npos);
  EXPECT_EQ(s.messages[0], "Не удаётся воспроизвести видеофайл\n/films/bad.avi\n(в файле нет видео).");
}

TEST(BadFilmHandler, ABadFileChosenAgainAsksAgainUntilCancel) {
  // The window reports the same unplayable file each time it is chosen:
  // every round goes through the user, never round and round by itself.
  Script s;
  s.stored = "/films/bad.avi";
  s.answers = {"/films/bad.avi", "/films/bad.avi"};
  TBadFilmHandler handler(s, s.Actions());
  int rounds = 0;
  while (rounds < 10) {
    ++rounds;
    const std::size_t before = s.log.size();
    handler.WMBadVidFile("/films/bad.avi", "x");
    const Log step(s.log.begin() + static_cast<long>(before), s.log.end());
    if (step.back() == "close") break;
    ASSERT_EQ(step.at(step.size() - 2), "play");
  }
  EXPECT_EQ(rounds, 3);
  EXPECT_EQ(s.log.back(), "close");
}

TEST(BadFilmHandler, AFailedSettingsWriteStillStartsTheFilm) {
  Script s;
  s.stored = "/films/good.mpg";
  s.writeFails = true;
  TBadFilmHandler handler(s, s.Actions());
  handler.WMBadVidFile("", "");
  EXPECT_EQ(s.log, (Log{"suspend", "set /films/good.mpg", "message", "play", "resume"}));
  EXPECT_EQ(s.messages, (std::vector<std::string>{"cannot write"}));
}

}  // namespace
}  // namespace lyrova
