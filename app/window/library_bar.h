#pragma once
// The song library's line under the catalogue: a progress bar while the
// folder is read, then how many songs it gave and, as a link, how many files
// could not be read.

#include <QString>
#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;

namespace lyrova {

struct SongLibrary;

// "1 файл не прочитан", "3 файла не прочитаны", "5 файлов не прочитаны".
QString UnreadFilesText(int count);
// One line per file that is not a song, its path and why, for the first
// kListedUnreadFiles of them; then how many more there are.
inline constexpr int kListedUnreadFiles = 40;
QString UnreadFilesList(const SongLibrary& library);

class TLibraryBar : public QWidget {
 public:
  // `showUnread` is called when the user clicks the unread-files link.
  TLibraryBar(std::function<void()> showUnread, QWidget* parent);

  void ShowProgress(int done, int total);
  void ShowLibrary(const SongLibrary& library);
  QProgressBar* Progress() const { return progress_; }
  QLabel* Unread() const { return unread_; }

 private:
  QProgressBar* progress_;
  QLabel* summary_;
  QLabel* unread_;
};

}  // namespace lyrova
