// Starts a program and prints the milliseconds from its start until it maps
// its first window on the X display, then its process id. The program is
// left running. Usage: map_watch PROGRAM [ARGS...]

#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: map_watch PROGRAM [ARGS...]\n");
    return 2;
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "map_watch: no X display\n");
    return 2;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_request_check(connection, xcb_change_window_attributes_checked(connection, screen->root,
                                                                     XCB_CW_EVENT_MASK, &mask));

  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
  while (true) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
      std::free(event);
      if (mapped) {
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        std::printf("%.2f %d\n", elapsed.count(), static_cast<int>(pid));
        return 0;
      }
    }
    if (poll(&watch, 1, 30000) <= 0) {
      std::fprintf(stderr, "map_watch: nothing mapped within 30 s\n");
      return 1;
    }
  }
}
