#pragma once
// The type list of the import and export wizards ("lstType"): each row one item string
// "Display name=LABEL+Description~Filter|*.ext", drawn as the name on the left and the label on the right.

#include <QListWidget>
#include <QStringList>

class QPainter;

namespace tintorium {

class TWizardTypeList final : public QListWidget {
  Q_OBJECT
 public:
  /// Rows from `items`, the first one current.
  explicit TWizardTypeList(const QStringList& items, QWidget* parent = nullptr);

  /// The item string of the current row (as a language file may have replaced it); empty when none.
  QString CurrentItem() const;

  /// Draws one row: `selected` fills it with the highlight colour and draws the text in RGB(243, 255, 255)
  /// inside a focus rectangle; otherwise the list's background and its text colour. The name is drawn from
  /// x = left + 2, one pixel above the vertical centre; the label right-aligned, ending 2 pixels before the
  /// right edge.
  static void PaintItem(QPainter& painter, const QRect& rect, const QPalette& palette, bool selected,
                        const QString& item);
  /// The row height: 16, or the font's line height plus 2 when that is more.
  static int RowHeight(const QFontMetrics& metrics);
};

}  // namespace tintorium
