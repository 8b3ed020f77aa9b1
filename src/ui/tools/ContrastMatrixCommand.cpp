#include "ui/tools/ContrastMatrixCommand.h"

#include "core/ColorVision.h"
#include "core/ContrastTarget.h"
#include "ui/actions/MainActions.h"
#include "ui/tools/ContrastMatrixForm.h"

#include <QAction>
#include <QWidget>

#include <string>

namespace tintorium {
namespace {

std::optional<TVisionView> ParseView(const QString& text) { return ParseVisionView(text.trimmed().toStdString()); }

std::optional<TContrastTarget> ParseFilter(const QString& text) {
  return ParseContrastTarget(text.trimmed().toStdString());
}

QString ViewTextOf(const std::optional<TVisionView>& view) {
  if (!view) return QStringLiteral("normal");
  const std::string_view kind = VisionKindName(view->Kind);
  return QString::fromLatin1(kind.data(), static_cast<qsizetype>(kind.size())) + u':' +
         QString::number(view->Severity, 'g', 3);
}

QString FilterTextOf(const std::optional<TContrastTarget>& filter) {
  if (!filter) return QStringLiteral("all");
  const std::string_view name = ContrastTargetName(*filter);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

TContrastMatrixCommand::TContrastMatrixCommand(TPaletteDocument& palette, QWidget* window)
    : QObject(window), palette_(palette), window_(window) {}

void TContrastMatrixCommand::AttachActions(TMainActions& actions) {
  connect(actions.actToolsContrastMatrix, &QAction::triggered, this, [this] { OpenMatrix(); });
}

void TContrastMatrixCommand::UpdateActions(TMainActions& actions) { actions.actToolsContrastMatrix->setEnabled(true); }

TContrastMatrixForm* TContrastMatrixCommand::Form() const { return form_; }

TContrastMatrixForm* TContrastMatrixCommand::OpenMatrix() {
  if (!form_) {
    form_ = new TContrastMatrixForm(&palette_, window_);
    form_->SetChoices(ParseView(view_), ParseFilter(filter_));
  }
  form_->Refresh();
  form_->show();
  form_->raise();
  form_->activateWindow();
  return form_;
}

QString TContrastMatrixCommand::ViewText() const { return form_ ? ViewTextOf(form_->ChosenView()) : view_; }

QString TContrastMatrixCommand::FilterText() const { return form_ ? FilterTextOf(form_->ChosenFilter()) : filter_; }

void TContrastMatrixCommand::SetChoices(const QString& view, const QString& filter) {
  // Kept as read, so a choice this version does not know survives a run that never opens the window.
  view_ = view;
  filter_ = filter;
  if (form_) form_->SetChoices(ParseView(view_), ParseFilter(filter_));
}

}  // namespace tintorium
