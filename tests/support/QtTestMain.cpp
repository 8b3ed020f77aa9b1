// main() for widget tests: one QApplication for the whole run, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("TintoriumTests"));
  QApplication::setApplicationName(QStringLiteral("Tintorium"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
