#include "app/widgets/link_strip.h"

#include <QHBoxLayout>

#include "app/widgets/link_label.h"

namespace lyrova {

TLinkStrip::TLinkStrip(TShell& shell, const QString& programDir, QWidget* parent)
    : QWidget(parent),
      actions_(shell, programDir),
      help_(new TLinkLabel(tr("Help"), this)),
      homePage_(new TLinkLabel(tr("Home page"), this)),
      errorReport_(new TLinkLabel(tr("Report an error"), this)) {
  setFixedHeight(kHeight);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addStretch();
  for (TLinkLabel* link : {help_, homePage_, errorReport_}) {
    row->addWidget(link);
    row->addSpacing(15);
  }
  connect(help_, &TLinkLabel::clicked, this, [this] { actions_.OpenHelp(); });
  connect(homePage_, &TLinkLabel::clicked, this, [this] { actions_.OpenHomePage(); });
  connect(errorReport_, &TLinkLabel::clicked, this, [this] { actions_.ReportError(); });
}

}  // namespace lyrova
