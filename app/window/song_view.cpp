#include "app/window/song_view.h"

#include <cmath>

#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace lyrova {

TSongView::TSongView(bool multiSelect, QWidget* parent) : QTreeView(parent) {
  // Turning sorting off also makes the headers unclickable, so it comes first.
  setSortingEnabled(false);
  header()->setStretchLastSection(false);
  header()->setSectionsClickable(true);
  header()->setSectionsMovable(false);
  header()->setDefaultSectionSize(kInitialColumnWidth);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setToolTip(QStringLiteral("Двойной щелчок - спеть."));
}

void TSongView::SetSongs(TSongTableModel* songs) {
  songs_ = songs;
  setModel(songs);
  for (int c = 0; c < kColumnCount; ++c) setColumnWidth(c, kInitialColumnWidth);
}

int TSongView::RowCount() const { return songs_ ? songs_->Count() : 0; }

QRect TSongView::RowRect(int row) const { return visualRect(model()->index(row, 0)); }

int TSongView::CurrentRow() const {
  if (!selectionModel()) return -1;
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void TSongView::SetCurrentRow(int row) {
  if (!songs_) return;
  if (row < 0 || row >= RowCount()) {
    clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    return;
  }
  selectionModel()->setCurrentIndex(songs_->index(row, 0),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TSongView::SelectRow(int row, bool selected) {
  selectionModel()->select(songs_->index(row, 0), (selected ? QItemSelectionModel::Select
                                                             : QItemSelectionModel::Deselect) |
                                                      QItemSelectionModel::Rows);
}

std::vector<int> TSongView::SelectedRows() const {
  std::vector<int> rows;
  if (!selectionModel()) return rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

int TSongView::CellWidth(const QString& text) const {
  // The style draws a cell's text inside this margin on either side and
  // cuts it with "..." when it does not fit between them.
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  // Whole pixels rounded up: the text is laid out at its fractional width.
  return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text))) + 2 * margin;
}

std::array<int, TSongView::kColumnCount> TSongView::FitColumns(const std::vector<TSongEntry>& songs) {
  std::array<int, kColumnCount> widths{};
  widths.fill(kInitialColumnWidth);
  // Measuring is most of a fill's time, and library songs share texts
  // ("нет данных" above all): each text is measured once per column.
  std::array<std::unordered_set<std::string_view>, kColumnCount> measured;
  for (const TSongEntry& song : songs) {
    for (int c = 1; c < kColumnCount; ++c) {
      const std::string& text = song.texts[static_cast<std::size_t>(c)];
      if (measured[c].insert(text).second) widths[c] = std::max(widths[c], CellWidth(QString::fromStdString(text)));
    }
  }
  for (int c = 0; c < kColumnCount; ++c) setColumnWidth(c, widths[c]);
  return widths;
}

void TSongView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeView::mouseDoubleClickEvent(event);
  // A right or middle double click is no wish to sing.
  if (event->button() == Qt::LeftButton) emit dblClick();
}

void TSongView::keyPressEvent(QKeyEvent* event) {
  emit keyDown(event->key());
  QTreeView::keyPressEvent(event);
}

void TSongView::focusOutEvent(QFocusEvent* event) {
  QTreeView::focusOutEvent(event);
  emit exited();
}

}  // namespace lyrova
