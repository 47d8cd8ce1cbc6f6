#pragma once
// The configuration dialog's choosers and message box on the real desktop.

#include "config/config_dialogs.h"

class QWidget;

namespace lyrova {

class TQtConfigDialogs : public TConfigDialogs {
 public:
  // The dialogs are modal over `parent`.
  explicit TQtConfigDialogs(QWidget* parent) : parent_(parent) {}

  std::optional<QString> ChooseFolder(const QString& title) override;
  std::optional<QString> ChooseFile(const QString& title, const QString& filter, const QString& folder) override;
  std::optional<QFont> ChooseFont(const QFont& current) override;
  std::optional<QColor> ChooseColour(const QColor& initial) override;
  void ShowMessage(const QString& text) override;

 private:
  QWidget* parent_;
};

}  // namespace lyrova
