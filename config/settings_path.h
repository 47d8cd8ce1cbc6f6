#pragma once
// Where the settings file lives. A program run from its build folder, or a
// portable copy whose folder already holds its settings file, keeps them
// beside itself: the program's file name with the extension ".ini"
// ("lyrova" keeps its settings in "lyrova.ini"). An installed program keeps
// them in the user's configuration folder ($XDG_CONFIG_HOME/lyrova, else
// ~/.config/lyrova), whoever runs it and whatever its folder allows.

#include <string>
#include <string_view>

namespace lyrova {

// The program file's full path with its extension (the text from the last
// "." after the last "/") replaced by ".ini", or ".ini" appended.
std::string IniPathBeside(std::string_view programPath);

// The per-user folder for the settings, without a final separator; empty
// when neither XDG_CONFIG_HOME (an absolute path) nor HOME is set.
std::string UserSettingsFolder();

// What the choice of the settings file depends on.
struct SettingsPlace {
  std::string besideProgram;  // IniPathBeside of the program
  bool besideExists = false;  // that file is there (a portable copy)
  bool inBuildFolder = false;  // the program runs where the build put it
  std::string userFolder;     // UserSettingsFolder()
};

// `besideProgram` for a build or a portable copy (or when there is no
// per-user folder at all), otherwise the file of the same name in `userFolder`.
std::string ChooseSettingsPath(const SettingsPlace& place);

// True when `programPath` lies in the folder the build writes its programs to.
bool RunsFromBuildFolder(const std::string& programPath);

// The running program's file, from /proc/self/exe.
std::string ProgramFilePath();
// The running program's folder, ending with "/".
std::string ProgramFolder();

// The settings file of the program at `programPath` (by default the running
// one), formed anew at every call. When it is the per-user one, its folder is
// created.
std::string SettingsFilePath(const std::string& programPath = ProgramFilePath());

}  // namespace lyrova
