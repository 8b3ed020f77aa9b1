#pragma once
// Makes every write past `bytes` into any file fail (EFBIG), as a full disk would, for as long as it lives.

#include <sys/resource.h>

#include <csignal>

namespace tintorium::test {

class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    if (getrlimit(RLIMIT_FSIZE, &previous_) != 0) return;
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~TFileSizeLimit() {
    if (active_) setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  bool active_ = false;
  void (*previousHandler_)(int) = SIG_DFL;
};

}  // namespace tintorium::test
