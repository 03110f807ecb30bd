#!/usr/bin/env bash
# The tree `cmake --install` lays into a scratch prefix: every file in its
# place, the desktop entry and the metainfo valid where the validators are
# installed, the new file type known where the MIME tools are, and the
# thumbnailer's own command working with no display. Then the same install
# once more with none of the desktop's tools to be found.
# Usage: installed_tree.sh CMAKE BUILD_DIR SOME_PICTURE.ems
set -u
cmake=$1 build=$2 picture=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/tochkograf-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }
skip() { echo "skipped: $*"; }

prefix=$work/usr
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
  cat "$work/install.log"; fail "cmake --install failed"; exit 1; }

share=$prefix/share
desktop=$share/applications/tochkograf.desktop
mime=$share/mime/packages/tochkograf.xml
thumbnailer=$share/thumbnailers/tochkograf.thumbnailer
metainfo=$(ls "$share"/metainfo/*.metainfo.xml 2>/dev/null | head -n1)
for file in "$prefix/bin/tochkograf" "$desktop" "$mime" "$thumbnailer" "$metainfo" \
            "$share/doc/tochkograf/copyright" "$share/doc/tochkograf/changelog.gz" \
            "$share/man/man1/tochkograf.1.gz"; do
  [[ -f $file ]] || fail "not installed: ${file#"$prefix"/}"
done
icons=$(ls "$share"/icons/hicolor/*/apps/tochkograf.png 2>/dev/null | wc -l)
((icons > 0)) || fail "no icon in the hicolor theme"

# The metainfo is the desktop entry's: the same name, which it launches.
[[ $(basename "$metainfo") == tochkograf.metainfo.xml ]] &&
  grep -q '<id>tochkograf</id>' "$metainfo" &&
  grep -q '<launchable type="desktop-id">tochkograf.desktop</launchable>' "$metainfo" ||
  fail "the metainfo's ID is not the desktop entry's name"
! grep -q 'example\.' "$metainfo" "$share/doc/tochkograf/copyright" ||
  fail "an invented address is installed"

# The type the MIME file defines is the one the entry and the thumbnailer claim.
type=$(grep -o 'mime-type type="[^"]*"' "$mime" | cut -d'"' -f2)
[[ -n $type ]] || fail "the MIME file defines no type"
grep -q "^MimeType=.*$type;" "$desktop" || fail "the desktop entry does not open $type"
grep -q "^MimeType=.*$type;" "$thumbnailer" || fail "the thumbnailer does not take $type"
grep -Eq '^Exec=tochkograf .*%[fFuU]' "$desktop" || fail "the desktop entry is given no file"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
else
  skip "desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null; then
  # The ID is the desktop entry's name, "tochkograf": the project has no
  # domain of its own to make a reversed one from, which AppStream would like.
  appstreamcli validate-tree --no-net --override=cid-desktopapp-is-not-rdns=info "$prefix" \
    >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "appstreamcli validate-tree"; }
else
  skip "appstreamcli is not installed"
fi
if command -v update-mime-database >/dev/null; then
  grep -q ":$type:\*\.ems$" "$share/mime/globs2" 2>/dev/null ||
    fail "the MIME database under the prefix does not know *.ems"
else
  skip "update-mime-database is not installed"
fi

# The thumbnailer's command as a file manager runs it: found through PATH,
# with no display at all.
exec_line=$(sed -n 's/^Exec=//p' "$thumbnailer")
out=$work/thumbnail.png
read -r -a command <<<"${exec_line//%s/64}"
for i in "${!command[@]}"; do
  case ${command[$i]} in %i) command[$i]=$picture ;; %o) command[$i]=$out ;; esac
done
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$prefix/bin:$PATH" "${command[@]}" ||
  fail "the thumbnailer's command failed: ${command[*]}"
[[ $(head -c 8 "$out" 2>/dev/null | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
  fail "the thumbnailer wrote no PNG"

# Without the desktop's tools (only cmake on PATH) the install still works.
mkdir "$work/tools"
ln -s "$(command -v "$cmake")" "$work/tools/cmake"
bare=$work/bare
PATH=$work/tools "$work/tools/cmake" --install "$build" --prefix "$bare" >"$work/bare.log" 2>&1 ||
  { cat "$work/bare.log"; fail "cmake --install without the desktop tools failed"; }
[[ -f $bare/share/mime/packages/tochkograf.xml && -x $bare/bin/tochkograf ]] ||
  fail "the install without the desktop tools is incomplete"

((failed == 0)) && echo "installed tree: all checks passed"
exit $failed
