# Sourced: starts Xvfb on a free display, exports DISPLAY and stops it on exit.
xvfb_fd_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$xvfb_fd_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$xvfb_fd_file" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$xvfb_fd_file")"
rm -f "$xvfb_fd_file"
trap 'kill $xvfb_pid 2>/dev/null' EXIT
