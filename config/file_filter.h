#pragma once
// File dialog filters. The program's filters are written the Windows way,
// "Name|*.EXT|Name|*.ext", and are matched there without regard to case;
// Qt wants "Name (*.EXT *.ext);;..." and compares case on Linux.

#include <QString>
#include <QStringList>

namespace lyrova {

// Each pattern matches in any letter case ("*.LPL" becomes "*.[lL][pP][lL]");
// "*.*" becomes "*", since Linux file names need no dot.
QString QtFileFilter(const QString& windowsFilter);

// The extension, in lower case, that one filter of QtFileFilter's names
// first: "Звук FLAC (*.[fF][lL][aA][cC])" gives "flac"; empty for none.
QString FilterSuffix(const QString& qtFilter);

// Which of `qtFilters` a dialog's selected filter is: the dialog names it
// whole, or by its name alone when it hides the patterns. 0 when none.
int FilterIndex(const QStringList& qtFilters, const QString& selected);

// The file a save dialog's answer names: a name that does not end in one of
// the filters' extensions takes the chosen filter's ("song" with
// "Звук FLAC" chosen is "song.flac", and so is "Song 1.5"); one that does
// keeps it. Under a filter without an extension, a name without a dot takes
// `defaultSuffix`.
QString NameForFilter(const QString& path, const QStringList& qtFilters, int chosen, const QString& defaultSuffix);

}  // namespace lyrova
