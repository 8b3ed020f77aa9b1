#pragma once
// A page of the tool area (tcMain / nbTools): owns its tool's controls and its "Result space" selector.

#include <QWidget>

namespace tintorium {

class TToolPage : public QWidget {
  Q_OBJECT

 public:
  explicit TToolPage(QWidget* parent = nullptr);

  /// The tab change: the page's tool control is made visible and repainted when `shown`, hidden otherwise.
  /// A page without such a control (Colors from Image) ignores it.
  virtual void ShowTool(bool shown);
};

}  // namespace tintorium
