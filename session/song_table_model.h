#pragma once
// A list of songs as a table model: the five columns of both song views
// (code, title, singer, music author, words author). The views show it and
// a remote or a test reads it; the rows change only through the session.

#include <QAbstractTableModel>
#include <vector>

#include "session/song_entry.h"

namespace lyrova {

class TSongTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumnCount = 5;
  // The song's code as a number, in every column.
  static constexpr int kCodeRole = Qt::UserRole;

  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  int Count() const { return static_cast<int>(entries_.size()); }
  const std::vector<TSongEntry>& Entries() const { return entries_; }
  // The row's song; a row out of range throws std::out_of_range.
  const TSongEntry& Entry(int row) const { return entries_.at(static_cast<std::size_t>(row)); }

  void SetEntries(std::vector<TSongEntry> entries);
  void Append(const std::vector<TSongEntry>& entries);
  void Remove(int row);
  // Ascending by `column` with the song lists' order; equal rows keep their
  // order, and the views keep their selection (the rows move, not change).
  void SortByColumn(int column);

 signals:
  // Any change of the rows, after it happened.
  void changed();

 private:
  std::vector<TSongEntry> entries_;
};

}  // namespace lyrova
