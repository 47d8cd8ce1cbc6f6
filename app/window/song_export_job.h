#pragma once
// The progress dialog of a song being saved: how far the session's job is,
// and its cancel button; the window stays usable meanwhile.

#include <QObject>
#include <QTimer>

class QProgressDialog;
class QWidget;

namespace lyrova {

class TExportJob;

class TSongExportJob : public QObject {
 public:
  // Shows at once; the job must outlive this view.
  TSongExportJob(TExportJob& job, QWidget* parent);
  ~TSongExportJob() override;

  bool Running() const;
  QProgressDialog* Dialog() const { return dialog_; }

 private:
  TExportJob& job_;
  QProgressDialog* dialog_;
  QTimer timer_;
};

}  // namespace lyrova
