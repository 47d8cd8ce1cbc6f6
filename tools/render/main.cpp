// lyrova-render: renders a song of the disc offline to a WAV file, with the
// playback engine and song time of the program, faster than real time.

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "tools/render/render_session.h"
#include "tools/render/wav_writer.h"

namespace {

// The render tool shows no lyrics.
class TNoLyrics : public lyrova::ILyricTarget {
 public:
  void SetLyrics(const std::vector<std::string>&) override {}
  void SetTiming(const std::vector<std::uint8_t>&) override {}
};

}  // namespace

int main(int argc, char** argv) {
  using namespace lyrova;
  try {
    const TRenderOptions options = ParseRenderOptions({argv + 1, argv + argc});
    TNoLyrics lyrics;
    TRenderSession session(options, lyrics);
    TWavWriter wav(options.wav, session.SampleRate());
    std::ofstream timeline;
    if (!options.timeline.empty()) {
      timeline.open(options.timeline, std::ios::trunc);
      if (!timeline) throw Error("cannot create " + options.timeline);
      timeline << "sample\tsong_time\n";
    }

    const auto started = std::chrono::steady_clock::now();
    const TRenderResult result = session.Run([&](const TRenderStep& step) {
      wav.Write(step.left, step.right);
      if (timeline.is_open()) timeline << step.samplePos << '\t' << step.songTime << '\n';
    });
    wav.Close();
    if (timeline.is_open()) {
      timeline.close();
      if (timeline.fail()) throw Error("cannot write " + options.timeline);
    }
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const double seconds = static_cast<double>(result.totalFrames) / session.SampleRate();
    std::printf("%s: %.2f s of audio (music ends at %.2f s) in %.2f s, %.0fx real time\n", options.wav.c_str(),
                seconds, static_cast<double>(result.endSample) / session.SampleRate(), took,
                took > 0 ? seconds / took : 0.0);
    return 0;
  } catch (const Error& e) {
    std::fprintf(stderr, "lyrova-render: %s\n%s", Cp1251ToUtf8(e.what()).c_str(),
                 std::string(e.what()).find("--") != std::string::npos ? kRenderUsage : "");
    return 1;
  }
}
