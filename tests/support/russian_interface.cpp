// Linked into the tests that check the Russian texts the player must show:
// they run in Russian whatever the machine's locale, as soon as the
// application object exists.

#include <QCoreApplication>

#include "translations/interface_language.h"

namespace {

void SpeakRussian() { lyrova::InstallInterfaceLanguage(QLocale::Russian); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(SpeakRussian)
