// The end of a song crossing from the end-of-song thread to the window: the
// thread waits until the window has handled it, and is let go at shutdown.

#include <QCoreApplication>
#include <QTest>
#include <atomic>
#include <thread>

#include "app/window/song_end_bridge.h"
#include "app/window/window_messages.h"

namespace lyrova::test {

namespace {

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

}  // namespace

class SongEndBridgeTest : public QObject {
  Q_OBJECT

 private slots:
  void threadWaitsUntilTheWindowHasHandledTheEnd();
  void closingLetsAWaitingThreadGo();
  void onTheWindowsOwnThreadTheEndIsHandledAtOnce();
};

void SongEndBridgeTest::threadWaitsUntilTheWindowHasHandledTheEnd() {
  TEndReceiver window;
  TSongEndBridge bridge(&window);
  window.bridge = &bridge;
  for (int round = 0; round < 3; ++round) {
    std::atomic<bool> returned{false};
    std::thread endThread([&] {
      bridge.WMSongEnd();
      returned = true;
    });
    QTest::qSleep(50);  // no events processed: the thread must still wait
    QVERIFY(!returned);
    QCOMPARE(window.handled.load(), round);
    QVERIFY(QTest::qWaitFor([&] { return returned.load(); }, 2000));
    endThread.join();
    QCOMPARE(window.handled.load(), round + 1);
  }
  bridge.Close();
}

void SongEndBridgeTest::closingLetsAWaitingThreadGo() {
  TEndReceiver window;
  TSongEndBridge bridge(&window);
  window.bridge = &bridge;
  std::atomic<bool> returned{false};
  std::thread endThread([&] {
    bridge.WMSongEnd();
    returned = true;
  });
  QTest::qSleep(50);
  QVERIFY(!returned);
  bridge.Close();  // the window is going away without handling it
  endThread.join();
  QVERIFY(returned);
  bridge.WMSongEnd();  // after closing nothing more is delivered or waited for
  QCoreApplication::removePostedEvents(&window);
  QCOMPARE(window.handled.load(), 0);
}

void SongEndBridgeTest::onTheWindowsOwnThreadTheEndIsHandledAtOnce() {
  TEndReceiver window;
  TSongEndBridge bridge(&window);
  window.bridge = &bridge;
  bridge.WMSongEnd();
  QCOMPARE(window.handled.load(), 1);
  bridge.Close();
}

}  // namespace lyrova::test

QTEST_GUILESS_MAIN(lyrova::test::SongEndBridgeTest)
#include "song_end_bridge_test.moc"
