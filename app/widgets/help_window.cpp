#include "app/widgets/help_window.h"

#include <QScrollBar>
#include <QUrl>

namespace lyrova {

THelpWindow::THelpWindow(QWidget* parent) : QTextBrowser(parent) {
  setWindowFlag(Qt::Window);
  // Web addresses in the page still go to the desktop, if it has a browser after all.
  setOpenExternalLinks(true);
  resize(900, 700);
  connect(this, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(documentTitle()); });
}

void THelpWindow::ShowPage(const QString& path) {
  setSource(QUrl::fromLocalFile(path));
  verticalScrollBar()->setValue(0);  // the same page again is not reloaded
  setWindowTitle(documentTitle());
}

}  // namespace lyrova
