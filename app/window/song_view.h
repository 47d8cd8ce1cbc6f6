#pragma once
// A song list as both views show it: a session's song model in five columns
// (code, title, singer, music author, words author), whole-row selection,
// no editing and no automatic sorting; a header click asks for an order.

#include <QTreeView>
#include <array>
#include <vector>

#include "session/song_table_model.h"

namespace lyrova {

class TSongView : public QTreeView {
  Q_OBJECT

 public:
  static constexpr int kColumnCount = TSongTableModel::kColumnCount;
  static constexpr int kInitialColumnWidth = 50;

  TSongView(bool multiSelect, QWidget* parent = nullptr);

  // The songs shown; the model must outlive the view.
  void SetSongs(TSongTableModel* songs);
  TSongTableModel* Songs() const { return songs_; }

  int RowCount() const;
  const TSongEntry& Entry(int row) const { return songs_->Entry(row); }
  SongRowTexts RowTexts(int row) const { return Entry(row).texts; }
  // Where row `row` is drawn, in the viewport's coordinates.
  QRect RowRect(int row) const;

  // The selected row of a one-selection view, or -1.
  int CurrentRow() const;
  // Selects row `row` alone and gives it the focus mark; -1 clears both.
  void SetCurrentRow(int row);
  // Adds row `row` to the selection, or takes it out.
  void SelectRow(int row, bool selected);
  std::vector<int> SelectedRows() const;

  // The column width that shows `text` whole: its width in the view's font
  // and the margins the style keeps around a cell's text.
  int CellWidth(const QString& text) const;
  // Columns 1 to 4 grown to the widest text of `songs` (the code column
  // keeps its width); the widths it set.
  std::array<int, kColumnCount> FitColumns(const std::vector<TSongEntry>& songs);

 signals:
  // A double click of the left button anywhere in the view, also below the
  // last row.
  void dblClick();
  // Every key press, before the view handles it.
  void keyDown(int key);
  // The view lost the keyboard focus.
  void exited();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  TSongTableModel* songs_ = nullptr;
};

}  // namespace lyrova
