#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <vector>

#include "catalog/errors.h"
#include "tests/video/test_film.h"
#include "export/flac_writer.h"
#include "export/karaoke_video_writer.h"
#include "export/pcm16.h"
#include "export/picture_render.h"
#include "video/film_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cmath>

namespace lyrova {
namespace {

TEST(RenderPicture, SongTimeBetweenSteps) {
  const struct {
    std::int64_t pos0;
    std::int32_t t0;
    std::int64_t pos1;
    std::int32_t t1;
    std::int64_t at;
    std::int32_t expected;
  } cases[] = {
      {0, 100, 441, 200, 0, 100},      {0, 100, 441, 200, 441, 200},
      {0, 100, 441, 200, 220, 149},    {0, 100, 441, 200, 500, 200},
      {0, 0, 441, 200, 100, 0},        {0, 0, 441, 200, 400, 200},  // the song starts
      {0, 900, 441, 0, 100, 900},      {0, 900, 441, 0, 300, 0},    // the song ends
      {441, 50, 441, 60, 441, 60},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TPictureRender::SongTimeBetween(c.pos0, c.t0, c.pos1, c.t1, c.at), c.expected)
        << c.pos0 << " " << c.t0 << " " << c.pos1 << " " << c.t1 << " at " << c.at;
  }
}

TRenderStep Step(std::int64_t pos, std::int32_t songTime, const std::vector<float>& silence) {
  TRenderStep step;
  step.samplePos = pos;
  step.songTime = songTime;
  if (pos > 0) step.left = step.right = silence;
  return step;
}

TEST(RenderPicture, StillAtAMomentShowsTheFilmAndTheLyrics) {
  const std::string png = (testing_film::Folder() / "still.png").string();
  TPictureRender render(testing_film::Film());
  render.Lyrics().SetLyrics({"la la"});
  render.Lyrics().SetTiming({{1, 130}});
  render.Begin(1000);
  render.SaveStillAt(400, png);  // sample 400
  const std::vector<float> silence(100, 0.0f);
  for (std::int64_t pos = 0; pos < 300; pos += 100) render.Step(Step(pos, 1 + pos / 10, silence));
  EXPECT_THROW(render.Finish(), Error) << "the moment is not reached yet";
  for (std::int64_t pos = 300; pos <= 500; pos += 100) render.Step(Step(pos, 1 + pos / 10, silence));
  render.Finish();

  const QImage still(QString::fromStdString(png));
  ASSERT_EQ(still.size(), QSize(800, 600));
  // The film at 0.4 s above the lyric area; the intro line lit below.
  TFilmDecoder film(testing_film::Film(), QSize(800, 600));
  TFilmFrame frame;
  for (int i = 0; i <= 10; ++i) ASSERT_TRUE(film.Next(frame));
  EXPECT_EQ(still.convertToFormat(QImage::Format_RGB32).copy(0, 0, 800, 200),
            frame.image.copy(0, 0, 800, 200));
  int white = 0;
  for (int y = 280; y < 360; ++y)
    for (int x = 0; x < 800; ++x) white += (still.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
  EXPECT_GT(white, 100) << "the sung part of the intro line";
}

// The lyric offset: the picture at a moment shows the song time of the sound
// heard that much earlier (later when negative), as in the player.
TEST(RenderPicture, LyricDelayShowsTheSongTimeOfOtherSound) {
  const std::string png = (testing_film::Folder() / "delayed.png").string();
  const auto still = [&](std::int64_t ms, int delayMs) {
    TPictureRender render("");
    render.Lyrics().SetLyrics({"la la"});
    render.Lyrics().SetTiming({{1, 130}});
    render.SetLyricDelay(delayMs);
    render.Begin(1000);
    render.SaveStillAt(ms, png);
    const std::vector<float> silence(100, 0.0f);
    for (std::int64_t pos = 0; pos <= 500; pos += 100) render.Step(Step(pos, 1 + pos / 5, silence));
    render.Finish();
    return QImage(QString::fromStdString(png));
  };
  const QImage at300 = still(300, 0);
  ASSERT_NE(still(400, 0), at300) << "the lit part grows with the song time";
  EXPECT_EQ(still(400, 100), at300);
  EXPECT_EQ(still(200, -100), at300);
  EXPECT_EQ(still(450, -150), still(500, 0)) << "past the last step the last song time";
}

TEST(RenderPicture, KaraokeVideoHasPicturesAndSound) {
  const std::string mp4 = (testing_film::Folder() / "song.mp4").string();
  {
    TKaraokeVideoWriter video(mp4, 800, 600, 25, 44100);
    TPictureRender render("");
    render.Lyrics().SetLyrics({"la"});
    render.Begin(44100);
    render.WriteVideo(&video, 25);
    const std::vector<float> tone(441, 0.25f);
    for (std::int64_t pos = 0; pos <= 2 * 44100; pos += 441) render.Step(Step(pos, 0, tone));
    render.Finish();
    video.Close();
  }
  AVFormatContext* raw = nullptr;
  ASSERT_GE(avformat_open_input(&raw, mp4.c_str(), nullptr, nullptr), 0);
  ASSERT_GE(avformat_find_stream_info(raw, nullptr), 0);
  ASSERT_EQ(raw->nb_streams, 2u);
  int pictures = 0;
  int sounds = 0;
  for (unsigned i = 0; i < raw->nb_streams; ++i) {
    const AVCodecParameters* p = raw->streams[i]->codecpar;
    if (p->codec_type == AVMEDIA_TYPE_VIDEO) {
      ++pictures;
      EXPECT_EQ(p->width, 800);
      EXPECT_EQ(p->height, 600);
      EXPECT_EQ(raw->streams[i]->nb_frames, 51) << "two seconds at 25 a second, both ends";
    } else if (p->codec_type == AVMEDIA_TYPE_AUDIO) {
      ++sounds;
      EXPECT_EQ(p->sample_rate, 44100);
    }
  }
  EXPECT_EQ(pictures, 1);
  EXPECT_EQ(sounds, 1);
  EXPECT_NEAR(static_cast<double>(raw->duration) / AV_TIME_BASE, 2.0, 0.1);
  avformat_close_input(&raw);
}

// FLAC is lossless: decoded, the file gives back the 16-bit samples written,
// every one, the last short frame and the clipped peaks included.
TEST(RenderPicture, FlacFileGivesBackEverySample) {
  const std::string flac = (testing_film::Folder() / "song.flac").string();
  std::vector<float> left(44100 + 1234), right(left.size());
  for (std::size_t i = 0; i < left.size(); ++i) {
    left[i] = 1.2f * static_cast<float>(std::sin(i * 0.031));
    right[i] = 0.3f * static_cast<float>(std::sin(i * 0.0071));
  }
  {
    const auto file = CreateFlacFile(flac, 44100);
    for (std::size_t at = 0; at < left.size(); at += 1000) {
      const std::size_t n = std::min<std::size_t>(1000, left.size() - at);
      file->Write(std::span(left).subspan(at, n), std::span(right).subspan(at, n));
    }
    file->Close();
  }
  AVFormatContext* raw = nullptr;
  ASSERT_GE(avformat_open_input(&raw, flac.c_str(), nullptr, nullptr), 0);
  ASSERT_GE(avformat_find_stream_info(raw, nullptr), 0);
  ASSERT_EQ(raw->nb_streams, 1u);
  const AVCodecParameters* p = raw->streams[0]->codecpar;
  EXPECT_EQ(p->codec_id, AV_CODEC_ID_FLAC);
  EXPECT_EQ(p->sample_rate, 44100);
  AVCodecContext* codec = avcodec_alloc_context3(avcodec_find_decoder(p->codec_id));
  ASSERT_GE(avcodec_parameters_to_context(codec, p), 0);
  ASSERT_GE(avcodec_open2(codec, codec->codec, nullptr), 0);
  ASSERT_EQ(codec->sample_fmt, AV_SAMPLE_FMT_S16);
  std::vector<std::int16_t> decoded;
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  const auto receive = [&] {
    while (avcodec_receive_frame(codec, frame) >= 0) {
      const auto* s = reinterpret_cast<const std::int16_t*>(frame->data[0]);
      decoded.insert(decoded.end(), s, s + 2 * frame->nb_samples);
    }
  };
  while (av_read_frame(raw, packet) >= 0) {
    ASSERT_GE(avcodec_send_packet(codec, packet), 0);
    av_packet_unref(packet);
    receive();
  }
  avcodec_send_packet(codec, nullptr);
  receive();
  av_frame_free(&frame);
  av_packet_free(&packet);
  avcodec_free_context(&codec);
  avformat_close_input(&raw);

  ASSERT_EQ(decoded.size(), 2 * left.size());
  for (std::size_t i = 0; i < left.size(); ++i) {
    ASSERT_EQ(decoded[2 * i], Pcm16(left[i])) << i;
    ASSERT_EQ(decoded[2 * i + 1], Pcm16(right[i])) << i;
  }
}

}  // namespace
}  // namespace lyrova
