#include "export/flac_writer.h"

#include <optional>

#include "export/sound_encoder.h"

namespace lyrova {
namespace {

class TFlacWriter : public ISoundFile {
 public:
  TFlacWriter(const std::string& path, int sampleRate) {
    AVFormatContext* raw = nullptr;
    CheckAv(avformat_alloc_output_context2(&raw, nullptr, "flac", path.c_str()), "sound: no FLAC writer");
    output_.reset(raw);
    sound_.emplace(raw, AV_CODEC_ID_FLAC, sampleRate);
    CheckAv(avio_open(&raw->pb, path.c_str(), AVIO_FLAG_WRITE), "cannot create " + path);
    CheckAv(avformat_write_header(raw, nullptr), "sound: cannot write the header");
  }

  void Write(std::span<const float> left, std::span<const float> right) override { sound_->Add(left, right); }

  // The trailer goes back to the header with the length and checksum.
  void Close() override {
    if (closed_) return;
    closed_ = true;
    sound_->Finish();
    CheckAv(av_write_trailer(output_.get()), "sound: cannot finish the file");
  }

 private:
  ffmpeg::OutputPtr output_;
  std::optional<TSoundEncoder> sound_;  // writes into output_
  bool closed_ = false;
};

}  // namespace

std::unique_ptr<ISoundFile> CreateFlacFile(const std::string& path, int sampleRate) {
  return std::make_unique<TFlacWriter>(path, sampleRate);
}

}  // namespace lyrova
