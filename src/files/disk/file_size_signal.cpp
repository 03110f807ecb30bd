#include "files/disk/file_size_signal.h"

#include <csignal>

namespace tochkograf {

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace tochkograf
