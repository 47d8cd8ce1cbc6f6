#include "session/export_job.h"

#include <QCoreApplication>
#include <QMetaObject>

#include "translations/user_text_qt.h"

namespace lyrova {

TExportJob::TExportJob(QString target, Work work, QObject* parent) : QObject(parent) {
  thread_ = std::thread([this, target = std::move(target), work = std::move(work)] {
    QString text;
    try {
      if (work([this](double done) { permille_.store(static_cast<int>(done * 1000)); }, cancel_))
        text = QCoreApplication::translate("lyrova::TExportJob", "Saved: %1").arg(target);
    } catch (const std::exception& e) {
      text = QCoreApplication::translate("lyrova::TExportJob", "Could not save \"%1\": %2").arg(target, ErrorText(e));
    }
    // Safe from the worker: the destructor joins it before this object goes.
    QMetaObject::invokeMethod(
        this,
        [this, text] {
          running_ = false;
          thread_.join();
          emit finished(text);
        },
        Qt::QueuedConnection);
  });
}

TExportJob::~TExportJob() {
  Cancel();
  if (thread_.joinable()) thread_.join();
}

}  // namespace lyrova
