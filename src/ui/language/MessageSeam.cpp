#include "ui/language/MessageSeam.h"

#include "engine/language/Messages.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace tintorium {
namespace {

QMessageBox::Icon IconFor(int flags) {
  switch (flags & 0xF0) {
    case mfError: return QMessageBox::Critical;
    case 0x30: return QMessageBox::Warning;
    case 0x20: return QMessageBox::Question;
    case mfInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

bool CanOwnBoxes(const QWidget* window) {
  if (!window || !window->isVisible() || window->isMinimized()) return false;
  switch (window->windowType()) {
    case Qt::Popup:
    case Qt::ToolTip:
    case Qt::SplashScreen:
    case Qt::Desktop: return false;
    default: return true;
  }
}

// Whether another visible window is transient for `window`, so stands above it.
bool HasVisibleTransient(const QWidget* window, const QWidgetList& windows) {
  return std::any_of(windows.begin(), windows.end(), [window](const QWidget* other) {
    return other != window && CanOwnBoxes(other) && other->parentWidget() &&
           other->parentWidget()->window() == window;
  });
}

class TRealDialogs final : public TDialogSeam {
 public:
  int ShowMessageBox(const QString& text, int flags) override {
    QMessageBox box(IconFor(flags), ApplicationTitle(), text, QMessageBox::NoButton, MessageBoxParent());
    if ((flags & 0x0F) == 3) {
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
    } else if ((flags & 0x0F) == 4) {
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::No);  // replacing a file is never the default
    } else {
      box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
      case QMessageBox::Yes: return mrYes;
      case QMessageBox::No: return mrNo;
      case QMessageBox::Cancel: return mrCancel;
      default: return mrOK;
    }
  }
  int ShowChoiceBox(const QString& text, int flags, const QStringList& buttons) override {
    QMessageBox box(IconFor(flags), ApplicationTitle(), text, QMessageBox::NoButton, MessageBoxParent());
    QList<QAbstractButton*> added;
    for (int i = 0; i < buttons.size(); ++i) {
      const bool last = i == buttons.size() - 1;
      added << box.addButton(buttons[i], last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    if (!added.isEmpty()) {
      box.setDefaultButton(static_cast<QPushButton*>(added.front()));
      box.setEscapeButton(added.back());
    }
    box.exec();
    const int chosen = int(added.indexOf(box.clickedButton()));
    return chosen >= 0 ? chosen : int(added.size()) - 1;
  }
  QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                          const QString& filter) override {
    return QFileDialog::getOpenFileName(parent ? parent : MessageBoxParent(), caption, dir, filter);
  }
  QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                          QString* selectedFilter) override {
    return QFileDialog::getSaveFileName(parent ? parent : MessageBoxParent(), caption, dir, filter, selectedFilter,
                                        QFileDialog::DontConfirmOverwrite);
  }
  int Exec(QDialog& dialog) override { return dialog.exec(); }
};

TDialogSeam* installed = nullptr;

}  // namespace

QWidget* MessageBoxParent() {
  // Right after a dialog closes no window is active until the window manager says so; a box without a parent
  // would then open behind a stay-on-top window and block it.
  if (QWidget* modal = QApplication::activeModalWidget(); CanOwnBoxes(modal)) return modal;
  if (QWidget* active = QApplication::activeWindow(); CanOwnBoxes(active)) return active;
  const QWidgetList windows = QApplication::topLevelWidgets();
  QWidget* topmost = nullptr;
  for (QWidget* window : windows) {
    if (!CanOwnBoxes(window) || HasVisibleTransient(window, windows)) continue;
    const bool onTop = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (!topmost || (onTop && !topmost->windowFlags().testFlag(Qt::WindowStaysOnTopHint))) topmost = window;
  }
  return topmost;
}

TDialogSeam& Dialogs() {
  static TRealDialogs real;
  return installed ? *installed : real;
}

void SetDialogs(TDialogSeam* seam) { installed = seam; }

bool ConfirmOverwrite(const QString& fileName) {
  if (!QFileInfo::exists(fileName)) return true;
  return ShowMessageBox(FormatMessage(sOverwritePrompt, {QDir::toNativeSeparators(fileName)}), mfYesNoQuestion) ==
         mrYes;
}

QString ApplicationTitle() { return QStringLiteral("Tintorium"); }

}  // namespace tintorium
