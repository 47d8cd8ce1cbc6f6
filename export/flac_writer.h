#pragma once
// A song's sound as a FLAC file, 16-bit stereo: lossless, and for a song
// about a third of the WAV's size.

#include <memory>
#include <string>

#include "export/sound_file.h"

namespace lyrova {

// Throws lyrova::Error when the file cannot be created.
std::unique_ptr<ISoundFile> CreateFlacFile(const std::string& path, int sampleRate);

}  // namespace lyrova
