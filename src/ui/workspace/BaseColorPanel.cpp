#include "ui/workspace/BaseColorPanel.h"

#include "ui/actions/MainActions.h"
#include "engine/language/Messages.h"
#include "ui/controls/ColorDrag.h"
#include "ui/controls/ColorSwatch.h"
#include "ui/controls/ThemeInk.h"
#include "ui/language/LanguageApplier.h"
#include "core/ColorAdjust.h"
#include "core/ColorModels.h"
#include "core/ColorObject.h"
#include "core/ColorText.h"
#include "ui/workspace/ColorBar.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QDropEvent>
#include <QValidator>
#include <QPainter>
#include <QPainterPath>
#include <QStackedWidget>
#include <QTabBar>

#include <algorithm>
#include <string>

namespace tintorium {

namespace {

constexpr int RowTop = 6;
constexpr int RowPitch = 26;
constexpr int LabelLeft = 6;
constexpr int SliderLeft = 20;
constexpr int SliderHeight = 22;
constexpr int FieldWidth = 40;
constexpr int FieldHeight = 22;
constexpr int IndicatorSize = 17;

struct TModelLayout {
  const char* prefix;  // of the object names: cbRGB_R, edRGB_R
  std::array<const char*, 4> channels;
  int count;
};

constexpr std::array<TModelLayout, 4> ModelLayouts{{
    {"RGB", {"R", "G", "B", ""}, 3},
    {"HSB", {"H", "S", "B", ""}, 3},
    {"CMYK", {"C", "M", "Y", "K"}, 4},
    {"Lab", {"L", "a", "b", ""}, 3},
}};

constexpr std::array<const char*, 4> ModelTabTexts{"RGB", "HSB", "CMYK", "CIE L*ab"};

TColor ColorOfValues(TColorModel model, const TChannelValues& v) {
  switch (model) {
    case cmRGB:
      return RGBValuesToColor({v[0], v[1], v[2]});
    case cmHSB:
      return HSBToColor({v[0], v[1], v[2]});
    case cmCMYK:
      return CMYKToColor({v[0], v[1], v[2], v[3]});
    case cmLAB:
      return LabToColor({v[0], v[1], v[2]});
  }
  return clBlack;
}

QPixmap IndicatorPicture(bool onStep) {
  QPixmap pixmap = DevicePixmap({IndicatorSize, IndicatorSize}, PictureRatio());
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  if (onStep) {
    // A green chip with a check: the colour lies on the step.
    painter.setPen(QPen(QColor(0x1E, 0x7A, 0x34), 1));
    painter.setBrush(QColor(0x2E, 0xA0, 0x4A));
    painter.drawRoundedRect(QRectF(1.5, 1.5, IndicatorSize - 3, IndicatorSize - 3), 3, 3);
    QPainterPath check;
    check.moveTo(4.5, 8.5);
    check.lineTo(7.5, 11.5);
    check.lineTo(12.5, 5.5);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(check);
  } else {
    // An amber warning triangle: it does not.
    QPainterPath triangle;
    triangle.moveTo(8.5, 1.5);
    triangle.lineTo(15.5, 15);
    triangle.lineTo(1.5, 15);
    triangle.closeSubpath();
    painter.setPen(QPen(QColor(0xA8, 0x6A, 0x00), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xF5, 0xB0, 0x1E));
    painter.drawPath(triangle);
    painter.setPen(QPen(QColor(0x40, 0x2A, 0x00), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8.5, 6), QPointF(8.5, 10));
    painter.drawPoint(QPointF(8.5, 12.6));
  }
  return pixmap;
}

bool IsEnterKey(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

// Whatever reaches a number field (typing, pasting, dropping text) keeps only the characters typing accepts.
class TFieldFilter final : public QValidator {
 public:
  TFieldFilter(TColorModel model, QObject* parent) : QValidator(parent), model_(model) {}
  State validate(QString& input, int& pos) const override {
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (int i = 0; i < input.size(); ++i) {
      if (!FieldAcceptsText(model_, QString(input.at(i)))) continue;
      kept.append(input.at(i));
      if (i < pos) ++keptBeforeCursor;
    }
    input = kept;
    pos = keptBeforeCursor;
    return Acceptable;
  }

 private:
  TColorModel model_;
};

// A key a text field answers to itself, as every text field of the desktop does: its undo, the clipboard,
// selecting, moving and deleting.
bool IsFieldKey(const QKeyEvent* event) {
  static constexpr QKeySequence::StandardKey kFieldKeys[] = {
      QKeySequence::Undo,           QKeySequence::Redo,           QKeySequence::Copy,
      QKeySequence::Cut,            QKeySequence::Paste,          QKeySequence::SelectAll,
      QKeySequence::Delete,         QKeySequence::Backspace,      QKeySequence::DeleteStartOfWord,
      QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine, QKeySequence::MoveToStartOfLine,
      QKeySequence::MoveToEndOfLine, QKeySequence::SelectStartOfLine, QKeySequence::SelectEndOfLine,
      QKeySequence::MoveToStartOfDocument, QKeySequence::MoveToEndOfDocument, QKeySequence::SelectStartOfDocument,
      QKeySequence::SelectEndOfDocument, QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
      QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord, QKeySequence::MoveToNextChar,
      QKeySequence::MoveToPreviousChar, QKeySequence::SelectNextChar, QKeySequence::SelectPreviousChar};
  for (const QKeySequence::StandardKey key : kFieldKeys) {
    if (event->matches(key)) return true;
  }
  const int key = event->key();
  return key == Qt::Key_Home || key == Qt::Key_End;
}

// A key chord (with Ctrl, Alt or Meta) that an enabled command of `field`'s window answers to.
bool IsWindowCommand(const QWidget* field, const QKeyEvent* event) {
  if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) return false;
  const QKeySequence chord(event->keyCombination());
  for (const QWidget* holder = field; holder; holder = holder->parentWidget()) {
    for (const QAction* action : holder->actions()) {
      if (!action->isEnabled()) continue;
      for (const QKeySequence& shortcut : action->shortcuts()) {
        if (shortcut.matches(chord) == QKeySequence::ExactMatch) return true;
      }
    }
  }
  return false;
}

}  // namespace

TChannelRowGeometry ChannelRowGeometry(int pageWidth, int sliderLeft, int fieldWidth) {
  const int width = std::max(pageWidth - sliderLeft - fieldWidth - 13, 0);
  return {width, sliderLeft + width + 6};
}

int ReadFieldNumber(const QString& text) {
  constexpr long long Limit = 1'000'000'000;
  qsizetype i = 0;
  const bool negative = !text.isEmpty() && text.at(0) == QLatin1Char('-');
  if (negative) ++i;
  long long value = 0;
  for (; i < text.size() && text.at(i).unicode() >= u'0' && text.at(i).unicode() <= u'9'; ++i) {
    value = std::min(value * 10 + (text.at(i).unicode() - u'0'), Limit);
  }
  return static_cast<int>(negative ? -value : value);
}

std::optional<TRGBValues> ReadHexField(const QString& text) { return ReadHexColorText(text.toStdString()); }

bool FieldAcceptsText(TColorModel model, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() >= u'0' && c.unicode() <= u'9') continue;
    if (model == cmLAB && c == QLatin1Char('-')) continue;
    return false;
  }
  return true;
}

TBaseColorPanel::TBaseColorPanel(TWorkspace& workspace, QWidget* parent) : QWidget(parent), workspace_(workspace) {
  setObjectName(QStringLiteral("pnlBaseColor"));
  imlWebSafe_ = {IndicatorPicture(false), IndicatorPicture(true)};
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  BuildSwatchRow();
  BuildPages();
  SetTexts();
  workspace_.SetEditors(this);
  ShowBaseMarks(workspace_.BaseColor());
  ShowBaseValues(workspace_.BaseColor(), cmRGB, true);
  started_ = true;
}

TBaseColorPanel::~TBaseColorPanel() { workspace_.SetEditors(nullptr); }

void TBaseColorPanel::BuildSwatchRow() {
  auto* row = new QHBoxLayout;
  row->setSpacing(6);
  shBase_ = new TColorSwatch(this);
  shBase_->setObjectName(QStringLiteral("shBase"));
  shBase_->setMinimumSize(40, 40);
  shBase_->setFixedHeight(40);
  shBase_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  shBase_->SetAutoDrag(true);
  shBase_->SetDragObject([this] { return workspace_.BaseColor(); });
  shBase_->SetColorDropTarget([](const TColorDragOffer& offer) { return ColorDrag::BaseSwatchAccepts(offer.kind); },
                              [this](const TColorDragOffer& offer) { DropOnBase(offer); });
  shBase_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(shBase_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    if (pmnu_base_ != nullptr) pmnu_base_->popup(shBase_->mapToGlobal(pos));
  });
  workspace_.WatchColorUnderCursor(shBase_);
  connect(&workspace_, &TWorkspace::BaseColorPreviewed, shBase_, &TColorSwatch::SetBaseColor);
  row->addWidget(shBase_, 1);

  auto* marks = new QVBoxLayout;
  marks->setSpacing(4);
  imgWebSafe_ = new QLabel(this);
  imgWebSafe_->setObjectName(QStringLiteral("imgWebSafe"));
  imgWebSmart_ = new QLabel(this);
  imgWebSmart_->setObjectName(QStringLiteral("imgWebSmart"));
  for (QLabel* image : {imgWebSafe_, imgWebSmart_}) {
    image->setFixedSize(IndicatorSize, IndicatorSize);
    image->setCursor(Qt::PointingHandCursor);
    image->installEventFilter(this);
    marks->addWidget(image);
  }
  marks->addStretch(1);
  row->addLayout(marks);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void TBaseColorPanel::BuildPages() {
  tsColorModels_ = new QTabBar(this);
  // All four tabs stay in view: the panel is at least as wide as they are.
  tsColorModels_->setUsesScrollButtons(false);
  tsColorModels_->setElideMode(Qt::ElideNone);
  tsColorModels_->setObjectName(QStringLiteral("tsColorModels"));
  tsColorModels_->setExpanding(false);
  tsColorModels_->setDrawBase(false);
  nbColorModels_ = new QStackedWidget(this);
  nbColorModels_->setObjectName(QStringLiteral("nbColorModels"));
  for (int model = cmRGB; model <= cmLAB; ++model) {
    tsColorModels_->addTab(QString());
    AddPage(static_cast<TColorModel>(model));
  }
  // RGB is the page shown at start and holds the hex field; the others are built when first shown or asked
  // for, which keeps a third of the panel's widgets out of the start-up.
  BuildPageEditors(cmRGB);
  connect(tsColorModels_, &QTabBar::currentChanged, this, [this](int index) {
    if (index >= cmRGB && index <= cmLAB) Editors(static_cast<TColorModel>(index));
    nbColorModels_->setCurrentIndex(index);
  });
  tsColorModels_->setCurrentIndex(0);
  nbColorModels_->setCurrentIndex(0);
  auto* box = static_cast<QVBoxLayout*>(layout());
  box->addWidget(tsColorModels_);
  box->addWidget(nbColorModels_);
  box->addStretch(1);
}

void TBaseColorPanel::AddPage(TColorModel model) {
  const TModelLayout& names = ModelLayouts[model];
  QWidget* page = new QWidget(nbColorModels_);
  page->setObjectName(QStringLiteral("ts%1").arg(QLatin1String(names.prefix)));
  // Known before the page is built, so the panel keeps one height whichever pages exist.
  const int rows = names.count + (model == cmRGB ? 1 : 0);
  page->setMinimumHeight(RowTop + rows * RowPitch);
  page->installEventFilter(this);
  nbColorModels_->addWidget(page);
  editors_[model].page = page;
}

const TBaseColorPanel::TModelEditors& TBaseColorPanel::Editors(TColorModel model) {
  if (editors_[model].bars.empty()) BuildPageEditors(model);
  return editors_[model];
}

void TBaseColorPanel::BuildPageEditors(TColorModel model) {
  const TModelLayout& names = ModelLayouts[model];
  TModelEditors& editors = editors_[model];
  for (int i = 0; i < names.count; ++i) {
    const QString suffix = QStringLiteral("%1_%2").arg(QLatin1String(names.prefix), QLatin1String(names.channels[i]));
    auto* label = new QLabel(editors.page);
    label->setObjectName(QStringLiteral("lbl") + suffix);
    auto* bar = new TColorBar(model, i + 1, editors.page);
    bar->setObjectName(QStringLiteral("cb") + suffix);
    auto* field = new QLineEdit(editors.page);
    field->setObjectName(QStringLiteral("ed") + suffix);
    field->setAlignment(Qt::AlignRight);
    field->setValidator(new TFieldFilter(model, field));
    field->installEventFilter(this);
    editors.labels.push_back(label);
    editors.bars.push_back(bar);
    editors.fields.push_back(field);
    ConnectBar(model, bar);
  }
  if (model == cmRGB) {
    lblHex_ = new QLabel(editors.page);
    lblHex_->setObjectName(QStringLiteral("lblHEX"));
    edHEX_ = new QLineEdit(editors.page);
    edHEX_->setObjectName(QStringLiteral("edHEX"));
    edHEX_->installEventFilter(this);
  }
  if (started_) FinishLatePage(model);
}

// A page built after start-up gets what the start gave the first one: texts, values, geometry.
void TBaseColorPanel::FinishLatePage(TColorModel model) {
  TModelEditors& editors = editors_[model];
  SetPageTexts(model);
  ApplyLanguageToPart(editors.page, QStringLiteral("MainForm"));
  ShowModelValues(model, ChannelValuesOf(workspace_.BaseColor(), model), 0);
  LayoutPages();
  for (QWidget* child : editors.page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->show();
}

void TBaseColorPanel::ConnectBar(TColorModel model, TColorBar* bar) {
  connect(bar, &TColorBar::OnTrack, this, [this, model, bar] { SliderTracked(model, bar); });
  connect(bar, &TColorBar::OnCommit, this, [this, model, bar] { SliderCommitted(model, bar); });
}

void TBaseColorPanel::SetTexts() {
  for (int model = cmRGB; model <= cmLAB; ++model) {
    tsColorModels_->setTabText(model, QString::fromLatin1(ModelTabTexts[static_cast<std::size_t>(model)]));
    SetPageTexts(static_cast<TColorModel>(model));
  }
}

void TBaseColorPanel::SetPageTexts(TColorModel model) {
  const TModelLayout& names = ModelLayouts[model];
  const auto& labels = editors_[model].labels;
  for (std::size_t i = 0; i < labels.size(); ++i) labels[i]->setText(QString::fromLatin1(names.channels[i]));
  if (model == cmRGB) lblHex_->setText(QStringLiteral("HEX #"));
}

void TBaseColorPanel::LayoutPages() {
  for (int model = cmRGB; model <= cmLAB; ++model) {
    TModelEditors& editors = editors_[static_cast<std::size_t>(model)];
    if (editors.bars.empty()) continue;  // not built yet
    const TChannelRowGeometry row = ChannelRowGeometry(editors.page->width(), SliderLeft, FieldWidth);
    for (std::size_t i = 0; i < editors.bars.size(); ++i) {
      const int top = RowTop + static_cast<int>(i) * RowPitch;
      editors.labels[i]->setGeometry(LabelLeft, top, SliderLeft - LabelLeft, SliderHeight - 8);
      editors.bars[i]->setGeometry(SliderLeft, top, row.sliderWidth, SliderHeight);
      editors.fields[i]->setGeometry(row.fieldLeft, top - 2, FieldWidth, FieldHeight);
    }
    if (model == cmRGB) {
      const int top = RowTop + static_cast<int>(editors.bars.size()) * RowPitch;
      const int labelWidth = lblHex_->sizeHint().width();
      lblHex_->setGeometry(LabelLeft, top, labelWidth, FieldHeight);
      const int hexLeft = LabelLeft + labelWidth + 4;
      edHEX_->setGeometry(hexLeft, top, std::min(80, std::max(row.fieldLeft + FieldWidth - hexLeft, 40)), FieldHeight);
    }
  }
}

TColorBar* TBaseColorPanel::Bar(TColorModel model, int pick) {
  if (model > cmLAB) return nullptr;
  const auto& bars = Editors(model).bars;
  if (pick < 1 || pick > static_cast<int>(bars.size())) return nullptr;
  return bars[static_cast<std::size_t>(pick - 1)];
}

QLineEdit* TBaseColorPanel::Field(TColorModel model, int pick) {
  if (model > cmLAB) return nullptr;
  const auto& fields = Editors(model).fields;
  if (pick < 1 || pick > static_cast<int>(fields.size())) return nullptr;
  return fields[static_cast<std::size_t>(pick - 1)];
}

void TBaseColorPanel::AttachActions(TMainActions& actions) {
  pmnu_base_ = new QMenu(this);
  pmnu_base_->setObjectName(QStringLiteral("pmnu_base"));
  pmnu_base_->addAction(actions.actPaletteAddBaseColor);
  pmnu_base_->addSeparator();
  pmnu_base_->addAction(actions.actEditCopyColor);
  pmnu_base_->addAction(actions.actEditCopyColorHEX);
  pmnu_base_->addAction(actions.actEditCopyColorDelphi);
  pmnu_base_->addAction(actions.actEditCopyColorVSNET);
  QMenu* copyCss = pmnu_base_->addMenu(tr("Copy as CSS"));
  copyCss->setObjectName(QStringLiteral("miBaseCopyCss"));
  for (QAction* action : actions.EditCopyCssActions()) copyCss->addAction(action);
  pmnu_base_->addSeparator();
  pmnu_base_->addAction(actions.actEditRandomize);
  pmnu_base_->addAction(actions.actEditMakeWebsafe);
  pmnu_base_->addAction(actions.actEditMakeWebsmart);
  pmnu_base_->addAction(actions.actEditMakeGrayscale);
  // The indicators are shortcuts for the web commands, whatever they show.
  QAction* websafe = actions.actEditMakeWebsafe;
  QAction* websmart = actions.actEditMakeWebsmart;
  connect(this, &TBaseColorPanel::OnWebSafeClick, websafe, &QAction::trigger);
  connect(this, &TBaseColorPanel::OnWebSmartClick, websmart, &QAction::trigger);
}

void TBaseColorPanel::ShowModelValues(TColorModel model, const TChannelValues& values, int exceptPick) {
  if (model > cmLAB) return;
  TModelEditors& editors = editors_[model];
  const int channels = model == cmCMYK ? 4 : 3;
  for (TColorBar* bar : editors.bars) {
    if (bar->ValuePick() == exceptPick) continue;
    for (int channel = 1; channel <= channels; ++channel) bar->SetValue(channel, values[static_cast<std::size_t>(channel - 1)]);
  }
  for (std::size_t i = 0; i < editors.fields.size(); ++i) {
    if (exceptPick >= 1 && exceptPick <= 4 && static_cast<int>(i) != exceptPick - 1) continue;
    editors.fields[i]->setText(QString::number(editors.bars[i]->PickedValue()));
  }
  if (model == cmRGB) {
    const TRGBValues rgb{editors.bars[0]->PickedValue(), editors.bars[1]->PickedValue(), editors.bars[2]->PickedValue()};
    edHEX_->setText(QString::fromStdString(HexText(rgb)));
  }
}

void TBaseColorPanel::ShowBaseMarks(const TColorObject& base) {
  shBase_->SetBaseColor(base.GetColor());
  const TRGBValues rgb = base.GetRGB();
  webSafePicture_ = IsOnWebStep(rgb, WebSafeStep) ? 1 : 0;
  webSmartPicture_ = IsOnWebStep(rgb, WebSmartStep) ? 1 : 0;
  imgWebSafe_->setPixmap(imlWebSafe_[static_cast<std::size_t>(webSafePicture_)]);
  imgWebSafe_->setToolTip(Message(webSafePicture_ == 1 ? sColorIsWS : sColorNoWS));
  imgWebSmart_->setPixmap(imlWebSafe_[static_cast<std::size_t>(webSmartPicture_)]);
  imgWebSmart_->setToolTip(Message(webSmartPicture_ == 1 ? sColorIsWSm : sColorNoWSm));
}

void TBaseColorPanel::ShowBaseValues(const TColorObject& base, TColorModel model, bool refreshAll) {
  for (int m = cmRGB; m <= cmLAB; ++m) {
    const auto each = static_cast<TColorModel>(m);
    if (refreshAll || each != model) ShowModelValues(each, ChannelValuesOf(base, each), 0);
  }
}

TChannelValues TBaseColorPanel::SliderValues(TColorModel model) const {
  TChannelValues values{0, 0, 0, 0};
  const auto& bars = editors_[model].bars;
  for (std::size_t i = 0; i < bars.size(); ++i) values[i] = bars[i]->PickedValue();
  return values;
}

void TBaseColorPanel::SliderTracked(TColorModel model, TColorBar* bar) {
  const TChannelValues values = SliderValues(model);
  shBase_->SetBaseColor(ColorOfValues(model, values));
  ShowModelValues(model, values, bar->ValuePick());
}

void TBaseColorPanel::SliderCommitted(TColorModel model, TColorBar* bar) {
  SetChannelValues(workspace_.BaseColor(), model, SliderValues(model));
  workspace_.BaseColorChanged(bar, model, false, false);
}

void TBaseColorPanel::FieldsEntered(TColorModel model, QObject* field) {
  TChannelValues values{0, 0, 0, 0};
  const auto& fields = editors_[model].fields;
  for (std::size_t i = 0; i < fields.size(); ++i) values[i] = ReadFieldNumber(fields[i]->text());
  ShowModelValues(model, values, 0);
  SetChannelValues(workspace_.BaseColor(), model, SliderValues(model));
  workspace_.BaseColorChanged(field, model, false, false);
}

void TBaseColorPanel::HexEntered() {
  const std::optional<TRGBValues> rgb = ReadHexField(edHEX_->text());
  MarkHexRefused(!rgb);
  if (rgb) {
    workspace_.BaseColor().SetRGB(*rgb);
    workspace_.BaseColorChanged(edHEX_, cmRGB, true, false);
  }
  // Valid or not, the field shows the base colour it stands for.
  edHEX_->setText(QString::fromStdString(HexText(workspace_.BaseColor().GetRGB())));
}

// A refused text is marked until the next edit, so the user sees why the value did not change.
void TBaseColorPanel::MarkHexRefused(bool refused) {
  edHEX_->setProperty("refused", refused);
  QPalette shown = edHEX_->parentWidget()->palette();
  if (refused) shown.setColor(QPalette::Base, QColor(255, 214, 214));
  edHEX_->setPalette(shown);
}

void TBaseColorPanel::DropOnBase(const TColorDragOffer& offer) {
  if (const std::optional<ColorDrag::TBaseSwatchDrop> drop = ColorDrag::BaseSwatchDrop(offer)) {
    workspace_.AssignBaseColor(drop->color, shBase_, drop->fromHistory);
  }
}

bool TBaseColorPanel::FilterFieldKey(TColorModel model, QKeyEvent* event, QObject* field) {
  if (IsEnterKey(event)) {
    FieldsEntered(model, field);
    return true;
  }
  if (event->key() == Qt::Key_Backspace) return false;
  // Chords are commands (copy, select all), never typed text, whatever text the platform gives them.
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = event->text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;  // navigation and shortcuts
  return !FieldAcceptsText(model, text);
}

// Leaving a field applies what was typed in it, as Enter does; an untouched field applies nothing.
void TBaseColorPanel::LeaveField(QLineEdit* field) {
  if (!field->isModified()) return;
  field->setModified(false);
  if (field == edHEX_) {
    HexEntered();
    return;
  }
  for (int model = cmRGB; model <= cmLAB; ++model) {
    const auto& fields = editors_[static_cast<std::size_t>(model)].fields;
    if (std::find(fields.begin(), fields.end(), field) != fields.end()) {
      FieldsEntered(static_cast<TColorModel>(model), field);
    }
  }
}

bool TBaseColorPanel::IsEditorField(const QObject* object) const {
  if (object == nullptr) return false;
  if (object == edHEX_) return true;
  return std::any_of(editors_.begin(), editors_.end(), [object](const TModelEditors& editors) {
    return std::find(editors.fields.begin(), editors.fields.end(), object) != editors.fields.end();
  });
}

// A colour dragged onto a field is meant for the base colour, not typed into the field as text.
bool TBaseColorPanel::FilterFieldDrag(QEvent* event) {
  auto* drop = static_cast<QDropEvent*>(event);
  const std::optional<TColorDragOffer> offer = ColorDrag::OfferFromDrop(drop->source(), drop->mimeData());
  if (!offer || !ColorDrag::BaseSwatchAccepts(offer->kind)) return false;
  drop->acceptProposedAction();
  if (event->type() == QEvent::Drop) DropOnBase(*offer);
  return true;
}

bool TBaseColorPanel::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) && IsEditorField(watched)) {
    if (FilterFieldDrag(event)) return true;
  } else if (type == QEvent::ShortcutOverride && IsEditorField(watched)) {
    // The field's own keys (Ctrl+Z, Ctrl+A, Ctrl+C, Home...) stay with it; other chords of a window command run
    // that command. Leaving the override unaccepted lets the shortcut run.
    const auto* field = static_cast<QLineEdit*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!IsFieldKey(key) && IsWindowCommand(field, key)) return true;
  }
  if (type == QEvent::FocusOut && IsEditorField(watched)) LeaveField(static_cast<QLineEdit*>(watched));
  if (event->type() == QEvent::Resize) {
    for (const TModelEditors& editors : editors_) {
      if (watched == editors.page) LayoutPages();
    }
  } else if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton) {
      if (watched == imgWebSafe_) emit OnWebSafeClick();
      if (watched == imgWebSmart_) emit OnWebSmartClick();
    }
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == edHEX_) {
      if (!IsEnterKey(key)) {
        if (edHEX_->property("refused").toBool()) MarkHexRefused(false);
        return false;
      }
      HexEntered();
      return true;
    }
    for (int model = cmRGB; model <= cmLAB; ++model) {
      const auto& fields = editors_[static_cast<std::size_t>(model)].fields;
      if (std::find(fields.begin(), fields.end(), watched) != fields.end()) {
        return FilterFieldKey(static_cast<TColorModel>(model), key, watched);
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TBaseColorPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutPages();
}

void TBaseColorPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) LayoutPages();
  if (event->type() == QEvent::LanguageChange) ShowBaseMarks(workspace_.BaseColor());  // the tooltips
  QWidget::changeEvent(event);
}

}  // namespace tintorium
