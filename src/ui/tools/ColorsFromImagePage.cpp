#include "ui/tools/ColorsFromImagePage.h"

#include "engine/files/FileResult.h"
#include "ui/language/FileFailure.h"

#include "ui/actions/MainActions.h"
#include "engine/images/PictureFile.h"
#include "ui/language/MessageSeam.h"
#include "engine/language/Messages.h"
#include "engine/schemes/PickerGeometry.h"
#include "ui/tools/PickedColorList.h"
#include "ui/tools/PictureOpenDialog.h"
#include "ui/tools/PickerPanel.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tintorium {

namespace {

TColorModel ModelFromIndex(int index) {
  return index >= cmRGB && index <= cmLAB ? static_cast<TColorModel>(index) : cmRGB;
}

QString HexName(const TColorObject& color) { return QString::fromStdString(color.HexText()); }

/// The chooser's caption: the action's text without its ellipsis.
QString ChooserCaption(const QAction* action) {
  QString caption = action->text();
  caption.remove(QLatin1Char('&'));
  while (caption.endsWith(QLatin1Char('.'))) caption.chop(1);
  return caption;
}

/// The most pixels a fitted picture can need: the whole desktop. Larger pictures are read reduced to it, which keeps
/// loading a camera's photo and re-fitting it on every resize quick.
QSize ScreenBound() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->virtualSize() : QSize();
}

}  // namespace

TColorsFromImagePage::TColorsFromImagePage(TWorkspace& workspace, TMainActions& actions, QWidget* parent)
    : TToolPage(parent), workspace_(workspace), actions_(actions), random_(QRandomGenerator::system()->generate()) {
  setObjectName(QStringLiteral("tsColorsFromImage"));
  CreateControls();
  Retranslate();
  ConnectControls();
}

TColorsFromImagePage::~TColorsFromImagePage() = default;

QPushButton* TColorsFromImagePage::ActionButton(const char* name, QAction* action) {
  auto* button = new QPushButton(this);
  button->setObjectName(QString::fromLatin1(name));
  button->setEnabled(action->isEnabled());
  connect(button, &QPushButton::clicked, action, &QAction::trigger);
  connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
  return button;
}

void TColorsFromImagePage::CreateControls() {
  btnCFIOpen_ = ActionButton("btnCFIOpen", actions_.actCFIOpen);
  BitBtn1_ = ActionButton("BitBtn1", actions_.actCFIRandomPick);
  lblCFISpace_ = new QLabel(this);
  lblCFISpace_->setObjectName(QStringLiteral("lblCFISpace"));
  cboPSModel_ = new QComboBox(this);
  cboPSModel_->setObjectName(QStringLiteral("cboPSModel"));
  cboPSModel_->addItems({QString(), QString(), QString(), QString()});
  lblCFISpace_->setBuddy(cboPSModel_);
  lblPSCount_ = new QLabel(this);
  lblPSCount_->setObjectName(QStringLiteral("lblPSCount"));
  cboPSPicks_ = new QComboBox(this);
  cboPSPicks_->setObjectName(QStringLiteral("cboPSPicks"));
  for (int n = 1; n <= MaxPickCount; ++n) cboPSPicks_->addItem(QString::number(n));
  cboPSPicks_->setCurrentIndex(DefaultPickCount - 1);
  lblPSCount_->setBuddy(cboPSPicks_);

  pnlCFIFile_ = new QFrame(this);
  pnlCFIFile_->setObjectName(QStringLiteral("pnlCFIFile"));
  lblCFIFile_ = new QLabel(pnlCFIFile_);
  lblCFIFile_->setObjectName(QStringLiteral("lblCFIFile"));
  lblCFIFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // A long path must not widen the window.
  lblCFIFile_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* fileLine = new QHBoxLayout(pnlCFIFile_);
  fileLine->setContentsMargins(0, 0, 0, 0);
  fileLine->addWidget(lblCFIFile_);

  pnlPS_ = new TPickerPanel(pickers_, this);
  lstPSColors_ = new TPickedColorList(this);
  btnCFIAddAll_ = ActionButton("btnCFIAddAll", actions_.actCFIAddAll);

  pmnu_CFI_ = new QMenu(this);
  pmnu_CFI_->setObjectName(QStringLiteral("pmnu_CFI"));
  pmnu_CFI_->addAction(actions_.actCFICurrentSetBase);
  pmnu_CFI_->addSeparator();
  pmnu_CFI_->addAction(actions_.actCFICurrentAdd);
  pmnu_CFI_->addAction(actions_.actCFIAddAll);

  // Two short rows, so the page fits the narrow tool area of the window's first size.
  auto* top = new QHBoxLayout;
  top->addWidget(btnCFIOpen_);
  top->addWidget(BitBtn1_);
  top->addStretch(1);
  top->addWidget(lblPSCount_);
  top->addWidget(cboPSPicks_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lblCFISpace_);
  bottom->addWidget(cboPSModel_);
  bottom->addStretch(1);
  bottom->addWidget(btnCFIAddAll_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(pnlCFIFile_);
  layout->addWidget(pnlPS_, 1);
  layout->addWidget(lstPSColors_);
  layout->addLayout(bottom);
  ShowFileName(QString());
}

void TColorsFromImagePage::Retranslate() {
  btnCFIOpen_->setText(QStringLiteral("Load image..."));
  BitBtn1_->setText(QStringLiteral("Mix pickers"));
  lblCFISpace_->setText(QStringLiteral("Result space:"));
  const QString models[] = {QStringLiteral("RGB"), QStringLiteral("HSB"), QStringLiteral("CMYK"), QStringLiteral("Lab")};
  for (int i = 0; i < 4; ++i) cboPSModel_->setItemText(i, models[i]);
  lblPSCount_->setText(QStringLiteral("Picks count:"));
  btnCFIAddAll_->setText(QStringLiteral("Add all to palette"));
}

void TColorsFromImagePage::ConnectControls() {
  connect(actions_.actCFIOpen, &QAction::triggered, this, &TColorsFromImagePage::OpenPicture);
  connect(actions_.actCFIRandomPick, &QAction::triggered, this, &TColorsFromImagePage::MixPickers);
  connect(actions_.actCFICurrentSetBase, &QAction::triggered, this, &TColorsFromImagePage::SetCurrentAsBase);
  connect(actions_.actCFICurrentAdd, &QAction::triggered, this, &TColorsFromImagePage::AddCurrentToPalette);
  connect(actions_.actCFIAddAll, &QAction::triggered, this, &TColorsFromImagePage::AddAllToPalette);
  connect(cboPSPicks_, &QComboBox::currentIndexChanged, this, &TColorsFromImagePage::PicksCountChanged);

  connect(pnlPS_, &TPickerPanel::PickerMoved, this, &TColorsFromImagePage::PickerMoved);
  connect(pnlPS_, &TPickerPanel::Refitted, this, [this] { ShowSwatches(PickCount() - 1); });
  // Queued: the drop finishes before a failure's message box could hold the other program's drag.
  connect(pnlPS_, &TPickerPanel::PictureDropped, this, &TColorsFromImagePage::LoadPicture, Qt::QueuedConnection);
  connect(pnlPS_, &TPickerPanel::ColorHover, &workspace_, &TWorkspace::ShowColorUnderCursor);
  connect(pnlPS_, &TPickerPanel::ColorHoverEnd, &workspace_, &TWorkspace::ClearColorUnderCursor);

  connect(lstPSColors_, &TPickedColorList::SwatchClicked, this, &TColorsFromImagePage::SwatchClicked);
  connect(lstPSColors_, &TPickedColorList::SwatchDoubleClicked, this, [this] { SetCurrentAsBase(); });
  connect(lstPSColors_, &TPickedColorList::MenuRequested, this, [this](QPoint globalPos) {
    UpdateActions(actions_);
    pmnu_CFI_->popup(globalPos);
  });
  connect(lstPSColors_, &TPickedColorList::ColorHover, &workspace_, &TWorkspace::ShowColorUnderCursor);
  connect(lstPSColors_, &TPickedColorList::ColorHoverEnd, &workspace_, &TWorkspace::ClearColorUnderCursor);
}

void TColorsFromImagePage::UpdateActions(TMainActions& actions) {
  const bool selected = lstPSColors_->Selected() >= 0;
  actions.actCFIOpen->setEnabled(true);
  actions.actCFIRandomPick->setEnabled(true);
  actions.actCFIAddAll->setEnabled(true);
  actions.actCFICurrentSetBase->setEnabled(selected);
  actions.actCFICurrentAdd->setEnabled(selected);
}

void TColorsFromImagePage::OpenPicture() {
  TPictureOpenDialog dialog(this, ChooserCaption(actions_.actCFIOpen), lastFolder_);
  if (Dialogs().Exec(dialog) != QDialog::Accepted) return;
  const QString fileName = dialog.ChosenFile();
  if (fileName.isEmpty()) return;
  lastFolder_ = QFileInfo(fileName).absolutePath();
  LoadPicture(fileName);
}

bool TColorsFromImagePage::LoadPicture(const QString& fileName) {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);  // a camera's photo takes a moment to decode
  const std::optional<TPicture> picture = ReadPicture(fileName, ScreenBound());
  QGuiApplication::restoreOverrideCursor();
  if (!picture) {
    ShowReadFailure(fileName, TFileResult::CantOpen());
    ShowFileName(QString());
    return false;
  }
  ShowFileName(QFileInfo(fileName).absoluteFilePath());
  pickers_.Load(picture->Image, picture->NaturalSize, pnlPS_->size(), cboPSPicks_->currentIndex() + 1);
  pnlPS_->ResetPens();
  lstPSColors_->SetSelected(-1);
  ShowSwatches(-1);
  return true;
}

void TColorsFromImagePage::ShowFileName(const QString& fileName) {
  lblCFIFile_->setText(FormatMessage(sCFIFileName, {fileName}));
  lblCFIFile_->setToolTip(fileName);
}

void TColorsFromImagePage::SetShowFileName(bool shown) { pnlCFIFile_->setVisible(shown); }

bool TColorsFromImagePage::ShowsFileName() const { return !pnlCFIFile_->isHidden(); }

void TColorsFromImagePage::MixPickers() {
  if (!pickers_.HasPicture()) return;
  pickers_.Mix();
  pnlPS_->update();
  ShowSwatches(PickCount() - 1);
}

void TColorsFromImagePage::PicksCountChanged(int index) {
  if (!pickers_.HasPicture()) return;
  pickers_.SetCount(index + 1);
  pnlPS_->update();
  ShowSwatches(lstPSColors_->Selected() < PickCount() ? lstPSColors_->Selected() : -1);
}

/// The swatch row shows the pickers' colours; `selected` is the swatch the last re-sampled picker left selected.
void TColorsFromImagePage::ShowSwatches(int selected) {
  lstPSColors_->SetColors(pickers_.Colors());
  lstPSColors_->SetSelected(selected);
}

void TColorsFromImagePage::SwatchClicked(int index) {
  pnlPS_->Highlight(index);
  ShowSwatches(index);
}

void TColorsFromImagePage::PickerMoved(int index) { ShowSwatches(index); }

TColorModel TColorsFromImagePage::ResultModel() const { return ModelFromIndex(cboPSModel_->currentIndex()); }

TColorObject TColorsFromImagePage::Tagged(TColor color) const {
  TColorObject object(color, cmRGB);
  object.SetModel(ResultModel());
  return object;
}

std::optional<TColorObject> TColorsFromImagePage::CurrentColor() const {
  const int index = lstPSColors_->Selected();
  if (index < 0) return std::nullopt;
  return Tagged(lstPSColors_->Colors()[std::size_t(index)]);
}

void TColorsFromImagePage::SetCurrentAsBase() {
  if (const std::optional<TColorObject> color = CurrentColor())
    workspace_.AssignBaseColor(*color, actions_.actCFICurrentSetBase);
}

void TColorsFromImagePage::AddCurrentToPalette() {
  if (const std::optional<TColorObject> color = CurrentColor()) workspace_.AddPaletteColor(*color, HexName(*color));
}

void TColorsFromImagePage::AddAllToPalette() {
  for (const TColor color : lstPSColors_->Colors()) {
    const TColorObject object = Tagged(color);
    workspace_.AddPaletteColor(object, HexName(object));
  }
}

}  // namespace tintorium
