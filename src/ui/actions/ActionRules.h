#pragma once
// How a panel or page takes part in the main window's idle refresh of action states.

namespace tintorium {

class TMainActions;

/// Implemented by every panel, page or feature that owns actions of TMainActions. The main window calls
/// UpdateActions on each registered contributor whenever the program is idle (and tests call it directly).
/// An implementation computes enabled/checked states of *its own* actions from its state alone: no side
/// effects, no signals, cheap (it runs after every batch of events).
class TActionRules {
 public:
  virtual ~TActionRules() = default;
  virtual void UpdateActions(TMainActions& actions) = 0;
};

}  // namespace tintorium
