// The search box: Enter or the search picture run the search chosen in the
// " где ищем? " group and show the songs it found.

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/window/main_window.h"

namespace lyrova {

void TForm1::DoSearch() {
  Guarded([&] {
    const TShownSearch search{radioGroup1_->checkedId(), edit1_->text().toStdString()};
    if (songs_.Search(search.item, search.query)) shownSearch_ = search;
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
