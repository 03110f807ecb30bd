#pragma once

namespace tochkograf {

// While it lives, standard error goes nowhere. Libraries that write their
// own complaints there (libpng, in English, on a damaged file) would
// otherwise stand beside the one message that says what failed.
class SilencedStderr {
 public:
  SilencedStderr();
  ~SilencedStderr();
  SilencedStderr(const SilencedStderr&) = delete;
  SilencedStderr& operator=(const SilencedStderr&) = delete;

 private:
  int saved_;  // -1 when standard error could not be put aside
};

}  // namespace tochkograf
