#include "support/ScriptedDialogs.h"

namespace tintorium::test {
namespace {

template <typename T>
T TakeFront(std::deque<T>& queue, T fallback) {
  if (queue.empty()) return fallback;
  T value = queue.front();
  queue.pop_front();
  return value;
}

}  // namespace

int TScriptedDialogs::ShowMessageBox(const QString& text, int flags) {
  messages.push_back({text, flags, {}});
  const int unanswered = flags == mfQuestion ? int(mrCancel) : flags == mfYesNoQuestion ? int(mrNo) : int(mrOK);
  return TakeFront(answers, unanswered);
}

int TScriptedDialogs::ShowChoiceBox(const QString& text, int flags, const QStringList& buttons) {
  messages.push_back({text, flags, buttons});
  const int answer = TakeFront(answers, int(mrCancel));
  return answer == mrYes || answer == mrOK ? 0 : int(buttons.size()) - 1;
}

QString TScriptedDialogs::GetOpenFileName(QWidget*, const QString& caption, const QString&, const QString& filter) {
  captions << caption;
  openFilters << filter;
  return TakeFront(openPaths, QString());
}

QString TScriptedDialogs::GetSaveFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter,
                                          QString* selectedFilter) {
  captions << caption;
  saveFilters << filter;
  saveStarts << dir;
  QString path = TakeFront(savePaths, QString());
  if (selectedFilter && selectedFilter->isEmpty()) *selectedFilter = filter.section(QStringLiteral(";;"), 0, 0);
  return path;
}

int TScriptedDialogs::Exec(QDialog& dialog) { return onExec ? onExec(dialog) : int(QDialog::Rejected); }

}  // namespace tintorium::test
