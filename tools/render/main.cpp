// lyrova-render: renders a song of the disc offline to a WAV file, with the
// playback engine and song time of the program, faster than real time; and
// the singer's picture at a moment or as a karaoke video.

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "catalog/file_path.h"
#include "config/settings.h"
#include "config/settings_path.h"
#include "export/karaoke_video_writer.h"
#include "export/picture_render.h"
#include "program/standard_options.h"
#include "tools/render/render_session.h"
#include "export/wav_writer.h"

namespace {

constexpr int kVideoFramesPerSecond = 25;

// The film behind the lyrics: the one asked for, else the disc's own.
std::string FilmFor(const lyrova::TRenderOptions& options) {
  if (!options.film.empty()) return options.film;
  if (options.disc.empty()) return {};
  const std::string disc = lyrova::JoinPath(options.disc, "rmoving.img");
  std::error_code ec;
  return std::filesystem::is_regular_file(disc, ec) ? disc : std::string();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lyrova;
  if (AnswerStandardOption({argv + 1, argv + argc}, "lyrova-render", kRenderUsage, std::cout)) return 0;
  try {
    const TRenderOptions options = ParseRenderOptions({argv + 1, argv + argc});
    // Lyric fonts need a GUI application; it runs without a screen.
    std::optional<QGuiApplication> gui;
    std::unique_ptr<TPictureRender> picture;
    if (options.WantsPicture()) {
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      gui.emplace(argc, argv);
      if (options.settings != "none") {
        // The player's look, read without writing anything to its file.
        TIniFile settings(options.settings.empty() ? SettingsFilePath(ProgramFolder() + "lyrova") : options.settings);
        ReadLookSettings(settings, Settings(), false);
      }
      picture = std::make_unique<TPictureRender>(FilmFor(options), QSize(options.width, options.height));
    }
    TNoLyrics noLyrics;
    TRenderSession session(options, picture ? picture->Lyrics() : noLyrics);
    std::fputs(session.Warnings().c_str(), stderr);
    std::optional<TWavWriter> wav;
    if (!options.wav.empty()) wav.emplace(options.wav, session.SampleRate());
    std::optional<TKaraokeVideoWriter> video;
    if (picture) {
      picture->Begin(session.SampleRate());
      if (options.frameAtMs) picture->SaveStillAt(*options.frameAtMs, options.framePng);
      if (!options.video.empty()) {
        video.emplace(options.video, options.width, options.height, kVideoFramesPerSecond, session.SampleRate());
        picture->WriteVideo(&*video, kVideoFramesPerSecond);
      }
    }
    std::ofstream timeline;
    if (!options.timeline.empty()) {
      timeline.open(options.timeline, std::ios::trunc);
      if (!timeline) throw Error("cannot create " + options.timeline);
      timeline << "sample\tsong_time\n";
    }

    const auto started = std::chrono::steady_clock::now();
    int shownTenth = 0;
    const TRenderResult result = session.Run([&](const TRenderStep& step) {
      // Progress on standard error in tenths, so a long render says how far it is.
      const int tenth = static_cast<int>(session.Done() * 10);
      if (tenth > shownTenth && tenth < 10) std::fprintf(stderr, "lyrova-render: %d%%\n", 10 * (shownTenth = tenth));
      if (wav) wav->Write(step.left, step.right);
      if (picture) picture->Step(step);
      if (timeline.is_open()) timeline << step.samplePos << '\t' << step.songTime << '\n';
    });
    if (wav) wav->Close();
    if (picture) picture->Finish();
    if (video) video->Close();
    if (timeline.is_open()) {
      timeline.close();
      if (timeline.fail()) throw Error("cannot write " + options.timeline);
    }
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const double seconds = static_cast<double>(result.totalFrames) / session.SampleRate();
    const std::string& out = !options.wav.empty() ? options.wav
                             : !options.video.empty() ? options.video
                                                      : options.framePng;
    std::printf("%s: %.2f s of audio (music ends at %.2f s) in %.2f s, %.0fx real time\n", out.c_str(),
                seconds, static_cast<double>(result.endSample) / session.SampleRate(), took,
                took > 0 ? seconds / took : 0.0);
    return 0;
  } catch (const Error& e) {
    std::fprintf(stderr, "lyrova-render: %s\n%s", e.what(),
                 std::string(e.what()).find("--") != std::string::npos ? kRenderUsage : "");
    return 1;
  }
}
