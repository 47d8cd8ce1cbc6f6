// The session's songs, searches and playlist, and its private messages.

#include "session/karaoke_session.h"

#include <QCoreApplication>
#include <algorithm>

#include "catalog/errors.h"
#include "session/library_scan.h"
#include "session/playlist_file.h"
#include "session/slider_rules.h"
#include "session/window_messages.h"

namespace lyrova {

TKaraokeSession::TKaraokeSession(TSessionSetup setup, QObject* parent)
    : QObject(parent), setup_(std::move(setup)), volume_(SliderRule(TSliderKind::Volume).start) {
  RegisterWindowMessages();
}

TKaraokeSession::~TKaraokeSession() { Close(); }

void TKaraokeSession::Close() {
  // An end-of-song thread waiting for the session must not hold up the stop.
  songEnd_.Close();
  scan_.reset();
  export_.reset();
}

void TKaraokeSession::ShowAllSongs() {
  shownSearch_.reset();
  catalog_.SetEntries(songs_.Entries());
}

bool TKaraokeSession::Search(int item, const std::string& query) {
  const bool searched = songs_.Search(item, query);
  if (searched) shownSearch_ = TShownSearch{item, query};
  catalog_.SetEntries(songs_.FoundEntries());
  return searched;
}

TSongPage TKaraokeSession::FindSongs(int item, const std::string& query, int offset, int limit) {
  TSongPage page;
  if (!songs_.Search(item, query)) return page;
  page.total = static_cast<int>(songs_.FoundCount());
  page.songs = songs_.FoundEntries(static_cast<std::size_t>(std::max(offset, 0)),
                                   static_cast<std::size_t>(std::max(limit, 0)));
  return page;
}

void TKaraokeSession::AddToPlaylist(const std::vector<int>& catalogRows) {
  std::vector<TSongEntry> added;
  for (int row : catalogRows) {
    if (row >= 0 && row < catalog_.Count()) added.push_back(catalog_.Entry(row));
  }
  playlist_.Append(added);
}

int TKaraokeSession::RemovePlaylistRow(int row) {
  if (row < 0 || row >= playlist_.Count()) return -1;
  playlist_.Remove(row);
  return std::min(row, playlist_.Count() - 1);
}

void TKaraokeSession::ClearPlaylist() { playlist_.SetEntries({}); }

void TKaraokeSession::SavePlaylist(const std::string& path) const { SavePlaylistFile(path, playlist_.Entries()); }

void TKaraokeSession::LoadPlaylist(const std::string& path) {
  std::vector<TSongEntry> rows = playlist_.Entries();
  try {
    if (LoadPlaylistFile(path, songs_, rows) == PlaylistLoad::kLoaded) playlist_.SetEntries(std::move(rows));
  } catch (...) {
    // The rows read before the faulty entry stay, as the file had them.
    playlist_.SetEntries(std::move(rows));
    throw;
  }
}

void TKaraokeSession::PlayCatalogRow(int row) {
  if (row < 0 || row >= catalog_.Count()) return;
  origin_ = {kCatalogView, row};
  Post(TMessage::PlaySong, static_cast<std::int32_t>(catalog_.Entry(row).code));
}

void TKaraokeSession::PlayPlaylistRow(int row) {
  if (row < 0 || row >= playlist_.Count()) return;
  origin_ = {kPlaylistView, row};
  emit playlistRowChosen(row);
  Post(TMessage::PlaySong, static_cast<std::int32_t>(playlist_.Entry(row).code));
}

void TKaraokeSession::PlaySong(std::uint32_t code) {
  origin_ = {};
  Post(TMessage::PlaySong, static_cast<std::int32_t>(code));
}

void TKaraokeSession::PlayNext() {
  PlayPlaylistRow(origin_.PlayedFrom == kPlaylistView ? origin_.PlayedIndex + 1 : 0);
}

void TKaraokeSession::Stop() { Post(TMessage::StopSong, 0); }

void TKaraokeSession::Post(TMessage message, std::int32_t wParam) {
  QCoreApplication::postEvent(this, new TMessageEvent(message, wParam));
}

bool TKaraokeSession::event(QEvent* event) {
  const int type = event->type();
  if (type >= static_cast<int>(TMessage::PlaySong) && type <= static_cast<int>(TMessage::Volume)) {
    Dispatch(*static_cast<const TMessageEvent*>(event));
    return true;
  }
  return QObject::event(event);
}

void TKaraokeSession::Dispatch(const TMessageEvent& message) {
  const std::int32_t w = message.WParam();
  try {
    switch (message.Message()) {
      case TMessage::PlaySong: WMPlaySong(static_cast<std::uint32_t>(w)); break;
      case TMessage::StopSong: WMStopSong(); break;
      case TMessage::SongEnd: WMSongEnd(static_cast<std::uint32_t>(w)); break;
      case TMessage::Pitch: WMPitch(w); break;
      case TMessage::Tempo: WMTempo(w); break;
      case TMessage::Volume: WMVolume(w); break;
    }
  } catch (const Error& e) {
    emit failed(e.Text());
  } catch (const std::exception& e) {
    emit failed(UserText::Plain(e.what()));
  }
  // The end-of-song thread waits for this, whatever the handler did.
  if (message.Message() == TMessage::SongEnd) songEnd_.Handled();
}

bool TKaraokeSession::StartExport(const QString& target, TExportJob::Work work) {
  if (export_ && export_->Running()) return false;
  export_ = std::make_unique<TExportJob>(target, std::move(work));
  connect(export_.get(), &TExportJob::finished, this, &TKaraokeSession::exportFinished);
  return true;
}

}  // namespace lyrova
