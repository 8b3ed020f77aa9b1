#pragma once
// The export templates the program offers: the shipped ones (TemplatesFolder) and the user's own
// (UserTemplatesFolder), each a "*.tpl" file (ExportTemplate.h). The export wizard lists them as types.

#include "engine/formats/ExportTemplate.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tintorium {

/// The file name ending of a template.
inline constexpr const char* kTemplateSuffix = ".tpl";

struct TTemplateFile {
  QString Path;
  /// The header's title, or the file name without ".tpl".
  QString Title;
  /// What the output is written as, without the dot ("xml").
  QString Extension;
  TTemplateKind Kind = TTemplateKind::Text;
};

/// The valid templates of `folders`, in folder order and by file name within a folder (refused templates are
/// left out). A template in a later folder with the file name of an earlier one replaces it, so the user's
/// own copy of a shipped template wins.
std::vector<TTemplateFile> ListTemplates(const QStringList& folders);
/// ListTemplates of the shipped and the user's folder.
std::vector<TTemplateFile> AvailableTemplates();

/// The wizard item of a template ("Title=EXT+Export colors through the template file~Title (*.ext)|*.ext",
/// see ParseWizardTypeItem).
QString TemplateWizardItem(const TTemplateFile& file);

}  // namespace tintorium
