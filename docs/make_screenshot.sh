#!/usr/bin/env bash
# Makes docs/screenshot.png: the editor's main window with a picture on it,
# in a private X server, as anyone can run it again (`make screenshot`).
# Usage: docs/make_screenshot.sh PATH_TO_TOCHKOGRAF
set -eu
program=$(realpath "${1:?usage: $0 PATH_TO_TOCHKOGRAF}")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

# The picture, a row of text a line: "#" is ink.
art=(
  "................................"
  "................................"
  "....##..................##......"
  "....#.#................#.#......"
  "....#..#..............#..#......"
  "....#...##############...#......"
  "....#....................#......"
  "...#......................#....."
  "...#.....##........##.....#....."
  "...#....####......####....#....."
  "...#.....##........##.....#....."
  "...#......................#....."
  "##.#..........##..........#.##.."
  "..##.........####.........##...."
  "##.#.....#....##....#.....#.##.."
  "....#.....####..####.....#......"
  ".....#..................#......."
  "......##..............##........"
  "........##############.........."
  ".......#..............#........."
  "......#................#........"
  ".....#..................#......."
  "....#....................#......"
  "....#....................#......"
  "....#....................#......"
  "....#.....#........#.....#......"
  "....#.....#........#.....#......"
  "....#.....#........#.....#...###"
  "....#.....#........#.....#..#..."
  "....#.....#........#.....####..."
  "....######..........######......"
  "................................"
)
width=${#art[0]} height=${#art[@]}
escapes=$(printf '\\x%02x' 2 "$width" "$height")
for row in "${art[@]}"; do
  for ((byte = 0; byte * 8 < width; byte++)); do
    value=0
    for ((bit = 0; bit < 8; bit++)); do
      [[ ${row:byte * 8 + bit:1} == "#" ]] && value=$((value | 128 >> bit))
    done
    escapes+=$(printf '\\x%02x' "$value")
  done
done
printf %b "$escapes" >"$work/кот.ems"

display_file="$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$display_file")"
command -v openbox >/dev/null && { openbox >/dev/null 2>&1 & sleep 0.5; }

(cd "$work" && HOME="$work" exec "$program" кот.ems) >/dev/null 2>&1 &
window=""
for _ in $(seq 200); do
  xdotool key Escape 2>/dev/null  # closes the splash
  window=$(xdotool search --onlyvisible --name '^кот - Tochkograf$' 2>/dev/null | head -n1) || true
  [ -n "$window" ] && break
  sleep 0.05
done
[ -n "$window" ] || { echo "the main window did not come up" >&2; exit 1; }
sleep 0.5
# The window with its frame where a window manager draws one.
frame=$(xwininfo -children -id "$window" | awk '/Parent window id/ {print $4}')
[ "$frame" = "$(xwininfo -root | awk '/Window id/ {print $4}')" ] && frame=$window
import -window "$frame" "$here/screenshot.png"
echo "wrote $here/screenshot.png"
