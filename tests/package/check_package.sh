#!/usr/bin/env bash
# Makes the Debian package from this build (no second build) and checks what
# a machine that installs it gets: the program, the manual where the "UPUTE"
# link looks, the menu entry and its icons, the copyright, and control fields
# that dpkg and apt accept.
#   check_package.sh <build folder> <built manual>
set -euo pipefail
build=$1 manual=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
debs=("$work"/*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "FAIL: cpack made no package"; cat "$work/cpack.log"; exit 1; }

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/nadzorne_knjige \
            ./usr/share/nadzorne-knjige/upute_nk.pdf \
            ./usr/share/applications/nadzorne-knjige.desktop \
            ./usr/share/icons/hicolor/scalable/apps/nadzorne-knjige.svg \
            ./usr/share/icons/hicolor/16x16/apps/nadzorne-knjige.png \
            ./usr/share/icons/hicolor/48x48/apps/nadzorne-knjige.png \
            ./usr/share/icons/hicolor/256x256/apps/nadzorne-knjige.png \
            ./usr/share/doc/nadzorne-knjige/copyright \
            ./usr/share/doc/nadzorne-knjige/changelog.gz; do
  grep -qE " $path\$" <<<"$contents" || fail "the package lacks $path"
done
grep -E '^-rwxr-xr-x root/root .* \./usr/bin/nadzorne_knjige$' <<<"$contents" >/dev/null ||
  fail "the program is not an executable of root's: $(grep nadzorne_knjige <<<"$contents")"
grep -E '^[-d](....w|.......w)' <<<"$contents" && fail "group- or world-writable entries in the package"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = nadzorne-knjige ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")" ] ||
  fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
for name in Maintainer Section Priority Description Installed-Size; do
  [ -n "$(field $name)" ] || fail "no $name field"
done
depends=$(field Depends)
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation; do
  grep -qE "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
done

dpkg-deb -x "$deb" "$work/root"
cmp -s "$work/root/usr/share/nadzorne-knjige/upute_nk.pdf" "$manual" || fail "the packaged manual is not the built one"
desktop=$work/root/usr/share/applications/nadzorne-knjige.desktop
grep -qx 'Name=Nadzorne knjige' "$desktop" || fail "the menu entry is not named Nadzorne knjige"
grep -qx 'Categories=Office;Finance;' "$desktop" || fail "the menu entry is not in Office;Finance;"
exec_command=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$work/root/usr/bin/$exec_command" ] || fail "the menu entry starts $exec_command, which the package lacks"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$work/root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the menu entry's icon $icon is not packaged"
for library in "Qt 6" libarchive FreeXL libgsf libxlsxwriter; do
  grep -qF "$library" "$work/root/usr/share/doc/nadzorne-knjige/copyright" || fail "the copyright file does not name $library"
done

[ "$failed" -eq 0 ] && echo "package: $(basename "$deb"), $(wc -l <<<"$contents") entries, Depends: $depends"
exit "$failed"
