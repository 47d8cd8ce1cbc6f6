// The search box: Enter or the search picture run the search chosen in the
// " где ищем? " group and show the songs it found.

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/core/search_dispatch.h"
#include "app/window/main_window.h"
#include "catalog/cp1251.h"

namespace lyrova {

void TForm1::DoSearch() {
  Guarded([&] {
    RunSearch(catalog_, radioGroup1_->checkedId(), Utf8ToCp1251(edit1_->text().toStdString()));
    ShowFoundSongs();
  });
}

void TForm1::Edit1KeyDown(QKeyEvent* key, bool& consumed) {
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return;
  consumed = true;
  if (!edit1_->text().isEmpty()) DoSearch();
}

void TForm1::Image9Click() {
  if (!edit1_->text().isEmpty()) DoSearch();
}

}  // namespace lyrova
