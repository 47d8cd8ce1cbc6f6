#include "playback/recorded_segment.h"

#include "media/audio_decoder.h"
#include "media/zip_archive.h"
#include "playback/recorded_sound.h"

namespace lyrova {

std::shared_ptr<const TSegment> MakeRecordedSegment(const TRecordedFiles& files, double tempo, int semitones,
                                                    bool offline) {
  TMediaInput input = files.soundMember.empty()
                          ? TMediaInput::OpenFile(files.sound)
                          : TMediaInput::OpenBytes(TZipArchive::OpenFile(files.sound).Read(files.soundMember));
  auto segment = std::make_shared<TSegment>();
  segment->division = static_cast<int>(kMusicTimePerQuarter);
  segment->recorded = std::make_shared<TRecordedSound>(std::make_unique<TAudioDecoder>(std::move(input)), tempo,
                                                       semitones);
  segment->recorded->SetWaiting(offline);
  return segment;
}

}  // namespace lyrova
