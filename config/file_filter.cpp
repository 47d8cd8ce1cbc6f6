#include "config/file_filter.h"

#include <QStringList>

namespace lyrova {
namespace {

// "*.LPL" becomes "*.[lL][pP][lL]": file names on Linux keep their case, the
// files the filters stand for come in any.
QString AnyCase(const QString& pattern) {
  QString out;
  for (const QChar c : pattern) {
    if (c.toLower() != c.toUpper())
      out += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
    else
      out += c;
  }
  return out;
}

}  // namespace

QString QtFileFilter(const QString& windowsFilter) {
  const QStringList parts = windowsFilter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString p = pattern.trimmed();
      const QString form = p == QLatin1String("*.*") ? QStringLiteral("*") : AnyCase(p);
      if (!patterns.contains(form)) patterns << form;
    }
    filters << parts[i] + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters.join(QLatin1String(";;"));
}

QString FilterSuffix(const QString& qtFilter) {
  const qsizetype start = qtFilter.indexOf(QLatin1String("*."));
  if (start < 0) return {};
  QString suffix;
  for (qsizetype i = start + 2; i < qtFilter.size(); ++i) {
    const QChar c = qtFilter[i];
    if (c == QLatin1Char(' ') || c == QLatin1Char(')')) break;
    if (c == QLatin1Char('*') || c == QLatin1Char('?')) return {};
    if (c == QLatin1Char('[')) {
      const qsizetype close = qtFilter.indexOf(QLatin1Char(']'), i);
      if (close < 0 || close == i + 1) return {};
      suffix += qtFilter[i + 1].toLower();
      i = close;
    } else {
      suffix += c.toLower();
    }
  }
  return suffix;
}

int FilterIndex(const QStringList& qtFilters, const QString& selected) {
  for (qsizetype i = 0; i < qtFilters.size(); ++i) {
    const QString& f = qtFilters[i];
    if (f == selected || f.left(f.lastIndexOf(QLatin1String(" ("))) == selected) return static_cast<int>(i);
  }
  return 0;
}

QString NameForFilter(const QString& path, const QStringList& qtFilters, int chosen, const QString& defaultSuffix) {
  const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString extension = dot > 0 ? name.mid(dot + 1).toLower() : QString();
  if (!extension.isEmpty()) {
    for (const QString& filter : qtFilters) {
      if (FilterSuffix(filter) == extension) return path;
    }
  }
  const QString suffix = chosen >= 0 && chosen < qtFilters.size() ? FilterSuffix(qtFilters[chosen]) : QString();
  if (!suffix.isEmpty()) return path + QLatin1Char('.') + suffix;
  if (dot <= 0 && !defaultSuffix.isEmpty()) return path + QLatin1Char('.') + defaultSuffix;
  return path;
}

}  // namespace lyrova
