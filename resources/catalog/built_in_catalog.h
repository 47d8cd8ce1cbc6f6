#pragma once
// The catalogue compiled into the program (the OFSDAT and TXTDAT resources).

#include "catalog/catalog_resources.h"

namespace lyrova {

CatalogResources BuiltInCatalog();

}  // namespace lyrova
