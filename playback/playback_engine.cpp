#include "playback/playback_engine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>

#include "catalog/errors.h"
#include "catalog/song_source.h"
#include "playback/audio_output.h"
#include "playback/clock_thread.h"
#include "playback/master_settings.h"
#include "playback/melody_channel.h"
#include "playback/midi_segment.h"
#include "playback/output_keeper.h"
#include "playback/performance.h"
#include "playback/recorded_segment.h"
#include "playback/recorded_sound.h"
#include "playback/sound_font.h"
#include "playback/wait_end_song_thread.h"

namespace lyrova {
namespace {

// The end-of-song thread sees a stop within one audio block and one event
// wait; far longer means the audio output has stalled.
constexpr auto kStopWait = std::chrono::seconds(3);
// An output that renders nothing for this long (or for twice its buffer) is
// not pulling: the stop is applied without it.
constexpr auto kStalledOutput = std::chrono::milliseconds(100);
// Where the volume slider starts.
constexpr int kInitialVolumePosition = 50;

}  // namespace

TPlaybackEngine::TPlaybackEngine(TSongsCatalog& catalog, ILyricTarget& lyrics, ISongEndTarget& songEnd)
    : discSongs_(std::make_unique<TDiscSongSource>(catalog)), songs_(*discSongs_), lyrics_(lyrics), songEnd_(songEnd) {}

TPlaybackEngine::TPlaybackEngine(ISongSource& songs, ILyricTarget& lyrics, ISongEndTarget& songEnd)
    : songs_(songs), lyrics_(lyrics), songEnd_(songEnd) {}

TPlaybackEngine::~TPlaybackEngine() { Shutdown(); }

std::string TPlaybackEngine::DefaultSoundFont() { return FindDefaultSoundFont(); }

void TPlaybackEngine::DMInit(const std::string& soundFontPath, TAudioMode mode, int latencyMs) {
  if (performance_) throw std::logic_error("DMInit called twice");
  auto performance = std::make_unique<TPerformance>(soundFontPath);
  // The slider shows its first position from the start: the music plays at
  // that level before the slider is first moved.
  performance->SetMasterVolume(VolumeHundredthsDb(kInitialVolumePosition));
  performance->ApplyPendingCommands();
  mode_ = mode;
  if (mode != TAudioMode::Offline)
    output_ = std::make_unique<TOutputKeeper>(
        *performance, StandardOutputKinds(*performance, mode == TAudioMode::Device, latencyMs));
  performance_ = std::move(performance);
  endThread_ = std::make_unique<TWaitEndSongThread>(*performance_, songEnd_);
}

bool TPlaybackEngine::Initialised() const { return performance_ != nullptr; }

std::string TPlaybackEngine::AudioOutputName() const {
  if (output_) return output_->Status().name;
  return performance_ ? "offline" : "none";
}

TAudioStatus TPlaybackEngine::AudioStatus() const {
  if (output_) return output_->Status();
  return {AudioOutputName(), mode_ == TAudioMode::Offline, 0, 0};
}

std::vector<std::string> TPlaybackEngine::EnumPorts() const {
  // Only the synthesizer is connected; MIDI hardware ports are not used.
  return {"FluidSynth software synthesizer"};
}

TPerformance& TPlaybackEngine::Performance() const {
  if (!performance_) throw std::logic_error("the playback engine is not initialised");
  return *performance_;
}

void TPlaybackEngine::StartThreads(ITickTarget& tick) {
  Performance();
  if (mode_ == TAudioMode::Offline) throw std::logic_error("offline rendering runs no threads");
  endThread_->Start();
  // A tick's picture stays on the screen for a whole period, so it shows the
  // music of the period's middle: a syllable changes colour at most half a
  // period before or after it is heard, never up to a whole period late.
  if (!clock_) clock_ = std::make_unique<TClockThread>([this] { return SongTime(TClockThread::kPeriod / 2); }, tick);
  clock_->Start();
}

void TPlaybackEngine::StopThreads() {
  if (endThread_) endThread_->Stop();
  if (clock_) clock_->Stop();
}

void TPlaybackEngine::SuspendClock() {
  if (clock_) clock_->Suspend();
}

void TPlaybackEngine::ResumeClock() {
  if (clock_) clock_->Resume();
}

void TPlaybackEngine::SettleOffline() {
  if (mode_ != TAudioMode::Offline) return;
  performance_->ApplyPendingCommands();
  endThread_->ProcessNotifications();
}

void TPlaybackEngine::WaitStopped() {
  using Clock = std::chrono::steady_clock;
  TPerformance& performance = Performance();
  const auto deadline = Clock::now() + kStopWait;
  const auto stalled = StallTime(performance.LatencyMs(), kStalledOutput);
  std::int64_t rendered = performance.RenderedFrames();
  auto moved = Clock::now();
  while (SongPlaying()) {
    const auto now = Clock::now();
    if (now > deadline) throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "The previous song did not stop: the sound output does not answer.")));
    if (performance.RenderedFrames() != rendered) {
      rendered = performance.RenderedFrames();
      moved = now;
    } else if (now - moved > stalled) {
      // The output is being reopened; the abort need not wait for it.
      performance.ApplyPendingCommands();
      moved = now;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

std::uint32_t TPlaybackEngine::WMPlaySong(std::uint32_t code) {
  Performance();
  WMStopSong();
  WaitStopped();
  std::optional<TSongData> song = songs_.LoadSong(code);
  if (!song) {
    char text[96];
    std::snprintf(text, sizeof text, "%.4u", code);
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "There is no song with the code %1 in the catalogue."), {UserText::Plain(std::string(text))}));
  }
  return Start(std::move(*song));
}

std::uint32_t TPlaybackEngine::PlaySong(TSongData song) {
  Performance();
  WMStopSong();
  WaitStopped();
  return Start(std::move(song));
}

std::uint32_t TPlaybackEngine::Start(TSongData song) {
  TPerformance& performance = Performance();
  // Made before the lyrics go out, so a damaged song shows no lyrics.
  std::shared_ptr<const TSegment> segment;
  if (song.recorded) {
    const float tempo = CurrentTempo();
    try {
      segment = MakeRecordedSegment(*song.recorded, tempo > 0.0f ? tempo : 1.0, semitones_,
                                    mode_ == TAudioMode::Offline);
    } catch (const Error& e) {
      throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "The song \"%1\" does not play: %2"),
                           {UserText::Plain(song.recorded->sound), e.Text()}));
    }
    melodyChannel_ = -1;
  } else {
    segment = MakeSegment(std::move(song.midi));
    melodyChannel_ = FindMelodyChannel(*segment, song.timing);
  }
  lyrics_.SetRecording(song.recorded ? &*song.recorded : nullptr);
  lyrics_.SetLyrics(song.lines);
  lyrics_.SetTiming(song.timing);
  const std::uint32_t serial = performance.Play(segment, melodyChannel_);
  if (serial == 0) throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Could not start the song: the synthesizer did not take it.")));
  current_ = segment;
  return serial;
}

void TPlaybackEngine::WMStopSong() {
  if (!Performance().Stop())
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Could not stop the song: the synthesizer did not take the command.")));
  paused_ = false;
  SettleOffline();
}

bool TPlaybackEngine::SetPaused(bool paused) {
  if (paused && !SongPlaying()) return false;
  if (!Performance().SetPaused(paused)) return false;
  paused_ = paused;
  return true;
}

void TPlaybackEngine::SetLyricOffsetMs(int ms) { Performance().SetLyricOffsetMs(ms); }

void TPlaybackEngine::SetMelodyLevel(int percent) {
  if (!Performance().SetMelodyScale(static_cast<float>(percent) / 100.0f))
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Could not change the melody: the synthesizer did not take the command.")));
}

std::optional<TPlaybackEngine::TProgress> TPlaybackEngine::Progress() const {
  if (!current_ || !SongPlaying()) return std::nullopt;
  const float tempo = CurrentTempo();
  const double factor = tempo > 0.0f ? tempo : 1.0;
  if (current_->recorded) {
    const double heard = static_cast<double>(SongTime()) / kRecordedMusicTimePerSecond;
    const double total = std::max(current_->recorded->DurationSeconds(), heard);
    return TProgress{heard / factor, (total - heard) / factor};
  }
  const TMidiSequence& sequence = current_->sequence;
  const double tick = static_cast<double>(SongTime()) * current_->division / kMusicTimePerQuarter;
  const double heard = std::min(sequence.MicrosAt(tick), sequence.EndMicros());
  return TProgress{heard / factor / 1e6, (sequence.EndMicros() - heard) / factor / 1e6};
}

void TPlaybackEngine::WMTempo(int a) {
  const float factor = TempoFactor(a);
  if (factor == currentTempo_.load()) return;
  // A refused setting keeps the old value, so the same position is tried again.
  if (Performance().SetMasterTempo(factor)) currentTempo_.store(factor);
}

void TPlaybackEngine::WMPitch(int n) {
  if (!Performance().SetTranspose(n))
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Could not change the key: the synthesizer did not take the command.")));
  semitones_ = n;
}

void TPlaybackEngine::WMVolume(int p) { Performance().SetMasterVolume(VolumeHundredthsDb(p)); }

bool TPlaybackEngine::SongPlaying() const { return endThread_ && endThread_->SongPlaying(); }

std::int32_t TPlaybackEngine::SongTime(std::chrono::nanoseconds ahead) const {
  if (!performance_ || !SongPlaying()) return 0;
  const TWaitEndSongThread::Playing playing = endThread_->PlayingSegment();
  const TAudioMoment heard = performance_->HeardMoment(ahead);
  // Before the new song is heard (output latency) or after it ended.
  if (heard.serial != playing.serial) return 0;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(heard.musicTime) - playing.songStartTime);
}

TPlaybackEngine::TTickCount TPlaybackEngine::TickCount() const {
  if (!clock_) return {};
  return {clock_->Cycles(), clock_->LateCycles()};
}

float TPlaybackEngine::CurrentTempo() const { return currentTempo_.load(); }

void TPlaybackEngine::RenderBlock(float* left, float* right, int frames) {
  if (mode_ != TAudioMode::Offline) throw std::logic_error("RenderBlock is for offline rendering");
  Performance().Render(left, right, frames);
  endThread_->ProcessNotifications();
}

bool TPlaybackEngine::VoicesSounding() const {
  if (mode_ != TAudioMode::Offline) throw std::logic_error("VoicesSounding is for offline rendering");
  return Performance().VoicesSounding();
}

int TPlaybackEngine::SampleRate() const { return Performance().SampleRate(); }

void TPlaybackEngine::Shutdown() {
  // Both threads have ended before anything they use is released.
  StopThreads();
  if (performance_) performance_->Stop();
  output_.reset();
  clock_.reset();
  endThread_.reset();
  performance_.reset();
}

}  // namespace lyrova
