#pragma once
// Every dialog the configuration dialog opens, behind one interface, so that
// tests can answer them without a screen.

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

namespace lyrova {

class TConfigDialogs {
 public:
  virtual ~TConfigDialogs() = default;

  // A folder chooser titled `title`, starting with no folder selected.
  virtual std::optional<QString> ChooseFolder(const QString& title) = 0;
  // An open-file dialog opening in `folder`; `filter` in Qt's
  // "Name (*.ext);;..." form.
  virtual std::optional<QString> ChooseFile(const QString& title, const QString& filter, const QString& folder) = 0;
  // A font dialog of scalable fonts, opening on `current`.
  virtual std::optional<QFont> ChooseFont(const QFont& current) = 0;
  // A colour dialog with `initial` selected.
  virtual std::optional<QColor> ChooseColour(const QColor& initial) = 0;
  // A modal message box with an Ok button.
  virtual void ShowMessage(const QString& text) = 0;
};

}  // namespace lyrova
