// lyrova-catalog: the catalogue tool with the program's built-in catalogue.

#include <iostream>

#include "resources/catalog/built_in_catalog.h"
#include "tools/catalog/catalog_tool.h"

int main(int argc, char** argv) {
  const lyrova::CatalogResources builtIn = lyrova::BuiltInCatalog();
  return lyrova::catalog_tool::RunCatalogTool({argv + 1, argv + argc}, &builtIn, std::cout, std::cerr);
}
