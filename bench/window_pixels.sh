# shellcheck shell=bash
# Places in the editor's windows found from the pixels they show, as a person
# finds them by eye (and as the end-to-end run finds the drawing area): no
# offset that a font, a style or one more toolbar button would move.
# Sourced by startup_memory.sh; needs xwd (x11-apps).

# window_pixels WINDOW: the pixels the window shows, a row a line, each pixel
# a word of six hex digits: red, green, blue.
window_pixels() {
  local shot
  local -a head
  shot=$(mktemp)
  if ! xwd -silent -id "$1" -out "$shot"; then
    rm -f "$shot"
    return 1
  fi
  # The header is big-endian 32-bit fields: its size, then the picture's
  # layout (width 4, byte order 7, bits a pixel 11, bytes a line 12, colours
  # 19); the colour table follows it and the pixels follow that, each in the
  # server's byte order.
  read -r -a head < <(od -An -v -tu4 --endian=big -N 80 "$shot" | tr -s ' \n' ' ' && echo)
  od -An -v -tx1 -w"${head[12]}" -j $((head[0] + head[19] * 12)) "$shot" |
    awk -v width="${head[4]}" -v bytes=$((head[11] / 8)) -v lsb=$((head[7] == 0)) '
      {
        row = ""
        for (x = 0; x < width; x++) {
          pixel = ""
          for (b = 1; b <= bytes; b++)
            pixel = lsb ? $(x * bytes + b) pixel : pixel $(x * bytes + b)
          row = row " " substr(pixel, length(pixel) - 5)
        }
        print substr(row, 2)
      }'
  rm -f "$shot"
}

# icon_centre WINDOW XPM: "x y", the centre of the place where the window
# shows the XPM picture pixel for pixel, in the window's coordinates.
icon_centre() {
  window_pixels "$1" | awk '
    FNR == NR {  # the XPM: its size and colours, then its rows
      if (!match($0, /"[^"]*"/)) next
      text = substr($0, RSTART + 1, RLENGTH - 2)
      if (!lines++) { split(text, size, " "); next }
      if (lines <= size[3] + 1) { split(text, f, " "); letter[tolower(substr(f[3], 2))] = f[1]; next }
      icon[lines - size[3] - 2] = text
      next
    }
    {  # the window, each pixel as the XPM letter of its colour
      row = ""
      for (i = 1; i <= NF; i++) row = row (($i in letter) ? letter[$i] : "?")
      shown[FNR - 1] = row
    }
    END {
      w = size[1]; h = size[2]; key = int(h / 2)
      for (y = key; y - key + h <= FNR; y++)
        for (from = 1; (p = index(substr(shown[y], from), icon[key])) > 0; from += p) {
          x = from + p - 1
          for (j = 0; j < h && substr(shown[y - key + j], x, w) == icon[j]; j++) {}
          if (j == h) { print x - 1 + int(w / 2), y - key + int(h / 2); exit }
        }
      exit 1
    }' "$2" -
}

# drawing_area WINDOW GREY: "left top right", the first row inside the
# drawing area, which is the grid's top line while the grid is on: the
# first row of the window that is the grid's grey for over three
# quarters of the window's width, from its first such pixel to its last.
drawing_area() {
  window_pixels "$1" | awk -v grey="$2" '
    {
      first = 0
      for (i = 1; i <= NF && !last; i++)
        if ($i != grey) first = 0
        else {
          if (!first) first = i
          if (i - first + 1 > NF * 3 / 4) last = i
        }
      if (last) {
        for (; last < NF && $(last + 1) == grey; last++) {}
        print first - 1, NR - 1, last - 1
        exit
      }
    }
    END { if (!last) exit 1 }'
}
