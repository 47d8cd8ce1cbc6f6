// The catalogue view and the playlist: filling, the saved copy of the first
// fill, sorting, starting songs, adding, deleting and clearing rows, and the
// focus going back from the sliders.

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/window/main_window.h"
#include "app/window/song_view.h"
#include "app/window/window_messages.h"
#include "catalog/integer_text.h"

namespace lyrova {

void TForm1::FillCatalogView() {
  std::vector<SongRowTexts> rows = songs_.Rows();
  const std::array<int, TSongView::kColumnCount> widths = listView1_->Fill(rows);
  catalogSnapshot_.rows = std::move(rows);
  catalogSnapshot_.widths = widths;
  for (int c = 1; c < TSongView::kColumnCount; ++c) listView2_->setColumnWidth(c, widths[c]);
}

void TForm1::RestoreCatalogView() {
  listView1_->clear();
  listView1_->setUpdatesEnabled(false);
  for (const SongRowTexts& row : catalogSnapshot_.rows) listView1_->AppendRow(row);
  for (int c = 0; c < TSongView::kColumnCount; ++c) listView1_->setColumnWidth(c, catalogSnapshot_.widths[c]);
  listView1_->setUpdatesEnabled(true);
}

void TForm1::ShowFoundSongs() {
  listView1_->clear();
  listView1_->setUpdatesEnabled(false);
  for (const SongRowTexts& row : songs_.FoundRows()) listView1_->AppendRow(row);
  listView1_->setUpdatesEnabled(true);
}

void TForm1::ListView1ColumnClick(TSongView* view, int column) {
  sortColumn_ = column;
  view->SortByColumn(sortColumn_);
}

void TForm1::PostPlaySong(const SongRowTexts& row) {
  const auto code = ParseInteger(row[0]);
  if (!code) throw NotAnIntegerError(row[0]);
  QCoreApplication::postEvent(this, new TMessageEvent(TMessage::PlaySong, *code));
}

void TForm1::ListView1DblClick() {
  Guarded([&] {
    const std::vector<int> selected = listView1_->SelectedRows();
    if (selected.size() != 1) return;
    origin_ = {kCatalogView, selected.front()};
    PostPlaySong(listView1_->RowTexts(selected.front()));
  });
}

void TForm1::ListView2DblClick() {
  Guarded([&] {
    const int row = listView2_->CurrentRow();
    if (row < 0) return;
    origin_ = {kPlaylistView, row};
    PostPlaySong(listView2_->RowTexts(row));
  });
}

void TForm1::ListView1KeyDown(int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) ListView1DblClick();
}

void TForm1::ListView2KeyDown(int key) {
  if (key != Qt::Key_Delete) return;
  int row = listView2_->CurrentRow();
  if (row < 0) return;
  listView2_->RemoveRow(row);
  if (row >= listView2_->RowCount()) --row;
  listView2_->SetCurrentRow(row);
}

void TForm1::Button1Click() {
  for (int row : listView1_->SelectedRows()) listView2_->AppendRow(listView1_->RowTexts(row));
}

void TForm1::Button2Click() { listView2_->clear(); }

void TForm1::Button6Click() {
  shownSearch_.reset();
  RestoreCatalogView();
}

void TForm1::RetFocusEnter() {
  QWidget* target = focusReturn_.Target([](QWidget* w) { return w->isVisible() && w->isEnabled(); });
  if (target) target->setFocus(Qt::OtherFocusReason);
}

}  // namespace lyrova
