#pragma once
// Export templates: a text file a user writes to export a palette in a form of their own. The language is
// placeholders and sections only, so a template can neither compute nor reach files or programs:
//
//   kind: xml; extension: xml; title: Android colors.xml     <- first line: the kind, optionally the
//   <resources>                                                 extension written and the wizard's title
//   {{#colors}}
//     <color name="{{ident}}">#{{HEX}}</color>{{^last}}<!-- more -->{{/last}}
//   {{/colors}}
//   </resources>
//
// Palette placeholders: {{palette}} (its name), {{count}}. Inside {{#colors}} ... {{/colors}}: {{name}},
// {{hex}} (ff8000), {{HEX}} (FF8000), {{r}} {{g}} {{b}} (0-255), {{h}} (0-359) {{s}} {{v}} (0-100),
// {{l}} (0-100) {{a}} {{b_lab}} (-128-127), {{c}} {{m}} {{y}} {{k}} (0-100), {{oklch}} and {{css_rgb}} (CSS
// notations), {{index}} (from 0) and {{number}} (from 1), {{slug}} (the name in lower case with dashes,
// unique in the file, from the hex for an unnamed colour), {{ident}} (likewise with underscores and ASCII only:
// a C, Java, JavaScript or Android resource name), and the sections {{#last}} ... {{/last}} (only for the last
// colour) and {{^last}} ... {{/last}} (for all others). A section tag alone on its line takes that line with
// it. The kind decides how {{name}} and {{palette}} are escaped: xml and html as markup (safe in a comment
// too), json and js as string contents (js: in any quote), css as string contents (safe in a comment too),
// markdown with backslashes (safe in a table cell), text as is. Control characters never pass as they are.

#include "core/ColorObject.h"
#include "engine/files/FileResult.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tintorium {

enum class TTemplateKind : std::uint8_t { Xml, Html, Json, Css, Js, Text, Markdown };

/// The largest template file read (bytes) and the largest text one renders (UTF-16 code units): a template
/// repeats for every colour, so its output is checked as it grows.
inline constexpr qint64 kMaxTemplateBytes = 256 * 1024;
inline constexpr qsizetype kMaxTemplateOutput = 64 * 1024 * 1024;

/// Why a template was refused: the text, and where (line and column from 1; column in characters).
struct TTemplateError {
  int Line = 0;
  int Column = 0;
  QString Text;
  /// "line 3, column 7: unknown placeholder {{nmae}}".
  QString Message() const;
};

class TExportTemplate {
 public:
  struct TNode;

  TExportTemplate();
  TExportTemplate(const TExportTemplate&);
  TExportTemplate& operator=(const TExportTemplate&);
  TExportTemplate(TExportTemplate&&) noexcept;
  TExportTemplate& operator=(TExportTemplate&&) noexcept;
  ~TExportTemplate();

  /// The template in `text` (its whole file, first line included), or why it is refused.
  static TExportTemplate Parse(QStringView text, TTemplateError* error);
  /// Parse of the UTF-8 file at `path` (at most kMaxTemplateBytes); a file that cannot be read is refused at
  /// line 0 with "Could not read file!".
  static std::optional<TExportTemplate> Load(const QString& path, TTemplateError* error);

  bool IsValid() const { return valid_; }
  TTemplateKind Kind() const { return kind_; }
  /// The header's extension without the dot ("xml"), or the kind's usual one.
  const QString& Extension() const { return extension_; }
  /// The header's title, or empty.
  const QString& Title() const { return title_; }

  /// The text for `colors` (each named; an empty name counts as none) of the palette `paletteName`; nothing
  /// when it would exceed kMaxTemplateOutput.
  /// `maxOutput` is for tests.
  std::optional<QString> Render(const TColors& colors, const QString& paletteName,
                                qsizetype maxOutput = kMaxTemplateOutput) const;

 private:
  bool valid_ = false;
  TTemplateKind kind_ = TTemplateKind::Text;
  QString extension_;
  QString title_;
  std::shared_ptr<const std::vector<TNode>> nodes_;  // immutable once parsed, so copies share it
};

/// "xml", "html", "json", "css", "js", "text", "markdown".
QString TemplateKindName(TTemplateKind kind);

/// `text` escaped for a template of `kind` (what {{name}} gets).
QString EscapeForTemplate(const QString& text, TTemplateKind kind);

/// Renders the template file `templatePath` for `colors` into `path` (UTF-8, through a temporary file). A
/// refused template fails with its TTemplateError::Message; a palette name that is empty becomes the target's
/// base name.
TFileResult WriteTemplateFile(const QString& path, const QString& templatePath, const TColors& colors,
                              const QString& paletteName);

}  // namespace tintorium
