#pragma once
// Where the picker gets the screen from. A source works asynchronously: after Start() exactly one of its
// signals follows, later, from the event loop.

#include "engine/screenpick/FrozenScreen.h"

#include <QColor>
#include <QObject>

namespace tintorium {

class TScreenSource : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  /// Begins reading the screen; call once.
  virtual void Start() = 0;

 signals:
  /// A still picture of the desktop, for the cover window and the magnifier.
  void Frozen(const tintorium::TFrozenScreen& screen);
  /// The source let the user pick the colour itself (the portal's own picker).
  void Picked(const QColor& color);
  /// The user cancelled the source's own picker.
  void Cancelled();
  /// The screen cannot be read this way.
  void Unavailable();
};

}  // namespace tintorium
