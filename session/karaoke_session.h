#pragma once
// TKaraokeSession: a karaoke evening below any window. It holds the songs
// (the disc's and the library's), the catalogue list (every song, or what
// the last search found), the playlist, what plays now with the rules of
// starting and ending a song, the three controls (tempo, key, volume) and
// the guide melody, the library's reading and the song being saved. The
// main window shows it and emits intent; a web remote and the tests drive
// the same object without a screen.
//
// A remote connects here, on the main thread (post to it from elsewhere):
// - read: Catalog() and Playlist() (table models of TSongEntry; their
//   changed() signal, or the usual model signals), FindSongs() for a paged
//   search that leaves the catalogue list alone, NowPlaying(), the positions;
// - subscribe: playingChanged(), controlsChanged(), songEnded(),
//   libraryRead() and Playlist().changed();
// - command: PlaySong(), PlayPlaylistRow(), PlayNext() (skip), Stop(), TogglePause(),
//   SetKeyPosition(), SetTempoPosition(), SetVolumePosition().
// Commands throw lyrova::Error with the text for the user; what fails in
// the session's own posted handlers comes out as failed().

#include <QObject>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalog/songs_catalog.h"
#include "catalog/user_text.h"
#include "session/export_job.h"
#include "session/now_playing.h"
#include "session/playlist_advance.h"
#include "session/slider_rules.h"
#include "session/song_collection.h"
#include "session/song_end_bridge.h"
#include "session/song_table_model.h"

namespace lyrova {

class ISongPlayer;
class TLibraryScan;
class TMessageEvent;
enum class TMessage : int;

struct TSessionSetup {
  std::string settingsPath;   // the settings file: the melody, the per-song key and tempo
  std::string programFolder;  // the program's folder, ending with "/"
};

// One page of a search's songs, and how many it found in all.
struct TSongPage {
  std::vector<TSongEntry> songs;
  int total = 0;
};

class TKaraokeSession : public QObject {
  Q_OBJECT

 public:
  explicit TKaraokeSession(TSessionSetup setup, QObject* parent = nullptr);
  ~TKaraokeSession() override;

  // --- The songs
  TSongsCatalog& SongsCatalog() { return disc_; }
  TSongCollection& Songs() { return songs_; }
  // ListView1's rows: every song in catalogue order, or the last search's.
  TSongTableModel& Catalog() { return catalog_; }
  // ListView2's rows.
  TSongTableModel& Playlist() { return playlist_; }

  // The catalogue list shows every song again.
  void ShowAllSongs();
  // The search of mode `item` (TSearchMode) with a UTF-8 query; the
  // catalogue list shows what it found. False when no mode is chosen.
  // A code that is not a number throws and the list stays.
  bool Search(int item, const std::string& query);
  bool SearchShown() const { return shownSearch_.has_value(); }
  // The same search, a page of it, without touching the catalogue list.
  TSongPage FindSongs(int item, const std::string& query, int offset, int limit);

  // --- The playlist
  // Appends these catalogue rows, in the order given.
  void AddToPlaylist(const std::vector<int>& catalogRows);
  // Removes the row; gives the row to make current then: the same place,
  // or the new last row; -1 when the playlist is empty.
  int RemovePlaylistRow(int row);
  void ClearPlaylist();
  // Throws lyrova::Error naming the file when it cannot be written.
  void SavePlaylist(const std::string& path) const;
  // Replaces the playlist with the file's songs; a file that is not a
  // playlist changes nothing. A faulty entry throws after the songs before
  // it have been loaded.
  void LoadPlaylist(const std::string& path);

  // --- Playing
  // The player once start-up has made it (null: nothing plays). It takes
  // the melody level of the settings file at once.
  void AttachPlayer(ISongPlayer* player);
  ISongPlayer* Player() const { return player_; }
  // Where the natural end of a song from the playing engine goes.
  ISongEndTarget& SongEndTarget() { return songEnd_; }
  // Starts the catalogue's or the playlist's row: the song is loaded once the
  // current event has finished (a posted WMPlaySong).
  void PlayCatalogRow(int row);
  void PlayPlaylistRow(int row);
  // A song from elsewhere (the singers' queue, a remote): no playlist row
  // follows it; songEnded() says when it has ended by itself.
  void PlaySong(std::uint32_t code);
  // The playlist row after the one playing or last played, else the first.
  void PlayNext();
  void Stop();  // posts WMStopSong
  // False when no song plays or the player refused.
  bool SetPaused(bool paused);
  bool TogglePause() { return SetPaused(!Paused()); }
  bool Paused() const;
  // What plays now and how far it is; nothing when no song plays.
  std::optional<TNowPlaying> NowPlaying() const;
  const TPlayOrigin& PlayOrigin() const { return origin_; }
  // The player took the song the origin names under `serial`: only that
  // song's natural end advances the playlist.
  void SongHandedOver(std::uint32_t serial) { origin_.serial = serial; }

  // The three sliders' positions (see SliderRule) and the guide melody in
  // percent. A change is heard through a posted message; the key and the
  // tempo of the song playing are kept for it when the user asked for that.
  int TempoPosition() const { return tempo_; }
  int KeyPosition() const { return key_; }
  int VolumePosition() const { return volume_; }
  int MelodyPercent() const { return melody_; }
  void SetTempoPosition(int position);
  void SetKeyPosition(int position);
  void SetVolumePosition(int position);
  // Stored in the settings file and heard at once.
  void SetMelodyPercent(int percent);

  // The private messages' handlers (1088 to 1093), also run directly.
  void WMPlaySong(std::uint32_t code);
  void WMStopSong();
  void WMSongEnd(std::uint32_t serial);
  void WMTempo(int a);
  void WMPitch(int n);
  void WMVolume(int p);

  // --- The song library
  // Reads `folder` in the background (empty: no library); a reading under
  // way is left at once. A quiet one reports no progress unless it is slow.
  void ReadLibrary(const std::string& folder, bool quiet = false);
  // Reads the library's folder again when the last reading is a few seconds old.
  void LibraryFolderMayHaveChanged();
  bool LibraryScanning() const;
  // The folder being read, else the one the library's songs came from.
  const std::string& LibraryFolder() const;

  // --- Saving a song
  // Starts `work` unless a song is being saved already (then false).
  bool StartExport(const QString& target, TExportJob::Work work);
  TExportJob* Export() const { return export_.get(); }

  // Shutdown: no more song ends are waited for, the reading and the saving end.
  void Close();

 signals:
  // A song is about to start: its code, title and singer.
  void songStarting(const TNowPlaying& song);
  // A song started, stopped, paused, went on or ended.
  void playingChanged();
  // A song ended by itself (not stopped).
  void songEnded();
  // The playlist moved on to this row.
  void playlistRowChosen(int row);
  // A position or the melody changed.
  void controlsChanged();
  void libraryProgress(int done, int total);
  // The library's songs are about to change: the lists will be refilled.
  void songsAboutToChange();
  // A reading of the library ended; `songsChanged` when the lists were refilled.
  void libraryRead(bool songsChanged);
  void exportFinished(const QString& text);
  // A posted handler failed: the text for the user.
  void failed(const UserText& text);

 protected:
  bool event(QEvent* event) override;

 private:
  void Dispatch(const TMessageEvent& message);
  void Post(TMessage message, std::int32_t wParam);
  // Brings `to` into the slider's range and stores it; false when unchanged.
  bool MovePosition(TSliderKind kind, int& position, int to);
  void RecallSongChoice();
  void RememberSongChoice();
  void LibraryScanned(SongLibrary library);
  void FollowLibrary(const std::string& oldFolder);

  TSessionSetup setup_;
  TSongsCatalog disc_;
  TSongCollection songs_{disc_};
  TSongTableModel catalog_;
  TSongTableModel playlist_;
  struct TShownSearch {
    int item = -1;
    std::string query;  // UTF-8
  };
  std::optional<TShownSearch> shownSearch_;

  ISongPlayer* player_ = nullptr;
  TSongEndBridge songEnd_{this};
  TPlayOrigin origin_;
  TNowPlaying playing_;      // the song last started: code, title, singer
  std::string playingKey_;   // what that song's key and tempo are kept under
  int tempo_ = 0;
  int key_ = 0;
  int volume_ = 50;
  int melody_ = 100;
  bool recalling_ = false;

  std::unique_ptr<TLibraryScan> scan_;
  std::chrono::steady_clock::time_point libraryRead_;
  std::chrono::steady_clock::time_point scanStarted_;
  bool quietScan_ = false;

  std::unique_ptr<TExportJob> export_;
};

}  // namespace lyrova
