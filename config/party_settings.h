#pragma once
// The settings of a karaoke night: the phone remote (off unless switched
// on; the address it listens on and its port), how a newcomer joins the
// rotation, and how long "up next" shows before the next song starts.

#include <string>

#include "config/ini_file.h"

namespace lyrova {

namespace party_keys {
inline constexpr char kParty[] = "Party";
inline constexpr char kRemote[] = "Remote";
inline constexpr char kRemoteAddress[] = "RemoteAddress";
inline constexpr char kRemotePort[] = "RemotePort";
inline constexpr char kNewcomerNextRound[] = "NewcomerNextRound";
inline constexpr char kUpNextSeconds[] = "UpNextSeconds";
}  // namespace party_keys

class TPartySettings {
 public:
  static constexpr int kDefaultPort = 8765;
  static constexpr int kDefaultUpNextSeconds = 10;
  static constexpr int kMostUpNextSeconds = 120;

  explicit TPartySettings(std::string iniPath) : ini_(std::move(iniPath)) {}

  bool RemoteOn() const;
  void SetRemoteOn(bool on);
  // The address chosen to listen on; empty until one is chosen.
  std::string RemoteAddress() const;
  void SetRemoteAddress(const std::string& address);
  // 1024..65535; the default for anything else.
  int RemotePort() const;
  void SetRemotePort(int port);
  bool NewcomerNextRound() const;
  void SetNewcomerNextRound(bool next);
  // Seconds "up next" shows before the song starts; 0 waits for the host.
  int UpNextSeconds() const;
  void SetUpNextSeconds(int seconds);

 private:
  TIniFile ini_;
};

}  // namespace lyrova
