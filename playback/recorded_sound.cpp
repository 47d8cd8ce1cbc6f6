#include "playback/recorded_sound.h"

#include <algorithm>
#include <vector>

#include "media/audio_decoder.h"
#include "media/time_stretch.h"

namespace lyrova {
namespace {

// The ring full, the decoder looks again this often: far less than the
// 0.37 s of sound the ring holds.
constexpr auto kFullPoll = std::chrono::milliseconds(5);

}  // namespace

TRecordedSound::TRecordedSound(std::unique_ptr<TAudioDecoder> decoder, double tempo, int semitones)
    : decoder_(std::move(decoder)), duration_(decoder_->DurationSeconds()), tempo_(tempo > 0 ? tempo : 1.0),
      semitones_(semitones), ring_(std::make_unique<TSpscRing<Chunk, 64>>()) {
  thread_ = std::thread([this] { Decode(); });
}

TRecordedSound::~TRecordedSound() {
  stop_.store(true);
  changed_.notify_all();
  thread_.join();
}

void TRecordedSound::SetTempo(double factor) {
  if (factor > 0) tempo_.store(factor);
}

void TRecordedSound::SetSemitones(int semitones) { semitones_.store(semitones); }

void TRecordedSound::Decode() {
  TTimeStretch stretch(TAudioDecoder::kSampleRate);
  double tempo = 1.0;
  int semitones = 0;
  std::vector<float> block;
  bool ended = false;
  Chunk chunk;
  while (!stop_.load()) {
    if (const double t = tempo_.load(); t != tempo) stretch.SetTempo(tempo = t);
    if (const int s = semitones_.load(); s != semitones) stretch.SetSemitones(semitones = s);
    if (stretch.Ready() >= kChunkFrames || (ended && stretch.Ready() > 0)) {
      chunk.frames = stretch.Take(chunk.samples, kChunkFrames, &chunk.source);
      chunk.tempo = tempo;
      std::unique_lock lock(mutex_);
      while (!ring_->Push(chunk) && !stop_.load()) changed_.wait_for(lock, kFullPoll);
      lock.unlock();
      changed_.notify_all();
      continue;
    }
    if (ended) break;
    if (decoder_->Next(block)) {
      stretch.Put(block.data(), static_cast<int>(block.size() / 2));
    } else {
      stretch.Finish();
      ended = true;
    }
  }
  decoded_.store(true);
  changed_.notify_all();
}

bool TRecordedSound::NextChunk() {
  std::optional<Chunk> chunk = ring_->Pop();
  if (!chunk && waiting_.load()) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return (chunk = ring_->Pop()).has_value() || decoded_.load(); });
    if (!chunk) chunk = ring_->Pop();  // the last push came just before the end
  }
  if (!chunk) return false;
  current_ = *chunk;
  offset_ = 0;
  return true;
}

int TRecordedSound::Read(float* left, float* right, int frames, double* source) {
  int done = 0;
  bool first = true;
  while (done < frames) {
    if (offset_ >= current_.frames && !NextChunk()) break;
    if (first) {
      *source = (current_.source + offset_ * current_.tempo) / TAudioDecoder::kSampleRate;
      first = false;
    }
    const int n = std::min(frames - done, current_.frames - offset_);
    const float* in = current_.samples + 2 * offset_;
    for (int i = 0; i < n; ++i) {
      left[done + i] = in[2 * i];
      right[done + i] = in[2 * i + 1];
    }
    offset_ += n;
    done += n;
  }
  return done;
}

bool TRecordedSound::Ended() const {
  return decoded_.load() && offset_ >= current_.frames && ring_->Empty();
}

}  // namespace lyrova
