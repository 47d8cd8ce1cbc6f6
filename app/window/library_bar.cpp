#include "app/window/library_bar.h"

#include <QBoxLayout>
#include <QFile>
#include <QLabel>
#include <QProgressBar>

#include "catalog/file_path.h"
#include "catalog/song_library.h"

namespace lyrova {
namespace {

// The Russian plural form for a count: 1, 2 to 4, or 5 and more (11 to 14 too).
int PluralForm(int n) {
  const int tens = n % 100, ones = n % 10;
  if (tens >= 11 && tens <= 14) return 2;
  if (ones == 1) return 0;
  return (ones >= 2 && ones <= 4) ? 1 : 2;
}

QString Counted(int n, const char* one, const char* few, const char* many) {
  const char* forms[] = {one, few, many};
  return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(forms[PluralForm(n)]);
}

}  // namespace

QString UnreadFilesText(int count) {
  return Counted(count, "файл не прочитан", "файла не прочитаны", "файлов не прочитаны");
}

QString UnreadFilesList(const SongLibrary& library) {
  QStringList lines;
  for (const BrokenFile& b : library.broken) {
    // A message box taller than the screen shows nothing useful.
    if (lines.size() == kListedUnreadFiles) {
      lines << QString::fromUtf8("... и ещё %1").arg(library.broken.size() - kListedUnreadFiles);
      break;
    }
    const std::string path = b.path.empty() ? library.folder : JoinPath(library.folder, b.path);
    lines << QFile::decodeName(QByteArray::fromStdString(path)) + QStringLiteral(": ") + QString::fromStdString(b.reason);
  }
  return lines.join(QLatin1Char('\n'));
}

TLibraryBar::TLibraryBar(std::function<void()> showUnread, QWidget* parent)
    : QWidget(parent), progress_(new QProgressBar(this)), summary_(new QLabel(this)), unread_(new QLabel(this)) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 1, 4, 1);
  progress_->setFormat(QString::fromUtf8("Чтение папки с песнями: %p%"));
  progress_->setTextVisible(true);
  progress_->setMaximumHeight(18);
  row->addWidget(progress_, 1);
  row->addWidget(summary_, 1);
  unread_->setTextFormat(Qt::RichText);
  unread_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(unread_, &QLabel::linkActivated, this, [showUnread = std::move(showUnread)] { showUnread(); });
  row->addWidget(unread_);
  progress_->hide();
  summary_->hide();
  unread_->hide();
  hide();
}

void TLibraryBar::ShowProgress(int done, int total) {
  progress_->setRange(0, std::max(total, 1));
  progress_->setValue(total == 0 ? 1 : done);
  progress_->show();
  summary_->hide();
  unread_->hide();
  show();
}

void TLibraryBar::ShowLibrary(const SongLibrary& library) {
  progress_->hide();
  const int songs = static_cast<int>(library.songs.size());
  summary_->setText(QString::fromUtf8("Песни из папки %1: %2")
                        .arg(QFile::decodeName(QByteArray::fromStdString(library.folder)))
                        .arg(songs));
  summary_->show();
  const int broken = static_cast<int>(library.broken.size());
  unread_->setText(QStringLiteral("<a href=\"unread\">%1</a>").arg(UnreadFilesText(broken).toHtmlEscaped()));
  unread_->setVisible(broken > 0);
  setVisible(true);
}

}  // namespace lyrova
