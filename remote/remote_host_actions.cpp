// The host's actions from a phone: each needs the PIN, and a wrong PIN makes
// the next try from that address wait longer.

#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "remote/remote_api.h"
#include "remote/remote_state.h"
#include "session/queue_keeper.h"

namespace lyrova {

namespace {

TRemoteReply Error(int status, const char* error) {
  return {status, "application/json",
          QJsonDocument(QJsonObject{{"error", QLatin1String(error)}}).toJson(QJsonDocument::Compact), 0};
}

TRemoteReply Done() { return {204, "application/json", {}, 0}; }

// Compares all of both texts, so the time taken tells nothing of the PIN.
bool SamePin(const QByteArray& given, const QByteArray& pin) {
  unsigned differ = given.size() == pin.size() ? 0u : 1u;
  for (qsizetype i = 0; i < given.size(); ++i) differ |= static_cast<unsigned>(given[i] ^ pin[i % std::max<qsizetype>(pin.size(), 1)]);
  return differ == 0 && !pin.isEmpty();
}

std::optional<int> Step(const QJsonObject& body, int largest) {
  const QJsonValue v = body.value("by");
  if (!v.isDouble() || v.toDouble() != std::floor(v.toDouble()) || std::abs(v.toDouble()) > largest) return std::nullopt;
  return v.toInt();
}

}  // namespace

QByteArray TRemoteApi::StateJson() { return lyrova::StateJson(queue_.Queue(), host_.Playing()); }

TRemoteReply TRemoteApi::Host(const TRemoteRequest& request, const QString& action) {
  const Clock::time_point now = clock_();
  if (const double wait = guard_.PinWait(request.address, now); wait > 0) {
    TRemoteReply reply = Error(429, "pin-wait");
    reply.retryAfter = static_cast<int>(std::ceil(wait));
    return reply;
  }
  if (!SamePin(request.pin, pin_.toUtf8())) {
    guard_.PinWrong(request.address, now);
    return Error(403, "wrong-pin");
  }
  guard_.PinRight(request.address);
  QJsonObject body;
  if (!request.body.isEmpty()) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(request.body, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return Error(400, "bad-json");
    body = doc.object();
  }
  if (action == QLatin1String("check")) return Done();
  if (action == QLatin1String("pause")) return host_.Pause(), Done();
  if (action == QLatin1String("skip")) return host_.Skip(), Done();
  if (action == QLatin1String("stop")) return host_.Stop(), Done();
  if (action == QLatin1String("key") || action == QLatin1String("tempo")) {
    const std::optional<int> by = Step(body, 12);
    if (!by) return Error(400, "bad-step");
    if (action == QLatin1String("key")) {
      host_.ChangeKey(*by);
    } else {
      host_.ChangeTempo(*by);
    }
    return Done();
  }
  const std::string singer = body.value("singer").toString().toStdString();
  if (action == QLatin1String("move")) {
    const QJsonValue to = body.value("to");
    if (!to.isDouble() || to.toDouble() < 0 || to.toDouble() > 10000) return Error(400, "bad-place");
    if (!queue_.Edit([&](TSingerQueue& q) { return q.MoveSinger(singer, to.toInt()); }))
      return Error(404, "unknown-singer");
    return Done();
  }
  if (action == QLatin1String("hold")) {
    if (!body.value("held").isBool()) return Error(400, "bad-json");
    if (!queue_.Edit([&](TSingerQueue& q) { return q.SetHeld(singer, body.value("held").toBool()); }))
      return Error(404, "unknown-singer");
    return Done();
  }
  if (action == QLatin1String("remove")) {
    const QJsonValue id = body.value("id");
    if (!id.isDouble()) return Error(400, "bad-id");
    if (!queue_.Edit([&](TSingerQueue& q) { return q.Remove(static_cast<std::uint64_t>(id.toInteger())); }))
      return Error(404, "unknown-entry");
    return Done();
  }
  return Error(404, "not-found");
}

}  // namespace lyrova
