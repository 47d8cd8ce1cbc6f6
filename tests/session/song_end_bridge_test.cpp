// The end of a song crossing from the end-of-song thread to the session: the
// thread waits until it has been handled, and is let go at shutdown.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <thread>

#include "session/song_end_bridge.h"
#include "session/window_messages.h"
#include "tests/session/event_loop.h"

namespace lyrova {
namespace {

using namespace std::chrono_literals;
using test::ProcessEventsUntil;

class TEndReceiver : public QObject {
 public:
  TSongEndBridge* bridge = nullptr;
  std::atomic<int> handled{0};

 protected:
  bool event(QEvent* e) override {
    if (e->type() != static_cast<QEvent::Type>(TMessage::SongEnd)) return QObject::event(e);
    ++handled;
    bridge->Handled();
    return true;
  }
};

TEST(SongEndBridge, ThreadWaitsUntilTheWindowHasHandledTheEnd) {
  TEndReceiver window;
  TSongEndBridge bridge(&window);
  window.bridge = &bridge;
  for (int round = 0; round < 3; ++round) {
    std::atomic<bool> returned{false};
    std::thread endThread([&] {
      bridge.WMSongEnd(1);
      returned = true;
    });
    std::this_thread::sleep_for(50ms);  // no events processed: the thread must still wait
    EXPECT_FALSE(returned);
    EXPECT_EQ(window.handled.load(), round);
    EXPECT_TRUE(ProcessEventsUntil([&] { return returned.load(); }));
    endThread.join();
    EXPECT_EQ(window.handled.load(), round + 1);
  }
  bridge.Close();
}

TEST(SongEndBridge, ClosingLetsAWaitingThreadGo) {
  TEndReceiver window;
  TSongEndBridge bridge(&window);
  window.bridge = &bridge;
  std::atomic<bool> returned{false};
  std::thread endThread([&] {
    bridge.WMSongEnd(1);
    returned = true;
  });
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(returned);
  bridge.Close();  // the window goes away without handling it
  endThread.join();
  EXPECT_TRUE(returned);
  bridge.WMSongEnd(1);  // after closing nothing more is delivered or waited for
  QCoreApplication::removePostedEvents(&window);
  EXPECT_EQ(window.handled.load(), 0);
}

TEST(SongEndBridge, OnTheWindowsOwnThreadTheEndIsHandledAtOnce) {
  TEndReceiver window;
  TSongEndBridge bridge(&window);
  window.bridge = &bridge;
  bridge.WMSongEnd(1);
  EXPECT_EQ(window.handled.load(), 1);
  bridge.Close();
}

TEST(SongEndBridge, AnEndNoThreadHandedOverReleasesNoLaterWait) {
  TEndReceiver window;
  TSongEndBridge bridge(&window);
  window.bridge = &bridge;
  bridge.Handled();  // as when the window is sent an end by hand
  std::atomic<bool> returned{false};
  std::thread endThread([&] {
    bridge.WMSongEnd(1);
    returned = true;
  });
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(returned);
  EXPECT_TRUE(ProcessEventsUntil([&] { return returned.load(); }));
  endThread.join();
  bridge.Close();
}

}  // namespace
}  // namespace lyrova
