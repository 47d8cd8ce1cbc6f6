#include "tools/render/render_options.h"

#include <charconv>

#include "catalog/errors.h"

namespace lyrova {
namespace {

long Number(const std::string& option, const std::string& text, long low, long high) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    throw Error(option + " wants a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                ", not '" + text + "'");
  return value;
}

}  // namespace

const char* const kRenderUsage =
    "usage: lyrova-render [--disc DIR [--catalog DIR]] [--library DIR] --code N [--wav OUT.wav]\n"
    "                     [--tempo P] [--pitch P] [--volume P] [--timeline OUT.tsv] [--soundfont FILE]\n"
    "                     [--frame-at MS OUT.png] [--video OUT.mp4] [--size WxH] [--film FILE]\n"
    "                     [--settings FILE]\n"
    "  P are track-bar positions: tempo -40..40 (top = fastest), pitch -8..8 (top = highest),\n"
    "  volume 0..100 (top = loudest). The timeline lists every 10 ms the sample and the song time.\n"
    "  --frame-at saves the singer's picture (film and lyrics) at MS milliseconds of sound;\n"
    "  --video writes the song as a karaoke video with its sound. The film is the disc's\n"
    "  rmoving.img unless --film names another. --size sets the picture's size (800x600 unless\n"
    "  told; 1920x1080 for a television), even numbers for a video.\n"
    "  At least one of --wav, --frame-at, --video.\n"
    "  Without --catalog the disc's songs are the built-in catalogue's, or the disc's own when\n"
    "  that does not describe its image. --library adds the songs of a folder, codes from 10001.\n"
    "  The lyrics have the font, colours and line count of the player's settings file, or of\n"
    "  --settings FILE; --settings none keeps the built-in look.\n";

TRenderOptions ParseRenderOptions(const std::vector<std::string>& args) {
  TRenderOptions options;
  bool haveCode = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) throw Error(option + ": value missing");
    const std::string& value = args[++i];
    if (option == "--disc") options.disc = value;
    else if (option == "--catalog") options.catalog = value;
    else if (option == "--library") options.library = value;
    else if (option == "--settings") options.settings = value;
    else if (option == "--code") {
      options.code = static_cast<std::uint32_t>(Number(option, value, 0, 0xFFFFFFFFL));
      haveCode = true;
    }
    else if (option == "--wav") options.wav = value;
    else if (option == "--timeline") options.timeline = value;
    else if (option == "--soundfont") options.play.soundFont = value;
    else if (option == "--tempo") options.play.tempo = static_cast<int>(Number(option, value, -40, 40));
    else if (option == "--pitch") options.play.pitch = static_cast<int>(Number(option, value, -8, 8));
    else if (option == "--volume") options.play.volume = static_cast<int>(Number(option, value, 0, 100));
    else if (option == "--frame-at") {
      options.frameAtMs = Number(option, value, 0, 24L * 3600 * 1000);
      if (i + 1 >= args.size()) throw Error(option + ": picture file missing");
      options.framePng = args[++i];
    }
    else if (option == "--video") options.video = value;
    else if (option == "--film") options.film = value;
    else if (option == "--size") {
      const auto x = value.find('x');
      if (x == std::string::npos) throw Error(option + ": WIDTHxHEIGHT expected");
      options.width = static_cast<int>(Number(option, value.substr(0, x), 16, 7680));
      options.height = static_cast<int>(Number(option, value.substr(x + 1), 16, 4320));
      if (options.width % 2 || options.height % 2) throw Error(option + ": even numbers expected");
    }
    else throw Error("unknown option " + option);
  }
  if ((options.disc.empty() && options.library.empty()) || !haveCode ||
      (options.wav.empty() && !options.WantsPicture()))
    throw Error("--disc or --library, --code and one of --wav, --frame-at, --video are required");
  if (!options.catalog.empty() && options.disc.empty()) throw Error("--catalog needs --disc");
  return options;
}

}  // namespace lyrova
