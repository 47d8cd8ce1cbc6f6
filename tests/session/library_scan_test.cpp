// The library read in the background: a new folder leaves the reading under
// way at once, without waiting for it, and only the newest result arrives.

#include "session/library_scan.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "tests/session/event_loop.h"

namespace lyrova {
namespace {

using namespace std::chrono_literals;
using test::ProcessEventsUntil;

// A reader of the folder "slow" that stays inside its reading until let go,
// then reads like one with many files; any other folder reads at once.
class TGate {
 public:
  SongLibrary Read(const std::string& folder, const ScanProgress& progress) {
    SongLibrary library;
    library.folder = folder;
    if (folder != "slow") return library;
    {
      std::unique_lock lock(mutex_);
      entered_ = true;
      changed_.notify_all();
      timedOut_ = !changed_.wait_for(lock, 10s, [&] { return open_; });
    }
    // The next file's report is where an abandoned reading stops.
    for (std::size_t i = 0; i < 1000; ++i) {
      progress(i, 1000);
      std::this_thread::sleep_for(1ms);
    }
    finishedAll_ = true;
    return library;
  }
  void WaitEntered() {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, 10s, [&] { return entered_; });
  }
  void Open() {
    std::lock_guard lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }
  bool TimedOut() {
    std::lock_guard lock(mutex_);
    return timedOut_;
  }
  std::atomic<bool> finishedAll_{false};

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool entered_ = false, open_ = false, timedOut_ = false;
};

TEST(LibraryScan, ANewFolderLeavesTheReadingUnderWayWithoutWaitingForIt) {
  TGate gate;
  std::vector<std::string> delivered;
  int progressReports = 0;
  TLibraryScan scan([&](int, int) { ++progressReports; },
                    [&](SongLibrary library) { delivered.push_back(library.folder); }, nullptr,
                    [&](const std::string& folder, const ScanProgress& progress) { return gate.Read(folder, progress); });
  scan.Start("slow");
  gate.WaitEntered();
  EXPECT_TRUE(scan.Running());

  // Returns while the first reading is still held inside: nobody waited.
  scan.Start("quick");
  EXPECT_EQ(scan.Folder(), "quick");
  gate.Open();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !scan.Running(); }));
  EXPECT_FALSE(gate.TimedOut());
  EXPECT_EQ(delivered, std::vector<std::string>{"quick"});

  // The left reading stopped at its next file, and nothing of it arrives.
  std::this_thread::sleep_for(50ms);
  QCoreApplication::processEvents();
  EXPECT_FALSE(gate.finishedAll_);
  EXPECT_EQ(delivered, std::vector<std::string>{"quick"});
  EXPECT_EQ(progressReports, 0);
}

TEST(LibraryScan, StoppingOrGoingAwayEndsAReadingUnderWay) {
  for (const bool destroy : {false, true}) {
    TGate gate;
    bool delivered = false;
    auto scan = std::make_unique<TLibraryScan>(
        nullptr, [&](SongLibrary) { delivered = true; }, nullptr,
        [&](const std::string& folder, const ScanProgress& progress) { return gate.Read(folder, progress); });
    scan->Start("slow");
    gate.WaitEntered();
    if (destroy) {
      gate.Open();
      scan.reset();  // waits for the worker, which stops at its next file
    } else {
      scan->Stop();
      EXPECT_FALSE(scan->Running());
      gate.Open();
      scan.reset();
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(delivered) << destroy;
    EXPECT_FALSE(gate.finishedAll_) << destroy;
  }
}

}  // namespace
}  // namespace lyrova
