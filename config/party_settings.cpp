#include "config/party_settings.h"

#include <algorithm>

namespace lyrova {

namespace keys = party_keys;

bool TPartySettings::RemoteOn() const { return ini_.ReadInteger(keys::kParty, keys::kRemote, 0) == 1; }
void TPartySettings::SetRemoteOn(bool on) { ini_.WriteInteger(keys::kParty, keys::kRemote, on ? 1 : 0); }

std::string TPartySettings::RemoteAddress() const { return ini_.ReadString(keys::kParty, keys::kRemoteAddress, ""); }
void TPartySettings::SetRemoteAddress(const std::string& address) {
  ini_.WriteString(keys::kParty, keys::kRemoteAddress, address);
}

int TPartySettings::RemotePort() const {
  const int port = ini_.ReadInteger(keys::kParty, keys::kRemotePort, kDefaultPort);
  return port >= 1024 && port <= 65535 ? port : kDefaultPort;
}
void TPartySettings::SetRemotePort(int port) { ini_.WriteInteger(keys::kParty, keys::kRemotePort, port); }

bool TPartySettings::NewcomerNextRound() const {
  return ini_.ReadInteger(keys::kParty, keys::kNewcomerNextRound, 0) == 1;
}
void TPartySettings::SetNewcomerNextRound(bool next) {
  ini_.WriteInteger(keys::kParty, keys::kNewcomerNextRound, next ? 1 : 0);
}

int TPartySettings::UpNextSeconds() const {
  return std::clamp(ini_.ReadInteger(keys::kParty, keys::kUpNextSeconds, kDefaultUpNextSeconds), 0,
                    kMostUpNextSeconds);
}
void TPartySettings::SetUpNextSeconds(int seconds) {
  ini_.WriteInteger(keys::kParty, keys::kUpNextSeconds, seconds);
}

}  // namespace lyrova
