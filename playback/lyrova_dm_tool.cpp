#include "playback/lyrova_dm_tool.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

namespace lyrova {
namespace {

constexpr int kNoteOff = 0x80;
constexpr int kNoteOn = 0x90;
constexpr int kVolumeController = 7;
constexpr int kResetVolume = 100;  // what a reset synthesizer's channels start at

}  // namespace

TLyrovaDMTool::TLyrovaDMTool(fluid_synth_t* synth) : synth_(synth) { Reset(); }

void TLyrovaDMTool::Reset() {
  for (auto& channel : sent_) channel.fill(kSilent);
  volume_.fill(kResetVolume);
}

void TLyrovaDMTool::SetMelodyChannel(int channel) {
  melodyChannel_ = channel >= 0 && channel < kChannels ? channel : kNoChannel;
  SendMelodyVolume();
}

void TLyrovaDMTool::SetMelodyScale(float scale) {
  melodyScale_ = std::clamp(scale, 0.0f, 1.0f);
  SendMelodyVolume();
}

int TLyrovaDMTool::ChannelVolume(int channel, int value) const {
  if (channel != melodyChannel_) return value;
  return static_cast<int>(std::lround(value * melodyScale_));
}

void TLyrovaDMTool::SendMelodyVolume() {
  if (synth_ && melodyChannel_ != kNoChannel)
    fluid_synth_cc(synth_, melodyChannel_, kVolumeController, ChannelVolume(melodyChannel_, volume_[melodyChannel_]));
}

bool TLyrovaDMTool::Tracked(int channel, int key) const {
  return channel >= 0 && channel < kChannels && key >= 0 && key < 128;
}

int TLyrovaDMTool::NoteOn(int channel, int key) {
  if (channel % 16 == kDrumChannel || !Tracked(channel, key)) return key;
  const int moved = key + transpose_;
  const int out = moved < 0 || moved > 127 ? kDropped : moved;
  sent_[channel][key] = static_cast<std::int16_t>(out);
  return out;
}

int TLyrovaDMTool::NoteOff(int channel, int key) {
  if (channel % 16 == kDrumChannel || !Tracked(channel, key)) return key;
  const int sent = sent_[channel][key];
  sent_[channel][key] = kSilent;
  if (sent != kSilent) return sent;
  // A note-off without its note-on: the current key is the best guess.
  const int moved = key + transpose_;
  return moved < 0 || moved > 127 ? kDropped : moved;
}

int TLyrovaDMTool::StaleKey(int channel, int key, int newKey) const {
  if (channel % 16 == kDrumChannel || !Tracked(channel, key)) return kDropped;
  const int sent = sent_[channel][key];
  return sent >= 0 && sent != newKey ? sent : kDropped;
}

void TLyrovaDMTool::Send(const TSequenceEvent& event, const std::vector<std::uint8_t>& sysex) {
  const int channel = event.status & 0x0F;
  const int key = event.data1;
  const int value = event.data2;
  switch (event.status & 0xF0) {
    case kNoteOn:
      if (value > 0) {
        const int moved = transpose_ + key;
        const int stale = StaleKey(channel, key, moved);
        if (stale != kDropped) fluid_synth_noteoff(synth_, channel, stale);
        const int out = NoteOn(channel, key);
        if (out != kDropped) fluid_synth_noteon(synth_, channel, out, value);
        return;
      }
      [[fallthrough]];  // a note-on of velocity 0 ends the note
    case kNoteOff: {
      const int out = NoteOff(channel, key);
      // Fails harmlessly when the note has already ended by itself.
      if (out != kDropped) fluid_synth_noteoff(synth_, channel, out);
      return;
    }
    case 0xA0:
      fluid_synth_key_pressure(synth_, channel, key, value);
      return;
    case 0xB0:
      if (key == kVolumeController) {
        volume_[channel] = static_cast<std::uint8_t>(value);
        fluid_synth_cc(synth_, channel, key, ChannelVolume(channel, value));
        return;
      }
      fluid_synth_cc(synth_, channel, key, value);
      return;
    case 0xC0:
      fluid_synth_program_change(synth_, channel, key);
      return;
    case 0xD0:
      fluid_synth_channel_pressure(synth_, channel, key);
      return;
    case 0xE0:
      fluid_synth_pitch_bend(synth_, channel, value << 7 | key);
      return;
    case 0xF0:
      fluid_synth_sysex(synth_, reinterpret_cast<const char*>(sysex.data() + event.sysexOffset),
                        static_cast<int>(event.sysexLength), nullptr, nullptr, nullptr, 0);
      return;
  }
}

}  // namespace lyrova
