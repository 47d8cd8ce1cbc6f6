// The web remote's request handling: any path, query string, body, token and
// PIN. The input is split at NUL bytes into those fields; the first byte
// picks the method. Each run also checks that the queue still keeps its
// rules afterwards.

#include <cstddef>
#include <cstdint>

#include "remote/remote_api.h"
#include "session/queue_keeper.h"
#include "tests/remote/table_host.h"

using namespace lyrova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // No folder: nothing is written while fuzzing.
  static TQueueKeeper keeper{TQueueStore(QString())};
  static TTableHost host{NumberedSongs(30)};
  static TRemoteApi::Clock::time_point now{};
  static TRemoteApi api{keeper, host, "1234", [] { return now; }};
  now += std::chrono::seconds(10);  // past every wait, so each input is looked at

  if (size == 0) return 0;
  const QByteArray input(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const QList<QByteArray> fields = input.split('\0');
  TRemoteRequest request;
  request.method = static_cast<TRemoteRequest::TMethod>(data[0] % 4);
  request.path = QString::fromUtf8(fields.value(0));
  request.query = fields.value(1);
  request.body = fields.value(2);
  request.token = fields.value(3);
  request.pin = fields.value(4);
  request.languages = fields.value(5);
  request.address = "10.0.0.1";
  const TRemoteReply reply = api.Handle(request);
  if (reply.status < 200 || reply.status > 599) __builtin_trap();
  TSingerQueue check;
  if (!check.Restore(keeper.Queue().State())) __builtin_trap();
  // Keep the queue small, so later inputs run as fast as the first.
  if (keeper.Queue().Size() > 50) keeper.Edit([](TSingerQueue& q) { return q.Restore({}); });
  return 0;
}
