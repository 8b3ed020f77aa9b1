#pragma once
// The wait cursor for as long as a wizard reads or writes a file or fetches an address.

#include <QCursor>
#include <QGuiApplication>

namespace tintorium {

class TBusyCursor {
 public:
  TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};

}  // namespace tintorium
