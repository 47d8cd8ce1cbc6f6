#pragma once
// The JSON the pages read: search results a page at a time, and the state
// every page shows (the queue in the order of turns, what plays now).

#include <QByteArray>
#include <optional>
#include <vector>

#include "remote/remote_host.h"

namespace lyrova {

class TSingerQueue;

// {"total": n, "page": p, "pageSize": s, "songs": [{"code", "title", "singer"}]}
QByteArray SearchJson(const std::vector<TRemoteSong>& found, int page, int pageSize);

// {"playing": {...} or null, "queue": [{"id", "singer", "title", "code",
// "round", "guest"}], "singers": [{"name", "held", "waiting"}]}
QByteArray StateJson(const TSingerQueue& queue, const std::optional<TRemotePlaying>& playing);

}  // namespace lyrova
