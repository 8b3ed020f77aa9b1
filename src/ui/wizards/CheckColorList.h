#pragma once
// The wizards' colour lists ("lvwImport", "lvwExport"): a row per colour with a check box, whole-row selection
// and three columns: "Name" (100 pixels), an untitled swatch column (32 pixels) and "Value" (the rest).

#include <QColor>
#include <QList>
#include <QTreeWidget>

namespace tintorium {

class TCheckColorList final : public QTreeWidget {
  Q_OBJECT
 public:
  /// `name` is the object name (the language key of the column titles: name0 and name2).
  explicit TCheckColorList(const QString& name, QWidget* parent = nullptr);

  /// Appends a checked row.
  void AddRow(const QString& caption, const QString& value, const QColor& swatch);
  /// Whether row `row` is checked.
  bool IsChecked(int row) const;
  /// The checked rows' indexes, top to bottom.
  QList<int> CheckedRows() const;
  /// Checks or unchecks every row ("Check all", "Uncheck all").
  void SetAllChecked(bool checked);
  /// The swatch colour of row `row` (invalid when out of range).
  QColor Swatch(int row) const;

  /// The rectangle the swatch of a row occupies within `rowRect`, given the first two columns' widths:
  /// from (left + width0 + 2, top + 1) to (left + width0 + width1 - 2, bottom - 1).
  static QRect SwatchRect(const QRect& rowRect, int width0, int width1);
};

}  // namespace tintorium
