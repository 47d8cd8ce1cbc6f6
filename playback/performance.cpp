#include "playback/performance.h"

#include <fluidsynth.h>

#include <algorithm>
#include <vector>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "playback/fluid_log.h"
#include "playback/master_settings.h"

namespace lyrova {
namespace {

// FluidSynth's own block: the player sends events once per block, so the
// timeline is exact to a block when we render in the same steps.
constexpr int kBlock = 64;

std::string WithFluidError(std::string text) {
  const std::string detail = TakeFluidError();
  if (!detail.empty()) text += " (" + detail + ")";
  return text;
}

}  // namespace

TPerformance::TPerformance(const std::string& soundFontPath) {
  InstallFluidLog();
  std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(
      new_fluid_settings(), delete_fluid_settings);
  if (!settings) throw Error(Utf8ToCp1251("Не удалось создать настройки синтезатора FluidSynth."));
  // Each is a built-in setting of FluidSynth 2.3; a failure means another library.
  if (fluid_settings_setnum(settings.get(), "synth.sample-rate", kSampleRate) != FLUID_OK ||
      fluid_settings_setstr(settings.get(), "player.timing-source", "sample") != FLUID_OK ||
      fluid_settings_setint(settings.get(), "player.reset-synth", 0) != FLUID_OK)
    throw Error(WithFluidError(Utf8ToCp1251("Библиотека FluidSynth не принимает настройки проигрывателя.")));

  std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth(new_fluid_synth(settings.get()),
                                                                        delete_fluid_synth);
  if (!synth) throw Error(WithFluidError(Utf8ToCp1251("Не удалось создать программный синтезатор FluidSynth.")));
  if (soundFontPath.empty())
    throw Error(Utf8ToCp1251(
        "Не найден звуковой банк General MIDI (файл SoundFont .sf2): без него музыку играть нечем. "
        "Установите, например, пакет timgm6mb-soundfont или fluid-soundfont-gm."));
  if (fluid_synth_sfload(synth.get(), soundFontPath.c_str(), 1) == FLUID_FAILED)
    throw Error(WithFluidError(Utf8ToCp1251("Не удалось загрузить звуковой банк (SoundFont) «" + soundFontPath +
                                            "»: без него музыку играть нечем.")));
  settings_ = settings.release();
  synth_ = synth.release();
  tool_ = TLyrovaDMTool(synth_);
}

TPerformance::~TPerformance() {
  // The output has stopped by now: nothing renders any more.
  for (fluid_player_t* player : owned_) {
    fluid_player_stop(player);
    delete_fluid_player(player);
  }
  delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
}

bool TPerformance::Send(const Command& command) {
  std::lock_guard lock(sendMutex_);
  return commands_.Push(command);
}

void TPerformance::DeleteRetiredPlayers() {
  while (auto player = retired_.Pop()) {
    std::lock_guard lock(structureMutex_);
    delete_fluid_player(*player);
    owned_.erase(std::find(owned_.begin(), owned_.end(), *player));
  }
}

bool TPerformance::Play(std::shared_ptr<const TSegment> segment) {
  DeleteRetiredPlayers();
  fluid_player_t* player = nullptr;
  {
    std::lock_guard lock(structureMutex_);
    player = new_fluid_player(synth_);
    if (!player) return false;
    // add_mem copies the block: the segment need not outlive this call.
    if (fluid_player_set_playback_callback(player, TLyrovaDMTool::HandleEvent, &tool_) != FLUID_OK ||
        fluid_player_add_mem(player, segment->midi.data(), segment->midi.size()) != FLUID_OK) {
      delete_fluid_player(player);
      return false;
    }
  }
  if (!Send({Command::Play, player, nextSerial_, segment->division})) {
    std::lock_guard lock(structureMutex_);
    delete_fluid_player(player);
    return false;
  }
  owned_.push_back(player);
  ++nextSerial_;
  return true;
}

bool TPerformance::Stop() { return Send({Command::Stop}); }

bool TPerformance::SetMasterTempo(float factor) {
  // FluidSynth refuses a factor of 0; the track bar never gives one.
  if (!(factor > 0.0f)) return false;
  return Send({Command::Tempo, nullptr, 0, 0, factor});
}

bool TPerformance::SetMasterVolume(std::int32_t hundredthsDb) {
  return Send({Command::Volume, nullptr, 0, 0, SynthGain(hundredthsDb)});
}

bool TPerformance::SetTranspose(int semitones) {
  return Send({Command::Transpose, nullptr, 0, 0, 0.0f, semitones});
}

void TPerformance::ApplyPendingCommands() {
  std::lock_guard lock(structureMutex_);
  ApplyCommands();
}

void TPerformance::Render(float* left, float* right, int frames) {
  const std::int64_t start = renderedFrames_;
  if (structureMutex_.try_lock()) {
    ApplyCommands();
    for (int done = 0; done < frames; done += kBlock) {
      const int n = std::min(kBlock, frames - done);
      if (fluid_synth_write_float(synth_, n, left, done, 1, right, done, 1) != FLUID_OK) {
        std::fill_n(left + done, n, 0.0f);
        std::fill_n(right + done, n, 0.0f);
      }
      AfterBlock(start + done);
    }
    structureMutex_.unlock();
  } else {
    // A player is being made or deleted this instant: one block of silence
    // is better than a late one. The music did not move, so no new moment.
    std::fill_n(left, frames, 0.0f);
    std::fill_n(right, frames, 0.0f);
  }
  renderedFrames_ = start + frames;
  timeline_.SetRendered(renderedFrames_);
}

TAudioMoment TPerformance::HeardMoment() const {
  return timeline_.At(timeline_.Rendered() - latency_.load(std::memory_order_relaxed));
}

void TPerformance::ApplyCommands() {
  while (auto command = commands_.Pop()) Apply(*command);
}

void TPerformance::Apply(const Command& command) {
  switch (command.kind) {
    case Command::Play:
      StopActive(true);
      // Programs and controllers of the last song must not carry over.
      fluid_synth_system_reset(synth_);
      tool_.Reset();
      fluid_player_set_tempo(command.player, FLUID_PLAYER_TEMPO_INTERNAL, masterTempo_);
      if (fluid_player_play(command.player) != FLUID_OK) {
        retired_.Push(command.player);
        return;
      }
      active_ = command.player;
      activeSerial_ = command.serial;
      activeDivision_ = command.division;
      segmentBase_ = musicTime_;
      sounding_ = true;
      Notify(TSegmentNotification::Start);
      return;
    case Command::Stop:
      StopActive(true);
      return;
    case Command::Tempo:
      masterTempo_ = command.value;
      if (active_) fluid_player_set_tempo(active_, FLUID_PLAYER_TEMPO_INTERNAL, masterTempo_);
      return;
    case Command::Volume:
      fluid_synth_set_gain(synth_, command.value);
      return;
    case Command::Transpose:
      tool_.SetTranspose(command.semitones);
      return;
  }
}

void TPerformance::StopActive(bool notifyAbort) {
  if (!active_) return;
  fluid_player_stop(active_);
  // all_notes_off is not enough while the sustain pedal is down.
  fluid_synth_all_sounds_off(synth_, -1);
  tool_.Reset();
  if (sounding_ && notifyAbort) Notify(TSegmentNotification::Abort);
  sounding_ = false;
  // Handed back to the control thread, which deletes it; if the ring is
  // full it stays owned and goes at shutdown.
  retired_.Push(active_);
  active_ = nullptr;
}

void TPerformance::AfterBlock(std::int64_t samplePos) {
  if (sounding_) {
    const int tick = fluid_player_get_current_tick(active_);
    const int total = fluid_player_get_total_ticks(active_);
    musicTime_ = segmentBase_ + TicksToMusicTime(tick, activeDivision_);
    // The musical end is the last event's tick; FluidSynth itself reports
    // DONE only seconds later, or at once for a block it could not read.
    if ((total > 0 && tick >= total) || fluid_player_get_status(active_) == FLUID_PLAYER_DONE) {
      sounding_ = false;
      Notify(TSegmentNotification::End);
    }
  }
  timeline_.Record({samplePos, musicTime_, sounding_ ? activeSerial_ : 0});
}

void TPerformance::Notify(TSegmentNotification::Kind kind) {
  notifications_.Push({kind, activeSerial_, musicTime_});
  notified_.Set();
}

}  // namespace lyrova
