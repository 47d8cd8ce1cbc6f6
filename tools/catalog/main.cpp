// lyrova-catalog: the catalogue tool with the program's built-in catalogue.

#include <iostream>

#include "program/standard_options.h"
#include "resources/catalog/built_in_catalog.h"
#include "tools/catalog/catalog_tool.h"

int main(int argc, char** argv) {
  if (lyrova::AnswerVersion({argv + 1, argv + argc}, "lyrova-catalog", std::cout)) return 0;
  const lyrova::CatalogResources builtIn = lyrova::BuiltInCatalog();
  return lyrova::catalog_tool::RunCatalogTool({argv + 1, argv + argc}, &builtIn, std::cout, std::cerr);
}
