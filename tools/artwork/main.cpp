// Draws the program's pictures: the picture-button bitmaps, the video
// window's ON and OFF bitmaps and the program icon, into one folder.
//
//   lyrova-artwork OUTPUT_FOLDER [--sheet CONTACT_SHEET.png [--zoom N]]

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "tools/artwork/bmp_writer.h"
#include "tools/artwork/contact_sheet.h"
#include "tools/artwork/pictures.h"

namespace {

bool Fail(const QString& what) {
  std::fprintf(stderr, "lyrova-artwork: %s\n", qPrintable(what));
  return false;
}

bool WriteAll(const QDir& out, const QString& sheetPath, int zoom) {
  using namespace lyrova::artwork;
  std::vector<NamedPicture> all = ButtonPictures();
  for (NamedPicture& indicator : IndicatorPictures()) all.push_back(std::move(indicator));

  for (const NamedPicture& pic : all) {
    const QString path = out.filePath(pic.name + QStringLiteral(".bmp"));
    if (!WriteBmp24(pic.image, path)) return Fail(QStringLiteral("cannot write ") + path);
  }
  for (int size : {256, 128, 64, 48, 32, 24, 16}) {
    const QString path = out.filePath(QStringLiteral("lyrova-%1.png").arg(size));
    if (!ProgramIcon(size).save(path)) return Fail(QStringLiteral("cannot write ") + path);
  }
  if (!sheetPath.isEmpty()) {
    std::vector<NamedPicture> shown = all;
    shown.push_back({QStringLiteral("icon 48"), ProgramIcon(48)});
    shown.push_back({QStringLiteral("icon 32"), ProgramIcon(32)});
    if (!ContactSheet(shown, zoom).save(sheetPath))
      return Fail(QStringLiteral("cannot write ") + sheetPath);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing needs fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Draws Lyrova's button bitmaps and icon."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where to write them."));
  const QCommandLineOption sheet(QStringLiteral("sheet"),
                                 QStringLiteral("Also write a contact sheet of them all."),
                                 QStringLiteral("file.png"));
  parser.addOption(sheet);
  const QCommandLineOption zoom(QStringLiteral("zoom"),
                                QStringLiteral("Enlargement on the contact sheet (1 to 16)."),
                                QStringLiteral("n"), QStringLiteral("3"));
  parser.addOption(zoom);
  parser.process(app);
  if (parser.positionalArguments().size() != 1) parser.showHelp(2);

  const QDir out(parser.positionalArguments().front());
  if (!out.exists() && !QDir().mkpath(out.path())) {
    Fail(QStringLiteral("cannot create ") + out.path());
    return 1;
  }
  bool ok = false;
  const int factor = parser.value(zoom).toInt(&ok);
  if (!ok || factor < 1 || factor > 16) {
    Fail(QStringLiteral("the zoom must be a whole number from 1 to 16"));
    return 2;
  }
  return WriteAll(out, parser.value(sheet), factor) ? 0 : 1;
}
