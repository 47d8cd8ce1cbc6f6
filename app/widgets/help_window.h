#pragma once
// The program's own help viewer, for a desktop where no browser starts:
// the page with its pictures and its links within, the title of the page.

#include <QTextBrowser>

namespace lyrova {

class THelpWindow : public QTextBrowser {
  Q_OBJECT

 public:
  explicit THelpWindow(QWidget* parent = nullptr);

  // Shows `path` (an HTML file) from its top.
  void ShowPage(const QString& path);
};

}  // namespace lyrova
