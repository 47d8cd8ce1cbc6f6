#pragma once
// TRemoteApi: every request of the web remote, answered without sockets, so
// that tests and the fuzz target drive exactly what the server runs. It
// checks each request before anything changes: sizes, JSON, names, codes,
// tokens and the PIN; a refused request gets a 4xx with a short error code
// that the page turns into words, and leaves the queue as it was.
//
// Guests: a token per browser (32 hex digits, handed out by POST
// /api/guest); an entry remembers the guest (a hash of the token, which the
// pages may see), and only that guest can take it back. The host: the PIN
// shown in the main window, in the X-Lyrova-Pin header of each host action.

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>
#include <string>

#include "remote/remote_guard.h"
#include "remote/remote_host.h"

namespace lyrova {

class TQueueKeeper;

struct TRemoteRequest {
  enum class TMethod { Get, Post, Delete, Other } method = TMethod::Get;
  QString path;           // decoded
  QByteArray query;       // as sent, without "?"
  QByteArray body;
  std::string address;    // the peer's
  QByteArray token;       // X-Lyrova-Token
  QByteArray pin;         // X-Lyrova-Pin
  QByteArray languages;   // Accept-Language
};

struct TRemoteReply {
  int status = 200;
  QByteArray contentType = "application/json";
  QByteArray body;
  int retryAfter = 0;  // seconds, for 429
};

class TRemoteApi {
 public:
  static constexpr int kPageSize = 20;
  static constexpr qsizetype kLargestBody = 4096;
  static constexpr qsizetype kLargestQuery = 1024;
  static constexpr int kLongestQuery = 100;  // characters searched for
  static constexpr int kWaitingPerGuest = 5;

  using Clock = TRemoteGuard::Clock;
  TRemoteApi(TQueueKeeper& queue, IRemoteHost& host, QString pin,
             std::function<Clock::time_point()> clock = [] { return Clock::now(); });

  TRemoteReply Handle(const TRemoteRequest& request);

  // What every open page shows: the queue in the order of turns and what
  // plays now. Pushed to the pages after every change.
  QByteArray StateJson();

  // The hash of a guest's token that the entries and the pages carry.
  static std::string GuestOf(const QByteArray& token);
  static bool WellFormedToken(const QByteArray& token);

 private:
  TRemoteReply Page(const TRemoteRequest& request) const;
  TRemoteReply Search(const TRemoteRequest& request);
  TRemoteReply AddSong(const TRemoteRequest& request);
  TRemoteReply TakeBack(const TRemoteRequest& request, const QString& id);
  TRemoteReply Host(const TRemoteRequest& request, const QString& action);

  TQueueKeeper& queue_;
  IRemoteHost& host_;
  QString pin_;
  std::function<Clock::time_point()> clock_;
  TRemoteGuard guard_;
};

// The page's language from an Accept-Language header: "ru" when Russian comes
// before English, else "en".
QByteArray PageLanguage(const QByteArray& acceptLanguage);

}  // namespace lyrova
