#include "ui/controls/ColorList.h"

#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"
#include "ui/controls/ColorDrag.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace tintorium {
namespace {

const QColor ShadowColor(210, 210, 210);
const QColor TextColor(110, 110, 110);

/// The grey text, frame and shadow are made for a light list; on a dark one (a dark theme) they would vanish,
/// so there the text and frame are light and the shadow a darker shade of the list. Either way the text is
/// darkened or lightened as far as it takes to read (4.5:1) on the fill, selected fills included.
struct TItemInks {
  QColor text;
  QColor frame;
  QColor shadow;
};

TItemInks InksFor(const QColor& fill) {
  if (fill.lightness() >= 128) return {ReadableInk(TextColor, fill), Qt::black, ShadowColor};
  return {ReadableInk(QColor(200, 200, 200), fill), QColor(230, 230, 230), fill.darker(170)};
}

QFont MakeItemFont(int pointSize) {
  QFont font(QStringLiteral("Verdana"));
  font.setPointSize(pointSize);
  font.setBold(true);
  return font;
}

/// The two fonts of an item, made once: every visible item is drawn with them on each repaint. Never freed, so
/// nothing of the font system is touched after the application object is gone.
const QFont& ItemFont(int pointSize) {
  static const QFont* const name = new QFont(MakeItemFont(9));
  static const QFont* const values = new QFont(MakeItemFont(6));
  return pointSize == 9 ? *name : *values;
}

/// A rounded rectangle covering x1 .. x2 - 1 and y1 .. y2 - 1, corners of a 5 x 5 ellipse.
void RoundRect(QPainter& painter, int x1, int y1, int x2, int y2) {
  painter.drawRoundedRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), 2.5, 2.5);
}

void DrawText(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

/// No item is wide enough to show more than this many characters of a name; shaping a longer one on every
/// repaint (a file may hold names of any length) would only cost time.
constexpr int kMaxShownNameLength = 400;

QString ShownName(const QString& name) {
  if (name.size() <= kMaxShownNameLength) return name;
  int cut = kMaxShownNameLength;
  if (name.at(cut - 1).isHighSurrogate()) --cut;  // never split a surrogate pair
  return name.left(cut) + QChar(0x2026);
}

QString ModelText(const TColorObject& color) {
  std::string name;
  ModelName(color.Model(), name);
  return QString::fromStdString(name);
}

}  // namespace

void DrawColorListItem(QPainter& painter, const QRect& rect, TColorItemState state, const QString& name,
                       const TColorObject& color, bool compact, const QColor& background) {
  const int left = rect.left();
  const int top = rect.top();
  const int right = left + rect.width();
  const int bottom = top + rect.height();
  const int height = bottom - top;

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setClipRect(rect);

  const QColor fill = state.selected ? SelectedItemFill(background) : background;
  const TItemInks inks = InksFor(fill);
  painter.fillRect(rect, fill);
  if (state.focused) {
    painter.setPen(QPen(inks.frame, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  }

  painter.setPen(inks.shadow);
  painter.setBrush(inks.shadow);
  RoundRect(painter, left + 4, top + 4, left + height - 2, bottom - 2);
  painter.setPen(Qt::black);
  painter.setBrush(ToQColor(color.GetColor()));
  RoundRect(painter, left + 3, top + 3, left + height - 3, bottom - 3);

  painter.setPen(inks.text);
  const int textLeft = left + height + 6;
  const QString modelText = ModelText(color);
  if (!compact) {
    painter.setFont(ItemFont(9));
    const QFontMetrics nameMetrics = painter.fontMetrics();
    DrawText(painter, textLeft, top + 4, nameMetrics.elidedText(ShownName(name), Qt::ElideRight, right - textLeft - 3));
    painter.setFont(ItemFont(6));
    const QString values = modelText + QStringLiteral(": ") + QString::fromStdString(color.ValuesText());
    DrawText(painter, textLeft, bottom - painter.fontMetrics().height() - 4, values);
  } else {
    painter.setFont(ItemFont(6));
    const int modelWidth = painter.fontMetrics().horizontalAdvance(modelText);
    const int modelLeft = right - modelWidth - 3;
    DrawText(painter, modelLeft, top + 3, modelText);
    painter.setFont(ItemFont(9));
    const QFontMetrics nameMetrics = painter.fontMetrics();
    // The name gives way to the model name rather than running under it.
    const int nameWidth = modelLeft - textLeft - 6;
    DrawText(painter, textLeft, top + height / 2 - nameMetrics.height() / 2,
             nameMetrics.elidedText(ShownName(name), Qt::ElideRight, nameWidth));
  }
  painter.restore();
}

int ColorListItemMinimumWidth() {
  const QFontMetrics values(ItemFont(6));
  int widest = 0;
  for (const char* text : {"RGB: R:255 G:255 B:255", "HSB: H:359 S:100 B:100", "CMYK: C:100 M:100 Y:100 K:100",
                           "Lab: L:100 a:-128 b:-128"}) {
    // The sum of the letters' advances: never narrower than the shaped line (kerning only tightens these
    // pairs), and it spares shaping four lines for every list at start-up.
    int width = 0;
    for (const char* c = text; *c != '\0'; ++c) width += values.horizontalAdvance(QLatin1Char(*c));
    widest = std::max(widest, width);
  }
  // The layout of DrawColorListItem: the square swatch as high as the item, a gap of 6, the text, 3 to spare.
  return TColorList::ItemHeight + 6 + widest + 3;
}

QString ColorEntryToolTip(const QString& name, const TColorObject& color) {
  // Rich text always, so a name that looks like markup shows as typed.
  QStringList lines;
  if (!name.isEmpty()) lines << ShownName(name).toHtmlEscaped();
  lines << (ModelText(color) + QStringLiteral(": ") + QString::fromStdString(color.ValuesText())).toHtmlEscaped();
  lines << QStringLiteral("#") + QString::fromStdString(color.HexText());
  return QStringLiteral("<p style='white-space:pre'>") + lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
}

void TColorListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const QVariant value = index.data(ColorObjectRole);
  if (!value.canConvert<TColorObject>()) return;  // an item without a colour draws nothing
  const TColorItemState state{option.state.testFlag(QStyle::State_Selected),
                              option.state.testFlag(QStyle::State_HasFocus)};
  DrawColorListItem(*painter, option.rect, state, index.data(Qt::DisplayRole).toString(),
                    value.value<TColorObject>(), compact_, option.palette.color(QPalette::Base));
}

QSize TColorListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  // The view stretches every item to its width; asking for more would only bring a horizontal scroll bar.
  return {TColorList::ItemHeight, TColorList::ItemHeight};
}

TColorList::TColorList(QWidget* parent) : QListView(parent), delegate_(new TColorListDelegate(this)) {
  setItemDelegate(delegate_);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setMouseTracking(true);
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  setDefaultDropAction(Qt::CopyAction);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // long names are cut short with an ellipsis
}

bool TColorList::CompactDraw() const { return delegate_->CompactDraw(); }

QSize TColorList::minimumSizeHint() const {
  const int frame = 2 * frameWidth();
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  return {ColorListItemMinimumWidth() + scrollBar + frame, QListView::minimumSizeHint().height()};
}

void TColorList::SetCompactDraw(bool compact) {
  delegate_->SetCompactDraw(compact);
  viewport()->update();
}

int TColorList::Count() const { return model() ? model()->rowCount() : 0; }

int TColorList::CurrentRow() const {
  const QModelIndex index = currentIndex();
  return index.isValid() ? index.row() : -1;
}

void TColorList::SetCurrentRow(int row) {
  if (!model()) return;
  const QModelIndex index = model()->index(row, 0);
  setCurrentIndex(index);
  if (index.isValid()) scrollTo(index);
}

int TColorList::RowAt(const QPoint& viewportPos) const {
  const QModelIndex index = indexAt(viewportPos);
  return index.isValid() ? index.row() : -1;
}

int TColorList::InsertionRowAt(const QPoint& viewportPos) const {
  const int count = Count();
  const int row = RowAt(viewportPos);
  if (row >= 0) return row;
  // Off the items: above the first one (scrolled away) is the front, anywhere else the end.
  if (count > 0 && viewportPos.y() < visualRect(model()->index(0, 0)).top()) return 0;
  return count;
}

std::optional<TColorObject> TColorList::ColorAt(int row) const {
  if (!model() || row < 0 || row >= Count()) return std::nullopt;
  const QVariant value = model()->index(row, 0).data(ColorObjectRole);
  if (!value.canConvert<TColorObject>()) return std::nullopt;
  return value.value<TColorObject>();
}

QString TColorList::NameAt(int row) const {
  if (!model() || row < 0 || row >= Count()) return {};
  return model()->index(row, 0).data(Qt::DisplayRole).toString();
}

QList<int> TColorList::SelectedRows() const {
  QList<int> rows;
  if (!selectionModel()) return rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows << index.row();
  std::sort(rows.begin(), rows.end());
  return rows;
}

void TColorList::mouseMoveEvent(QMouseEvent* event) {
  const int row = RowAt(event->position().toPoint());
  const std::optional<TColorObject> color = ColorAt(row);
  if (color) {
    WatchWindowWhileHovering();
    emit OnColorHover(color->GetColor());
  } else {
    EndHover();
  }
  QListView::mouseMoveEvent(event);
}

void TColorList::mouseDoubleClickEvent(QMouseEvent* event) {
  QListView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit OnDblClick();
}

void TColorList::keyPressEvent(QKeyEvent* event) {
  // Only a list whose owner listens takes Enter and Delete; elsewhere they go on (to a dialog's default button).
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && isSignalConnected(QMetaMethod::fromSignal(&TColorList::OnReturnKey))) {
      emit OnReturnKey();
      event->accept();
      return;
    }
    if (event->key() == Qt::Key_Delete && isSignalConnected(QMetaMethod::fromSignal(&TColorList::OnDeleteKey))) {
      emit OnDeleteKey();
      event->accept();
      return;
    }
  }
  QListView::keyPressEvent(event);
}

bool TColorList::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave || event->type() == QEvent::Hide) EndHover();
  return QListView::viewportEvent(event);
}

// A modal dialog blocks the window, and pointer moves over a blocked window reach no widget: the list would never
// hear the pointer leave. So while it shows a hover it ends it itself when its window is blocked, left or hidden.
void TColorList::WatchWindowWhileHovering() {
  QWidget* top = window();
  if (watchedWindow_ == top) return;
  if (watchedWindow_) watchedWindow_->removeEventFilter(this);
  watchedWindow_ = top;
  top->installEventFilter(this);
}

void TColorList::EndHover() {
  if (watchedWindow_) watchedWindow_->removeEventFilter(this);
  watchedWindow_ = nullptr;
  emit OnColorHoverEnd();
}

bool TColorList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == watchedWindow_) {
    switch (event->type()) {
      case QEvent::WindowBlocked:
      case QEvent::WindowDeactivate:
      case QEvent::Leave:
      case QEvent::Hide: EndHover(); break;
      default: break;
    }
  }
  return QListView::eventFilter(watched, event);
}

void TColorList::startDrag(Qt::DropActions) {
  ColorDrag::ExecDrag(this, ColorDragOffer());  // nothing happens without a current item
  SetDropMarker(-1);
}

TColorDragOffer TColorList::ColorDragOffer() const {
  TColorDragOffer offer;
  offer.kind = dragKind_;
  const int row = CurrentRow();
  if (const std::optional<TColorObject> color = ColorAt(row)) {
    offer.color = color->GetColor();
    offer.model = color->Model();
    offer.object = TColorObjectFx(*color, NameAt(row).toStdU16String());
  }
  return offer;
}

void TColorList::SetColorDropTarget(TDropAccepts accepts, TDropApply drop) {
  dropAccepts_ = std::move(accepts);
  dropApply_ = std::move(drop);
  const bool dropping = dropAccepts_ && dropApply_;
  setAcceptDrops(dropping);
  viewport()->setAcceptDrops(dropping);
  setDragDropMode(dropping ? QAbstractItemView::DragDrop : QAbstractItemView::DragOnly);
}

bool TColorList::DropColor(const QObject* source, const QMimeData* mime, const QPoint& viewportPos) {
  if (!dropAccepts_ || !dropApply_) return false;
  const std::optional<TColorDragOffer> offer = ColorDrag::OfferFromDrop(source, mime);
  if (!offer || !dropAccepts_(source, *offer)) return false;
  dropApply_(source, *offer, InsertionRowAt(viewportPos));
  return true;
}

bool TColorList::AcceptsDrag(const QDropEvent* event) const {
  if (!dropAccepts_) return false;
  const std::optional<TColorDragOffer> offer = ColorDrag::OfferFromDrop(event->source(), event->mimeData());
  return offer && dropAccepts_(event->source(), *offer);
}

void TColorList::dragEnterEvent(QDragEnterEvent* event) {
  if (!AcceptsDrag(event)) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  SetDropMarker(InsertionRowAt(event->position().toPoint()));
}

void TColorList::dragMoveEvent(QDragMoveEvent* event) {
  if (!AcceptsDrag(event)) {
    event->ignore();
    SetDropMarker(-1);
    return;
  }
  event->acceptProposedAction();
  SetDropMarker(InsertionRowAt(event->position().toPoint()));
  if (hasAutoScroll()) startAutoScroll();
}

void TColorList::dragLeaveEvent(QDragLeaveEvent* event) {
  SetDropMarker(-1);
  stopAutoScroll();
  event->accept();
}

void TColorList::dropEvent(QDropEvent* event) {
  SetDropMarker(-1);
  stopAutoScroll();
  if (DropColor(event->source(), event->mimeData(), event->position().toPoint())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void TColorList::SetDropMarker(int row) {
  if (row == dropMarker_) return;
  dropMarker_ = row;
  viewport()->update();
}

void TColorList::paintEvent(QPaintEvent* event) {
  QListView::paintEvent(event);
  if (dropMarker_ < 0 || !model()) return;
  // A line where the dropped colour will go: above the row under the pointer, or below the last row.
  int y = 0;
  const int count = Count();
  if (dropMarker_ < count) {
    y = visualRect(model()->index(dropMarker_, 0)).top();
  } else if (count > 0) {
    y = visualRect(model()->index(count - 1, 0)).bottom() - 1;
  }
  QPainter painter(viewport());
  painter.fillRect(QRect(0, std::max(0, y - 1), viewport()->width(), 3), palette().color(QPalette::Highlight));
}

}  // namespace tintorium
