// The .ts files as lupdate leaves them and translators fill them: each text
// the code marks has its wording in both languages, with the same %N.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <set>

namespace {

struct Message {
  QString context, source, translation;
  bool finished = false;
};

std::vector<Message> ReadTs(const QString& name) {
  QFile file(QStringLiteral(TRANSLATIONS_DIR "/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  std::vector<Message> messages;
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      messages.push_back({context, {}, {}, true});
    } else if (xml.name() == u"source") {
      messages.back().source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      const auto type = xml.attributes().value(QStringLiteral("type"));
      messages.back().finished = type.isEmpty();
      // Plural forms sit in <numerusform> children; their texts are joined.
      messages.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

std::set<QString> Placeholders(const QString& text) {
  static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
  std::set<QString> found;
  for (const auto& m : placeholder.globalMatch(text)) found.insert(m.captured());
  return found;
}

bool HasCyrillic(const QString& text) { return text.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}"))); }

std::string Where(const Message& m) { return (m.context + QStringLiteral(": ") + m.source).toStdString(); }

TEST(TranslationFiles, EveryTextHasItsWordingInBothLanguages) {
  const std::vector<Message> russian = ReadTs(QStringLiteral("lyrova_ru.ts"));
  const std::vector<Message> english = ReadTs(QStringLiteral("lyrova_en.ts"));
  ASSERT_FALSE(russian.empty());
  ASSERT_EQ(russian.size(), english.size()) << "run the update_translations target";
  for (std::size_t i = 0; i < russian.size(); ++i) {
    const Message& ru = russian[i];
    const Message& en = english[i];
    ASSERT_EQ(ru.source, en.source) << Where(ru);
    EXPECT_FALSE(HasCyrillic(ru.source)) << "source texts are English: " << Where(ru);
    EXPECT_TRUE(ru.finished && !ru.translation.isEmpty()) << "no Russian yet: " << Where(ru);
    EXPECT_TRUE(en.finished && !en.translation.isEmpty()) << "no English yet: " << Where(en);
    EXPECT_FALSE(HasCyrillic(en.translation)) << Where(en);
    // A lost or extra %N shows a raw "%2" or drops a file's name.
    EXPECT_EQ(Placeholders(ru.translation), Placeholders(ru.source)) << Where(ru);
    EXPECT_EQ(Placeholders(en.translation), Placeholders(en.source)) << Where(en);
  }
}

}  // namespace
