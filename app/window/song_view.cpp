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

namespace {

constexpr int kBytesRole = Qt::UserRole;

}  // namespace

TSongView::TSongView(bool multiSelect, QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(kColumnCount);
  setHeaderLabels({QStringLiteral("Код"), QStringLiteral("Название"), QStringLiteral("Исполнитель"),
                   QStringLiteral("Музыка"), QStringLiteral("Слова")});
  for (int c = 0; c < kColumnCount; ++c) setColumnWidth(c, kInitialColumnWidth);
  // Turning sorting off also makes the headers unclickable, so it comes first.
  setSortingEnabled(false);
  header()->setStretchLastSection(false);
  header()->setSectionsClickable(true);
  header()->setSectionsMovable(false);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setToolTip(QStringLiteral("Двойной щелчок - спеть."));
}

void TSongView::AppendRow(const SongRowTexts& texts) {
  auto* item = new QTreeWidgetItem;
  for (int c = 0; c < kColumnCount; ++c) {
    item->setText(c, QString::fromUtf8(texts[c]));
    item->setData(c, kBytesRole, QByteArray::fromStdString(texts[c]));
  }
  addTopLevelItem(item);
}

SongRowTexts TSongView::RowTexts(int row) const {
  SongRowTexts texts;
  const QTreeWidgetItem* item = topLevelItem(row);
  if (!item) return texts;
  for (int c = 0; c < kColumnCount; ++c) texts[c] = item->data(c, kBytesRole).toByteArray().toStdString();
  return texts;
}

void TSongView::RemoveRow(int row) { delete takeTopLevelItem(row); }

int TSongView::CurrentRow() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
}

void TSongView::SetCurrentRow(int row) {
  QTreeWidgetItem* item = topLevelItem(row);
  if (!item) {
    clearSelection();
    setCurrentItem(nullptr);
    return;
  }
  setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::vector<int> TSongView::SelectedRows() const {
  std::vector<int> rows;
  for (int r = 0; r < RowCount(); ++r) {
    if (topLevelItem(r)->isSelected()) rows.push_back(r);
  }
  return rows;
}

void TSongView::SortByColumn(int column) {
  std::vector<SongRowTexts> rows;
  rows.reserve(RowCount());
  for (int r = 0; r < RowCount(); ++r) rows.push_back(RowTexts(r));
  const std::vector<int> order = SortedRowOrder(rows, column);

  QTreeWidgetItem* current = currentItem();
  std::vector<QTreeWidgetItem*> items;
  std::vector<bool> selected;
  for (int r = 0; r < RowCount(); ++r) {
    items.push_back(topLevelItem(r));
    selected.push_back(topLevelItem(r)->isSelected());
  }
  const bool updates = updatesEnabled();
  setUpdatesEnabled(false);
  while (RowCount() > 0) takeTopLevelItem(RowCount() - 1);
  QList<QTreeWidgetItem*> sorted;
  for (int r : order) sorted.push_back(items[r]);
  addTopLevelItems(sorted);
  if (current) setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
  for (int r : order) items[r]->setSelected(selected[r]);
  setUpdatesEnabled(updates);
}

int TSongView::CellWidth(const QString& text) const {
  // The style draws a cell's text inside this margin on either side and
  // cuts it with "..." when it does not fit between them.
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  // Whole pixels rounded up: the text is laid out at its fractional width.
  return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text))) + 2 * margin;
}

std::array<int, TSongView::kColumnCount> TSongView::Fill(const std::vector<SongRowTexts>& rows) {
  clear();
  std::array<int, kColumnCount> widths{};
  for (int c = 0; c < kColumnCount; ++c) widths[c] = columnWidth(c);
  setUpdatesEnabled(false);
  // Measuring is most of the fill's time, and library songs share texts
  // ("нет данных" above all): each text is measured once per column.
  std::array<std::unordered_set<std::string_view>, kColumnCount> measured;
  for (const SongRowTexts& row : rows) {
    AppendRow(row);
    for (int c = 1; c < kColumnCount; ++c) {
      if (measured[c].insert(row[c]).second) widths[c] = std::max(widths[c], CellWidth(QString::fromUtf8(row[c])));
    }
  }
  for (int c = 0; c < kColumnCount; ++c) setColumnWidth(c, widths[c]);
  setUpdatesEnabled(true);
  return widths;
}

void TSongView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeWidget::mouseDoubleClickEvent(event);
  // A right or middle double click is no wish to sing.
  if (event->button() == Qt::LeftButton) emit dblClick();
}

void TSongView::keyPressEvent(QKeyEvent* event) {
  emit keyDown(event->key());
  QTreeWidget::keyPressEvent(event);
}

void TSongView::focusOutEvent(QFocusEvent* event) {
  QTreeWidget::focusOutEvent(event);
  emit exited();
}

}  // namespace lyrova
