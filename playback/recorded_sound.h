#pragma once
// A recorded song's sound made ready for the audio thread: a thread of its
// own decodes it, stretches and pitches it, and queues it in blocks stamped
// with the moment of the recording they start at. The audio thread takes
// the blocks without ever waiting, as it renders the synthesizer's.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "playback/spsc_ring.h"

namespace lyrova {

class TAudioDecoder;

class TRecordedSound {
 public:
  static constexpr int kChunkFrames = 256;

  // Starts decoding at once, at the tempo and key given.
  TRecordedSound(std::unique_ptr<TAudioDecoder> decoder, double tempo, int semitones);
  ~TRecordedSound();
  TRecordedSound(const TRecordedSound&) = delete;
  TRecordedSound& operator=(const TRecordedSound&) = delete;

  double DurationSeconds() const { return duration_; }

  // Any thread; heard once the sound queued before has played (a few
  // tenths of a second).
  void SetTempo(double factor);
  void SetSemitones(int semitones);
  // Offline: Read waits for the decoder, so nothing is ever missing.
  void SetWaiting(bool wait) { waiting_.store(wait); }
  double Tempo() const { return tempo_.load(); }
  int Semitones() const { return semitones_.load(); }

  // The audio thread: up to `frames` frames, how many came; fewer only when
  // the decoder is behind or the sound has ended. `source` gets the time of
  // the recording, in seconds, of the first frame.
  int Read(float* left, float* right, int frames, double* source);
  // The audio thread: every frame has been read.
  bool Ended() const;

 private:
  struct Chunk {
    float samples[kChunkFrames * 2];  // interleaved
    int frames = 0;
    double source = 0;  // recording frames
    double tempo = 1.0;  // recording frames per frame
  };
  void Decode();
  bool NextChunk();  // audio thread: the next chunk into current_

  std::unique_ptr<TAudioDecoder> decoder_;  // decoding thread
  double duration_ = 0;
  std::atomic<double> tempo_{1.0};
  std::atomic<int> semitones_{0};
  std::atomic<bool> waiting_{false};
  std::atomic<bool> stop_{false};
  std::atomic<bool> decoded_{false};  // every chunk is in the ring

  std::unique_ptr<TSpscRing<Chunk, 64>> ring_;
  std::mutex mutex_;  // only for the waits
  std::condition_variable changed_;

  Chunk current_;   // audio thread
  int offset_ = 0;  // frames of current_ read
  std::thread thread_;
};

}  // namespace lyrova
