#pragma once
// The main window's WMBadVidFile: finds a film the video window can play,
// from the settings file or by asking the user, or ends the program.

#include <functional>
#include <string>

#include "video/film_chooser.h"

namespace lyrova {

// What the handler does to the rest of the program. Paths are spelled as
// the file system spells them.
struct TBadFilmActions {
  std::function<void()> suspendClock;
  std::function<void()> resumeClock;
  // Closes the main window, which ends the program.
  std::function<void()> closeProgram;
  // Paths/VideoFile of the settings file; its default names no file.
  std::function<std::string()> readVideoFile;
  std::function<void(const std::string&)> writeVideoFile;
  // Paths/rMidiPath: the film chooser opens there, where the disc's film lies.
  std::function<std::string()> readDiscFolder;
  // The video window's SetVideoFile, then posting it WMPlayVideo.
  std::function<void(const std::string&)> setVideoFile;
  std::function<void()> postPlayVideo;
  // Defaults to a check for an existing regular file when left empty.
  std::function<bool(const std::string&)> fileExists;
};

class TBadFilmHandler {
 public:
  TBadFilmHandler(IFilmChooser& chooser, TBadFilmActions actions);

  // `failedFile` and `reason` as carried by TBadVidFileEvent. The stored film
  // is tried without asking unless it is the one that just failed: then the
  // user is told why and asked for another, so a bad file never loops.
  void WMBadVidFile(const std::string& failedFile, const std::string& reason);

  // In the interface's language.
  static std::string DialogTitle();
  static std::string DialogFilter();  // "Name|patterns|..." as QtFileFilter takes it

 private:
  IFilmChooser& chooser_;
  TBadFilmActions actions_;
};

}  // namespace lyrova
