#pragma once
// The catalogue tool: builds the catalogue dumps from a disc and shows the
// catalogue, its searches and a song's blocks, printing UTF-8.

#include <iosfwd>
#include <string>
#include <vector>

#include "catalog/catalog_resources.h"

namespace lyrova::catalog_tool {

// args without the program name. builtIn is the catalogue used when no
// --catalog is given; null when the program has none. Returns the exit code:
// 0 done, 1 failed, 2 wrong usage.
int RunCatalogTool(const std::vector<std::string>& args, const CatalogResources* builtIn,
                   std::ostream& out, std::ostream& err);

}  // namespace lyrova::catalog_tool
