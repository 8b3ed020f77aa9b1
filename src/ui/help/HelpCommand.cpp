#include "ui/help/HelpCommand.h"

#include "ui/actions/MainActions.h"
#include "ui/help/HelpGuide.h"
#include "ui/help/HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tintorium {

THelpCommand::THelpCommand(QWidget* window, std::function<QString()> currentPage)
    : QObject(window), window_(window), currentPage_(std::move(currentPage)) {
  // F1 in the main window is its action's key; in every other window it arrives here as a key press.
  qApp->installEventFilter(this);
}

THelpCommand::~THelpCommand() {
  qApp->removeEventFilter(this);
  delete viewer_.data();
}

THelpViewer* THelpCommand::Viewer() const { return viewer_; }

void THelpCommand::AttachActions(TMainActions& actions) {
  connect(actions.actHelpHelp, &QAction::triggered, this,
          [this] { ShowHelp(SectionFor(QApplication::focusWidget())); });
}

QString THelpCommand::SectionFor(const QWidget* focus) const {
  // Anywhere in the main window F1 explains the tool page in view, wherever the focus was left; a floating
  // panel and every other window have chapters of their own.
  if ((!focus || focus->window() == window_) && currentPage_) return currentPage_();
  return HelpSectionFor(focus);
}

THelpViewer* THelpCommand::ShowHelp(const QString& section) {
  // A modal dialog blocks every window but its own: the viewer then opens over it, or it could not be used.
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner) owner = window_;
  if (viewer_ && viewer_->parentWidget() != owner) {
    viewer_->setParent(owner, viewer_->windowFlags());
  }
  if (!viewer_) viewer_ = new THelpViewer(owner);
  const QString guide = CurrentGuideFile();
  if (viewer_->GuideFile() != guide) viewer_->LoadGuide(guide);
  viewer_->ShowSection(section);
  viewer_->show();
  viewer_->raise();
  viewer_->activateWindow();
  return viewer_;
}

bool THelpCommand::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  // Not while the screen picker holds the keyboard, and not inside the guide itself.
  if (!widget || QWidget::keyboardGrabber() || (viewer_ && widget->window() == viewer_)) return false;
  ShowHelp(SectionFor(widget));
  return true;
}

}  // namespace tintorium
