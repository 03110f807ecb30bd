#!/usr/bin/env bash
# Every benchmark, with a note on how busy the machine was.
# Usage: bench/run.sh BENCH_BUILD_DIR
set -eu
build=$1
here=$(cd "$(dirname "$0")" && pwd)
echo "Machine: $(nproc) cores; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
"$build/bench/bench_pole_paint"
"$build/bench/bench_preview"
"$build/bench/bench_files"
"$build/bench/bench_history"
"$build/bench/bench_thumbnail"
"$build/bench/bench_import"
"$build/bench/bench_layout_guess"
(
  . "$here/start_xvfb.sh"
  QT_QPA_PLATFORM=xcb "$build/bench/bench_pen_window"
  QT_QPA_PLATFORM=xcb "$build/bench/bench_tools_window"
  QT_QPA_PLATFORM=xcb "$build/bench/bench_frames"
)
"$here/startup_memory.sh" "$build" 31
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
