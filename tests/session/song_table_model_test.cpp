// The song lists as a model: a sort keeps what the views selected with the
// songs it moved, and every change is announced.

#include "session/song_table_model.h"

#include <gtest/gtest.h>

#include <QItemSelectionModel>

namespace lyrova {
namespace {

TSongEntry Song(std::uint32_t code, const char* title, const char* singer) {
  char caption[16];
  std::snprintf(caption, sizeof caption, "%.4u", code);
  return {code, {caption, title, singer, "", ""}, {}};
}

TEST(SongTableModel, SortingMovesTheSelectionWithItsSongs) {
  TSongTableModel songs;
  int changes = 0;
  QObject::connect(&songs, &TSongTableModel::changed, [&] { ++changes; });
  songs.SetEntries({Song(3, "Утро", "хор"), Song(1, "Ночь", "Альт"), Song(2, "Вечер", "Бас")});
  songs.Append({Song(10001, "Alpha", "Beatles")});
  EXPECT_EQ(songs.rowCount(), 4);
  EXPECT_EQ(songs.data(songs.index(0, 1)).toString(), QStringLiteral("Утро"));
  EXPECT_EQ(songs.data(songs.index(3, 0), TSongTableModel::kCodeRole).toUInt(), 10001u);
  EXPECT_EQ(songs.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Исполнитель"));

  QItemSelectionModel selection(&songs);
  selection.select(songs.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);  // Утро
  selection.setCurrentIndex(songs.index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);  // Alpha
  songs.SortByColumn(2);  // Beatles, Альт, Бас, хор
  std::vector<std::uint32_t> codes;
  for (const TSongEntry& e : songs.Entries()) codes.push_back(e.code);
  EXPECT_EQ(codes, (std::vector<std::uint32_t>{10001, 1, 2, 3}));
  EXPECT_EQ(selection.currentIndex().row(), 0);
  std::vector<int> selected;
  for (const QModelIndex& index : selection.selectedRows()) selected.push_back(index.row());
  std::sort(selected.begin(), selected.end());
  EXPECT_EQ(selected, (std::vector<int>{0, 3}));

  songs.Remove(1);
  songs.Remove(7);  // no such row: nothing
  EXPECT_EQ(songs.Count(), 3);
  EXPECT_EQ(songs.Entry(1).code, 2u);
  EXPECT_THROW(songs.Entry(3), std::out_of_range);
  EXPECT_EQ(changes, 4);
}

}  // namespace
}  // namespace lyrova
