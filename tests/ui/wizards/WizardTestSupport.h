#pragma once
// Driving a wizard as a user would: shown, clicked through its buttons, typed into.

#include "ui/wizards/WizardDialog.h"
#include "ui/wizards/WizardTypeList.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tintorium::test {

inline void Click(TWizardDialog& wizard, QAction* action) {
  QPushButton* button = wizard.ButtonOf(action);
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isVisible()) << action->objectName().toStdString();
  QTest::mouseClick(button, Qt::LeftButton);
}

inline void ChooseType(TWizardDialog& wizard, int row) {
  TWizardTypeList* list = wizard.TypeList();
  const QRect rect = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  ASSERT_EQ(list->currentRow(), row);
}

inline void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

inline void ShowWizard(QWidget& wizard) {
  wizard.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&wizard));
}

inline QString WriteText(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

}  // namespace tintorium::test
