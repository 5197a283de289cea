// The compiled tables, as the program reads them, against the texts they must yield; and the
// table sources against the key set, so that no table gains or loses a key unnoticed.
#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QXmlStreamReader>

#include "l10n/string_tables.h"
#include "tests/l10n/expected_texts.h"

namespace nobrix::l10n {
namespace {

using testing::kExpectedTexts;

QString expectedText(std::int32_t language, std::string_view key) {
  for (const auto& entry : kExpectedTexts) {
    if (entry.key == key) {
      const std::u16string_view text = entry.byLanguage[static_cast<std::size_t>(language)];
      return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    }
  }
  ADD_FAILURE() << "no expected text for " << key;
  return {};
}

// Message ids of a table's source file, read with an XML reader of our own so that a key
// present in the source but dropped by the build (or the reverse) shows up.
QSet<QString> sourceIds(std::int32_t language) {
  const QString path = QStringLiteral(NOBRIX_L10N_TRANSLATIONS_DIR "/") +
                       QString::fromLatin1(stringTableName(language).data()) +
                       QStringLiteral(".ts");
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QSet<QString> ids;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"message") {
      ids.insert(xml.attributes().value(QLatin1String("id")).toString());
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return ids;
}

class StringTablesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { tables_ = new StringTables; }
  static void TearDownTestSuite() {
    delete tables_;
    tables_ = nullptr;
  }
  static StringTables* tables_;
};
StringTables* StringTablesTest::tables_ = nullptr;

TEST_F(StringTablesTest, AllFourTablesAreBuiltIn) {
  for (std::int32_t language = 0; language < kLanguageCount; ++language) {
    EXPECT_TRUE(tables_->isLoaded(language)) << stringTableName(language);
  }
}

TEST_F(StringTablesTest, EveryTableYieldsEveryTextExactly) {
  for (std::int32_t language = 0; language < kLanguageCount; ++language) {
    for (const auto& entry : kExpectedTexts) {
      const QString actual = tables_->text(language, entry.key);
      const QString expected = expectedText(language, entry.key);
      EXPECT_EQ(actual, expected) << stringTableName(language) << " " << entry.key;
      // The code units themselves, so a no-break space can never pass as a space.
      EXPECT_EQ(actual.toStdU16String(), expected.toStdU16String());
    }
  }
}

// The texts written out above, and the rest beside them: each in all four tables.
TEST_F(StringTablesTest, SourcesHoldTheSameKeysEachWithAText) {
  QSet<QString> expectedKeys;
  for (const auto& entry : kExpectedTexts) {
    expectedKeys.insert(
        QString::fromLatin1(entry.key.data(), static_cast<qsizetype>(entry.key.size())));
  }
  ASSERT_EQ(expectedKeys.size(), static_cast<qsizetype>(testing::kExpectedKeyCount));
  const QSet<QString> english = sourceIds(kEnglish);
  EXPECT_TRUE(english.contains(expectedKeys));
  for (std::int32_t language = 0; language < kLanguageCount; ++language) {
    EXPECT_EQ(sourceIds(language), english) << stringTableName(language);
    for (const QString& key : english) {
      EXPECT_FALSE(tables_->text(language, key.toStdString()).isEmpty())
          << stringTableName(language) << " " << key.toStdString();
    }
  }
}

TEST_F(StringTablesTest, MultiLineTextsKeepCarriageReturnLineFeed) {
  const QString german = tables_->text(kGerman, "StrRes_AllUpdated");
  EXPECT_EQ(german, QStringLiteral("Alle ausgewählten Drucker wurden aktualisiert.\r\n"
                                   "Aktualisierte Drucker wären AUS."));
  for (std::int32_t language = 0; language < kLanguageCount; ++language) {
    const QString instructions = tables_->text(language, "StrRes_Instructions");
    EXPECT_EQ(instructions.count(QStringLiteral("\r\n")), 5);
    EXPECT_EQ(instructions.count(QLatin1Char('\n')), 5) << "a line feed without its CR";
  }
}

TEST_F(StringTablesTest, KnownQuirksOfTheTextsSurvive) {
  EXPECT_EQ(tables_->text(kEnglish, "StrRes_AllUpdated"),
            "All selected printers have been updated.Updated printers would be OFF.");
  EXPECT_EQ(tables_->text(kEnglish, "StrRes_ConnectPrinter"), "Please connect atleast one printer");
  EXPECT_TRUE(tables_->text(kEnglish, "StrRes_FhxInvalidExtension").contains(u"invlaid"));
  EXPECT_TRUE(tables_->text(kGerman, "StrRes_Instructions").contains(u"\u201EANFANG\u201C"));
  for (std::int32_t language = 0; language < kLanguageCount; ++language) {
    EXPECT_TRUE(tables_->text(language, "StrRes_ProgressUpdateSteps").endsWith(u' '));
  }
}

// Every French text, those written out above and the rest.
TEST_F(StringTablesTest, FrenchSpacesBeforeBangAndColonDoNotBreak) {
  for (const QString& id : sourceIds(kFrench)) {
    const std::string key = id.toStdString();
    const QString text = tables_->text(kFrench, key);
    for (qsizetype i = 1; i < text.size(); ++i) {
      if (text[i] != u'!' && text[i] != u':') {
        continue;
      }
      if (key == "StrRes_StatusUpdateTimeout") {
        EXPECT_NE(text[i - 1], QChar(0x00A0)) << "the one ordinary space";
      } else {
        EXPECT_NE(text[i - 1], u' ') << key << " at " << i;
      }
    }
  }
  EXPECT_EQ(tables_->text(kFrench, "StrRes_StatusUpdateTimeout"),
            "Mise à jour du firmware : délai dépassé");
  EXPECT_EQ(tables_->text(kFrench, "StrRes_StatusPrinterNotFound"),
            QStringLiteral("Erreur\u00A0: Imprimante introuvable\u00A0!"));
}

TEST_F(StringTablesTest, MissingKeyOrLanguageYieldsNoText) {
  EXPECT_TRUE(tables_->text(kEnglish, "StrRes_NoSuchKey").isEmpty());
  EXPECT_TRUE(tables_->text(kEnglish, "").isEmpty());
  EXPECT_TRUE(tables_->text(kLanguageCount, "StrRes_Start").isEmpty());
  EXPECT_TRUE(tables_->text(-1, "StrRes_Start").isEmpty());
}

}  // namespace
}  // namespace nobrix::l10n
