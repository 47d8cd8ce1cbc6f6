#pragma once
// What the web remote asks of the player besides the queue: the window's
// searches, the songs by code, what plays now and the host's transport.
// The program answers it from its song collection and playback engine;
// tests and the fuzz target answer it from a small table.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lyrova {

struct TRemoteSong {
  std::uint32_t code = 0;
  std::string title;        // UTF-8
  std::string singer;       // UTF-8, the song's performer
  std::string libraryFile;  // a library song's file; empty for a disc song
};

struct TRemotePlaying {
  std::uint32_t code = 0;
  std::string title;
  std::string singer;  // who sings it tonight, or the song's performer
  bool paused = false;
  int key = 0;    // semitones
  int tempo = 0;  // tempo slider position, 0 the song's own
};

class IRemoteHost {
 public:
  virtual ~IRemoteHost() = default;
  // The songs search mode `item` (as the window's search group: 0 code,
  // 1 title, 2 singer, 5 words) finds for a UTF-8 query, in list order.
  virtual std::vector<TRemoteSong> Search(int item, const std::string& query) = 0;
  virtual std::optional<TRemoteSong> Song(std::uint32_t code) = 0;
  virtual std::optional<TRemotePlaying> Playing() = 0;
  virtual void Pause() = 0;  // pause, or go on
  virtual void Skip() = 0;   // end this song as if sung; the queue goes on
  virtual void Stop() = 0;
  virtual void ChangeKey(int semitones) = 0;  // by this many, within the slider
  virtual void ChangeTempo(int steps) = 0;
};

}  // namespace lyrova
