#include "app/AboutDialog.h"

#include "app/AppInfo.h"
#include "ui/language/MessageSeam.h"
#include "app/ShellOpen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <cmath>

namespace tintorium {
namespace {

constexpr int kWidth = 344;
constexpr int kHeight = 234;

// The picture: a ring of twelve hue segments, the program's name and what it is for, on the theme's list
// surface (white in the default theme).
void PaintPicture(QPainter& p, const QRect& area, const QPalette& colours) {
  p.fillRect(area, colours.color(QPalette::Base));
  p.setRenderHint(QPainter::Antialiasing, true);
  const QPointF centre(area.left() + 82, area.top() + 104);
  const double outer = 58;
  const double inner = 30;
  for (int i = 0; i < 12; ++i) {
    QPainterPath segment;
    const double start = 90 - i * 30 - 14;
    segment.arcMoveTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), start);
    segment.arcTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), start, 28);
    segment.arcTo(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner), start + 28, -28);
    segment.closeSubpath();
    p.fillPath(segment, QColor::fromHsv(i * 30, 200, 245));
  }
  p.setPen(colours.color(QPalette::Text));
  QFont title(QStringLiteral("DejaVu Sans"), 22, QFont::Bold);
  p.setFont(title);
  p.drawText(QRectF(area.left() + 156, area.top() + 70, 180, 40), Qt::AlignLeft | Qt::AlignVCenter,
             ApplicationTitle());
  QFont subtitle(QStringLiteral("DejaVu Sans"), 9);
  p.setFont(subtitle);
  p.setPen(colours.color(QPalette::Text));
  p.drawText(QRectF(area.left() + 158, area.top() + 110, 180, 36), Qt::AlignLeft | Qt::TextWordWrap,
             QStringLiteral("colour-scheme designer"));
  p.setPen(colours.color(QPalette::Mid));
  p.drawLine(area.left() + 12, area.bottom() - 44, area.right() - 12, area.bottom() - 44);
}

}  // namespace

TAboutDialog::TAboutDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(QStringLiteral("About..."));
  setFixedSize(kWidth, kHeight);
  setModal(true);
  QPalette surface = palette();
  surface.setColor(QPalette::Window, surface.color(QPalette::Base));
  surface.setColor(QPalette::WindowText, surface.color(QPalette::Text));
  setPalette(surface);

  const QString home = HomePageUrl();
  lblLink_ = new QLabel(this);
  lblLink_->setObjectName(QStringLiteral("lblLink"));
  if (!home.isEmpty()) lblLink_->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(home.toHtmlEscaped()));
  lblLink_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  lblLink_->setOpenExternalLinks(false);
  lblLink_->setCursor(Qt::PointingHandCursor);
  lblLink_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  lblLink_->setGeometry(kWidth - 12 - 260, 10, 260, 18);
  connect(lblLink_, &QLabel::linkActivated, this, [](const QString& link) { OpenWithShell(QUrl(link)); });
  lblLink_->setVisible(!home.isEmpty());

  Label1_ = new QLabel(LegalNotice(), this);
  Label1_->setObjectName(QStringLiteral("Label1"));
  Label1_->setWordWrap(true);
  Label1_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  Label1_->setGeometry(12, kHeight - 42, 214, 34);

  lblVer_ = new QLabel(BuildText(ApplicationVersion()), this);
  lblVer_->setObjectName(QStringLiteral("lblVer"));
  lblVer_->setAlignment(Qt::AlignRight | Qt::AlignBottom);
  lblVer_->setGeometry(kWidth - 12 - 110, kHeight - 42, 110, 34);

  QFont small = font();
  small.setPointSizeF(7.5);
  Label1_->setFont(small);
  lblVer_->setFont(small);

  if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

QString TAboutDialog::BuildText(const QString& version) {
  QStringList parts = version.split(QLatin1Char('.'), Qt::SkipEmptyParts);
  while (parts.size() < 4) parts << QStringLiteral("0");
  return QStringLiteral("Build: ") + parts.mid(0, 4).join(QLatin1Char('.'));
}

void TAboutDialog::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintPicture(p, rect(), palette());
}

void TAboutDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) accept();
}

}  // namespace tintorium
