#pragma once
// A song saved whole from the player: its sound as a WAV file (FLAC for a
// target named *.flac), or a karaoke video (MP4, H.264 and AAC) composed as
// the singer's window is, with the look of the settings and the sliders'
// positions. It is written under a name of its own beside the target and
// takes the target's name only when complete, so a cancelled or failed
// export leaves no half-written file.

#include <QSize>
#include <atomic>
#include <functional>
#include <string>

#include "export/song_render.h"

namespace lyrova {

enum class TExportKind { Sound, Video };

struct TExportRequest {
  TSongData song;
  TPlaySettings play;  // the SoundFont, the sliders, the guide melody
  std::string film;    // "" for black
  TExportKind kind = TExportKind::Sound;
  std::string target;
  QSize videoSize{1280, 720};
};

// Any thread (a QGuiApplication must exist for a video). `progress` gets
// 0..1 as the render goes; `cancel` is looked at on every step. True when
// the file was written, false when cancelled; throws lyrova::Error (UTF-8
// or CP1251 text for the user) when it failed.
bool ExportSong(const TExportRequest& request, const std::function<void(double)>& progress,
                const std::atomic<bool>& cancel);

// Where the export is written until it is complete: "song.mp4" has "song.part.mp4".
std::string PartialName(const std::string& target);

}  // namespace lyrova
