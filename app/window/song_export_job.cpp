#include "app/window/song_export_job.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "export/freed_memory.h"
#include "translations/user_text_qt.h"

namespace lyrova {
namespace {

constexpr int kRefreshMs = 100;

}  // namespace

TSongExportJob::TSongExportJob(TExportRequest request, QWidget* parent, std::function<void(const QString&)> finished)
    : dialog_(new QProgressDialog(QStringLiteral("Сохранение песни…"), QStringLiteral("Отмена"), 0, 1000, parent)),
      finished_(std::move(finished)) {
  // Not modal: the singer may go on using the player meanwhile.
  dialog_->setWindowModality(Qt::NonModal);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setMinimumDuration(0);
  dialog_->setValue(0);
  dialog_->show();
  connect(dialog_, &QProgressDialog::canceled, this, [this] { Cancel(); });
  connect(&timer_, &QTimer::timeout, this, [this] {
    // Cancelled by its button, by Esc or by closing the dialog.
    if (dialog_->wasCanceled()) {
      Cancel();
      return;
    }
    dialog_->setValue(permille_.load());
  });
  timer_.start(kRefreshMs);
  const QString target = QString::fromStdString(request.target);
  thread_ = std::thread([this, request = std::move(request), target] {
    QString text;
    try {
      const bool written = ExportSong(
          request, [this](double done) { permille_.store(static_cast<int>(done * 1000)); }, cancel_);
      if (written) text = QCoreApplication::translate("lyrova::TSongExportJob", "Saved: %1").arg(target);
    } catch (const std::exception& e) {
      text = QCoreApplication::translate("lyrova::TSongExportJob", "Could not save \"%1\": %2")
                 .arg(target, ErrorText(e));
    }
    QMetaObject::invokeMethod(this, [this, text] { Finish(text); }, Qt::QueuedConnection);
  });
}

TSongExportJob::~TSongExportJob() {
  Cancel();
  if (thread_.joinable()) thread_.join();
  delete dialog_;
}

void TSongExportJob::Finish(const QString& text) {
  done_ = true;
  timer_.stop();
  dialog_->hide();
  if (thread_.joinable()) thread_.join();
  ReturnFreedMemory();
  finished_(text);
}

}  // namespace lyrova
