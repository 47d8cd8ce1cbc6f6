#include "playback/fluid_log.h"

#include <fluidsynth.h>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace lyrova {
namespace {

std::atomic<bool> gVerbose{false};
std::mutex gMutex;
std::string gLastError;

void OnFluidMessage(int level, const char* message, void*) {
  // FluidSynth may report from the audio thread, which must never wait.
  if (level <= FLUID_ERR && gMutex.try_lock()) {
    gLastError = message ? message : "";
    gMutex.unlock();
  }
  if (gVerbose.load(std::memory_order_relaxed) && level <= FLUID_WARN)
    std::fprintf(stderr, "fluidsynth: %s\n", message ? message : "");
}

}  // namespace

void InstallFluidLog(bool verbose) {
  gVerbose.store(verbose, std::memory_order_relaxed);
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
      fluid_set_log_function(level, OnFluidMessage, nullptr);
  });
}

std::string TakeFluidError() {
  std::lock_guard lock(gMutex);
  std::string message;
  message.swap(gLastError);
  return message;
}

}  // namespace lyrova
