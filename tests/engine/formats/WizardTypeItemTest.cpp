// The wizards' type items and the engine tables behind both type lists.
#include "engine/formats/ExportRules.h"
#include "engine/formats/ImportRules.h"
#include "engine/formats/WizardTypeItem.h"

#include <gtest/gtest.h>

namespace tintorium {
namespace {

TEST(WizardTypeItem, CutAtTheFirstSeparatorOfEachKind) {
  const TWizardTypeItem item = ParseWizardTypeItem(
      "Web-page (HTML/CSS)=HTML,CSS+Import colors from local saved web-page~Web-page (*.html;*htm)|*.html;*htm");
  EXPECT_EQ(item.Name, "Web-page (HTML/CSS)");
  EXPECT_EQ(item.Label, "HTML,CSS");
  EXPECT_EQ(item.Description, "Import colors from local saved web-page");
  EXPECT_EQ(item.Filter, "Web-page (*.html;*htm)|*.html;*htm");
  EXPECT_EQ(ChooserFilter(item.Filter), "Web-page (*.html *htm)");
  EXPECT_EQ(FilterExtensions(item.Filter), (QStringList{"html", "htm"}));

  const TWizardTypeItem bare = ParseWizardTypeItem("Only a name");
  EXPECT_EQ(bare.Name, "Only a name");
  EXPECT_TRUE(bare.Label.isEmpty() && bare.Description.isEmpty() && bare.Filter.isEmpty());
  // Later separators belong to the part they stand in.
  const TWizardTypeItem extra = ParseWizardTypeItem("A=B+C=D+E~F~G|*.g");
  EXPECT_EQ(extra.Label, "B");
  EXPECT_EQ(extra.Description, "C=D+E");
  EXPECT_EQ(extra.Filter, "F~G|*.g");
}

struct TNameCase {
  int type;  // index into ExportTypes()
  const char* chosen;
  const char* result;
};

class ExportFileNameTest : public ::testing::TestWithParam<TNameCase> {};

TEST_P(ExportFileNameTest, AKnownExtensionStaysAnyOtherGetsTheTypes) {
  const TExportType& type = ExportTypes()[std::size_t(GetParam().type)];
  EXPECT_EQ(ExportFileName(QString::fromUtf8(GetParam().chosen), ParseWizardTypeItem(QString::fromUtf8(type.Item)),
                           ExportTypeExtensions(type)),
            QString::fromUtf8(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(Names, ExportFileNameTest,
                         ::testing::Values(TNameCase{3, "/t/colors.htm", "/t/colors.htm"},
                                           TNameCase{3, "/t/colors", "/t/colors.php"},
                                           TNameCase{3, "/t/Colors.HTML", "/t/Colors.html"},
                                           TNameCase{0, "/t/swatches.act", "/t/swatches.act.aco"},
                                           TNameCase{4, "/t/picture.jpeg", "/t/picture.jpeg"},
                                           TNameCase{4, "/t/picture", "/t/picture.png"},
                                           TNameCase{2, "/t/my.site/style", "/t/my.site/style.css"},
                                           TNameCase{6, "/t/gimp", "/t/gimp.gpl"},
                                           TNameCase{7, "/t/adobe.ASE", "/t/adobe.ase"}));

// The tables are the one list: every extension a type names reaches a reader or the type's own writer.
TEST(WizardTypeTables, EveryListedExtensionReachesItsReaderOrWriter) {
  ASSERT_GE(ImportTypes().size(), 7u);
  int addresses = 0;
  for (const TImportType& type : ImportTypes()) {
    const TWizardTypeItem item = ParseWizardTypeItem(QString::fromUtf8(type.Item));
    EXPECT_FALSE(item.Name.isEmpty() || item.Label.isEmpty() || item.Description.isEmpty()) << type.Item;
    if (type.IsAddress) {
      ++addresses;
      continue;
    }
    ASSERT_FALSE(FilterExtensions(item.Filter).isEmpty()) << type.Item;
    for (const QString& extension : FilterExtensions(item.Filter))
      EXPECT_NE(ImportSourceForPath("a." + extension), TImportSource::None) << type.Item;
  }
  EXPECT_EQ(addresses, 1);

  ASSERT_GE(ExportTypes().size(), 8u);
  for (const TExportType& type : ExportTypes()) {
    const TWizardTypeItem item = ParseWizardTypeItem(QString::fromUtf8(type.Item));
    EXPECT_FALSE(item.Name.isEmpty() || item.Label.isEmpty() || item.Description.isEmpty()) << type.Item;
    const QStringList extensions = ExportTypeExtensions(type);
    for (const QString& extension : FilterExtensions(item.Filter)) EXPECT_TRUE(extensions.contains(extension)) << type.Item;
    TExportOptions options;
    ApplyExportType(type, options);
    for (const QString& extension : extensions) EXPECT_EQ(ExportWriterFor("a." + extension, options), type.Writer) << type.Item;
    EXPECT_EQ(type.Options == TExportOptionsKind::SwatchImage, type.Writer == TExportWriter::SwatchImage);
    const bool forCode = type.Writer == TExportWriter::CssVariables || type.Writer == TExportWriter::Scss ||
                         type.Writer == TExportWriter::DesignTokens || type.Writer >= TExportWriter::ScaleCss;
    EXPECT_EQ(type.Options == TExportOptionsKind::CodeNotation, forCode) << type.Item;
  }
  // The formats beyond the original lists are offered both ways.
  for (const char* label : {"GPL", "ASE"}) {
    const auto listed = [label](const auto& types) {
      for (const auto& type : types) {
        if (ParseWizardTypeItem(QString::fromUtf8(type.Item)).Label == QLatin1String(label)) return true;
      }
      return false;
    };
    EXPECT_TRUE(listed(ImportTypes())) << label;
    EXPECT_TRUE(listed(ExportTypes())) << label;
  }
}

TEST(WizardTypeTables, MediaTypesChooseTheReaderOfUnnamedDownloads) {
  const std::pair<const char*, TImportSource> cases[] = {
      {"text/html", TImportSource::WebText},  {"TEXT/CSS", TImportSource::WebText},
      {"application/xhtml+xml", TImportSource::WebText}, {"image/png", TImportSource::Image},
      {"image/jpeg", TImportSource::Image},   {"image/bmp", TImportSource::Image},
      {"image/gif", TImportSource::Gif},      {"text/plain", TImportSource::None},
      {"", TImportSource::None},              {"image/svg+xml", TImportSource::None}};
  for (const auto& [type, source] : cases) EXPECT_EQ(ImportSourceForMediaType(type), source) << type;
}

TEST(WizardTypeTables, ImportOptionsAreOneRowEach) {
  TImportOptions options;
  for (const TImportOptionFlag& flag : ImportOptionFlags()) {
    EXPECT_FALSE(options.*(flag.Flag)) << flag.Key;  // off when the wizard opens
    options.*(flag.Flag) = true;
  }
  EXPECT_TRUE(options.NoDuplicates && options.NoGrays);
}

}  // namespace
}  // namespace tintorium
