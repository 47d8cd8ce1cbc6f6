#pragma once
// A song being saved as a file on a worker thread, so that the evening goes
// on meanwhile: how far it is, cancelling it, and the message it ends with.

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace lyrova {

class TExportJob : public QObject {
  Q_OBJECT

 public:
  // Writes the file: reports how far it is (0 to 1), stops early when
  // `cancel` is set and then returns false; throws the reason it failed.
  using Work = std::function<bool(const std::function<void(double done)>& progress, const std::atomic<bool>& cancel)>;

  // Starts at once; `target` names the file in the messages.
  TExportJob(QString target, Work work, QObject* parent = nullptr);
  // Cancels a running job and waits for its thread.
  ~TExportJob() override;

  bool Running() const { return running_; }
  double Done() const { return permille_.load() / 1000.0; }
  void Cancel() { cancel_.store(true); }

 signals:
  // On the owner's thread, once: the text for the user, empty when cancelled.
  void finished(const QString& text);

 private:
  std::atomic<bool> cancel_{false};
  std::atomic<int> permille_{0};
  bool running_ = true;
  std::thread thread_;
};

}  // namespace lyrova
