#pragma once
// A song saved whole from the player, as the player plays and shows it at
// that moment: its sound as a WAV file (FLAC for a target named *.flac), or
// a karaoke video (MP4, H.264 and AAC) composed as the singer's window is,
// title card included. The sound is brought to the saved loudness
// (loudness.h). The file is written under a scratch name beside the target
// and takes the target's name only when complete (saved_file.h).

#include <QSize>
#include <atomic>
#include <functional>
#include <string>

#include "export/song_render.h"
#include "video/lyric_page.h"
#include "video/title_card.h"

namespace lyrova {

enum class TExportKind { Sound, Video };

struct TExportRequest {
  TSongData song;
  TSongTitle title;
  TPlaySettings play;     // the SoundFont, the sliders, the guide melody
  int lyricOffsetMs = 0;  // the lyrics this much behind the sound
  TLyricLook look;
  std::string film;  // "" for black
  TExportKind kind = TExportKind::Sound;
  std::string target;
  QSize videoSize{1280, 720};
};

// Any thread (a QGuiApplication must exist for a video). `progress` gets
// 0..1 as the render goes; `cancel` is looked at on every step. True when
// the file was written, false when cancelled; throws lyrova::Error (CP1251
// text for the user, or the libraries' plain ASCII) when it failed.
bool ExportSong(const TExportRequest& request, const std::function<void(double)>& progress,
                const std::atomic<bool>& cancel);

}  // namespace lyrova
