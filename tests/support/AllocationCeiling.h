#pragma once
// Limits the process's address space to what it uses now plus a margin, so that a reader that allocates what
// a hostile file merely claims (gigabytes) fails loudly (std::bad_alloc) instead of passing unnoticed.
// A no-op under AddressSanitizer, which reserves a huge shadow space of its own.

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

namespace tintorium::test {

#if defined(__SANITIZE_ADDRESS__)
#define TINTORIUM_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TINTORIUM_TEST_ASAN 1
#endif
#endif

class TAllocationCeiling {
 public:
  explicit TAllocationCeiling(rlim_t margin = rlim_t{1} << 30) {
#ifndef TINTORIUM_TEST_ASAN
    if (getrlimit(RLIMIT_AS, &previous_) != 0) return;
    rlimit limit = previous_;
    limit.rlim_cur = CurrentSize() + margin;
    if (previous_.rlim_max != RLIM_INFINITY && limit.rlim_cur > previous_.rlim_max) return;
    active_ = setrlimit(RLIMIT_AS, &limit) == 0;
#else
    (void)margin;
#endif
  }
  ~TAllocationCeiling() {
    if (active_) setrlimit(RLIMIT_AS, &previous_);
  }
  TAllocationCeiling(const TAllocationCeiling&) = delete;
  TAllocationCeiling& operator=(const TAllocationCeiling&) = delete;

 private:
  static rlim_t CurrentSize() {
    unsigned long pages = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
      if (std::fscanf(f, "%lu", &pages) != 1) pages = 0;
      std::fclose(f);
    }
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
  }

  rlimit previous_{};
  bool active_ = false;
};

}  // namespace tintorium::test
