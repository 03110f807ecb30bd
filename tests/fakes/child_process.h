#pragma once

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <csignal>
#include <functional>

namespace tochkograf {

// Permission bits do not stop root, so checks of read-only files and
// folders run in a child that has given up root for this user.
constexpr uid_t kUnprivilegedUser = 65534;  // nobody
constexpr gid_t kUnprivilegedGroup = 65534;

inline bool RunningAsRoot() { return geteuid() == 0; }

// Gives `path` to the user the child runs as, when the test runs as root.
inline void HandToChild(const QByteArray& path) {
  if (RunningAsRoot() && chown(path.constData(), kUnprivilegedUser, kUnprivilegedGroup) != 0)
    _exit(120);
}

struct ChildLimits {
  bool unprivileged = false;
  long file_size_limit = -1;  // bytes any one file may grow to; -1: none
};

// Runs `body` in a forked child and returns its result (0..119), or -1 when
// the child did not exit normally.
inline int RunInChild(const std::function<int()>& body, ChildLimits limits = {}) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (limits.file_size_limit >= 0) {
      // As a user's shell starts a program: a write past the limit ends it,
      // unless the program's own start-up says otherwise.
      std::signal(SIGXFSZ, SIG_DFL);
      const rlimit limit{static_cast<rlim_t>(limits.file_size_limit),
                         static_cast<rlim_t>(limits.file_size_limit)};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(121);
    }
    if (limits.unprivileged && RunningAsRoot()) {
      if (setgroups(0, nullptr) != 0 || setgid(kUnprivilegedGroup) != 0 ||
          setuid(kUnprivilegedUser) != 0)
        _exit(122);
    }
    _exit(body());
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace tochkograf
