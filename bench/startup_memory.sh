#!/usr/bin/env bash
# Start-up time to the first mapped window, and peak memory, of the editor
# against a minimal Qt Widgets program showing one 500 x 230 window, both on
# a fresh Xvfb. Usage: startup_memory.sh BENCH_BUILD_DIR [RUNS]
set -eu
build=$1 runs=${2:-15}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/start_xvfb.sh"
. "$here/window_pixels.sh"
export QT_QPA_PLATFORM=xcb HOME=$(mktemp -d) XDG_RUNTIME_DIR=$(mktemp -d)

editor="$build/tochkograf" minimal="$build/bench/minimal_window" watch="$build/bench/map_watch"
minimal_text="$build/bench/minimal_text_window"

# Milliseconds to the first mapped window, one line per run.
startup_times() {
  for _ in $(seq "$runs"); do
    read -r ms pid < <("$watch" "$1")
    echo "$ms"
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    sleep 0.2
  done
}

stats() {  # median min max of the numbers on standard input
  sort -g | awk '{v[NR]=$1} END {printf "%.2f %.2f %.2f\n", v[int((NR+1)/2)], v[1], v[NR]}'
}

peak_kb() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }

# The kernel brings VmHWM up to date only now and then (on unmapping, for
# one), so a peak that lasts only while a window is open can slip past it.
# Watches VmRSS every few milliseconds in the background and, on TERM,
# prints the largest value seen.
watch_rss() {
  local pid=$1 most=0 kb
  trap 'echo "$most"; exit 0' TERM
  while kb=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null) && [ -n "$kb" ]; do
    [ "$kb" -gt "$most" ] && most=$kb
    sleep 0.005
  done
  echo "$most"
}

# Starts watch_rss on process $1, keeping its job in `watcher` and its
# output file in `seen` for true_peak_kb.
watch_from() { seen=$(mktemp); watch_rss "$1" >"$seen" & watcher=$!; }

# The larger of VmHWM and what the watcher of process $1 saw.
true_peak_kb() {
  kill -TERM "$watcher" 2>/dev/null
  # From a subshell the watcher cannot be waited for: wait for its answer.
  for _ in $(seq 100); do [ -s "$seen" ] && break; sleep 0.01; done
  awk -v a="$(peak_kb "$1")" -v b="$(cat "$seen")" 'BEGIN {print (a > b ? a : b)}'
  rm -f "$seen"
}

# Starts $1 and prints its process id once its first window is mapped. The
# server now and then turns a connection away after many starts: try again.
start_mapped() {
  for _ in 1 2 3; do
    if read -r _ started < <("$watch" "$1") && [ -n "$started" ]; then echo "$started"; return; fi
    sleep 1
  done
  echo "could not start $1 on $DISPLAY" >&2; exit 1
}

# A mapped window of process $1.
window_of() {
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.05
  done
  echo "no window of process $1" >&2; exit 1
}

# The window whose name is exactly $1, once it is mapped.
window_named() {
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.05
  done
  echo "no window named $1" >&2; exit 1
}

echo "== Start-up and memory (Xvfb $DISPLAY, $runs runs each)"
# Warm the file cache so that both programs start from memory.
startup_times "$minimal" >/dev/null; startup_times "$editor" >/dev/null
read -r m_med m_min m_max < <(startup_times "$minimal" | stats)
read -r e_med e_min e_max < <(startup_times "$editor" | stats)
printf '  %-38s %8s ms  (min %s, max %s)\n' "minimal Qt window mapped" "$m_med" "$m_min" "$m_max"
printf '  %-38s %8s ms  (min %s, max %s)\n' "editor's splash mapped" "$e_med" "$e_min" "$e_max"
awk -v e="$e_med" -v m="$m_med" -v a="$e_min" -v b="$m_max" -v c="$e_max" -v d="$m_min" \
  'BEGIN {printf "  %-38s %6.2f  (%.2f .. %.2f)  target at most 1.25\n", "start-up / minimal", e/m, a/b, c/d}'

# Peak memory: the minimal window once shown; the editor with its main
# window shown, then with a 128 x 96 picture set in the size dialog and
# drawn on. Prints "main-window-kB drawn-kB".
minimal_kb() {  # the peak of program $1, default the minimal window
  pid=$(start_mapped "${1:-$minimal}")
  watch_from "$pid"
  sleep 1
  true_peak_kb "$pid"
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

# The drawing area's inner rectangle once it shows the 128 x 96 picture in
# square cells, as the window fits it after a change of size: sets X, Y,
# WIDTH and HEIGHT (the window's) and left, top, right, bottom (the area's,
# in the window).
fitted_area() {
  for _ in $(seq 200); do
    eval "$(xdotool getwindowgeometry --shell "$1")"
    if read -r left top right < <(drawing_area "$1" c0c0c0); then
      bottom=$((top + (right - left + 1) * 96 / 128 - 1))
      # Under it only the area's frame, as wide as that on its left.
      [ $(((HEIGHT - 1 - left) - bottom)) -le 1 ] && [ $(((HEIGHT - 1 - left) - bottom)) -ge -1 ] && return
    fi
    sleep 0.05
  done
  echo "the drawing area never showed 128 x 96 in square cells" >&2; exit 1
}

editor_kb() {
  # A home of its own, as at a first start: the run before was killed with
  # a drawing unsaved, which the editor would offer back in a question.
  local home; home=$(mktemp -d)
  pid=$(HOME=$home start_mapped "$editor")
  watch_from "$pid"
  # A press on the splash, the one window mapped yet, closes it.
  sleep 0.3; splash=$(window_of "$pid")
  eval "$(xdotool getwindowgeometry --shell "$splash")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
  main=$(window_named Tochkograf)
  sleep 0.5
  local shown; shown=$(peak_kb "$pid")
  eval "$(xdotool getwindowgeometry --shell "$main")"  # X, Y, WIDTH, HEIGHT of the window
  # The toolbar's button for the picture's size, found by its picture.
  read -r bx by < <(icon_centre "$main" "$here/../src/windows/icons/size.xpm") ||
    { echo "no button for the picture's size in the main window" >&2; exit 1; }
  xdotool mousemove $((X + bx)) $((Y + by)) click 1
  size=$(window_named "Выберите размер изображения")
  xdotool windowfocus --sync "$size" key Tab Tab Tab End Tab End shift+Tab shift+Tab shift+Tab shift+Tab space
  fitted_area "$main"
  xdotool mousemove $((X + left)) $((Y + top)) mousedown 1
  for i in $(seq 0 30); do
    xdotool mousemove $((X + left + i * (right - left) / 30)) $((Y + top + i * (bottom - top) / 30))
  done
  xdotool mouseup 1
  sleep 0.5
  [ -n "${BENCH_SHOT:-}" ] && import -window root "$BENCH_SHOT"
  echo "$shown $(true_peak_kb "$pid")"
  kill "$pid"
  # Not this shell's child: wait till it has kept its unsaved copy and gone.
  for _ in $(seq 200); do [ -e "/proc/$pid" ] || break; sleep 0.05; done
  rm -rf "$home"
}

memory_runs=3
read -r m_kb m_lo m_hi < <(for _ in $(seq $memory_runs); do minimal_kb; done | stats)
read -r t_kb t_lo t_hi < <(for _ in $(seq $memory_runs); do minimal_kb "$minimal_text"; done | stats)
runs_file=$(mktemp)
for _ in $(seq $memory_runs); do editor_kb; done >"$runs_file"
read -r w_kb w_lo w_hi < <(cut -d' ' -f1 "$runs_file" | stats)
read -r e_kb e_lo e_hi < <(cut -d' ' -f2 "$runs_file" | stats)
rm -f "$runs_file"
printf '  %-38s %8.0f kB  (min %.0f, max %.0f; %d runs each)\n' \
  "minimal Qt window, peak" "$m_kb" "$m_lo" "$m_hi" "$memory_runs" \
  "the same with one line of text, peak" "$t_kb" "$t_lo" "$t_hi" "$memory_runs" \
  "editor, main window shown, peak" "$w_kb" "$w_lo" "$w_hi" "$memory_runs" \
  "editor, 128 x 96 drawn, peak" "$e_kb" "$e_lo" "$e_hi" "$memory_runs"
awk -v w="$w_kb" -v e="$e_kb" -v m="$m_kb" -v t="$t_kb" -v lo="$e_lo" -v hi="$e_hi" -v mlo="$m_lo" -v mhi="$m_hi" 'BEGIN {
  printf "  %-38s %6.2f  (the size dialog not yet opened)\n", "main window shown / minimal", w/m
  printf "  %-38s %6.2f  (%.2f .. %.2f)  target at most 1.25\n", "editor / minimal", e/m, lo/mhi, hi/mlo
  printf "  %-38s %6.2f  (text alone costs the floor %.0f kB)\n", "editor / minimal with text", e/t, t-m }'
echo
