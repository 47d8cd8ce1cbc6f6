#pragma once
// The strip along the top of the main window: the help, home page and
// error-report links, right-aligned, each followed by a 15-pixel gap.

#include <QWidget>

#include "app/widgets/link_actions.h"

namespace lyrova {

class TLinkLabel;

class TLinkStrip : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 25;

  // The links act through `shell`, which must outlive the strip.
  TLinkStrip(TShell& shell, const QString& programDir, QWidget* parent = nullptr);

  TLinkLabel* HelpLink() const { return help_; }
  TLinkLabel* HomePageLink() const { return homePage_; }
  TLinkLabel* ErrorReportLink() const { return errorReport_; }

 private:
  TLinkActions actions_;
  TLinkLabel* help_;
  TLinkLabel* homePage_;
  TLinkLabel* errorReport_;
};

}  // namespace lyrova
