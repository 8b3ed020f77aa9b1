#include "language/MessageSeam.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

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

class TRealDialogs final : public TDialogSeam {
 public:
  int ShowMessageBox(const QString& text, int flags) override {
    QMessageBox box(IconFor(flags), ApplicationTitle(), text, QMessageBox::NoButton, QApplication::activeWindow());
    if ((flags & 0x0F) == 3) {
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
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
  QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                          const QString& filter) override {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
  }
  QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                          QString* selectedFilter) override {
    return QFileDialog::getSaveFileName(parent, caption, dir, filter, selectedFilter);
  }
  int Exec(QDialog& dialog) override { return dialog.exec(); }
};

TDialogSeam* installed = nullptr;

}  // namespace

TDialogSeam& Dialogs() {
  static TRealDialogs real;
  return installed ? *installed : real;
}

void SetDialogs(TDialogSeam* seam) { installed = seam; }

QString ApplicationTitle() { return QStringLiteral("Tintorium"); }

}  // namespace tintorium
