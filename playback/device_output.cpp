// The performance's audio through a FluidSynth audio driver in callback mode,
// so that our own Render runs and counts what it renders.

#include <fluidsynth.h>

#include "playback/audio_output.h"
#include "playback/fluid_log.h"
#include "playback/performance.h"

namespace lyrova {
namespace {

class TDeviceOutput : public IAudioOutput {
 public:
  TDeviceOutput(fluid_audio_driver_t* driver, std::string name) : driver_(driver), name_(std::move(name)) {}
  ~TDeviceOutput() override { delete_fluid_audio_driver(driver_); }
  std::string Name() const override { return name_; }

 private:
  fluid_audio_driver_t* driver_;
  std::string name_;
};

int RenderCallback(void* data, int len, int, float*[], int nout, float* out[]) {
  if (nout < 2) return FLUID_FAILED;
  static_cast<TPerformance*>(data)->Render(out[0], out[1], len);
  return FLUID_OK;
}

}  // namespace

std::unique_ptr<IAudioOutput> OpenDeviceOutput(TPerformance& performance) {
  fluid_settings_t* settings = performance.Settings();
  int periods = 0;
  int periodSize = 0;
  if (fluid_settings_getint(settings, "audio.periods", &periods) != FLUID_OK ||
      fluid_settings_getint(settings, "audio.period-size", &periodSize) != FLUID_OK)
    return nullptr;
  for (const char* driverName : {"pulseaudio", "alsa"}) {
    if (fluid_settings_setstr(settings, "audio.driver", driverName) != FLUID_OK) continue;
    // Set before the driver starts calling back.
    performance.SetLatencyFrames(periods * periodSize);
    if (fluid_audio_driver_t* driver = new_fluid_audio_driver2(settings, RenderCallback, &performance))
      return std::make_unique<TDeviceOutput>(driver, driverName);
    TakeFluidError();  // expected where there is no such device
  }
  performance.SetLatencyFrames(0);
  return nullptr;
}

}  // namespace lyrova
