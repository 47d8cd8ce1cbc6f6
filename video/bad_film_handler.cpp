#include "video/bad_film_handler.h"

#include <QCoreApplication>

#include <filesystem>
#include <utility>

#include "catalog/errors.h"
#include "config/film_choice.h"
#include "translations/user_text_qt.h"

namespace lyrova {
namespace {

bool IsFile(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// Resumes the clock on every way out, errors included.
class ClockHold {
 public:
  explicit ClockHold(const TBadFilmActions& a) : actions_(a) {
    if (actions_.suspendClock) actions_.suspendClock();
  }
  ~ClockHold() {
    if (actions_.resumeClock) actions_.resumeClock();
  }
  ClockHold(const ClockHold&) = delete;
  ClockHold& operator=(const ClockHold&) = delete;

 private:
  const TBadFilmActions& actions_;
};

}  // namespace

TBadFilmHandler::TBadFilmHandler(IFilmChooser& chooser, TBadFilmActions actions)
    : chooser_(chooser), actions_(std::move(actions)) {
  if (!actions_.fileExists) actions_.fileExists = IsFile;
}

std::string TBadFilmHandler::DialogTitle() {
  return QCoreApplication::translate(kFilmChoiceContext, kFilmChooserTitle).toStdString();
}

std::string TBadFilmHandler::DialogFilter() {
  return QCoreApplication::translate(kFilmChoiceContext, kFilmChooserFilter).toStdString();
}

void TBadFilmHandler::WMBadVidFile(const std::string& failedFile, const std::string& reason) {
  bool closeProgram = false;
  {
    ClockHold hold(actions_);
    std::string path = actions_.readVideoFile ? actions_.readVideoFile() : std::string();
    // The stored film itself just failed: asking again for the same file
    // would loop, so say why and ask for another.
    bool ask = !failedFile.empty() && failedFile == path;
    if (ask) {
      chooser_.ShowMessage(Translated(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Cannot play the video file\n%1\n(%2)."),
                                               {UserText::Plain(failedFile), UserText::Plain(reason)}))
                               .toStdString());
    }
    while (ask || !actions_.fileExists(path)) {
      ask = false;
      path.clear();
      const auto chosen = chooser_.AskFilmFile(DialogTitle(), DialogFilter(),
                                               actions_.readDiscFolder ? actions_.readDiscFolder() : std::string());
      if (!chosen) {
        closeProgram = true;
        break;
      }
      path = *chosen;
    }
    if (!closeProgram) {
      actions_.setVideoFile(path);
      try {
        actions_.writeVideoFile(path);
      } catch (const Error& e) {
        // The film still plays; only the next start will not remember it.
        chooser_.ShowMessage(Translated(e).toStdString());
      }
      actions_.postPlayVideo();
    }
  }
  if (closeProgram && actions_.closeProgram) actions_.closeProgram();
}

}  // namespace lyrova
