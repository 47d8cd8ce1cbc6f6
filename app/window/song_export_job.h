#pragma once
// A song being saved as a file on a worker thread, with a progress dialog
// that can cancel it; the window stays usable meanwhile.

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

#include "export/song_export.h"

class QProgressDialog;

namespace lyrova {

class TSongExportJob : public QObject {
 public:
  // Starts at once. `finished` runs on the main thread with the text to
  // show: empty when cancelled.
  TSongExportJob(TExportRequest request, QWidget* parent, std::function<void(const QString&)> finished);
  // Cancels a running export and waits for its thread.
  ~TSongExportJob() override;

  bool Running() const { return !done_; }
  QProgressDialog* Dialog() const { return dialog_; }
  void Cancel() { cancel_.store(true); }

 private:
  void Finish(const QString& text);

  std::atomic<bool> cancel_{false};
  std::atomic<int> permille_{0};
  bool done_ = false;
  QProgressDialog* dialog_;
  QTimer timer_;
  std::function<void(const QString&)> finished_;
  std::thread thread_;
};

}  // namespace lyrova
