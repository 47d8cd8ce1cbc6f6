#pragma once
// What the three links of the main window do: open the help file, the home
// page and a new error-report mail. They reach the desktop through TShell so
// that they can be checked without one.

#include <QString>
#include <QUrl>

namespace lyrova {

inline constexpr char kHomePageUrl[] = "https://lyrova.org/";
// Shown after the program's name in the main window's caption.
inline constexpr char kHomePageHost[] = "lyrova.org";
inline constexpr char kBugReportAddress[] = "bugs@lyrova.org";

class TShell {
 public:
  virtual ~TShell() = default;
  // Opens a local file with the desktop's default application for its type.
  virtual void OpenFile(const QString& path) = 0;
  virtual void OpenUrl(const QUrl& url) = 0;
  virtual void ShowMessage(const QString& text) = 0;
};

class TLinkActions {
 public:
  // `programDir` is the folder the program runs from; help.chm is looked for there.
  TLinkActions(TShell& shell, QString programDir);

  void OpenHelp();
  void OpenHomePage();
  void ReportError();

  // The help file's full path, in the platform's own notation.
  QString HelpFilePath() const;
  static QUrl ErrorReportUrl();

 private:
  TShell& shell_;
  QString programDir_;
};

}  // namespace lyrova
