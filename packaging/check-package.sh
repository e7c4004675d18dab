#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks what the game installs, either from a build tree or inside the Debian package:
#   check-package.sh --build BUILD_DIR WORK_DIR [BINDIR]   installs BUILD_DIR into WORK_DIR/usr
#                                                          (the game in BINDIR, bin by default)
#   check-package.sh --deb PACKAGE.deb WORK_DIR             unpacks the package into WORK_DIR
# Every file in its standard place and nothing else (the package adds its documentation and
# keeps the game in games/); each icon size really of its size; the desktop entry starting the
# installed game; the desktop entry and the metadata valid where desktop-file-validate and
# appstreamcli are installed; for the package, its dependencies on the libraries the game runs on.
set -eu

id=org.brivazon.Brivazon
usage="usage: check-package.sh --build BUILD_DIR WORK_DIR [BINDIR] | --deb PACKAGE.deb WORK_DIR"
mode=${1:?$usage}
source=${2:?$usage}
work=${3:?$usage}
bindir=${4:-bin}

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"
case "$mode" in
  --build)
    cmake --install "$source" --prefix "$work/usr" >/dev/null
    ;;
  --deb)
    dpkg-deb -x "$source" "$work"
    bindir=games
    ;;
  *)
    echo "check-package.sh: unknown mode $mode" >&2
    exit 2
    ;;
esac
root=$work/usr

# Exactly these files: a test binary or a tool that slipped into the install would show here.
expected="$bindir/brivazon
share/applications/$id.desktop
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/24x24/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/fr/man6/brivazon.6
share/man/man6/brivazon.6
share/metainfo/$id.metainfo.xml"
if [ "$mode" = --deb ]; then
  # The package compresses the manual and adds the documentation Debian requires, and what
  # lintian is to overlook in it (debian/brivazon.lintian-overrides).
  expected=$(printf '%s\n' "$expected" | sed 's|/brivazon\.6$|&.gz|')
  expected="$expected
share/doc/brivazon/changelog.gz
share/doc/brivazon/copyright
share/lintian/overrides/brivazon"
fi
printf '%s\n' "$expected" | LC_ALL=C sort >"$work/expected.list"
(cd "$root" && find . -type f -o -type l) | sed 's|^\./||' | LC_ALL=C sort >"$work/installed.list"
diff "$work/expected.list" "$work/installed.list" >&2 || fail "the installed files are not the expected ones"
# Whatever else the package holds besides the files above: only their folders.
[ -z "$(cd "$work" && find . -mindepth 1 -maxdepth 1 ! -name usr ! -name '*.list' ! -name '*.log')" ] ||
  fail "files outside usr/"

game=$root/$bindir/brivazon
[ -x "$game" ] || fail "$bindir/brivazon is not executable"
case "$(od -An -c -N4 "$game" 2>/dev/null | tr -d ' ')" in
  177ELF) ;;
  *) fail "$bindir/brivazon is not an ELF program" ;;
esac

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}
for size in 16 24 32 48 64 128 256; do
  icon=$root/share/icons/hicolor/${size}x$size/apps/$id.png
  [ -f "$icon" ] || continue
  got=$(png_size "$icon")
  [ "$got" = "${size}x$size" ] || fail "$icon is $got, not ${size}x$size"
done
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" 2>/dev/null ||
  fail "the scalable icon is not an SVG drawing"

desktop=$root/share/applications/$id.desktop
if [ -f "$desktop" ]; then
  # The build tree is installed with WORK_DIR/usr as its prefix; the package's /usr is WORK_DIR/usr.
  exec=$(sed -n 's/^Exec=//p' "$desktop")
  case "$mode" in
    --build) want=$game ;;
    --deb) want=/usr/$bindir/brivazon ;;
  esac
  [ "$exec" = "$want" ] || fail "the desktop entry starts '$exec', not the installed game $want"
  grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
  grep -Eq '^Categories=(.*;)?Game;' "$desktop" || fail "the desktop entry is not in the Game category"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
  else
    echo "note: desktop-file-validate is not installed; the desktop entry was not validated"
  fi
fi
metainfo=$root/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch the desktop entry $id.desktop"
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || {
      cat "$work/appstream.log" >&2
      fail "appstreamcli rejects the metadata"
    }
  else
    echo "note: appstreamcli is not installed; the metadata was not validated"
  fi
fi

if [ "$mode" = --deb ]; then
  depends=$(dpkg-deb -f "$source" Depends)
  for lib in libqt6widgets6 libqt6gui6 libqt6core6 libcanberra0 libsdl2-2.0-0 libstdc++6 libc6; do
    printf '%s\n' "$depends" | grep -q "\\b$lib\\b" || fail "the package does not depend on $lib: $depends"
  done
  [ "$(dpkg-deb -f "$source" Section)" = games ] || fail "the package is not in the games section"
  [ "$(dpkg-deb -f "$source" Package)" = brivazon ] || fail "the package is not named brivazon"
  grep -q 'OFL-1.1' "$work/usr/share/doc/brivazon/copyright" ||
    fail "the copyright file does not give the licence of the faces compiled into the game"
  echo "Depends: $depends"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "the installed game is complete: $(printf '%s\n' "$expected" | wc -l) files in their places"
