#include "session/song_table_model.h"

namespace lyrova {
namespace {

const char* const kCaptions[TSongTableModel::kColumnCount] = {"Код", "Название", "Исполнитель", "Музыка", "Слова"};

}  // namespace

int TSongTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

int TSongTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant TSongTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count() || index.column() >= kColumnCount) return {};
  const TSongEntry& entry = entries_[static_cast<std::size_t>(index.row())];
  if (role == Qt::DisplayRole) return QString::fromStdString(entry.texts[static_cast<std::size_t>(index.column())]);
  if (role == kCodeRole) return QVariant::fromValue(entry.code);
  return {};
}

QVariant TSongTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount) return {};
  return QString::fromUtf8(kCaptions[section]);
}

void TSongTableModel::SetEntries(std::vector<TSongEntry> entries) {
  beginResetModel();
  entries_ = std::move(entries);
  endResetModel();
  emit changed();
}

void TSongTableModel::Append(const std::vector<TSongEntry>& entries) {
  if (entries.empty()) return;
  beginInsertRows({}, Count(), Count() + static_cast<int>(entries.size()) - 1);
  entries_.insert(entries_.end(), entries.begin(), entries.end());
  endInsertRows();
  emit changed();
}

void TSongTableModel::Remove(int row) {
  if (row < 0 || row >= Count()) return;
  beginRemoveRows({}, row, row);
  entries_.erase(entries_.begin() + row);
  endRemoveRows();
  emit changed();
}

void TSongTableModel::SortByColumn(int column) {
  std::vector<SongRowTexts> rows;
  rows.reserve(entries_.size());
  for (const TSongEntry& e : entries_) rows.push_back(e.texts);
  const std::vector<int> order = SortedRowOrder(rows, column);

  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<int> newRow(order.size());
  std::vector<TSongEntry> sorted;
  sorted.reserve(order.size());
  for (std::size_t r = 0; r < order.size(); ++r) {
    newRow[static_cast<std::size_t>(order[r])] = static_cast<int>(r);
    sorted.push_back(std::move(entries_[static_cast<std::size_t>(order[r])]));
  }
  entries_ = std::move(sorted);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& index : before) after.push_back(this->index(newRow[static_cast<std::size_t>(index.row())], index.column()));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
  emit changed();
}

}  // namespace lyrova
