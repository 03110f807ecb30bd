#include "windows/main/session_end.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace tochkograf {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP};
int pipe_ends[2] = {-1, -1};  // written by the handler, read by the event loop

void Handle(int signal) {
  const char number = static_cast<char>(signal);
  // Nothing to do if it fails: the pipe is full of signals already.
  [[maybe_unused]] const ssize_t written = ::write(pipe_ends[0], &number, 1);
}

void SetHandler(void (*handler)(int)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) sigaction(signal, &action, nullptr);
}

}  // namespace

SessionEnd::SessionEnd(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipe_ends) != 0) return;
  notifier_ = new QSocketNotifier(pipe_ends[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::Read);
  SetHandler(Handle);
}

SessionEnd::~SessionEnd() {
  if (!notifier_) return;
  SetHandler(SIG_DFL);
  ::close(pipe_ends[0]);
  ::close(pipe_ends[1]);
  pipe_ends[0] = pipe_ends[1] = -1;
}

void SessionEnd::Read() {
  char number = 0;
  if (::read(pipe_ends[1], &number, 1) == 1) emit Ending(number);
}

}  // namespace tochkograf
