#include "tools/catalog/catalog_tool.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "catalog/catalog_errors.h"
#include "catalog/cp1251.h"
#include "catalog/file_path.h"
#include "catalog/file_writer.h"
#include "catalog/integer_text.h"
#include "catalog/midi_repair.h"
#include "catalog/points.h"
#include "catalog/songs_catalog.h"
#include "tools/catalog/command_line.h"

namespace lyrova::catalog_tool {
namespace {

constexpr char kUsage[] =
    "usage: lyrova-catalog build DISC_DIR OUT_DIR\n"
    "       lyrova-catalog list [--catalog DIR]\n"
    "       lyrova-catalog search [--catalog DIR] [--disc DIR] --by MODE QUERY\n"
    "           MODE: code, title, singer, music, lyricist or lyrics (needs --disc)\n"
    "       lyrova-catalog words [--catalog DIR] --disc DIR CODE\n"
    "       lyrova-catalog timing [--catalog DIR] --disc DIR CODE\n"
    "       lyrova-catalog midi [--catalog DIR] --disc DIR CODE OUT_FILE\n";

// A failure to report in UTF-8, exit code 1.
struct Failure {
  std::string message;
};

std::string ReadCatalogFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure{"cannot read \"" + path + "\": " + std::strerror(errno)};
  std::string bytes(std::istreambuf_iterator<char>(in), {});
  if (in.bad()) throw Failure{"cannot read \"" + path + "\""};
  return bytes;
}

std::span<const std::uint8_t> AsBytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

class Tool {
 public:
  Tool(const CommandLine& line, const CatalogResources* builtIn, std::ostream& out)
      : line_(line), builtIn_(builtIn), out_(out) {}

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

  const std::string& Disc() const {
    if (!line_.discDir) throw UsageError{line_.command + ": --disc DIR is needed"};
    return *line_.discDir;
  }

  CatalogResources Resources() {
    if (line_.catalogDir) {
      bin_ = ReadCatalogFile(JoinPath(*line_.catalogDir, "catdata.bin"));
      txt_ = ReadCatalogFile(JoinPath(*line_.catalogDir, "catdata.txt"));
      return {AsBytes(bin_), AsBytes(txt_)};
    }
    if (builtIn_ == nullptr) throw UsageError{"no built-in catalogue: give --catalog DIR"};
    return *builtIn_;
  }

  void LoadWithDisc() {
    if (!catalog_.LoadCatalog(Disc(), Resources())) throw Failure{Cp1251ToUtf8(kImageNotFoundText)};
  }

  // The index of the song whose code the operand names.
  int SongIndex(const std::string& operand) {
    const std::optional<std::int32_t> code = ParseInteger(Utf8ToCp1251(operand));
    if (!code) throw NotAnIntegerError(Utf8ToCp1251(operand));
    const int index = catalog_.SearchByOstrelCode(static_cast<std::uint32_t>(*code), true);
    if (index < 0) throw Failure{"song " + operand + " is not in the catalogue"};
    return index;
  }

  void PrintRow(const TSongHeader& r) {
    char code[16];
    std::snprintf(code, sizeof code, "%.4u", r.Code);
    out_ << code << '\t' << Cp1251ToUtf8(r.Name) << '\t' << Cp1251ToUtf8(r.Singer) << '\t'
         << Cp1251ToUtf8(r.MusicAuthor) << '\t' << Cp1251ToUtf8(r.LyricAuthor) << '\n';
  }

  void PrintFound() {
    for (int i = 0; i < catalog_.Count(); ++i) {
      if (catalog_.Record(i).Found) PrintRow(catalog_.Record(i));
    }
  }

  void Build() {
    ExpectOperands(2);
    const std::string& disc = line_.operands[0];
    const std::string& outDir = line_.operands[1];
    if (!catalog_.ReadCatalog(disc)) {
      for (const char* name : {"rmidi_of.img", "rmidi.img"}) {
        const std::string path = JoinPath(disc, name);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) throw Failure{"file \"" + path + "\" not found"};
      }
      throw Failure{"the disc in \"" + disc + "\" cannot be read"};
    }
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    catalog_.SaveCatalog(outDir);
  }

  void List() {
    ExpectOperands(0);
    catalog_.LoadRecords(Resources());
    PrintFound();
  }

  void Search() {
    ExpectOperands(1);
    if (!line_.searchMode) throw UsageError{"search: --by MODE is needed"};
    const std::string& mode = *line_.searchMode;
    const std::string query = Utf8ToCp1251(line_.operands[0]);
    if (mode == "lyrics") {
      LoadWithDisc();
      catalog_.SearchFullText(query);
    } else {
      void (TSongsCatalog::*search)(const std::string&) = nullptr;
      if (mode == "title") search = &TSongsCatalog::SearchInName;
      else if (mode == "singer") search = &TSongsCatalog::SearchInSinger;
      else if (mode == "music") search = &TSongsCatalog::SearchInMusic;
      else if (mode == "lyricist") search = &TSongsCatalog::SearchInLyric;
      else if (mode != "code") throw UsageError{"search: unknown mode " + mode};
      catalog_.LoadRecords(Resources());
      if (search != nullptr) {
        (catalog_.*search)(query);
      } else {
        const std::optional<std::int32_t> code = ParseInteger(query);
        if (!code) throw NotAnIntegerError(query);
        catalog_.SearchByOstrelCode(static_cast<std::uint32_t>(*code), true);
      }
    }
    PrintFound();
  }

  // The song named by the first operand, with the disc opened for reading it.
  int OpenSong(int operands) {
    ExpectOperands(operands);
    Disc();  // a missing --disc is a usage error, found before any other
    catalog_.LoadRecords(Resources());
    const int index = SongIndex(line_.operands[0]);
    LoadWithDisc();
    return index;
  }

  void Words() {
    const int index = OpenSong(1);
    out_ << Cp1251ToUtf8(catalog_.GetWodrs(index));
  }

  void Timing() {
    const int index = OpenSong(1);
    Bytes points;
    catalog_.LoadPoints(index, points);
    for (const TimingPair& p : DecodeTiming(points)) out_ << p.start << ' ' << p.length << '\n';
  }

  void Midi() {
    const int index = OpenSong(2);
    Bytes midi;
    catalog_.LoadMidi(index, midi);
    RepairFirstTrackLength(midi);
    WriteWholeFile(line_.operands[1], midi);
  }

  const CommandLine& line_;
  const CatalogResources* builtIn_;
  std::ostream& out_;
  std::string bin_;
  std::string txt_;
  TSongsCatalog catalog_;
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
    Tool(line, builtIn, out).Run();
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
  } catch (const Error& e) {
    err << Cp1251ToUtf8(e.what()) << '\n';
  } catch (const std::exception& e) {
    err << e.what() << '\n';
  }
  return 1;
}

}  // namespace lyrova::catalog_tool
