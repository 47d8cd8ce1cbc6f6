// The catalogue view and the playlist as views of the session: the column
// widths of the fill, sorting, starting songs, adding, deleting and
// clearing rows, the search box, and the library's line.

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/window/library_bar.h"
#include "app/window/main_window.h"
#include "app/window/song_view.h"
#include "app/window/user_dialogs.h"

namespace lyrova {

void TForm1::FitCatalogColumns() {
  catalogWidths_ = listView1_->FitColumns(session_->Songs().Entries());
  for (int c = 1; c < TSongView::kColumnCount; ++c) listView2_->setColumnWidth(c, catalogWidths_[c]);
}

void TForm1::ShowLibraryRead(bool songsChanged) {
  const SongLibrary& library = session_->Songs().Library();
  if (library.folder.empty()) {
    libraryBar_->hide();
  } else {
    libraryBar_->ShowLibrary(library);
  }
  if (!songsChanged) return;
  FitCatalogColumns();
  listView2_->SetCurrentRow(std::min(playlistRowBefore_, listView2_->RowCount() - 1));
  if (!session_->SearchShown()) listView1_->SetCurrentRow(catalogRowBefore_);
}

void TForm1::ShowUnreadFiles() { dialogs_.ShowMessage(UnreadFilesList(session_->Songs().Library())); }

void TForm1::ListView1ColumnClick(TSongView* view, int column) {
  sortColumn_ = column;
  view->Songs()->SortByColumn(sortColumn_);
}

void TForm1::ListView1DblClick() {
  const std::vector<int> selected = listView1_->SelectedRows();
  if (selected.size() == 1) session_->PlayCatalogRow(selected.front());
}

void TForm1::ListView2DblClick() { session_->PlayPlaylistRow(listView2_->CurrentRow()); }

void TForm1::PlayNextPlaylistRow() { session_->PlayNext(); }

void TForm1::ListView1KeyDown(int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) ListView1DblClick();
}

void TForm1::ListView2KeyDown(int key) {
  if (key != Qt::Key_Delete) return;
  const int row = listView2_->CurrentRow();
  if (row >= 0) listView2_->SetCurrentRow(session_->RemovePlaylistRow(row));
}

void TForm1::Button1Click() { session_->AddToPlaylist(listView1_->SelectedRows()); }

void TForm1::Button2Click() { session_->ClearPlaylist(); }

void TForm1::Button6Click() {
  session_->ShowAllSongs();
  for (int c = 0; c < TSongView::kColumnCount; ++c) listView1_->setColumnWidth(c, catalogWidths_[c]);
}

void TForm1::DoSearch() {
  Guarded([&] { session_->Search(radioGroup1_->checkedId(), edit1_->text().toStdString()); });
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
