#pragma once
// File dialog filters. The program's filters are written the Windows way,
// "Name|*.EXT|Name|*.ext", and are matched there without regard to case;
// Qt wants "Name (*.EXT *.ext);;..." and compares case on Linux.

#include <QString>

namespace lyrova {

// Each pattern matches in any letter case ("*.LPL" becomes "*.[lL][pP][lL]");
// "*.*" becomes "*", since Linux file names need no dot.
QString QtFileFilter(const QString& windowsFilter);

// The extension, in lower case, that one filter of QtFileFilter's names
// first: "Звук FLAC (*.[fF][lL][aA][cC])" gives "flac"; empty for none.
QString FilterSuffix(const QString& qtFilter);

}  // namespace lyrova
