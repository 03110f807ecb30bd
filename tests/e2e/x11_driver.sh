# shellcheck shell=bash
# Drives the real program in a private X server the way a person would:
# pointer and keyboard through xdotool, windows found by title, cells found
# from the main window's geometry. Sourced by run.sh.
#
# Every wait polls with an upper bound and fails with a message that names
# what did not happen; nothing relies on a fixed sleep being long enough.

readonly SCREEN_W=1280 SCREEN_H=1024
readonly WAIT_SECONDS=15    # for windows, focus, files: generous for a busy machine
readonly POLE_FRAME=2       # sunken panel around the drawing area
readonly POLE_START=548     # the drawing area at start, frame included: 32 cells of 17 px
readonly GRID_GREY=c0c0c0   # the grid's colour

# Set by run.sh.
program="" work="" xvfb_pid=""
# Set by each scenario.
scenario="" app_dir="" app_pid="" main_window="" question=""
win_x=0 win_y=0 win_w=0 win_h=0
pole_top=0  # the drawing area's first inner row, in the window, read from its pixels
pic_w=32 pic_h=32  # the picture's size; a new one is 32 x 32
# Set by read_geometry and cell_point.
geo_x=0 geo_y=0 geo_w=0 geo_h=0 cell_x=0 cell_y=0

now_ms() {
  local t=${EPOCHREALTIME/./}
  echo $((t / 1000))
}

fail() {
  echo "FAIL $scenario: $*" >&2
  show_state >&2
  exit 1
}

show_state() {
  local w
  echo "  windows of the program now:"
  for w in $(visible_windows); do
    echo "    $w \"$(xdotool getwindowname "$w" 2>/dev/null)\""
  done
  echo "  keyboard focus: $(xdotool getwindowfocus 2>/dev/null)"
  if [[ -n $app_dir && -s $app_dir/program.log ]]; then
    echo "  program output:"
    sed 's/^/    /' "$app_dir/program.log"
  fi
}

# wait_for WHAT COMMAND...: polls COMMAND until it succeeds.
wait_for() {
  local what=$1
  shift
  local deadline=$(($(now_ms) + WAIT_SECONDS * 1000))
  until "$@"; do
    (($(now_ms) < deadline)) || fail "$what: not within $WAIT_SECONDS s"
    sleep 0.02
  done
}

# xdotool commands that wait (--sync) get an upper bound too.
xdo() {
  timeout "$WAIT_SECONDS" xdotool "$@" || fail "xdotool $* did not succeed"
}

start_xvfb() {
  local display_file=$1
  Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp -noreset \
    3>"$display_file" >"$display_file.log" 2>&1 &
  xvfb_pid=$!
  wait_for "the X server starting" grep -q '^[0-9][0-9]*$' "$display_file"
  DISPLAY=":$(<"$display_file")"
  export DISPLAY
}

stop_xvfb() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
}

app_running() {
  local state
  [[ -r /proc/$app_pid/stat ]] || return 1
  read -r _ _ state _ <"/proc/$app_pid/stat" || return 1
  [[ $state != Z ]]
}

app_ended() { ! app_running; }

# Starts the program in a folder of its own, with an empty home and nothing
# from this shell's environment but the display: no desktop settings change
# the look or the order of buttons.
start_program() {
  app_dir="$work/$scenario"
  mkdir -p "$app_dir/home" "$app_dir/runtime"
  chmod 700 "$app_dir/runtime"
  local -a keep=()
  local name
  # A sanitized build keeps its options and suppressions.
  for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [[ -n ${!name:-} ]] && keep+=("$name=${!name}")
  done
  (cd "$app_dir" && exec env -i PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" \
    HOME="$app_dir/home" XDG_RUNTIME_DIR="$app_dir/runtime" QT_QPA_PLATFORM=xcb \
    "${keep[@]}" "$program" "$@") >"$app_dir/program.log" 2>&1 &
  app_pid=$!
  main_window=""
}

stop_program() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null
  app_pid=""
}

# The program's exit status once it has ended by itself.
expect_exit_status() {
  local expected=$1 status
  wait_for "the program ending" app_ended
  wait "$app_pid"
  status=$?
  app_pid=""
  ((status == expected)) || fail "the program ended with status $status, not $expected"
}

visible_windows() {
  [[ -n $app_pid ]] && xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null
}

# find_window VAR TITLE: a visible window of the program with exactly TITLE.
find_window() {
  local w
  for w in $(visible_windows); do
    if [[ $(xdotool getwindowname "$w" 2>/dev/null) == "$2" ]]; then
      printf -v "$1" %s "$w"
      return 0
    fi
  done
  return 1
}

find_splash() {
  local w
  for w in $(visible_windows); do
    if xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_NET_WM_WINDOW_TYPE_SPLASH'; then
      printf -v "$1" %s "$w"
      return 0
    fi
  done
  return 1
}

# A menu's drop-down list: a window that bypasses the window manager.
find_popup() {
  local w
  for w in $(visible_windows); do
    if xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes'; then
      printf -v "$1" %s "$w"
      return 0
    fi
  done
  return 1
}

window_gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
has_focus() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }
caption_is() { [[ $(xdotool getwindowname "$main_window" 2>/dev/null) == "$1" ]]; }

# read_geometry WINDOW: sets geo_x, geo_y, geo_w, geo_h.
read_geometry() {
  local key value
  while IFS='=' read -r key value; do
    case $key in
      X) geo_x=$value ;;
      Y) geo_y=$value ;;
      WIDTH) geo_w=$value ;;
      HEIGHT) geo_h=$value ;;
    esac
  done < <(xdotool getwindowgeometry --shell "$1")
}

# The main window after the splash: found, measured, given the keyboard.
# The main window, captioned "Tochkograf" or, with a file open, after it.
# At start its drawing area is square, as large as it was drawn; with a file
# open, it has fitted itself to the picture.
wait_main_window() {
  local caption=${1:-Tochkograf}
  wait_for "the main window \"$caption\"" find_window main_window "$caption"
  wait_for "the drawing area's grid in the main window" drawing_area_top "$main_window"
  wait_for "square cells of the $pic_w x $pic_h picture" fitted_main_window
  local pole_w=$win_w pole_h=$((win_h - pole_top + POLE_FRAME))
  [[ $caption != Tochkograf ]] || ((pole_w == POLE_START && pole_h == POLE_START)) ||
    fail "the drawing area is $pole_w x $pole_h at start, not $POLE_START x $POLE_START"
  focus_main
}

# drawing_area_top WINDOW: sets pole_top to the first row inside the drawing
# area, in the window's coordinates, as the window shows it: the first row
# that is the grid's grey all across the inside, which is the grid's top
# line while the grid is on. Everything above it (the menu bar, the band of
# buttons and labels, whose height the desktop's font sets) never is.
drawing_area_top() {
  local shot="$app_dir/shot.xwd" row
  local -a head
  xwd -silent -id "$1" -out "$shot" || return 1
  read -r -a head < <(od -An -v -tu4 --endian=big -N 80 "$shot" | tr -s ' \n' ' ')
  local bytes=$((head[11] / 8)) line=${head[12]} start=$((head[0] + head[19] * 12))
  row=$(od -An -v -tx1 -w"$line" -j "$start" "$shot" |
    awk -v first="$POLE_FRAME" -v end=$((head[4] - POLE_FRAME)) -v bytes="$bytes" \
      -v grey="$GRID_GREY" '
      {
        for (x = first; x < end; x++) {
          pixel = ""
          for (b = 1; b <= bytes; b++) pixel = pixel $(x * bytes + b)
          if (index(pixel, grey) == 0) next
        }
        print NR - 1
        exit
      }')
  [[ -n $row ]] || return 1
  pole_top=$row
}

# fitted_main_window: true once the drawing area shows the pic_w x pic_h
# picture in square cells (to the pixel the window rounds to), as the window
# makes it whenever the picture's size changes; then sets win_x, win_y,
# win_w and win_h.
fitted_main_window() {
  read_geometry "$main_window"
  local inner_w=$((geo_w - 2 * POLE_FRAME)) inner_h=$((geo_h - pole_top - POLE_FRAME))
  local off=$((inner_h - (inner_w * pic_h + pic_w / 2) / pic_w))
  ((off * off <= 1)) || return 1
  win_x=$geo_x win_y=$geo_y win_w=$geo_w win_h=$geo_h
}

# Bare X has no window manager to give the main window the keyboard back when
# a dialog closes; do what it would.
focus_main() {
  has_focus "$main_window" || xdo windowfocus --sync "$main_window"
}

# Starts the program and closes the splash the way HOW says: key or click.
# Starts the program with the arguments after the first and closes the
# splash with a key or a click; the main window then has the caption
# $caption (by default "Tochkograf").
start_past_splash() {
  local how=$1 caption=${caption:-Tochkograf} splash t0 elapsed
  start_program "${@:2}"
  wait_for "the splash window" find_splash splash
  t0=$(now_ms)
  case $how in
    key)
      wait_for "the splash taking the keyboard" has_focus "$splash"
      xdo key shift
      ;;
    click)
      read_geometry "$splash"
      point_at $((geo_x + geo_w / 2)) $((geo_y + geo_h / 3))
      xdo click 3
      ;;
  esac
  wait_for "the splash closing at a $how" window_gone "$splash"
  elapsed=$(($(now_ms) - t0))
  # Left alone, the splash stays for its 101 ticks of 15 ms.
  ((elapsed < 1000)) || fail "the splash took $elapsed ms to close at a $how"
  echo "  splash closed at a $how after $elapsed ms"
  wait_main_window "$caption"
}

# point_at X Y: moves the pointer there. `mousemove --sync` would wait for
# ever when the pointer is there already.
point_at() {
  [[ $(xdotool getmouselocation) == "x:$1 y:$2 "* ]] || xdo mousemove --sync "$1" "$2"
}

# cell_point COLUMN ROW: sets cell_x, cell_y to the centre of the cell, from
# the drawing area's inner rectangle.
cell_point() {
  local inner_x=$((win_x + POLE_FRAME))
  local inner_y=$((win_y + pole_top))
  local inner_w=$((win_w - 2 * POLE_FRAME))
  local inner_h=$((win_h - pole_top - POLE_FRAME))
  cell_x=$((inner_x + (2 * $1 - 1) * inner_w / (2 * pic_w)))
  cell_y=$((inner_y + (2 * $2 - 1) * inner_h / (2 * pic_h)))
}

point_at_cell() {
  cell_point "$1" "$2"
  point_at "$cell_x" "$cell_y"
}

# click_cell BUTTON COLUMN ROW (1 left, 3 right)
click_cell() {
  point_at_cell "$2" "$3"
  xdo click "$1"
}

# drag_cells BUTTON C1 R1 C2 R2: press on one cell, move to the other, release.
drag_cells() {
  point_at_cell "$2" "$3"
  xdo mousedown "$1"
  point_at_cell "$4" "$5"
  xdo mouseup "$1"
}

# menu_file PLACE: clicks the title "Файл", whose box reaches up to the
# window's top edge, and chooses the item PLACE items up from the bottom:
# Up from the top of a freshly opened menu lands on its last item.
menu_file() {
  local popup up
  local -a keys=()
  point_at $((win_x + 15)) $((win_y + 3))
  xdo click 1
  wait_for "the menu \"Файл\" opening" find_popup popup
  for ((up = 0; up < $1; up++)); do keys+=(Up); done
  xdo key "${keys[@]}" Return
  wait_for "the menu closing" window_gone "$popup"
}

menu_file_exit() { menu_file 1; }      # "Выход"
menu_file_export() { menu_file 5; }    # "Экспорт..."
menu_file_import() { menu_file 7; }    # "Импорт изображения..."

# answer_file_dialog TITLE PATH: types the full path into the name box.
answer_file_dialog() {
  local dialog
  wait_for "the dialog \"$1\"" find_window dialog "$1"
  wait_for "the dialog \"$1\" taking the keyboard" has_focus "$dialog"
  xdo type --delay 10 "$2"
  xdo key Return
  wait_for "the dialog \"$1\" closing" window_gone "$dialog"
}

# The unsaved-changes question; sets `question`.
wait_question() {
  wait_for "the question titled \"$1\"" find_window question "$1"
  wait_for "the question taking the keyboard" has_focus "$question"
}

# use_layout LAYOUTS: the keyboard layouts of the X server, the first active.
use_layout() {
  setxkbmap -layout "$1" || fail "setxkbmap -layout $1 did not succeed"
}

# key_code LETTER: the X key code of the key that bears LETTER on a Latin
# keyboard, whatever the layout: the server names that key <LatLETTER>.
key_code() {
  local keymap name code
  keymap=$(xkbcomp -xkb "$DISPLAY" - 2>/dev/null)
  name=$(sed -n "s/.*alias <Lat$1> *= *<\([A-Z0-9]*\)>;.*/\1/p" <<<"$keymap")
  code=$(sed -n "s/^ *<$name> *= *\([0-9]*\);.*/\1/p" <<<"$keymap")
  [[ -n $name && -n $code ]] || fail "no key code for the Latin letter $1"
  echo "$code"
}

# ctrl_keys LETTER...: Ctrl and each letter's key, sent by key code, so that
# the program gets what that key types in the layout in use.
ctrl_keys() {
  local letter
  local -a keys=()
  for letter; do keys+=("ctrl+$(key_code "$letter")"); done
  xdo key "${keys[@]}"
}

# region_digest WINDOW X Y WIDTH HEIGHT: a digest of the pixels the window
# shows there, to tell whether that part of it has changed.
region_digest() {
  local shot="$app_dir/shot.xwd" row
  local -a head
  xwd -silent -id "$1" -out "$shot" || fail "xwd could not read window $1"
  # The header is big-endian 32-bit fields: its size, then the picture's
  # layout; the colour table follows it and the pixels follow that.
  read -r -a head < <(od -An -v -tu4 --endian=big -N 80 "$shot" | tr -s ' \n' ' ')
  local bytes=$((head[11] / 8)) line=${head[12]} start=$((head[0] + head[19] * 12))
  for ((row = $3; row < $3 + $5; row++)); do
    tail -c +$((start + row * line + $2 * bytes + 1)) "$shot" | head -c $(($4 * bytes))
  done | md5sum
}

# region_is DIGEST WINDOW X Y WIDTH HEIGHT / region_differs ...
region_is() { [[ $(region_digest "${@:2}") == "$1" ]]; }
region_differs() { ! region_is "$@"; }

# The picture as the test expects it: cells set to ink, by "column,row".
declare -A ink=()

ink_on() { ink[$1,$2]=1; }
ink_off() { unset "ink[$1,$2]"; }
ink_clear() { ink=(); }

# ink_shift up|down|left|right: wrap-around within pic_w x pic_h.
ink_shift() {
  local -A moved=()
  local key c r
  for key in "${!ink[@]}"; do
    c=${key%,*} r=${key#*,}
    case $1 in
      up) r=$(((r + pic_h - 2) % pic_h + 1)) ;;
      down) r=$((r % pic_h + 1)) ;;
      left) c=$(((c + pic_w - 2) % pic_w + 1)) ;;
      right) c=$((c % pic_w + 1)) ;;
    esac
    moved[$c,$r]=1
  done
  ink=()
  for key in "${!moved[@]}"; do ink[$key]=1; done
}

# ink_invert: every cell of the pic_w x pic_h picture the other way round.
ink_invert() {
  local -A was=()
  local key x y
  for key in "${!ink[@]}"; do was[$key]=1; done
  ink=()
  for ((y = 1; y <= pic_h; y++)); do
    for ((x = 1; x <= pic_w; x++)); do [[ -n ${was[$x,$y]:-} ]] || ink[$x,$y]=1; done
  done
}

# packed_rows: the rows of `ink` at pic_w x pic_h as printf escapes, in
# whole bytes, the leftmost pixel in the top bit and ink as 1: the rows of
# an .ems picture, and of a PBM alike.
packed_rows() {
  local row byte bit value escapes=""
  for ((row = 1; row <= pic_h; row++)); do
    for ((byte = 0; byte * 8 < pic_w; byte++)); do
      value=0
      for ((bit = 0; bit < 8; bit++)); do
        [[ -n ${ink[$((byte * 8 + bit + 1)),$row]:-} ]] && value=$((value | 128 >> bit))
      done
      escapes+=$(printf '\\x%02x' "$value")
    done
  done
  echo "$escapes"
}

# write_expected FILE: the file the program must write for `ink`: marker 2,
# width, height, then the packed rows.
write_expected() {
  printf %b "$(printf '\\x%02x' 2 "$pic_w" "$pic_h")$(packed_rows)" >"$1"
}

# write_expected_pbm FILE: `ink` as a raw PBM (P4), 1 for black.
write_expected_pbm() {
  printf 'P4\n%d %d\n%b' "$pic_w" "$pic_h" "$(packed_rows)" >"$1"
}

# write_expected_pgm FILE: `ink` as a raw PGM (P5) of black and white, as
# netpbm's pngtopnm reads a one-bit PNG of black ink on white paper.
write_expected_pgm() {
  local row x escapes=""
  for ((row = 1; row <= pic_h; row++)); do
    for ((x = 1; x <= pic_w; x++)); do
      if [[ -n ${ink[$x,$row]:-} ]]; then escapes+='\x00'; else escapes+='\xff'; fi
    done
  done
  printf 'P5\n%d %d\n255\n%b' "$pic_w" "$pic_h" "$escapes" >"$1"
}

# expect_same FILE EXPECTED: FILE comes to hold exactly the bytes of
# EXPECTED.
expect_same() {
  local deadline=$(($(now_ms) + WAIT_SECONDS * 1000))
  until cmp -s "$1" "$2"; do
    if (($(now_ms) >= deadline)); then
      [[ -e $1 ]] || fail "\"$1\" was not written"
      echo "  expected:" >&2
      od -An -tx1 -v "$2" | head -20 >&2
      echo "  found:" >&2
      od -An -tx1 -v "$1" | head -20 >&2
      fail "\"$1\" does not hold the picture drawn"
    fi
    sleep 0.02
  done
}

# expect_file FILE: FILE comes to hold exactly the bytes of `ink`, at
# pic_w x pic_h.
expect_file() {
  write_expected "$1.expected"
  expect_same "$1" "$1.expected"
}

# menu_frames PLACE: chooses item PLACE (1 the first, separators not
# counted) of "Кадры", the fourth title, from the keyboard: Alt highlights
# the first title, Right moves along, Down opens the menu at its first item.
menu_frames() {
  local popup step
  local -a keys=(Down)
  focus_main
  xdo key alt Right Right Right
  for ((step = 1; step < $1; step++)); do keys+=(Down); done
  xdo key Down
  wait_for "the menu \"Кадры\" opening" find_popup popup
  xdo key "${keys[@]:1}" Return
  wait_for "the menu closing" window_gone "$popup"
}

# crc_x25 FILE: the CRC-16/X-25 of the file's bytes, as two printf escapes,
# low byte first.
crc_x25() {
  local crc=$((0xFFFF)) byte bit
  for byte in $(od -An -v -tu1 "$1"); do
    crc=$((crc ^ byte))
    for ((bit = 0; bit < 8; bit++)); do
      if ((crc & 1)); then crc=$(((crc >> 1) ^ 0x8408)); else crc=$((crc >> 1)); fi
    done
  done
  crc=$((crc ^ 0xFFFF))
  printf '\\x%02x\\x%02x' $((crc & 255)) $((crc >> 8))
}

# write_expected_frames FILE ROWS...: the .ems file of frames whose packed
# rows (packed_rows) are given in order, each of 500 ms: the first frame as
# a one-frame file, then the frames block and its checksum.
write_expected_frames() {
  local file=$1 rows
  shift
  {
    printf %b "$(printf '\\x%02x' 2 "$pic_w" "$pic_h")$1"
    printf 'Tochkograf'
    printf %b "$(printf '\\x%02x' 1 $#)"
    for rows in "$@"; do printf '\xf4\x01'; done
    for rows in "${@:2}"; do printf %b "$rows"; done
  } >"$file"
  printf %b "$(crc_x25 "$file")" >>"$file"
}
