#pragma once
// Reads the screen directly (X11): every screen captured and united into one desktop picture.

#include "ui/screenpick/ScreenSource.h"

namespace tintorium {

class TCaptureScreenSource final : public TScreenSource {
  Q_OBJECT

 public:
  using TScreenSource::TScreenSource;
  /// Emits Frozen on the next pass of the event loop, or Unavailable when no screen gave a picture.
  void Start() override;

  /// The desktop as it is now, every screen at its device pixel ratio; null when nothing could be read.
  static TFrozenScreen CaptureDesktop();
};

}  // namespace tintorium
