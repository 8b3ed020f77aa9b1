#include "ui/help/HelpViewer.h"

#include "engine/language/Messages.h"
#include "ui/language/LanguageApplier.h"
#include "ui/language/MessageSeam.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tintorium {
namespace {

// Far above any guide we ship; a larger file is not read at all.
constexpr qint64 kMaxGuideBytes = 8 * 1024 * 1024;

std::function<bool(const QUrl&)>& LinkOpener() {
  static std::function<bool(const QUrl&)> opener;
  return opener;
}

bool OpenOutside(const QUrl& url) { return LinkOpener() ? LinkOpener()(url) : QDesktopServices::openUrl(url); }

QToolButton* MakeButton(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setText(text);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return button;
}

}  // namespace

void SetHelpLinkOpener(std::function<bool(const QUrl&)> opener) { LinkOpener() = std::move(opener); }

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpForm"));
  setWindowTitle(QStringLiteral("Tintorium Help"));
  CreateWidgets();
  ApplyLanguage(this, QStringLiteral("HelpForm"));
  const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
  resize(QSize(920, 680).boundedTo(screen.size() * 9 / 10));
}

void THelpViewer::CreateWidgets() {
  lblHelpFind_ = new QLabel(QStringLiteral("Find:"), this);
  lblHelpFind_->setObjectName(QStringLiteral("lblHelpFind"));
  edHelpFind_ = new QLineEdit(this);
  edHelpFind_->setObjectName(QStringLiteral("edHelpFind"));
  edHelpFind_->setClearButtonEnabled(true);
  lblHelpFind_->setBuddy(edHelpFind_);
  btnHelpFindPrev_ = MakeButton("btnHelpFindPrev", QStringLiteral("Previous"), this);
  btnHelpFindNext_ = MakeButton("btnHelpFindNext", QStringLiteral("Next"), this);
  lblHelpFindResult_ = new QLabel(this);
  lblHelpFindResult_->setObjectName(QStringLiteral("lblHelpFindResult"));

  auto* findRow = new QHBoxLayout;
  findRow->addWidget(lblHelpFind_);
  findRow->addWidget(edHelpFind_, 1);
  findRow->addWidget(btnHelpFindPrev_);
  findRow->addWidget(btnHelpFindNext_);
  findRow->addWidget(lblHelpFindResult_, 1);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setObjectName(QStringLiteral("splHelp"));
  splHelp_ = splitter;
  lstHelpContents_ = new QListWidget(splitter);
  lstHelpContents_->setObjectName(QStringLiteral("lstHelpContents"));
  tbHelp_ = new QTextBrowser(splitter);
  tbHelp_->setObjectName(QStringLiteral("tbHelp"));
  // Long headings wrap rather than run under the text or off the list.
  lstHelpContents_->setWordWrap(true);
  lstHelpContents_->setResizeMode(QListView::Adjust);
  lstHelpContents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Every link comes to FollowLink: the guide's own anchors stay here, the rest go to the desktop.
  tbHelp_->setOpenLinks(false);
  tbHelp_->setOpenExternalLinks(false);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({230, 690});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(findRow);
  layout->addWidget(splitter, 1);

  connect(tbHelp_, &QTextBrowser::anchorClicked, this, &THelpViewer::FollowLink);
  connect(lstHelpContents_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < sections_.size()) ShowSection(sections_[row].id);
  });
  connect(edHelpFind_, &QLineEdit::returnPressed, this, [this] { Find(edHelpFind_->text()); });
  connect(btnHelpFindNext_, &QToolButton::clicked, this, [this] { Find(edHelpFind_->text()); });
  connect(btnHelpFindPrev_, &QToolButton::clicked, this, [this] { Find(edHelpFind_->text(), true); });
  connect(edHelpFind_, &QLineEdit::textChanged, lblHelpFindResult_, &QLabel::clear);

  auto* focusFind = new QShortcut(QKeySequence::Find, this);
  connect(focusFind, &QShortcut::activated, this, [this] {
    edHelpFind_->setFocus(Qt::ShortcutFocusReason);
    edHelpFind_->selectAll();
  });
  auto* findNext = new QShortcut(QKeySequence::FindNext, this);
  connect(findNext, &QShortcut::activated, this, [this] { Find(edHelpFind_->text()); });
  auto* findPrevious = new QShortcut(QKeySequence::FindPrevious, this);
  connect(findPrevious, &QShortcut::activated, this, [this] { Find(edHelpFind_->text(), true); });
}

bool THelpViewer::LoadGuide(const QString& file) {
  guideFile_ = file;
  currentSection_.clear();
  QFile in(file);
  const bool readable = QFileInfo(file).size() <= kMaxGuideBytes && in.open(QIODevice::ReadOnly);
  const QString html = readable ? QString::fromUtf8(in.readAll()) : QString();
  if (!readable) {
    sections_.clear();
    tbHelp_->setPlainText(FormatMessage(sHelpMissing, {QDir::toNativeSeparators(file)}));
  } else {
    sections_ = GuideSections(html);
    tbHelp_->document()->setBaseUrl(QUrl::fromLocalFile(file));
    // Links in the theme's link colour (the rest of the text has none of its own); long command lines wrap
    // rather than widen the page beyond the window.
    tbHelp_->document()->setDefaultStyleSheet(QStringLiteral("a { color: %1; } pre { white-space: pre-wrap; }")
                                                  .arg(palette().color(QPalette::Link).name()));
    tbHelp_->setHtml(html);
  }
  FillContents();
  return readable;
}

void THelpViewer::FillContents() {
  const QSignalBlocker quiet(lstHelpContents_);
  lstHelpContents_->clear();
  for (const THelpSection& section : sections_) lstHelpContents_->addItem(section.heading);
  FitContentsColumn();
}

// The contents list as wide as its longest heading, up to a third of the window (longer ones wrap).
void THelpViewer::FitContentsColumn() {
  const int total = splHelp_->isVisible() ? splHelp_->width() : width();
  const QFontMetrics metrics(lstHelpContents_->font());
  int widest = 0;
  for (const THelpSection& section : sections_) widest = std::max(widest, metrics.horizontalAdvance(section.heading));
  const int needed = widest + 2 * lstHelpContents_->frameWidth() +
                     lstHelpContents_->verticalScrollBar()->sizeHint().width() + 12;
  const int list = std::clamp(needed, 150, std::max(150, total / 3));
  splHelp_->setSizes({list, std::max(1, total - list - splHelp_->handleWidth())});
}

bool THelpViewer::ShowSection(const QString& id) {
  qsizetype row = -1;
  for (qsizetype i = 0; i < sections_.size(); ++i) {
    if (sections_[i].id == id) row = i;
  }
  if (row < 0) return false;
  currentSection_ = id;
  {
    const QSignalBlocker quiet(lstHelpContents_);
    lstHelpContents_->setCurrentRow(static_cast<int>(row));
  }
  tbHelp_->scrollToAnchor(id);
  return true;
}

bool THelpViewer::Find(const QString& text, bool backward) {
  if (text.isEmpty()) {
    lblHelpFindResult_->clear();
    return false;
  }
  const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  bool found = tbHelp_->find(text, flags);
  if (!found) {
    // Round the end: start again from the other end, and keep the old selection when that fails too.
    const QTextCursor before = tbHelp_->textCursor();
    QTextCursor from(tbHelp_->document());
    from.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    tbHelp_->setTextCursor(from);
    found = tbHelp_->find(text, flags);
    if (!found) tbHelp_->setTextCursor(before);
  }
  ShowFindResult(found, text);
  return found;
}

void THelpViewer::ShowFindResult(bool found, const QString& text) {
  if (found)
    lblHelpFindResult_->clear();
  else
    lblHelpFindResult_->setText(FormatMessage(sHelpNotFound, {text}));
}

void THelpViewer::FollowLink(const QUrl& url) {
  const QUrl target = tbHelp_->document()->baseUrl().resolved(url);
  const bool inGuide = target.isLocalFile() && QFileInfo(target.toLocalFile()) == QFileInfo(guideFile_);
  if (inGuide) {
    if (!ShowSection(target.fragment())) tbHelp_->scrollToAnchor(target.fragment());
    return;
  }
  if (!OpenOutside(target)) ShowMessageBox(FormatMessage(sHelpLinkNoHandler, {target.toDisplayString()}), mfWarning);
}

void THelpViewer::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    ApplyLanguage(this, QStringLiteral("HelpForm"));
    const QString guide = CurrentGuideFile();
    if (!guideFile_.isEmpty() && guide != guideFile_) {
      const QString section = currentSection_;
      LoadGuide(guide);
      ShowSection(section);
    }
  } else if (event->type() == QEvent::PaletteChange && !guideFile_.isEmpty()) {
    // Links take their colour from the palette when the HTML is read; read it again for the new theme.
    const QString section = currentSection_;
    const int scrolled = tbHelp_->verticalScrollBar()->value();
    LoadGuide(guideFile_);
    ShowSection(section);
    tbHelp_->verticalScrollBar()->setValue(scrolled);
  }
}

}  // namespace tintorium
