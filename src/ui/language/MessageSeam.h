#pragma once
// Every message box, question, file chooser and modal dialog goes through here, so tests can answer them.

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace tintorium {

/// The icon and button flags of a message box. mfQuestion offers Yes/No/Cancel, mfYesNoQuestion Yes/No.
enum TMessageFlags : int {
  mfError = 16,
  mfWarning = 48,
  mfInformation = 64,
  mfQuestion = 35,
  mfYesNoQuestion = 36
};
/// What a message box returns.
enum TMessageResult : int { mrOK = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class TDialogSeam {
 public:
  virtual ~TDialogSeam() = default;
  /// A modal box captioned with the application title; returns a TMessageResult.
  virtual int ShowMessageBox(const QString& text, int flags) = 0;
  /// A modal box like ShowMessageBox whose buttons carry `buttons` (the first is the default, the last is the
  /// answer to Escape or closing the box); returns the index of the button chosen.
  virtual int ShowChoiceBox(const QString& text, int flags, const QStringList& buttons) = 0;
  /// Empty when cancelled.
  virtual QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter) = 0;
  /// Never asks about an existing file: the caller knows the final name (an extension may still be added), so it
  /// asks with ConfirmOverwrite.
  virtual QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter, QString* selectedFilter) = 0;
  /// Runs a modal dialog; returns QDialog::Accepted or QDialog::Rejected.
  virtual int Exec(QDialog& dialog) = 0;
};

/// The seam in use: the real dialogs unless a test installed its own.
TDialogSeam& Dialogs();
/// Installs `seam` (not owned); nullptr restores the real dialogs.
void SetDialogs(TDialogSeam* seam);

inline int ShowMessageBox(const QString& text, int flags) { return Dialogs().ShowMessageBox(text, flags); }
inline int ShowChoiceBox(const QString& text, int flags, const QStringList& buttons) {
  return Dialogs().ShowChoiceBox(text, flags, buttons);
}

/// True when `fileName` does not exist yet, or the user agreed to replace it (a Yes/No question).
bool ConfirmOverwrite(const QString& fileName);

/// The window a box or chooser opened now belongs above: the active modal dialog, else the active window,
/// else the topmost visible window (one no other visible window stands on, a stay-on-top one first).
/// nullptr only when no window is visible.
QWidget* MessageBoxParent();

/// The caption of every message box.
QString ApplicationTitle();

}  // namespace tintorium
