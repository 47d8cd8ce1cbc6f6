#include "tools/catalog/catalog_tool.h"

#include <cstdio>
#include <filesystem>
#include <ostream>

#include "catalog/catalog_errors.h"
#include "catalog/cp1251.h"
#include "catalog/file_path.h"
#include "catalog/file_writer.h"
#include "catalog/integer_text.h"
#include "catalog/library_search.h"
#include "catalog/midi_repair.h"
#include "catalog/points.h"
#include "tools/catalog/command_line.h"
#include "tools/catalog/song_sources.h"

namespace lyrova::catalog_tool {
namespace {

constexpr char kUsage[] =
    "usage: lyrova-catalog build DISC_DIR OUT_DIR\n"
    "       lyrova-catalog list [--catalog DIR] [--disc DIR] [--library DIR]\n"
    "       lyrova-catalog search [--catalog DIR] [--disc DIR] [--library DIR] --by MODE QUERY\n"
    "           MODE: code, title, singer, music, lyricist or lyrics (needs --disc for the disc's songs)\n"
    "       lyrova-catalog words [--catalog DIR] [--disc DIR] [--library DIR] CODE\n"
    "       lyrova-catalog timing [--catalog DIR] [--disc DIR] [--library DIR] CODE\n"
    "       lyrova-catalog midi [--catalog DIR] [--disc DIR] [--library DIR] CODE OUT_FILE\n"
    "       Without --catalog, --disc reads the disc's own catalogue when the built-in one\n"
    "       does not describe it; with --library alone only the library's songs are used.\n";

// The song a command names: on the disc (index into the catalogue) or in the library.
struct SongRef {
  int discIndex = -1;
  const LibrarySong* librarySong = nullptr;
};

class Tool {
 public:
  Tool(const CommandLine& line, const CatalogResources* builtIn, std::ostream& out, std::ostream& err)
      : line_(line), songs_(line, builtIn, err), out_(out) {}

  void Run() {
    const std::string& c = line_.command;
    if (c == "build") Build();
    else if (c == "list") List();
    else if (c == "search") Search();
    else if (c == "words") Words();
    else if (c == "timing") Timing();
    else if (c == "midi") Midi();
    else throw UsageError{c.empty() ? "no command given" : "unknown command " + c};
  }

 private:
  void ExpectOperands(std::size_t n) const {
    if (line_.operands.size() != n) throw UsageError{line_.command + ": wrong number of arguments"};
  }

  static std::string Code(std::uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "%.4u", code);
    return text;
  }

  void PrintFound() {
    TSongsCatalog& disc = songs_.Disc();
    for (int i = 0; i < disc.Count(); ++i) {
      const TSongHeader& r = disc.Record(i);
      if (!r.Found) continue;
      out_ << Code(r.Code) << '\t' << Cp1251ToUtf8(r.Name) << '\t' << Cp1251ToUtf8(r.Singer) << '\t'
           << Cp1251ToUtf8(r.MusicAuthor) << '\t' << Cp1251ToUtf8(r.LyricAuthor) << '\n';
    }
    if (SongLibrary* library = songs_.Library()) {
      for (const LibrarySong& s : library->songs) {
        if (!s.found) continue;
        const KaraokeFields& f = s.fields;
        out_ << Code(s.code) << '\t' << f.title << '\t' << f.singer << '\t' << f.musicAuthor << '\t'
             << f.lyricAuthor << '\t' << s.file.path << '\n';
      }
    }
  }

  void Build() {
    ExpectOperands(2);
    const std::string& disc = line_.operands[0];
    const std::string& outDir = line_.operands[1];
    TSongsCatalog& catalog = songs_.Disc();
    if (!catalog.ReadCatalog(disc)) {
      for (const char* name : {"rmidi_of.img", "rmidi.img"}) {
        const std::string path = JoinPath(disc, name);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) throw Failure{"file \"" + path + "\" not found"};
      }
      throw Failure{"the disc in \"" + disc + "\" cannot be read"};
    }
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    catalog.SaveCatalog(outDir);
  }

  void List() {
    ExpectOperands(0);
    songs_.Load(false);
    PrintFound();
  }

  void Search() {
    ExpectOperands(1);
    if (!line_.searchMode) throw UsageError{"search: --by MODE is needed"};
    const std::string& mode = *line_.searchMode;
    const std::string& query = line_.operands[0];
    void (TSongsCatalog::*discSearch)(const std::string&) = nullptr;
    std::string KaraokeFields::*field = nullptr;
    if (mode == "title") discSearch = &TSongsCatalog::SearchInName, field = &KaraokeFields::title;
    else if (mode == "singer") discSearch = &TSongsCatalog::SearchInSinger, field = &KaraokeFields::singer;
    else if (mode == "music") discSearch = &TSongsCatalog::SearchInMusic, field = &KaraokeFields::musicAuthor;
    else if (mode == "lyricist") discSearch = &TSongsCatalog::SearchInLyric, field = &KaraokeFields::lyricAuthor;
    else if (mode == "lyrics") discSearch = &TSongsCatalog::SearchFullText;
    else if (mode != "code") throw UsageError{"search: unknown mode " + mode};

    const bool lyrics = mode == "lyrics";
    if (lyrics && songs_.HasDiscSongs() && !line_.discDir) throw UsageError{"search: --by lyrics needs --disc DIR"};
    songs_.Load(lyrics);
    SongLibrary* library = songs_.Library();
    if (mode == "code") {
      const std::string cp1251 = Utf8ToCp1251(query);
      const std::optional<std::int32_t> code = ParseInteger(cp1251);
      if (!code) throw NotAnIntegerError(query);
      songs_.Disc().SearchByOstrelCode(static_cast<std::uint32_t>(*code), true);
      if (library) SearchLibraryCode(*library, static_cast<std::uint32_t>(*code), true);
    } else {
      (songs_.Disc().*discSearch)(Utf8ToCp1251(query));
      if (library && lyrics) SearchLibraryWords(*library, query);
      else if (library) SearchLibraryField(*library, field, query);
    }
    PrintFound();
  }

  // The song named by the first operand, with the disc's image open for reading it.
  SongRef OpenSong(std::size_t operands) {
    ExpectOperands(operands);
    if (!line_.discDir && !line_.libraryDir) throw UsageError{line_.command + ": --disc DIR is needed"};
    songs_.Load(songs_.HasDiscSongs());
    const std::string& operand = line_.operands[0];
    const std::optional<std::int32_t> code = ParseInteger(Utf8ToCp1251(operand));
    if (!code) throw NotAnIntegerError(operand);
    SongRef song;
    song.discIndex = songs_.Disc().SearchByOstrelCode(static_cast<std::uint32_t>(*code), true);
    if (song.discIndex < 0 && songs_.Library()) {
      SongLibrary& library = *songs_.Library();
      const int i = SearchLibraryCode(library, static_cast<std::uint32_t>(*code), true);
      if (i >= 0) song.librarySong = &library.songs[static_cast<std::size_t>(i)];
    }
    if (song.discIndex < 0 && !song.librarySong) throw Failure{"song " + operand + " is not in the catalogue"};
    return song;
  }

  KaraokeSong ReadAgain(const LibrarySong& s) {
    KaraokeReadResult r = ReadLibrarySong(*songs_.Library(), s);
    if (!r.ok) throw Failure{JoinPath(songs_.Library()->folder, s.file.path) + ": " + r.reason};
    return std::move(r.song);
  }

  void Words() {
    const SongRef song = OpenSong(1);
    if (song.librarySong) out_ << ReadAgain(*song.librarySong).words;
    else out_ << Cp1251ToUtf8(songs_.Disc().GetWodrs(song.discIndex));
  }

  void Timing() {
    const SongRef song = OpenSong(1);
    std::vector<TimingPair> pairs;
    if (song.librarySong) {
      pairs = ReadAgain(*song.librarySong).timing;
    } else {
      Bytes points;
      songs_.Disc().LoadPoints(song.discIndex, points);
      pairs = DecodeTiming(points);
    }
    for (const TimingPair& p : pairs) out_ << p.start << ' ' << p.length << '\n';
  }

  void Midi() {
    const SongRef song = OpenSong(2);
    Bytes midi;
    if (song.librarySong) {
      midi = LibrarySongBytes(*songs_.Library(), *song.librarySong);
    } else {
      songs_.Disc().LoadMidi(song.discIndex, midi);
      RepairFirstTrackLength(midi);
    }
    WriteWholeFile(line_.operands[1], midi);
  }

  const CommandLine& line_;
  SongSources songs_;
  std::ostream& out_;
};

}  // namespace

int RunCatalogTool(const std::vector<std::string>& args, const CatalogResources* builtIn,
                   std::ostream& out, std::ostream& err) {
  try {
    const CommandLine line = ParseCommandLine(args);
    if (line.help) {
      out << kUsage;
      return 0;
    }
    Tool(line, builtIn, out, err).Run();
    out.flush();
    if (!out) {
      err << "writing the output failed\n";
      return 1;
    }
    return 0;
  } catch (const UsageError& e) {
    err << e.message << '\n' << kUsage;
    return 2;
  } catch (const Failure& e) {
    err << e.message << '\n';
  } catch (const std::exception& e) {
    err << e.what() << '\n';
  }
  return 1;
}

}  // namespace lyrova::catalog_tool
