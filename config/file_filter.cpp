#include "config/file_filter.h"

#include <QStringList>

namespace lyrova {

QString QtFileFilter(const QString& windowsFilter) {
  const QStringList parts = windowsFilter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString p = pattern.trimmed();
      const QStringList forms = p == QLatin1String("*.*") ? QStringList{QStringLiteral("*")}
                                                          : QStringList{p, p.toLower(), p.toUpper()};
      for (const QString& form : forms) {
        if (!patterns.contains(form)) patterns << form;
      }
    }
    filters << parts[i] + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters.join(QLatin1String(";;"));
}

}  // namespace lyrova
