// A song saved in the background: the message it ends with, its progress,
// and a cancel that the work sees, also when the job goes away first.

#include "session/export_job.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "tests/session/event_loop.h"

namespace lyrova {
namespace {

using namespace std::chrono_literals;

TEST(ExportJob, EndsWithTheMessageForHowTheWorkEnded) {
  struct Case {
    const char* name;
    TExportJob::Work work;
    QString text;
  };
  const Case cases[] = {
      {"written",
       [](const auto& progress, const auto&) {
         progress(0.5);
         return true;
       },
       QStringLiteral("Saved: песня.wav")},
      {"cancelled", [](const auto&, const auto&) { return false; }, QString()},
      {"failed", [](const auto&, const auto&) -> bool { throw std::runtime_error("disk full"); },
       QStringLiteral("Could not save \"песня.wav\": disk full")},
  };
  for (const Case& c : cases) {
    TExportJob job(QStringLiteral("песня.wav"), c.work);
    std::vector<QString> texts;
    QObject::connect(&job, &TExportJob::finished, [&](const QString& text) { texts.push_back(text); });
    EXPECT_TRUE(test::ProcessEventsUntil([&] { return !job.Running(); })) << c.name;
    EXPECT_EQ(texts, std::vector<QString>{c.text}) << c.name;
  }
}

TEST(ExportJob, CancelReachesTheWorkAndGoingAwayWaitsForIt) {
  std::atomic<bool> sawCancel{false};
  {
    TExportJob job(QStringLiteral("x.mp4"), [&](const auto& progress, const auto& cancel) {
      progress(0.25);
      while (!cancel.load()) std::this_thread::sleep_for(1ms);
      sawCancel = true;
      return false;
    });
    for (int i = 0; i < 5000 && job.Done() < 0.25; ++i) std::this_thread::sleep_for(1ms);
    EXPECT_DOUBLE_EQ(job.Done(), 0.25);
    EXPECT_TRUE(job.Running());
  }
  EXPECT_TRUE(sawCancel);
}

}  // namespace
}  // namespace lyrova
