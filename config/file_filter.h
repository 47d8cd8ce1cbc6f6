#pragma once
// File dialog filters. The program's filters are written the Windows way,
// "Name|*.EXT|Name|*.ext", and are matched there without regard to case;
// Qt wants "Name (*.EXT *.ext);;..." and compares case on Linux.

#include <QString>

namespace lyrova {

// Each pattern is offered in lower and upper case as well; "*.*" becomes
// "*", since Linux file names need no dot.
QString QtFileFilter(const QString& windowsFilter);

}  // namespace lyrova
