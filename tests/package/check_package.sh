#!/bin/sh
# Builds the Debian package from a build folder, reads its control data and
# unpacks it into a scratch root, then checks what an installed player needs:
# the programs with their manual pages, the demo disc and songs, the help page
# with its pictures, the desktop entry, icons and metainfo, and the Debian
# documents. lintian, appstreamcli and desktop-file-validate judge it when
# they are installed.
#   check_package.sh BUILD_DIR SCRATCH_DIR VERSION
# Exit status 77: the Debian tools are missing, so nothing was checked.
set -eu

build=$1
scratch=$2
version=$3

for tool in cpack dpkg-deb dpkg-shlibdeps file gzip; do
  command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

rm -rf "$scratch"
mkdir -p "$scratch/out" "$scratch/root"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$scratch"/out/lyrova_"$version"_*.deb)

info=$(dpkg-deb --info "$deb")
field() { printf '%s\n' "$info" | sed -n "s/^ $1: //p"; }
[ "$(field Package)" = lyrova ] || fail "package name: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version: $(field Version)"
depends=$(field Depends)
for needed in 'timgm6mb-soundfont | sf2-soundfont-gm' fonts-liberation2 libfluidsynth3 libqt6widgets6 \
              libpulse0 libavcodec; do
  case "$depends" in *"$needed"*) ;; *) fail "Depends lacks $needed: $depends" ;; esac
done
printf '%s\n' "$info" | grep -q ' postinst ' || fail "no postinst"

root=$scratch/root
dpkg -x "$deb" "$root"
share=$root/usr/share

for program in lyrova lyrova-catalog lyrova-render lyrova-play lyrova-demo-disc lyrova-demo-songs; do
  [ -x "$root/usr/bin/$program" ] || fail "no program $program"
  [ -f "$share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
done
for program in "$root"/usr/bin/*; do
  name=$(basename "$program")
  [ -f "$share/man/man1/$name.1.gz" ] || fail "$name has no manual page"
done
for program in "$root"/usr/bin/*; do
  name=$(basename "$program")
  answer=$(QT_QPA_PLATFORM=offscreen "$program" --version 2>&1) || fail "$name --version failed"
  [ "$answer" = "$name (Lyrova) $version" ] || fail "$name --version: $answer"
  QT_QPA_PLATFORM=offscreen "$program" --help 2>&1 | grep -q "$name" || fail "$name --help does not name it"
done

# The song image has the one size the player accepts.
[ "$(stat -c %s "$share/lyrova/demo/rmidi.img")" = 111945728 ] || fail "demo rmidi.img size"
for file in rmidi_of.img rmoving.img; do
  [ -s "$share/lyrova/demo/$file" ] || fail "no demo $file"
done
[ "$(ls "$share/lyrova/songs" | grep -c '\.kar$')" -ge 4 ] || fail "demo songs missing"

page=$share/lyrova/help/index.html
if [ -f "$page" ]; then
  for picture in $(sed -n 's/.*<img src="\([^"]*\)".*/\1/p' "$page"); do
    [ -f "$share/lyrova/help/$picture" ] || fail "help picture $picture missing"
  done
else
  fail "no help page"
fi

[ -f "$share/applications/lyrova.desktop" ] || fail "no desktop entry"
metainfo=$share/metainfo/org.lyrova.Lyrova.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
for size in 16 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x$size/apps/lyrova.png
  file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $size: $(file -b "$icon")"
done
[ -f "$share/doc/lyrova/copyright" ] || fail "no copyright file"
gzip -t "$share/doc/lyrova/changelog.gz" || fail "no changelog"

if command -v lintian >/dev/null 2>&1; then
  # Errors and warnings fail; information and pedantic notes do not.
  lintian --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 || true
  if grep -E '^(E|W): ' "$scratch/lintian.log"; then fail "lintian"; fi
else
  echo "no lintian: not run"
fi
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
else
  echo "no appstreamcli: not run"
fi
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$share/applications/lyrova.desktop" || fail "desktop-file-validate"
fi

[ "$failures" -eq 0 ] || exit 1
rm -rf "$scratch"
echo "package $deb checked"
