// The number format of the language in use: the decimal sign of the figures shown, taken from the language file.
#include "engine/language/Language.h"
#include "engine/language/LanguageLocale.h"
#include "engine/language/Messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>

#include <cmath>
#include <limits>

namespace tintorium {
namespace {

const QString kLanguageFolder = QDir::cleanPath(QStringLiteral(TINTORIUM_TEST_DATA "/../../data/Language"));

class LanguageLocaleTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ResetMessages();
    SetCurrentLanguageName(QString());
    SetLanguageFolder(QString());
    QLocale::setDefault(QLocale::c());
  }
};

struct TNumberCase {
  const char* qtLocale;
  double value;
  int decimals;
  const char* shown;
};

TEST_F(LanguageLocaleTest, FiguresTakeTheDecimalSignOfTheNamedLocale) {
  const TNumberCase cases[] = {
      {"de", 4.5, 2, "4,50"},           {"en", 4.5, 2, "4.50"},         {"", 4.5, 2, "4.50"},
      {"de", 21.0, 2, "21,00"},         {"de", -67.26, 1, "-67,3"},     {"de", 0.012, 3, "0,012"},
      {"de", 1234.5, 2, "1234,50"},     {"en", 1234.5, 2, "1234.50"},   {"de_AT", 4.5, 2, "4,50"},
      {"fr", 4.5, 2, "4,50"},           {"pt_BR", 0.5, 1, "0,5"},       {"xx_bogus", 4.5, 2, "4.50"},
      {"de", -0.04, 1, "0,0"},          {"en", -0.0004, 3, "0.000"},    {"de", 7.0, 0, "7"},
      {"  de  ", 4.5, 2, "4,50"},       {"en", 4.5, 40, "4.500000000000000"},
  };
  for (const TNumberCase& c : cases) {
    SetLanguageLocale(QString::fromLatin1(c.qtLocale));
    EXPECT_EQ(LocaleNumber(c.value, c.decimals), QString::fromUtf8(c.shown)) << c.qtLocale << " " << c.value;
  }
  SetLanguageLocale(QStringLiteral("de"));
  EXPECT_EQ(LanguageDecimalPoint(), ",");
  EXPECT_FALSE(LocaleNumber(std::numeric_limits<double>::quiet_NaN(), 2).isEmpty());
  EXPECT_FALSE(LocaleNumber(-std::numeric_limits<double>::infinity(), 2).isEmpty());
  SetLanguageLocale(QString());
  EXPECT_EQ(LanguageDecimalPoint(), ".");
}

TEST_F(LanguageLocaleTest, TheSystemsNotationDoesNotDecide) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  SetLanguageLocale(QStringLiteral("en"));
  EXPECT_EQ(LocaleNumber(4.5, 2), "4.50");
  QLocale::setDefault(QLocale::c());
  SetLanguageLocale(QStringLiteral("de"));
  EXPECT_EQ(LocaleNumber(4.5, 2), "4,50");
}

TEST_F(LanguageLocaleTest, ChoosingALanguageFileSetsItsNotationAndResettingGoesBackToEnglish) {
  SetLanguageFolder(kLanguageFolder);
  SetCurrentLanguageName(QStringLiteral("deutsch.lng"));
  ASSERT_TRUE(ApplyGlobalLanguage());
  EXPECT_EQ(LocaleNumber(4.5, 2), "4,50");
  EXPECT_EQ(FormatMessage(sContrastRatio, {4.5}), QString::fromUtf8("Kontrastverh\u00e4ltnis = 4,50 : 1"));
  SetCurrentLanguageName(QStringLiteral("english.lng"));
  ASSERT_TRUE(ApplyGlobalLanguage());
  EXPECT_EQ(LocaleNumber(4.5, 2), "4.50");
  SetCurrentLanguageName(QStringLiteral("deutsch.lng"));
  ASSERT_TRUE(ApplyGlobalLanguage());
  ResetMessages();
  EXPECT_EQ(LocaleNumber(4.5, 2), "4.50");
}

}  // namespace
}  // namespace tintorium
