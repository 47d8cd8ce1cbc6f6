// The catalogue tool without a built-in catalogue: the build uses it to make
// the dumps that become the built-in catalogue.

#include <iostream>

#include "tools/catalog/catalog_tool.h"

int main(int argc, char** argv) {
  return lyrova::catalog_tool::RunCatalogTool({argv + 1, argv + argc}, nullptr, std::cout, std::cerr);
}
