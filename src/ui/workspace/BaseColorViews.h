#pragma once
// The narrow interfaces through which BaseColorChanged reaches the views.

#include "core/ColorObject.h"

class QObject;

namespace tintorium {

/// Steps 1 and 2: the base swatch, the web indicators and the channel editors (the Base Color panel).
class TBaseColorEditors {
 public:
  virtual ~TBaseColorEditors() = default;
  /// Step 1: the swatch shows the colour; the web-safe and web-smart indicators and their hints follow it.
  virtual void ShowBaseMarks(const TColorObject& base) = 0;
  /// Step 2: refresh the editors of the four models in the order RGB, HSB, CMYK, Lab; with refreshAll false
  /// the editors of `model` keep what the user typed or dragged.
  virtual void ShowBaseValues(const TColorObject& base, TColorModel model, bool refreshAll) = 0;

 protected:
  TBaseColorEditors() = default;
};

/// The tools that follow the base colour (step 3), called in the order of their slots.
enum class TFollowerSlot : std::uint8_t { Wheel = 0, Spectrum = 1, Variations = 2 };

/// A tool that derives its colours from the base colour (the colour wheel, the spectrum, the variation strips).
class TBaseColorFollower {
 public:
  virtual ~TBaseColorFollower() = default;
  /// The new base colour; the follower recomputes and repaints.
  virtual void FollowBaseColor(const TColorObject& base) = 0;
  /// True when `sender` is a control of this follower's kind, whose own change must not be handed back
  /// (the wheel skips a change sent by a colour wheel, the spectrum one sent by a spectrum; the variation
  /// strips skip nothing).
  virtual bool SkipsSender(const QObject* sender) const = 0;

 protected:
  TBaseColorFollower() = default;
};

}  // namespace tintorium
