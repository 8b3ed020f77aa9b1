#pragma once
// The user guide in a window of its own: the guide's HTML in a text browser, its contents list beside it and a
// find field above, so help works on a machine without a web browser. Links inside the guide move within it;
// links to anything else go to the desktop, and the viewer says so when nothing there can open them.

#include "ui/help/HelpGuide.h"

#include <QUrl>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QTextBrowser;
class QToolButton;

namespace tintorium {

/// Replaces how the viewer opens an outside link (tests); it returns whether anything opened the link. An empty
/// function restores QDesktopServices::openUrl.
void SetHelpLinkOpener(std::function<bool(const QUrl&)> opener);

class THelpViewer final : public QWidget {
  Q_OBJECT
 public:
  explicit THelpViewer(QWidget* parent = nullptr);

  /// Shows the guide in `file`; false (the viewer then shows the missing file's name) when it cannot be read.
  bool LoadGuide(const QString& file);
  QString GuideFile() const { return guideFile_; }
  /// The loaded guide's chapters, as its contents list shows them.
  const QList<THelpSection>& Sections() const { return sections_; }

  /// Scrolls chapter `id` to the top and selects it in the contents; false (nothing moves) for an unknown id.
  bool ShowSection(const QString& id);
  /// The chapter last shown by ShowSection or the contents list; empty at the top of the guide.
  QString CurrentSection() const { return currentSection_; }

  /// Selects the next (or previous) place where `text` occurs, without regard to letter case, going round the
  /// end; false, with a note beside the find field, when the guide does not hold it.
  bool Find(const QString& text, bool backward = false);

  /// Opens `url` as a click on a link in the guide would.
  void FollowLink(const QUrl& url);

  QTextBrowser* Browser() const { return tbHelp_; }
  QListWidget* Contents() const { return lstHelpContents_; }
  QLineEdit* FindField() const { return edHelpFind_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void CreateWidgets();
  void FillContents();
  void FitContentsColumn();
  void ShowFindResult(bool found, const QString& text);

  QSplitter* splHelp_ = nullptr;
  QListWidget* lstHelpContents_ = nullptr;
  QLabel* lblHelpFind_ = nullptr;
  QLineEdit* edHelpFind_ = nullptr;
  QToolButton* btnHelpFindPrev_ = nullptr;
  QToolButton* btnHelpFindNext_ = nullptr;
  QLabel* lblHelpFindResult_ = nullptr;
  QTextBrowser* tbHelp_ = nullptr;
  QString guideFile_;
  QList<THelpSection> sections_;
  QString currentSection_;
};

}  // namespace tintorium
