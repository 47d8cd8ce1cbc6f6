#include "resources/catalog/built_in_catalog.h"

#include <embedded/catdata_bin.h>
#include <embedded/catdata_txt.h>

namespace lyrova {

CatalogResources BuiltInCatalog() { return {embedded::catdata_bin(), embedded::catdata_txt()}; }

}  // namespace lyrova
