#pragma once
// Help > "Tintorium Help" and F1: the user guide in the built-in viewer, opened at the chapter about the page
// or window in use. F1 reaches here from every window of the program, the modal ones included.

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace tintorium {

class THelpViewer;
class TMainActions;

class THelpCommand final : public QObject {
  Q_OBJECT
 public:
  /// The viewer opens over `window` (the main window); `currentPage` names the chapter of the tool page it
  /// shows, for F1 where nothing nearer has a chapter.
  THelpCommand(QWidget* window, std::function<QString()> currentPage);
  ~THelpCommand() override;

  /// Connects actHelpHelp (its key is F1 in the main window).
  void AttachActions(TMainActions& actions);

  /// The chapter F1 opens with the keyboard focus on `focus` (may be null): the current tool page's within the
  /// main window, else that of the window or floating panel `focus` is in (empty: the top of the guide).
  QString SectionFor(const QWidget* focus) const;
  /// Shows the viewer (made on first use) with the current language's guide at chapter `section`, or where it
  /// was when the guide has no such chapter. Returns the viewer.
  THelpViewer* ShowHelp(const QString& section);
  /// The viewer, null before the first ShowHelp (or after the dialog it sat over closed).
  THelpViewer* Viewer() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  std::function<QString()> currentPage_;
  QPointer<THelpViewer> viewer_;
};

}  // namespace tintorium
