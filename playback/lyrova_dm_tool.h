#pragma once
// The program's note hook between the song's events and the synthesizer.
// Every event goes on to the synthesizer unchanged, except that notes of the melodic channels are
// moved by the current transposition, and the volume of the song's melody
// channel is scaled for the guide melody. The drum channel is never moved: a
// different key there is a different drum.

#include <array>
#include <cstdint>
#include <vector>

#include "playback/midi_sequence.h"

typedef struct _fluid_synth_t fluid_synth_t;

namespace lyrova {

class TLyrovaDMTool {
 public:
  static constexpr int kDrumChannel = 9;
  static constexpr int kDropped = -1;  // the moved key fell off the keyboard

  explicit TLyrovaDMTool(fluid_synth_t* synth = nullptr);

  // Audio thread only, like everything below.
  void SetTranspose(int semitones) { transpose_ = semitones; }
  int Transpose() const { return transpose_; }
  // Forgets the sounding notes and the channel volumes, after the
  // synthesizer has been silenced and reset.
  void Reset();

  // The guide melody: the volume controller of `channel` (kNoChannel for
  // none) goes out scaled by `scale` (1 full, 0.5 half, 0 off), from now on.
  static constexpr int kNoChannel = -1;
  void SetMelodyChannel(int channel);
  void SetMelodyScale(float scale);
  // The volume controller value sent for `value` on `channel`.
  int ChannelVolume(int channel, int value) const;

  // The key a note-on goes out with, remembered so that its note-off uses
  // the same key even when the transposition changed in between.
  int NoteOn(int channel, int key);
  int NoteOff(int channel, int key);
  // A key still sounding from an earlier note-on of the same (channel, key)
  // that the new note-on would not replace; kDropped when there is none.
  int StaleKey(int channel, int key, int newKey) const;

  // One event of the song to the synthesizer; `sysex` is the sequence's
  // system exclusive data.
  void Send(const TSequenceEvent& event, const std::vector<std::uint8_t>& sysex);

 private:
  static constexpr std::int16_t kSilent = -2;
  static constexpr int kChannels = 16;
  bool Tracked(int channel, int key) const;

  fluid_synth_t* synth_;
  void SendMelodyVolume();

  int transpose_ = 0;
  int melodyChannel_ = kNoChannel;
  float melodyScale_ = 1.0f;
  std::array<std::uint8_t, 16> volume_{};  // the song's last volume controller per channel
  std::array<std::array<std::int16_t, 128>, kChannels> sent_;
};

}  // namespace lyrova
