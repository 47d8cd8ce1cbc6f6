#pragma once
// Where the settings file lives: beside the program, named after it with the
// extension ".ini" ("lyrova" keeps its settings in "lyrova.ini"). An installed
// program's folder usually takes no new files; its settings then go to the
// user's configuration folder ($XDG_CONFIG_HOME/lyrova, else ~/.config/lyrova).

#include <string>
#include <string_view>

namespace lyrova {

// The program file's full path with its extension (the text from the last
// "." after the last "/") replaced by ".ini", or ".ini" appended.
std::string IniPathBeside(std::string_view programPath);

// The per-user folder for the settings, without a final separator; empty
// when neither XDG_CONFIG_HOME (an absolute path) nor HOME is set.
std::string UserSettingsFolder();

// `besideProgram` when its file exists or its folder may be written to,
// otherwise the file of the same name in `userFolder` (when there is one).
std::string ChooseSettingsPath(const std::string& besideProgram, const std::string& userFolder);

// The running program's file, from /proc/self/exe.
std::string ProgramFilePath();
// The running program's folder, ending with "/".
std::string ProgramFolder();

// The settings file of the program at `programPath` (by default the running
// one), formed anew at every call. When it is the per-user one, its folder is
// created.
std::string SettingsFilePath(const std::string& programPath = ProgramFilePath());

}  // namespace lyrova
