#pragma once
// What the three links of the main window do: open the help, the home page
// and a new error-report mail. They reach the desktop through TShell so that
// they can be checked without one.

#include <QString>
#include <QUrl>

#include <functional>

namespace lyrova {

inline constexpr char kHomePageUrl[] = "https://lyrova.org/";
// Shown after the program's name in the main window's caption.
inline constexpr char kHomePageHost[] = "lyrova.org";
inline constexpr char kBugReportAddress[] = "bugs@lyrova.org";

class TShell {
 public:
  virtual ~TShell() = default;
  // Opens a local file with the desktop's default application for its type.
  // `notOpened` runs, maybe a moment later, when the desktop has no program
  // for it or that program fails at once.
  virtual void OpenFile(const QString& path, std::function<void()> notOpened) = 0;
  // The same for an address, in the browser or the mail program.
  virtual void OpenUrl(const QUrl& url, std::function<void()> notOpened) = 0;
  // Shows an HTML page in a window of the program's own.
  virtual void ShowPage(const QString& path) = 0;
  virtual void ShowMessage(const QString& text) = 0;
};

class TLinkActions {
 public:
  // `programDir` is the folder the program runs from; help.chm is looked for
  // there, the program's own help among its shared data beside it.
  TLinkActions(TShell& shell, QString programDir);

  // help.chm when it is there, else the program's own help page in the
  // browser, or in a window of the program's own when no browser starts.
  void OpenHelp();
  void OpenHomePage();
  void ReportError();

  // The help file's full path, in the platform's own notation.
  QString HelpFilePath() const;
  // The program's own help page: ../share/lyrova/help/ from the program's
  // folder, where both the build and an installed copy put it.
  QString HelpPagePath() const;
  static QUrl ErrorReportUrl();

 private:
  TShell& shell_;
  QString programDir_;
};

}  // namespace lyrova
