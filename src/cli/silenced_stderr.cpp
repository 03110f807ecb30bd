#include "cli/silenced_stderr.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace tochkograf {

SilencedStderr::SilencedStderr() : saved_(dup(STDERR_FILENO)) {
  const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (saved_ >= 0 && nowhere >= 0) {
    std::fflush(stderr);
    dup2(nowhere, STDERR_FILENO);
  }
  if (nowhere >= 0) close(nowhere);
}

SilencedStderr::~SilencedStderr() {
  if (saved_ < 0) return;
  std::fflush(stderr);
  dup2(saved_, STDERR_FILENO);
  close(saved_);
}

}  // namespace tochkograf
