#include "translations/user_text_qt.h"

#include <QCoreApplication>

namespace lyrova {

QString Translated(const UserText& text) {
  if (text.IsPlain()) return QString::fromStdString(text.PlainText());
  std::vector<std::string> args;
  args.reserve(text.Args().size());
  for (const UserText& arg : text.Args()) args.push_back(Translated(arg).toStdString());
  const QString pattern = QCoreApplication::translate(UserText::kContext, text.Source());
  // The same filling as the English wording, so both languages agree on it.
  return QString::fromStdString(FillArguments(pattern.toStdString(), args));
}

QString ErrorText(const std::exception& error) {
  if (const auto* own = dynamic_cast<const Error*>(&error)) return Translated(*own);
  return QString::fromUtf8(error.what());
}

}  // namespace lyrova
