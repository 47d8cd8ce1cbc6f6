#pragma once
// Runs the event loop of a test until what it waits for has happened.

#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace lyrova::test {

// True once `done` holds; false when `limit` passed first.
template <class Done>
bool ProcessEventsUntil(Done done, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done() && std::chrono::steady_clock::now() < end) {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return done();
}

}  // namespace lyrova::test
