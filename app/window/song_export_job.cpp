#include "app/window/song_export_job.h"

#include <QProgressDialog>

#include "export/freed_memory.h"
#include "session/export_job.h"

namespace lyrova {
namespace {

constexpr int kRefreshMs = 100;

}  // namespace

TSongExportJob::TSongExportJob(TExportJob& job, QWidget* parent)
    : job_(job),
      dialog_(new QProgressDialog(QStringLiteral("Сохранение песни…"), QStringLiteral("Отмена"), 0, 1000, parent)) {
  // Not modal: the singer may go on using the player meanwhile.
  dialog_->setWindowModality(Qt::NonModal);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setMinimumDuration(0);
  dialog_->setValue(0);
  dialog_->show();
  connect(dialog_, &QProgressDialog::canceled, this, [this] { job_.Cancel(); });
  connect(&timer_, &QTimer::timeout, this, [this] {
    // Cancelled by its button, by Esc or by closing the dialog.
    if (dialog_->wasCanceled()) job_.Cancel();
    dialog_->setValue(static_cast<int>(job_.Done() * 1000));
  });
  connect(&job_, &TExportJob::finished, this, [this] {
    timer_.stop();
    dialog_->hide();
    ReturnFreedMemory();
  });
  timer_.start(kRefreshMs);
}

TSongExportJob::~TSongExportJob() { delete dialog_; }

bool TSongExportJob::Running() const { return job_.Running(); }

}  // namespace lyrova
