#include "engine/language/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

namespace tintorium {
namespace {

std::unique_ptr<QTranslator>& Installed() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

}  // namespace

bool UseQtTranslations(const QString& locale) {
  if (Installed()) {
    QCoreApplication::removeTranslator(Installed().get());
    Installed().reset();
  }
  // Only a plain locale name: the value comes from a file anyone may have written.
  static const QRegularExpression plain(QStringLiteral("^[A-Za-z]{2,3}(_[A-Za-z0-9]{2,4})?$"));
  if (locale.isEmpty() || !plain.match(locale).hasMatch() || !QCoreApplication::instance()) return false;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QLocale(locale), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  QCoreApplication::installTranslator(translator.get());
  Installed() = std::move(translator);
  return true;
}

}  // namespace tintorium
