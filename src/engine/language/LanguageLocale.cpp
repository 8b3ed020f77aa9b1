#include "engine/language/LanguageLocale.h"

#include <algorithm>
#include <cmath>

namespace tintorium {
namespace {

QLocale English() {
  QLocale locale(QLocale::English, QLocale::UnitedStates);
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale;
}

QLocale& Current() {
  static QLocale locale = English();
  return locale;
}

}  // namespace

QLocale LanguageLocale() { return Current(); }

void SetLanguageLocale(const QString& qtLocale) {
  const QString name = qtLocale.trimmed();
  QLocale locale(name);
  // QLocale falls back to C for a name it cannot place; C writes numbers as English does.
  if (name.isEmpty() || locale.language() == QLocale::C) locale = English();
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  Current() = locale;
}

QString LanguageDecimalPoint() { return Current().decimalPoint(); }

QString LocaleNumber(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 15);
  if (!std::isfinite(value)) return Current().toString(value, 'f', decimals);
  if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;
  return Current().toString(value, 'f', decimals);
}

}  // namespace tintorium
