#include "ui/wizards/WizardDialog.h"

#include "engine/formats/WizardTypeItem.h"
#include "ui/language/LanguageApplier.h"
#include "engine/language/Messages.h"
#include "ui/palette/DialogPlacement.h"
#include "ui/wizards/CheckColorList.h"
#include "ui/wizards/WizardTypeList.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tintorium {

TWizardDialog::TWizardDialog(const QPixmap& picture, const QStringList& typeItems, QWidget* parent)
    : QDialog(parent), nbWorkspace_(new QStackedWidget(this)) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  nbWorkspace_->setObjectName(QStringLiteral("nbWorkspace"));
  actBack_ = AddWizardAction("actBack", tr("<< Back"));
  actNext_ = AddWizardAction("actNext", tr("Next >>"));
  actCancel_ = AddWizardAction("actCancel", tr("Cancel"));
  connect(actBack_, &QAction::triggered, this, &TWizardDialog::Back);
  connect(actNext_, &QAction::triggered, this, &TWizardDialog::Next);
  connect(actCancel_, &QAction::triggered, this, &QDialog::reject);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("pnlPicture"));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  auto* image = new QLabel(panel);
  image->setObjectName(QStringLiteral("imgWizard"));
  image->setPixmap(picture);
  image->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  // The picture is cut at the bottom rather than make the wizard taller.
  image->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->addWidget(image);

  nbWorkspace_->addWidget(CreateTypePage(typeItems));
  auto* top = new QHBoxLayout;
  top->addWidget(panel);
  top->addWidget(nbWorkspace_, 1);

  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("bvlButtons"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BoundButton(actBack_, this));
  buttons->addWidget(BoundButton(actNext_, this));
  buttons->addSpacing(8);
  buttons->addWidget(BoundButton(actCancel_, this));
  ButtonOf(actNext_)->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(line);
  layout->addLayout(buttons);
  connect(nbWorkspace_, &QStackedWidget::currentChanged, this, [this] { UpdateButtons(); });
  UpdateButtons();
}

QWidget* TWizardDialog::CreateTypePage(const QStringList& typeItems) {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("tsStart"));
  lstType_ = new TWizardTypeList(typeItems, page);
  gbDesc_ = new QGroupBox(tr("Description"), page);
  gbDesc_->setObjectName(QStringLiteral("gbDesc"));
  lblDesc_ = new QLabel(gbDesc_);
  lblDesc_->setObjectName(QStringLiteral("lblDesc"));
  lblDesc_->setWordWrap(true);
  lblDesc_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblDesc_->setMinimumHeight(lblDesc_->fontMetrics().lineSpacing() * 3);
  auto* descLayout = new QVBoxLayout(gbDesc_);
  descLayout->addWidget(lblDesc_);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lstType_, 1);
  layout->addWidget(gbDesc_);
  connect(lstType_, &QListWidget::currentRowChanged, this, &TWizardDialog::ShowDescription);
  connect(lstType_, &QListWidget::itemDoubleClicked, actNext_, &QAction::trigger);
  ShowDescription();
  return page;
}

QAction* TWizardDialog::AddWizardAction(const char* name, const QString& text) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QLabel* TWizardDialog::NamedLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

TWizardDialog::TPathPage TWizardDialog::CreatePathPage(const char* labelName, const QString& label) {
  TPathPage made{};
  made.Page = new QWidget(this);
  made.Page->setObjectName(QStringLiteral("tsOptions"));
  made.Path = new QLineEdit(made.Page);
  made.Path->setObjectName(QStringLiteral("edPath"));
  made.Browse = new QToolButton(made.Page);
  made.Browse->setObjectName(QStringLiteral("btnBrowse"));
  made.Browse->setText(QStringLiteral("..."));
  auto* heading = NamedLabel(labelName, label, made.Page);
  heading->setBuddy(made.Path);
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(made.Path, 1);
  pathRow->addWidget(made.Browse);
  made.Layout = new QVBoxLayout(made.Page);
  made.Layout->setContentsMargins(0, 0, 0, 0);
  made.Layout->addWidget(heading);
  made.Layout->addLayout(pathRow);
  made.Layout->addSpacing(8);
  return made;
}

TWizardDialog::TCheckListPage TWizardDialog::CreateCheckListPage(const char* headingName, const QString& heading,
                                                                 const char* countName, const QString& count,
                                                                 const QString& listName) {
  TCheckListPage made{};
  made.Page = new QWidget(this);
  made.Page->setObjectName(QStringLiteral("tsChoose"));
  made.Count = NamedLabel(countName, count, made.Page);
  made.Count->setForegroundRole(QPalette::PlaceholderText);
  made.List = new TCheckColorList(listName, made.Page);
  made.SelectAll = AddWizardAction("actSelectAll", tr("Check all"));
  made.UnselectAll = AddWizardAction("actUnselectAll", tr("Uncheck all"));
  TCheckColorList* list = made.List;
  connect(made.SelectAll, &QAction::triggered, list, [list] { list->SetAllChecked(true); });
  connect(made.UnselectAll, &QAction::triggered, list, [list] { list->SetAllChecked(false); });
  auto* headRow = new QHBoxLayout;
  headRow->addWidget(NamedLabel(headingName, heading, made.Page));
  headRow->addStretch();
  headRow->addWidget(made.Count);
  auto* checkRow = new QHBoxLayout;
  checkRow->addWidget(BoundButton(made.SelectAll, made.Page));
  checkRow->addWidget(BoundButton(made.UnselectAll, made.Page));
  checkRow->addStretch();
  auto* layout = new QVBoxLayout(made.Page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(headRow);
  layout->addWidget(made.List, 1);
  layout->addLayout(checkRow);
  return made;
}

QPushButton* TWizardDialog::BoundButton(QAction* action, QWidget* parent) {
  auto* button = new QPushButton(action->text(), parent);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, action, &QAction::trigger);
  connect(action, &QAction::changed, button, [button, action] {
    button->setText(action->text());
    button->setEnabled(action->isEnabled());
  });
  buttons_.append({action, button});
  return button;
}

QPushButton* TWizardDialog::ButtonOf(QAction* action) const {
  for (const auto& [bound, button] : buttons_) {
    if (bound == action) return button;
  }
  return nullptr;
}

int TWizardDialog::AddPage(QWidget* page) {
  const int index = nbWorkspace_->addWidget(page);
  UpdateButtons();
  return index;
}

int TWizardDialog::CurrentPage() const { return nbWorkspace_->currentIndex(); }
int TWizardDialog::PageCount() const { return nbWorkspace_->count(); }
int TWizardDialog::TypeIndex() const { return std::max(0, lstType_->currentRow()); }

void TWizardDialog::ShowPage(int page) {
  nbWorkspace_->setCurrentIndex(page);
  UpdateButtons();
  PageShown(page);
}

void TWizardDialog::Next() {
  const int page = CurrentPage();
  if (page == PageCount() - 1) {
    Finish();
    accept();
    return;
  }
  if (LeaveForward(page)) ShowPage(page + 1);
}

void TWizardDialog::Back() {
  if (CurrentPage() > 0) ShowPage(CurrentPage() - 1);
}

void TWizardDialog::UpdateButtons() {
  actBack_->setEnabled(CurrentPage() > 0);
  actNext_->setText(CurrentPage() == PageCount() - 1 ? Message(sbFinish) : Message(sbNext));
}

void TWizardDialog::ShowDescription() {
  lblDesc_->setText(ParseWizardTypeItem(lstType_->CurrentItem()).Description);
}

void TWizardDialog::ApplyTexts(const QString& section) {
  ApplyLanguage(this, section);
  UpdateButtons();
  ShowDescription();
}

void TWizardDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(*this);
  lstType_->setFocus();
}

// A language applied after creation replaces the item strings and the button's text.
void TWizardDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    UpdateButtons();
    ShowDescription();
  }
}

}  // namespace tintorium
