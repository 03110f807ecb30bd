#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# End-to-end scenarios: the real program in a private X server (Xvfb),
# driven with xdotool as a person would, each scenario from start-up to exit.
# Usage: tests/e2e/run.sh PATH_TO_TOCHKOGRAF
# Exits 77 (skipped) when Xvfb, xdotool or the X utilities are missing.
set -u
export LC_ALL=C

for tool in Xvfb xdotool xwininfo xprop setxkbmap xkbcomp xwd pngtopnm pnmtopng xclip; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (make test installs xvfb, xdotool, x11-utils," \
      "x11-xkb-utils, x11-apps, netpbm, xclip)"
    exit 77
  fi
done

source "$(dirname "$0")/x11_driver.sh"
program=$(realpath "${1:?usage: $0 PATH_TO_TOCHKOGRAF}")
[[ -x $program ]] || { echo "no program at $program" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tochkograf-e2e.XXXXXX")
# The paths are typed into the file dialogs key by key.
[[ $work =~ ^[A-Za-z0-9/._-]+$ ]] || { echo "cannot type the folder name $work" >&2; exit 2; }
scenario_pid=""
cleanup() {
  # A scenario cut short stops its own program on the way out.
  [[ -n $scenario_pid ]] && kill "$scenario_pid" 2>/dev/null && wait "$scenario_pid"
  stop_xvfb
  if ((failed == 0)); then rm -rf "$work"; else echo "files of the failed run: $work"; fi
}
passed=0 failed=0
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# Left alone, the splash closes by itself and the main window comes up,
# centred, with an untouched picture; Exit then asks nothing.
splash_times_out() {
  local splash t0 shown
  start_program
  wait_for "the splash window" find_splash splash
  t0=$(now_ms)
  read_geometry "$splash"
  ((geo_w == 500 && geo_h == 230)) || fail "the splash is $geo_w x $geo_h, not 500 x 230"
  ((geo_x == (SCREEN_W - geo_w) / 2 && geo_y == (SCREEN_H - geo_h) / 2)) ||
    fail "the splash is not centred: $geo_x,$geo_y"
  ! find_window main_window "Tochkograf" || fail "the main window is up before the splash is gone"
  wait_for "the splash closing by itself" window_gone "$splash"
  shown=$(($(now_ms) - t0))
  ((shown >= 800)) || fail "the splash closed by itself after only $shown ms"
  echo "  splash closed by itself after $shown ms"
  wait_main_window
  local off_x=$((2 * win_x + win_w - SCREEN_W)) off_y=$((2 * win_y + win_h - SCREEN_H))
  ((off_x * off_x <= 4 && off_y * off_y <= 4)) || fail "the main window is not centred: $win_x,$win_y"
  menu_file_exit
  expect_exit_status 0
  [[ -z $(ls "$app_dir"/*.ems 2>/dev/null) ]] || fail "a file was written on exit"
}

# Left and right buttons draw and erase; Ctrl+S on an untitled picture asks
# for a name, adds ".ems" and names the window after it. New, on a saved
# picture, asks nothing and leaves an empty untitled picture.
draw_save_new() {
  start_past_splash key
  ink_clear
  click_cell 1 1 1 && ink_on 1 1
  click_cell 1 32 1 && ink_on 32 1
  click_cell 1 1 32 && ink_on 1 32
  click_cell 1 32 32 && ink_on 32 32
  click_cell 1 8 2 && ink_on 8 2
  click_cell 1 9 2 && ink_on 9 2
  drag_cells 1 12 7 13 8 && ink_on 12 7 && ink_on 13 8
  click_cell 3 12 7 && ink_off 12 7
  drag_cells 3 1 32 2 31 && ink_off 1 32
  xdo key ctrl+s
  answer_file_dialog "Сохранить файл" "$app_dir/pic"
  wait_for "the caption naming the file" caption_is "pic - Tochkograf"
  expect_file "$app_dir/pic.ems"
  [[ $(stat -c %s "$app_dir/pic.ems") == 131 ]] || fail "a 32 x 32 file is not 131 bytes"

  focus_main
  xdo key ctrl+n ctrl+s
  answer_file_dialog "Сохранить файл" "$app_dir/blank"
  wait_for "the caption naming the new file" caption_is "blank - Tochkograf"
  ink_clear
  expect_file "$app_dir/blank.ems"
  menu_file_exit
  expect_exit_status 0
}

# Open reads a file of another size, and the window fits its drawing area
# to it; the digit keys shift it with wrap-around, whether a toolbar button
# or the drawing area has the keyboard; Ctrl+S then writes it back under its
# name without a dialog.
open_shift_save() {
  mkdir -p "$work/$scenario"
  pic_w=16 pic_h=12  # the file's size, which the cells follow once it is open
  ink_clear
  ink_on 1 1 && ink_on 16 1 && ink_on 2 2 && ink_on 9 6 && ink_on 16 12 && ink_on 1 12
  write_expected "$work/$scenario/arrow.ems"
  pic_w=32 pic_h=32 start_past_splash click  # the new picture, until the file comes

  xdo key ctrl+o
  answer_file_dialog "Открыть файл" "$app_dir/arrow.ems"
  wait_for "the caption naming the opened file" caption_is "arrow - Tochkograf"
  wait_for "square cells of the opened picture" fitted_main_window
  focus_main
  xdo key 6 6 2 && ink_shift right && ink_shift right && ink_shift down
  click_cell 1 5 11 && ink_on 5 11
  xdo key 8 4 4 4 2 2 && ink_shift up && ink_shift left && ink_shift left && ink_shift left &&
    ink_shift down && ink_shift down
  xdo key ctrl+s
  expect_file "$app_dir/arrow.ems"
  menu_file_exit
  expect_exit_status 0
}

# A file named on the command line, as a file manager names it, comes up
# open after the splash: its name in the caption, its picture to draw on,
# and Save writes it back where it lies, asking nothing.
open_named_on_command_line() {
  mkdir -p "$work/$scenario/pictures"
  pic_w=24 pic_h=10
  ink_clear
  ink_on 1 1 && ink_on 24 1 && ink_on 12 5 && ink_on 24 10
  write_expected "$work/$scenario/pictures/cat.ems"
  caption="cat - Tochkograf" start_past_splash key pictures/cat.ems
  click_cell 1 2 9 && ink_on 2 9
  click_cell 3 24 1 && ink_off 24 1
  xdo key ctrl+s
  expect_file "$app_dir/pictures/cat.ems"
  menu_file_exit
  expect_exit_status 0
}

# The arguments are the program's alone: a file named like one of Qt's own
# options, given after "--", opens as a file, and Qt neither takes it for a
# style nor says a word of it. Ctrl+S writes it back under that name.
arguments_are_the_programs() {
  mkdir -p "$work/$scenario"
  pic_w=16 pic_h=8
  ink_clear
  ink_on 3 2 && ink_on 16 8
  write_expected "$work/$scenario/-style=nonexistent.ems"
  caption="-style=nonexistent - Tochkograf" start_past_splash key -- -style=nonexistent.ems
  ! grep -qi 'style' "$app_dir/program.log" || fail "Qt read an argument: $(<"$app_dir/program.log")"
  click_cell 1 1 1 && ink_on 1 1
  xdo key ctrl+s
  expect_file "$app_dir/-style=nonexistent.ems"
  menu_file_exit
  expect_exit_status 0
}

# Exit with unsaved changes asks "Сохранить изменения?": Cancel (Esc) keeps
# the program, No (Tab, Enter) ends it without touching the file.
exit_cancel_then_no() {
  start_past_splash key
  ink_clear
  click_cell 1 5 5 && ink_on 5 5
  xdo key ctrl+s
  answer_file_dialog "Сохранить файл" "$app_dir/kept"
  wait_for "the caption naming the file" caption_is "kept - Tochkograf"
  expect_file "$app_dir/kept.ems"
  click_cell 1 6 6

  menu_file_exit
  wait_question "Выход"
  xdo key Escape
  wait_for "the question closing at Esc" window_gone "$question"
  app_running || fail "the program ended although the question was cancelled"
  find_window main_window "kept - Tochkograf" || fail "the main window is gone after Cancel"

  menu_file_exit
  wait_question "Выход"
  xdo key Tab Return
  expect_exit_status 0
  expect_file "$app_dir/kept.ems"
}

# Yes (Enter) on an untitled picture saves through the save dialog, then the
# program ends.
exit_yes_saves() {
  start_past_splash key
  ink_clear
  click_cell 1 3 4 && ink_on 3 4
  click_cell 1 30 29 && ink_on 30 29
  menu_file_exit
  wait_question "Выход"
  xdo key Return
  answer_file_dialog "Сохранить файл" "$app_dir/last"
  expect_exit_status 0
  expect_file "$app_dir/last.ems"
}

# With a Russian layout alone, Ctrl and the keys that bear the shortcuts'
# Latin letters (Я Ч С М П Т Щ Ы here) run their commands, also after the
# layout has been changed while the program runs. Each step leaves a picture
# that tells whether its command ran.
russian_layout_alone() {
  use_layout ru
  start_past_splash key
  ink_clear
  click_cell 1 2 3 && ink_on 2 3
  ctrl_keys C                           # the clipboard holds (2, 3)
  click_cell 1 5 6                      # the snapshot holds (2, 3)
  ctrl_keys V                           # back to (2, 3) alone
  ctrl_keys S
  # The name is typed in a Latin layout, then the Russian one comes back.
  use_layout us
  answer_file_dialog "Сохранить файл" "$app_dir/ru"
  use_layout ru
  expect_file "$app_dir/ru.ems"
  focus_main
  ctrl_keys Z S && ink_on 5 6           # undo brings the stroke back
  expect_file "$app_dir/ru.ems"
  ctrl_keys X S && ink_clear
  expect_file "$app_dir/ru.ems"

  local grid
  grid=$(region_digest "$main_window" 0 "$pole_top" "$win_w" 40)
  ctrl_keys G
  wait_for "the grid going at Ctrl+G" region_differs "$grid" "$main_window" 0 "$pole_top" \
    "$win_w" 40
  # A new picture has no name, so saving it asks for one.
  ctrl_keys N S
  use_layout us
  answer_file_dialog "Сохранить файл" "$app_dir/new"
  use_layout ru
  expect_file "$app_dir/new.ems"
  focus_main
  ctrl_keys O
  use_layout us
  answer_file_dialog "Открыть файл" "$app_dir/ru.ems"
  wait_for "the caption naming the opened file" caption_is "ru - Tochkograf"
  menu_file_exit
  expect_exit_status 0
}

# With the Russian layout active and a Latin one beside it, Qt matches the
# shortcut itself; the command must not run a second time through the key's
# place (undo twice would bring the stroke back).
russian_beside_latin() {
  use_layout ru,us
  start_past_splash key
  ink_clear
  click_cell 1 4 4
  ctrl_keys Z S
  use_layout us
  answer_file_dialog "Сохранить файл" "$app_dir/once"
  expect_file "$app_dir/once.ems"
  menu_file_exit
  expect_exit_status 0
}

# design_image FILE: writes FILE, a 256 x 192 image of black and white whose
# 2 x 2 blocks are the cells of a 128 x 96 picture (a checkerboard of 16 x 12
# blocks with steps cut into its corner), as a raw PGM; and sets pic_w,
# pic_h and `ink` to that picture.
design_image() {
  local x y on row
  pic_w=128 pic_h=96
  ink_clear
  {
    printf 'P5\n256 192\n255\n'
    for ((y = 1; y <= pic_h; y++)); do
      row=""
      for ((x = 1; x <= pic_w; x++)); do
        on=$((((x - 1) / 16 + (y - 1) / 12) % 2 == 0))
        ((y <= 3 && x <= 2 * y)) && on=$((!on))
        if ((on)); then
          ink_on "$x" "$y"
          row+='\x00\x00'
        else
          row+='\xff\xff'
        fi
      done
      printf %b%b "$row" "$row"
    done
  } >"$1"
}

# "Импорт изображения..." of an image larger than any picture opens the
# conversion dialog, once the picture drawn is let go: Esc there leaves that
# picture as it was; OK, with "Инвертировать" ticked from the keyboard,
# brings the image in fitted to 128 x 96 and inverted, and the window fits
# itself to it. "Экспорт..." then writes the picture as a PBM, checked byte
# for byte, and as a PNG, read back by netpbm's pngtopnm; and Ctrl+S writes
# it as an .ems picture.
import_convert_export() {
  local dialog
  start_past_splash key
  design_image "$app_dir/design.pgm"
  pic_w=32 pic_h=32
  ink_clear
  click_cell 1 5 5 && ink_on 5 5
  menu_file_import
  wait_question "Импорт изображения"
  xdo key Tab Return  # "Нет": the picture may go
  answer_file_dialog "Импорт изображения" "$app_dir/design.pgm"
  wait_for "the conversion dialog" find_window dialog "Преобразование изображения"
  wait_for "the conversion dialog taking the keyboard" has_focus "$dialog"
  xdo key Escape
  wait_for "the conversion dialog closing at Esc" window_gone "$dialog"
  focus_main
  xdo key ctrl+s
  answer_file_dialog "Сохранить файл" "$app_dir/kept"
  expect_file "$app_dir/kept.ems"

  design_image "$app_dir/design.pgm"  # again, for its picture in `ink`
  focus_main
  menu_file_import
  answer_file_dialog "Импорт изображения" "$app_dir/design.pgm"
  wait_for "the conversion dialog" find_window dialog "Преобразование изображения"
  wait_for "the conversion dialog taking the keyboard" has_focus "$dialog"
  # The keyboard starts on OK; the box before it is "Инвертировать".
  xdo key shift+Tab space Return
  wait_for "the conversion dialog closing at OK" window_gone "$dialog"
  pic_w=128 pic_h=96
  ink_invert
  wait_for "square cells of the imported picture" fitted_main_window

  focus_main
  menu_file_export
  answer_file_dialog "Экспорт" "$app_dir/out.pbm"
  write_expected_pbm "$app_dir/out.pbm.expected"
  expect_same "$app_dir/out.pbm" "$app_dir/out.pbm.expected"

  focus_main
  menu_file_export
  answer_file_dialog "Экспорт" "$app_dir/out.png"
  wait_for "\"$app_dir/out.png\" written" test -s "$app_dir/out.png"
  pngtopnm "$app_dir/out.png" >"$app_dir/out.png.pnm" || fail "pngtopnm could not read out.png"
  write_expected_pgm "$app_dir/out.png.expected"
  expect_same "$app_dir/out.png.pnm" "$app_dir/out.png.expected"

  focus_main
  xdo key ctrl+s
  answer_file_dialog "Сохранить файл" "$app_dir/imported"
  wait_for "the caption naming the file" caption_is "imported - Tochkograf"
  expect_file "$app_dir/imported.ems"
  menu_file_exit
  expect_exit_status 0
}

# clipboard_png FILE: the desktop's clipboard as a PNG, once it holds one.
clipboard_png() {
  xclip -selection clipboard -t image/png -o >"$1" 2>/dev/null && [[ -s $1 ]]
}

# With the Russian layout alone, Ctrl+Shift+C puts the picture on the
# desktop's clipboard as an image another program reads (xclip, then
# netpbm); an image put there by xclip, of two colours and smaller than
# the picture, floats at its top-left corner at Ctrl+Shift+V, as it is,
# and Enter puts it down over what was there.
desktop_clipboard() {
  use_layout ru
  start_past_splash key
  pic_w=32 pic_h=32
  ink_clear
  click_cell 1 2 3 && ink_on 2 3
  click_cell 1 32 1 && ink_on 32 1
  xdo key "ctrl+shift+$(key_code C)"
  wait_for "an image on the clipboard" clipboard_png "$app_dir/copied.png"
  pngtopnm "$app_dir/copied.png" >"$app_dir/copied.pnm" || fail "pngtopnm could not read it"
  write_expected_pgm "$app_dir/copied.expected"
  expect_same "$app_dir/copied.pnm" "$app_dir/copied.expected"

  pic_w=20 pic_h=6
  ink_clear
  ink_on 1 1 && ink_on 20 6 && ink_on 7 3
  write_expected_pgm "$app_dir/put.pgm"
  pnmtopng "$app_dir/put.pgm" >"$app_dir/put.png" 2>/dev/null || fail "pnmtopng failed"
  xclip -selection clipboard -t image/png -i "$app_dir/put.png" || fail "xclip could not put it"
  focus_main
  xdo key "ctrl+shift+$(key_code V)" Return
  pic_w=32 pic_h=32
  ink_on 32 1
  xdo key "ctrl+$(key_code S)"
  use_layout us
  answer_file_dialog "Сохранить файл" "$app_dir/pasted"
  expect_file "$app_dir/pasted.ems"
  focus_main
  menu_file_exit
  expect_exit_status 0
}

# A lone Alt gives the menu bar the keyboard and highlights a title there;
# Esc, Alt again and a click in the drawing area each take it back.
alt_shows_the_menu_bar_has_the_keys() {
  start_past_splash key
  local plain leave
  local top=4  # the menu bar's top rows, which a highlighted title's box covers
  plain=$(region_digest "$main_window" 0 0 "$win_w" "$top")
  for leave in Escape alt click; do
    xdo key alt
    wait_for "a menu title highlighted after Alt" region_differs "$plain" "$main_window" 0 0 \
      "$win_w" "$top"
    if [[ $leave == click ]]; then click_cell 3 16 16; else xdo key "$leave"; fi
    wait_for "the highlight gone after $leave" region_is "$plain" "$main_window" 0 0 \
      "$win_w" "$top"
  done
  # The digit keys reach the drawing area again.
  click_cell 1 1 1
  xdo key 6
  ink_clear && ink_on 2 1
  xdo key ctrl+s
  answer_file_dialog "Сохранить файл" "$app_dir/alt"
  expect_file "$app_dir/alt.ems"
  menu_file_exit
  expect_exit_status 0
}

# A line and an ellipse dragged out with the mouse, the ellipse's tool
# chosen by its key in a Russian layout; a rectangle cancelled with Esc
# while dragged, and a filled one taken back by undo. The saved file holds
# the line and the ellipse, worked out here cell by cell.
draw_shapes_undo_save() {
  start_past_splash key
  ink_clear
  xdo key l
  drag_cells 1 2 3 10 7
  # Two across for one down, the half-way cells taken below.
  ink_on 2 3 && ink_on 3 4 && ink_on 4 4 && ink_on 5 5 && ink_on 6 5 && ink_on 7 6 &&
    ink_on 8 6 && ink_on 9 7 && ink_on 10 7
  use_layout ru
  xdo key "$(key_code E)"
  use_layout us
  drag_cells 1 14 2 18 6
  # The 5 x 5 circle: three cells at the top and bottom, three down each side.
  local i
  for i in 15 16 17; do ink_on "$i" 2 && ink_on "$i" 6; done
  for i in 3 4 5; do ink_on 14 "$i" && ink_on 18 "$i"; done
  xdo key r
  point_at_cell 20 20
  xdo mousedown 1
  point_at_cell 28 28
  xdo key Escape
  xdo mouseup 1
  xdo key shift+r
  drag_cells 1 3 20 6 22
  xdo key ctrl+z ctrl+s
  answer_file_dialog "Сохранить файл" "$app_dir/shapes"
  expect_file "$app_dir/shapes.ems"
  menu_file_exit
  expect_exit_status 0
}

# Marked cells copied, pasted where they were, dragged away and put down
# with Enter: the original stays, the copy covers what was under it. A
# move taken back with Esc changes nothing; a move put down and undone
# leaves the picture as it was before it; the file holds the rest.
select_paste_drag_undo() {
  start_past_splash key
  ink_clear
  click_cell 1 2 2 && ink_on 2 2
  click_cell 1 3 2 && ink_on 3 2
  click_cell 1 2 3 && ink_on 2 3
  click_cell 1 11 6
  xdo key s
  drag_cells 1 2 2 3 3
  xdo key ctrl+c ctrl+v
  drag_cells 1 2 2 10 5
  xdo key Return
  ink_on 10 5 && ink_on 11 5 && ink_on 10 6
  drag_cells 1 10 5 20 20
  xdo key Escape
  drag_cells 1 10 5 15 9
  xdo key Return ctrl+z ctrl+s
  answer_file_dialog "Сохранить файл" "$app_dir/moved"
  expect_file "$app_dir/moved.ems"
  menu_file_exit
  expect_exit_status 0
}

# A copy of the first frame, drawn on, plays (the drawing area shows the
# first frame in its turn) until Esc, which shows the current frame as it
# was; the file holds both frames. Opened again, each frame drawn on and
# saved: both came back, each in its place; exported, netpbm reads both
# frames of the animated GIF.
frames_play_save_open() {
  local first second plain rows
  start_past_splash key
  ink_clear
  click_cell 1 3 3 && ink_on 3 3
  first=$(packed_rows)
  menu_frames 1 # "Новый кадр"
  click_cell 1 10 5 && ink_on 10 5
  second=$(packed_rows)
  cell_point 10 5
  local -a cell=("$main_window" $((cell_x - win_x - 2)) $((cell_y - win_y - 2)) 5 5)
  plain=$(region_digest "${cell[@]}")
  xdo key F5
  wait_for "the first frame played" region_differs "$plain" "${cell[@]}"
  xdo key Escape
  wait_for "the current frame shown again" region_is "$plain" "${cell[@]}"
  xdo key ctrl+s
  answer_file_dialog "Сохранить файл" "$app_dir/anim"
  write_expected_frames "$app_dir/anim.expected" "$first" "$second"
  expect_same "$app_dir/anim.ems" "$app_dir/anim.expected"
  menu_file_exit
  expect_exit_status 0

  caption="anim - Tochkograf" start_past_splash key anim.ems
  click_cell 1 20 20 && ink_clear && ink_on 3 3 && ink_on 20 20
  first=$(packed_rows)
  xdo key Page_Down
  click_cell 1 25 25 && ink_on 10 5 && ink_off 20 20 && ink_on 25 25
  second=$(packed_rows)
  xdo key ctrl+s
  write_expected_frames "$app_dir/again.expected" "$first" "$second"
  expect_same "$app_dir/anim.ems" "$app_dir/again.expected"

  # The animated GIF as netpbm's giftopnm reads it: both frames in turn,
  # each shown half a second (50 hundredths in its control block).
  menu_file_export
  answer_file_dialog "Экспорт" "$app_dir/anim.gif"
  wait_for "\"$app_dir/anim.gif\" written" test -s "$app_dir/anim.gif"
  giftopnm --image=all "$app_dir/anim.gif" >"$app_dir/anim.gif.pbm" ||
    fail "giftopnm could not read anim.gif"
  for rows in "$first" "$second"; do
    printf 'P4\n%d %d\n%b' "$pic_w" "$pic_h" "$rows"
  done >"$app_dir/anim.gif.expected"
  expect_same "$app_dir/anim.gif.pbm" "$app_dir/anim.gif.expected"
  (($(od -An -v -tx1 "$app_dir/anim.gif" | tr -d ' \n' | grep -Eo '21f904..3200' | wc -l) == 2)) ||
    fail "anim.gif does not show each frame for half a second"
  menu_file_exit
  expect_exit_status 0
}

# Unsaved work survives the program being killed. A few seconds after the
# last change a copy of it is on the disk; the next start shows the main
# window, then asks about it, and Enter ("Да") brings it back unsaved under
# its file's name, so that Ctrl+S writes that file. A session that ends
# (SIGTERM) keeps work drawn just before; Esc ("Позже") keeps the copy for
# the next start, "Нет" drops it, the file named on the command line opens
# after the question, and a start with nothing left asks nothing.
has_copy() { compgen -G "$1/*.unsaved" >/dev/null; }
killed_work_comes_back() {
  local copies="$work/$scenario/home/.local/state/tochkograf"
  start_past_splash key
  ink_clear
  click_cell 1 4 4 && ink_on 4 4
  xdo key ctrl+s
  answer_file_dialog "Сохранить файл" "$app_dir/cat"
  wait_for "the caption naming the file" caption_is "cat - Tochkograf"
  click_cell 1 9 7 && ink_on 9 7
  wait_for "a copy of the unsaved work" has_copy "$copies"
  { kill -KILL "$app_pid" && wait "$app_pid"; } 2>/dev/null
  app_pid=""

  start_past_splash key
  wait_question "Восстановление рисунка"
  xdo key Return
  wait_for "the question closing at Enter" window_gone "$question"
  focus_main
  xdo key ctrl+s
  write_expected "$app_dir/cat.expected"
  wait_for "the brought back picture saved" cmp -s "$app_dir/cat.ems" "$app_dir/cat.expected"
  menu_file_exit
  expect_exit_status 0
  ! has_copy "$copies" || fail "a copy is left after the save"

  caption="cat - Tochkograf" start_past_splash key cat.ems
  cell_point 20 20
  local -a cell=("$main_window" $((cell_x - win_x - 2)) $((cell_y - win_y - 2)) 5 5)
  local plain
  plain=$(region_digest "${cell[@]}")
  click_cell 1 20 20
  wait_for "the cell drawn" region_differs "$plain" "${cell[@]}"
  kill -TERM "$app_pid"
  expect_exit_status 143
  for answer in Escape "Tab Return"; do
    start_past_splash key cat.ems
    wait_question "Восстановление рисунка"
    # shellcheck disable=SC2086
    xdo key $answer
    wait_for "the question closing" window_gone "$question"
    wait_for "the file named opening after the question" caption_is "cat - Tochkograf"
    menu_file_exit
    expect_exit_status 0
  done
  ! has_copy "$copies" || fail "the copy is left after \"Нет\""
  cmp -s "$app_dir/cat.ems" "$app_dir/cat.expected" || fail "cat.ems changed without a save"
  caption="cat - Tochkograf" start_past_splash key cat.ems
  sleep 1
  [[ $(visible_windows | wc -l) == 1 ]] || fail "a start with nothing left shows another window"
  menu_file_exit
  expect_exit_status 0
}

start_xvfb "$work/display"
scenarios=(splash_times_out draw_save_new open_shift_save open_named_on_command_line
  arguments_are_the_programs exit_cancel_then_no exit_yes_saves
  russian_layout_alone russian_beside_latin alt_shows_the_menu_bar_has_the_keys
  import_convert_export draw_shapes_undo_save select_paste_drag_undo desktop_clipboard
  frames_play_save_open
  killed_work_comes_back)
# E2E_ONLY="name ..." runs only those scenarios.
[[ -n ${E2E_ONLY:-} ]] && read -ra scenarios <<<"$E2E_ONLY"
for scenario in "${scenarios[@]}"; do
  started=$(now_ms)
  setxkbmap -layout us
  (trap stop_program EXIT; "$scenario") &
  scenario_pid=$!
  wait "$scenario_pid"
  result=$?
  scenario_pid=""
  if ((result == 0)); then
    echo "PASS $scenario ($(($(now_ms) - started)) ms)"
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
((failed == 0))
