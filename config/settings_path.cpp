#include "config/settings_path.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace lyrova {
namespace {

namespace fs = std::filesystem;

constexpr char kUserFolderName[] = "lyrova";

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

}  // namespace

std::string IniPathBeside(std::string_view programPath) {
  const std::size_t slash = programPath.rfind('/');
  const std::size_t dot = programPath.rfind('.');
  const bool hasExtension = dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
  std::string path(hasExtension ? programPath.substr(0, dot) : programPath);
  return path + ".ini";
}

std::string UserSettingsFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/" + kUserFolderName;
  const char* home = std::getenv("HOME");
  if (home && home[0] != '\0') return std::string(home) + "/.config/" + kUserFolderName;
  return {};
}

std::string ChooseSettingsPath(const SettingsPlace& place) {
  if (place.inBuildFolder || place.besideExists || place.userFolder.empty()) return place.besideProgram;
  return place.userFolder + "/" + fs::path(place.besideProgram).filename().string();
}

bool RunsFromBuildFolder(const std::string& programPath) {
  std::error_code ec;
  const fs::path folder = fs::weakly_canonical(fs::path(programPath).parent_path(), ec);
  if (ec) return false;
  const fs::path build = fs::weakly_canonical(LYROVA_BUILD_PROGRAM_DIR, ec);
  return !ec && folder == build;
}

std::string ProgramFilePath() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("lyrova") : exe.string();
}

std::string ProgramFolder() { return FolderOf(ProgramFilePath()); }

std::string SettingsFilePath(const std::string& programPath) {
  SettingsPlace place;
  place.besideProgram = IniPathBeside(programPath);
  std::error_code ec;
  place.besideExists = fs::exists(place.besideProgram, ec);
  place.inBuildFolder = RunsFromBuildFolder(programPath);
  place.userFolder = UserSettingsFolder();
  const std::string chosen = ChooseSettingsPath(place);
  if (chosen != place.besideProgram) {
    // A folder that cannot be made shows up as the first write's error, naming the file.
    fs::create_directories(fs::path(chosen).parent_path(), ec);
  }
  return chosen;
}

}  // namespace lyrova
