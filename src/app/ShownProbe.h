#pragma once
// For the start-up benchmark (--exit-when-shown): on the window's first expose prints "shown" on standard output,
// waits until standard input closes (the benchmark reads the process's memory meanwhile) and ends the process.

#include <QObject>

class QWidget;

namespace tintorium {

class TShownProbe final : public QObject {
 public:
  /// Watches `window`, which must already have been shown.
  explicit TShownProbe(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tintorium
