#pragma once
// A song list as both views show it: five columns (code, title, singer, music
// author, words author), whole-row selection, no editing and no automatic
// sorting. Each cell keeps its UTF-8 bytes beside the text on screen, so
// sorting and saving see exactly what the songs hold.

#include <QTreeWidget>
#include <array>
#include <vector>

#include "app/core/song_order.h"

namespace lyrova {

class TSongView : public QTreeWidget {
  Q_OBJECT

 public:
  static constexpr int kColumnCount = 5;
  static constexpr int kInitialColumnWidth = 50;

  TSongView(bool multiSelect, QWidget* parent = nullptr);

  int RowCount() const { return topLevelItemCount(); }
  void AppendRow(const SongRowTexts& texts);
  SongRowTexts RowTexts(int row) const;
  void RemoveRow(int row);

  // The selected row of a one-selection view, or -1.
  int CurrentRow() const;
  // Selects row `row` alone and gives it the focus mark; -1 clears both.
  void SetCurrentRow(int row);
  std::vector<int> SelectedRows() const;

  // The column width that shows `text` whole: its width in the view's font
  // and the margins the style keeps around a cell's text.
  int CellWidth(const QString& text) const;

  // Ascending by `column` with the song-list comparison; selection kept.
  void SortByColumn(int column);

  // Replaces the rows with `rows`, columns 1 to 4 grown to their widest
  // text (the code column keeps its width); the widths it set.
  std::array<int, kColumnCount> Fill(const std::vector<SongRowTexts>& rows);

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
};

}  // namespace lyrova
