#pragma once
// A dialog seam for tests: records every message and answers from a script, never blocking.

#include "ui/language/MessageSeam.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

namespace tintorium::test {

class TScriptedDialogs final : public TDialogSeam {
 public:
  struct Message {
    QString text;
    int flags;
    QStringList buttons;  // the labels of a choice box; empty for a message box
  };

  TScriptedDialogs() { SetDialogs(this); }
  ~TScriptedDialogs() override { SetDialogs(nullptr); }

  /// Answers for the next message boxes, in order; once used up, boxes answer OK (Cancel for questions, No for
  /// Yes/No questions). A choice box takes the next answer too: mrYes or mrOK chooses its first button, any
  /// other its last.
  std::deque<int> answers;
  /// Paths for the next open/save choosers, in order; once used up, choosers are cancelled (empty).
  std::deque<QString> openPaths;
  std::deque<QString> savePaths;
  /// Called with each modal dialog instead of running it; returns its result. Unset: Rejected.
  std::function<int(QDialog&)> onExec;

  std::vector<Message> messages;
  QStringList saveFilters;  // the filter list each save chooser was shown
  QStringList saveStarts;   // where each save chooser started (a folder or a proposed file)
  QStringList openFilters;  // the filter list each open chooser was shown
  QStringList captions;     // the title of each open and save chooser, in order

  int ShowMessageBox(const QString& text, int flags) override;
  int ShowChoiceBox(const QString& text, int flags, const QStringList& buttons) override;
  QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override;
  QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString& filter,
                          QString* selectedFilter) override;
  int Exec(QDialog& dialog) override;
};

}  // namespace tintorium::test
