#pragma once
// The application object the Qt parts of the engine need (image plugins, fonts for swatch texts, sockets),
// on the offscreen platform: the command-line tool never needs a display.

#include <memory>

class QCoreApplication;

namespace tintorium::cli {

class THeadlessApp {
 public:
  /// Creates the application unless one exists already.
  THeadlessApp();
  ~THeadlessApp();
  THeadlessApp(const THeadlessApp&) = delete;
  THeadlessApp& operator=(const THeadlessApp&) = delete;

 private:
  std::unique_ptr<QCoreApplication> app_;
};

}  // namespace tintorium::cli
