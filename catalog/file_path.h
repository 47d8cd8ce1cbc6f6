#pragma once

#include <string>
#include <string_view>

namespace lyrova {

// folder + name with exactly one separator between them; an empty folder is
// the current one.
inline std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/') path += '/';
  path += name;
  return path;
}

}  // namespace lyrova
