#include "playback/performance.h"

#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "catalog/errors.h"
#include "playback/fluid_log.h"
#include "playback/master_settings.h"
#include "playback/recorded_sound.h"
#include "playback/song_targets.h"

namespace lyrova {
namespace {

// FluidSynth's own block: the synthesizer takes events only between blocks,
// so our sequencer hands them over once per block and the timeline is exact
// to a block when we render in the same steps.
constexpr int kBlock = 64;
// A recording plays at its own level where the volume bar rests (-7.50 dB).
constexpr double kRecordedUnityDb = -7.5;

// FluidSynth's own words, which no translation knows, follow in brackets.
Error WithFluidError(UserText text) {
  const std::string detail = TakeFluidError();
  if (detail.empty()) return Error(std::move(text));
  return Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "%1 (%2)"), {std::move(text), UserText::Plain(detail)}));
}

}  // namespace

TPerformance::TPerformance(const std::string& soundFontPath) {
  InstallFluidLog();
  std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(
      new_fluid_settings(), delete_fluid_settings);
  if (!settings) throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Could not create the settings of the FluidSynth synthesizer.")));
  // Each is a built-in setting of FluidSynth 2.3; a failure means another library.
  if (fluid_settings_setnum(settings.get(), "synth.sample-rate", kSampleRate) != FLUID_OK ||
      fluid_settings_setint(settings.get(), "synth.cpu-cores", 1) != FLUID_OK)
    throw WithFluidError(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "The FluidSynth library does not take the player's settings.")));

  std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth(new_fluid_synth(settings.get()),
                                                                        delete_fluid_synth);
  if (!synth) throw WithFluidError(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Could not create the FluidSynth software synthesizer.")));
  if (soundFontPath.empty())
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", 
        "No General MIDI sound bank (a SoundFont .sf2 file) was found: without one there is nothing to play the "
        "music with. Install, for example, the package timgm6mb-soundfont or fluid-soundfont-gm.")));
  if (fluid_synth_sfload(synth.get(), soundFontPath.c_str(), 1) == FLUID_FAILED)
    throw WithFluidError(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Could not load the sound bank (SoundFont) \"%1\": without it there "
                                                    "is nothing to play the music with."),
                                  {UserText::Plain(soundFontPath)}));
  settings_ = settings.release();
  synth_ = synth.release();
  tool_ = TLyrovaDMTool(synth_);
}

TPerformance::~TPerformance() {
  // The output has stopped by now: nothing renders any more.
  delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
}

bool TPerformance::Send(const Command& command) {
  std::lock_guard lock(sendMutex_);
  return commands_.Push(command);
}

void TPerformance::ReleaseRetiredSegments() {
  while (auto segment = retired_.Pop())
    std::erase_if(owned_, [&](const auto& owned) { return owned.get() == *segment; });
}

std::uint32_t TPerformance::Play(std::shared_ptr<const TSegment> segment, int melodyChannel) {
  ReleaseRetiredSegments();
  const std::uint32_t serial = nextSerial_;
  if (!Send({Command::Play, segment.get(), serial, 0.0f, 0, melodyChannel})) return 0;
  owned_.push_back(std::move(segment));
  // Serials wrap past 0, which means "no segment".
  nextSerial_ = nextSerial_ == UINT32_MAX ? 1 : nextSerial_ + 1;
  return serial;
}

bool TPerformance::Stop() { return Send({Command::Stop}); }

bool TPerformance::SetMasterTempo(float factor) {
  // A factor of 0 would stop time; the track bar never gives one.
  if (!(factor > 0.0f)) return false;
  return Send({Command::Tempo, nullptr, 0, factor});
}

bool TPerformance::SetMasterVolume(std::int32_t hundredthsDb) {
  Command command{Command::Volume, nullptr, 0, SynthGain(hundredthsDb)};
  command.hundredthsDb = hundredthsDb;
  return Send(command);
}

bool TPerformance::SetTranspose(int semitones) {
  return Send({Command::Transpose, nullptr, 0, 0.0f, semitones});
}

bool TPerformance::SetMelodyScale(float scale) { return Send({Command::Melody, nullptr, 0, scale}); }

bool TPerformance::SetPaused(bool paused) {
  return Send({Command::Pause, nullptr, 0, paused ? 1.0f : 0.0f});
}

void TPerformance::ApplyPendingCommands() {
  std::lock_guard lock(renderMutex_);
  ApplyCommands();
  // Nothing renders the fade here: a change waiting for it happens now.
  if (changePending_) FinishChange();
}

void TPerformance::Render(float* left, float* right, int frames) {
  const std::int64_t start = renderedFrames_;
  if (renderMutex_.try_lock()) {
    ApplyCommands();
    if (paused_) {
      RenderPaused(left, right, frames, start);
    } else {
      RenderSong(left, right, frames, start);
    }
    renderMutex_.unlock();
  } else {
    // Commands are being applied on the control thread this instant: one
    // block of silence is better than a late one. The music did not move.
    std::fill_n(left, frames, 0.0f);
    std::fill_n(right, frames, 0.0f);
  }
  renderedFrames_ = start + frames;
  timeline_.SetRendered(renderedFrames_);
}

void TPerformance::RenderSong(float* left, float* right, int frames, std::int64_t start) {
  for (int done = 0, n = 0; done < frames; done += n) {
    if (active_ && active_->recorded) {
      n = std::min(kBlock, frames - done);
      RenderRecorded(left + done, right + done, n);
      if (changePending_) Fade(left + done, right + done, n);
      AfterBlock(start + done, n);
      continue;
    }
    // In the synthesizer's own blocks, so that events take effect exactly
    // at the block they were sent before.
    n = std::min(static_cast<int>(kBlock - synthFrames_ % kBlock), frames - done);
    if (!changePending_) DispatchDue();
    if (fluid_synth_write_float(synth_, n, left, done, 1, right, done, 1) != FLUID_OK) {
      std::fill_n(left + done, n, 0.0f);
      std::fill_n(right + done, n, 0.0f);
    }
    synthFrames_ += n;
    if (muteLeft_ > 0) {
      const int muted = std::min(muteLeft_, n);
      std::fill_n(left + done, muted, 0.0f);
      std::fill_n(right + done, muted, 0.0f);
      muteLeft_ -= muted;
    }
    if (changePending_) Fade(left + done, right + done, n);
    AfterBlock(start + done, n);
  }
}

void TPerformance::RenderRecorded(float* left, float* right, int frames) {
  TRecordedSound& sound = *active_->recorded;
  double source = 0;
  // It goes on through the fade of a stop; a decoder that fell behind is
  // silence, and the music time waits for it.
  const int got = sound.Read(left, right, frames, &source);
  std::fill(left + got, left + frames, 0.0f);
  std::fill(right + got, right + frames, 0.0f);
  for (int i = 0; i < got; ++i) {
    left[i] = std::clamp(left[i] * recordedGain_, -1.0f, 1.0f);
    right[i] = std::clamp(right[i] * recordedGain_, -1.0f, 1.0f);
  }
  if (got > 0) musicTime_ = segmentBase_ + std::llround(source * kRecordedMusicTimePerSecond);
}

void TPerformance::RenderPaused(float* left, float* right, int frames, std::int64_t start) {
  std::fill_n(left, frames, 0.0f);
  std::fill_n(right, frames, 0.0f);
  // The heard position stays on the paused music time.
  timeline_.Record({start, musicTime_, sounding_ ? activeSerial_ : 0});
}

bool TPerformance::VoicesSounding() const { return fluid_synth_get_active_voice_count(synth_) > 0; }

TAudioMoment TPerformance::HeardMoment(std::chrono::nanoseconds ahead) const {
  const auto now = std::chrono::steady_clock::now().time_since_epoch() + ahead;
  const std::int64_t heard =
      timeline_.HeardSample(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count(), kSampleRate);
  const std::int64_t offset = std::int64_t{lyricOffsetMs_.load(std::memory_order_relaxed)} * kSampleRate / 1000;
  // Past the newest block (a negative offset) the newest moment answers.
  return timeline_.At(heard - offset);
}

void TPerformance::ApplyCommands() {
  while (auto command = commands_.Pop()) Apply(*command);
}

void TPerformance::Apply(const Command& command) {
  switch (command.kind) {
    case Command::Play:
    case Command::Stop:
      Change(command);
      return;
    case Command::Tempo:
      masterTempo_ = command.value;
      if (active_ && active_->recorded) active_->recorded->SetTempo(masterTempo_);
      return;
    case Command::Volume:
      fluid_synth_set_gain(synth_, command.value);
      recordedGain_ = static_cast<float>(std::pow(10.0, (command.hundredthsDb / 100.0 - kRecordedUnityDb) / 20.0));
      return;
    case Command::Transpose:
      transpose_ = command.semitones;
      tool_.SetTranspose(transpose_);
      if (active_ && active_->recorded) active_->recorded->SetSemitones(transpose_);
      return;
    case Command::Melody:
      tool_.SetMelodyScale(command.value);
      return;
    case Command::Pause:
      // Nothing to hold without a song. A fade to the next song holds too,
      // and that song starts once the pause ends.
      paused_ = command.value != 0.0f && active_ != nullptr;
      return;
  }
}

void TPerformance::Change(const Command& command) {
  if (sounding_) Notify(TSegmentNotification::Abort);
  sounding_ = false;
  // A paused song is not heard: it goes without a fade, and what the
  // synthesizer still holds of its block never comes out.
  const bool heard = !paused_;
  paused_ = false;
  // A play still waiting for the fade is replaced: it never started.
  if (changePending_ && pending_.kind == Command::Play) Retire(pending_.segment);
  pending_ = command;
  if (!changePending_) {
    changePending_ = true;
    const bool recording = active_ && active_->recorded && !active_->recorded->Ended();
    fadeLeft_ = heard && (recording || fluid_synth_get_active_voice_count(synth_) > 0) ? kFadeFrames : 0;
    if (!heard) muteLeft_ = static_cast<int>((kBlock - synthFrames_ % kBlock) % kBlock);
  }
  if (fadeLeft_ == 0) FinishChange();
}

void TPerformance::Fade(float* left, float* right, int frames) {
  for (int i = 0; i < frames; ++i) {
    const float gain = fadeLeft_ > 0 ? static_cast<float>(fadeLeft_) / kFadeFrames : 0.0f;
    left[i] *= gain;
    right[i] *= gain;
    if (fadeLeft_ > 0) --fadeLeft_;
  }
  if (fadeLeft_ > 0) return;
  muteLeft_ = static_cast<int>((kBlock - synthFrames_ % kBlock) % kBlock);
  FinishChange();
}

void TPerformance::FinishChange() {
  changePending_ = false;
  // The reset comes first: it lifts the sustain pedal, which would otherwise
  // hold the voices the reset releases. It also empties the reverb, so
  // nothing of the old song comes back, and no program or controller carries
  // over to the next; then every voice is cut.
  fluid_synth_system_reset(synth_);
  fluid_synth_all_sounds_off(synth_, -1);
  tool_.Reset();
  Retire(active_);
  active_ = nullptr;
  if (pending_.kind == Command::Play) {
    Start(pending_);
  } else {
    tool_.SetMelodyChannel(TLyrovaDMTool::kNoChannel);
  }
  pending_ = Command{};
}

void TPerformance::Start(const Command& command) {
  active_ = command.segment;
  activeSerial_ = command.serial;
  position_ = 0;
  nextEvent_ = 0;
  tempoHint_ = 0;
  segmentBase_ = musicTime_;
  sounding_ = true;
  if (active_->recorded) {
    // Made on the control thread with the tempo and key it knew; these are
    // the ones in force now.
    active_->recorded->SetTempo(masterTempo_);
    active_->recorded->SetSemitones(transpose_);
  }
  // Before the song's first event, so its own volume is scaled from the start.
  tool_.SetMelodyChannel(command.channel);
  Notify(TSegmentNotification::Start);
}

void TPerformance::Retire(const TSegment* segment) {
  // Handed back to the control thread, which releases it; if the ring is
  // full it stays owned and goes at shutdown.
  if (segment) retired_.Push(segment);
}

void TPerformance::DispatchDue() {
  if (!active_) return;
  const TMidiSequence& sequence = active_->sequence;
  const std::vector<TSequenceEvent>& events = sequence.Events();
  while (nextEvent_ < events.size() && events[nextEvent_].micros <= position_)
    tool_.Send(events[nextEvent_++], sequence.Sysex());
}

void TPerformance::AfterBlock(std::int64_t samplePos, int frames) {
  if (sounding_ && active_->recorded) {
    if (active_->recorded->Ended()) {
      sounding_ = false;
      Notify(TSegmentNotification::End);
    }
  } else if (sounding_) {
    const TMidiSequence& sequence = active_->sequence;
    const double tick = sequence.TickAt(position_, tempoHint_);
    musicTime_ = segmentBase_ + static_cast<std::int64_t>(tick * kMusicTimePerQuarter / active_->division);
    // The musical end is the last event's tick; the voices ring on after it.
    if (position_ >= sequence.EndMicros()) {
      sounding_ = false;
      Notify(TSegmentNotification::End);
    }
  }
  timeline_.Record({samplePos, musicTime_, sounding_ ? activeSerial_ : 0});
  if (active_) position_ += frames * 1e6 / kSampleRate * masterTempo_;
}

void TPerformance::Notify(TSegmentNotification::Kind kind) {
  notifications_.Push({kind, activeSerial_, musicTime_});
  notified_.Set();
}

}  // namespace lyrova
