#include "playback/lyrova_dm_tool.h"

#include <fluidsynth.h>

namespace lyrova {
namespace {

constexpr int kNoteOff = 0x80;
constexpr int kNoteOn = 0x90;

}  // namespace

TLyrovaDMTool::TLyrovaDMTool(fluid_synth_t* synth) : synth_(synth) { Reset(); }

void TLyrovaDMTool::Reset() {
  for (auto& channel : sent_) channel.fill(kSilent);
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

int TLyrovaDMTool::HandleEvent(void* data, fluid_midi_event_t* event) {
  auto* tool = static_cast<TLyrovaDMTool*>(data);
  const int type = fluid_midi_event_get_type(event);
  if (type != kNoteOn && type != kNoteOff) return fluid_synth_handle_midi_event(tool->synth_, event);

  const int channel = fluid_midi_event_get_channel(event);
  const int key = fluid_midi_event_get_key(event);
  const int velocity = fluid_midi_event_get_velocity(event);
  // The event belongs to the player's song data: play the moved note through
  // the synthesizer instead of rewriting the event.
  if (type == kNoteOn && velocity > 0) {
    const int moved = tool->transpose_ + key;
    const int stale = tool->StaleKey(channel, key, moved);
    if (stale != kDropped) fluid_synth_noteoff(tool->synth_, channel, stale);
    const int out = tool->NoteOn(channel, key);
    return out == kDropped ? FLUID_OK : fluid_synth_noteon(tool->synth_, channel, out, velocity);
  }
  const int out = tool->NoteOff(channel, key);
  if (out == kDropped) return FLUID_OK;
  // Fails harmlessly when the note has already ended by itself.
  fluid_synth_noteoff(tool->synth_, channel, out);
  return FLUID_OK;
}

}  // namespace lyrova
