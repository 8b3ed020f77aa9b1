#include "ui/help/HelpGuide.h"

#include "engine/language/Language.h"
#include "engine/language/LanguageFile.h"
#include "engine/language/QtTranslations.h"
#include "engine/platform/AppPaths.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QWidget>

#include <array>
#include <utility>

namespace tintorium {
namespace {

// Tool pages in tab order.
constexpr std::array<const char*, 6> kToolPageSections = {"wheel", "variations", "mixer", "library", "spectrum", "image"};

// Object names of the program's windows, docks and pages, and the chapter about each.
constexpr std::pair<const char*, const char*> kSectionsByName[] = {
    {"tsColorWheel", "wheel"},
    {"tsVariations", "variations"},
    {"tsColorMixer", "mixer"},
    {"tsLibrary", "library"},
    {"tsSpectrum", "spectrum"},
    {"tsColorsFromImage", "image"},
    {"twBaseColor", "base"},
    {"twLibrary", "swatches"},
    {"twPalette", "palette"},
    {"frmContrastAnalyze", "contrast"},
    {"DesktopPickDialog", "screenpick"},
    {"PrintForm", "print"},
    {"OptionsForm", "options"},
    {"frmImport", "import-wizard"},
    {"frmExport", "export-wizard"},
    {"dlgEditColor", "palette"},
};

}  // namespace

QList<THelpSection> GuideSections(const QString& html) {
  static const QRegularExpression kHeading(
      QStringLiteral(R"re(<h2\b[^>]*\bid\s*=\s*"([^"]+)"[^>]*>(.*?)</h2\s*>)re"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  QList<THelpSection> sections;
  for (auto it = kHeading.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    sections.append({m.captured(1), QTextDocumentFragment::fromHtml(m.captured(2)).toPlainText().simplified()});
  }
  return sections;
}

QString GuideLanguage() {
  const auto file = LoadCurrentLanguage();
  if (!file) return {};
  for (const TLanguageEntry& entry : file->Section(QLatin1String(kGlobalSection))) {
    if (entry.key == QLatin1String(kQtLocaleKey)) return entry.value.trimmed().section(u'_', 0, 0).toLower();
  }
  return {};
}

QString CurrentGuideFile() { return HelpFile(GuideLanguage()); }

QString ToolPageSection(int index) {
  if (index < 0 || index >= static_cast<int>(kToolPageSections.size())) return {};
  return QLatin1String(kToolPageSections[static_cast<std::size_t>(index)]);
}

QString HelpSectionFor(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    for (const auto& [name, section] : kSectionsByName) {
      if (w->objectName() == QLatin1String(name)) return QLatin1String(section);
    }
  }
  return {};
}

}  // namespace tintorium
