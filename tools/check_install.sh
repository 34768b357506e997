#!/bin/sh
# Installs Sorbello from ./build into a temporary prefix and runs the installed program under
# Xvfb: as root it runs as the user "nobody", who cannot write to the prefix, the way a program
# installed for the whole system runs. It opens the About dialog (F9) and the help (F1) and
# saves pictures of both windows, then opens and cancels the new-game dialog and ends the
# program, and checks that the player names and the high scores went to the user's data
# directory.
#
#   tools/check_install.sh [OUTPUT_DIRECTORY]     (default: a new temporary directory)
set -eu
cd "$(dirname "$0")/.."
out="${1:-$(mktemp -d)}"
mkdir -p "$out"
work="$(mktemp -d)"
prefix="$work/prefix"
home="$work/home"
display=":$((90 + $$ % 9))"

cmake --install build --prefix "$prefix" >/dev/null
for file in bin/sorbello share/applications/sorbello.desktop share/icons/hicolor/16x16/apps/sorbello.png \
            share/icons/hicolor/256x256/apps/sorbello.png share/icons/hicolor/scalable/apps/sorbello.svg \
            share/metainfo/example.vuko_software.Sorbello.metainfo.xml share/man/man6/sorbello.6.gz \
            share/man/de/man6/sorbello.6.gz \
            share/doc/sorbello/copyright; do
    test -f "$prefix/$file" || { echo "not installed: $file"; exit 1; }
done
# The program is all there is to run: no library of its own goes with it.
libraries="$(find "$prefix" -name '*.so*')"
[ -z "$libraries" ] || { echo "installed beside the program: $libraries"; exit 1; }
grep -qx "Exec=$prefix/bin/sorbello" "$prefix/share/applications/sorbello.desktop"

mkdir -p "$home"
chmod 755 "$work"
run=""
if [ "$(id -u)" = 0 ]; then
    chown nobody "$home"
    run="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi

Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $program $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
export DISPLAY="$display"
# German, whatever the desktop prefers: the windows looked for below are the German ones.
$run env HOME="$home" XDG_RUNTIME_DIR="$home" LANGUAGE=de "$prefix/bin/sorbello" >"$work/log" 2>&1 &
program=$!
sleep 2

window() { xdotool search --onlyvisible --name "$1" | head -n 1; }
main="$(window '^Sorbello$')"
test -n "$main" || { echo "the installed program shows no window"; cat "$work/log"; exit 1; }
xdotool mousemove --window "$main" 400 200 click 1
xdotool key F9
sleep 1
import -window "$(window '^Info über Sorbello')" -depth 8 "$out/about.png"
xdotool key Escape
sleep 0.5
xdotool mousemove --window "$main" 400 200 click 1
xdotool key F1
sleep 1
import -window "$(window '^Sorbello-Hilfe$')" -depth 8 "$out/help.png"
xdotool key Escape
sleep 0.5
xdotool mousemove --window "$main" 400 200 click 1
xdotool key F2
sleep 1
xdotool key Escape
sleep 0.5
xdotool mousemove --window "$main" 400 200 click 1
xdotool key alt+d
sleep 0.3
xdotool key b
sleep 1.5
data="$home/.local/share/Vuko-Software/Sorbello"
for file in spielernamen.dat HighScore.dat; do
    test -f "$data/$file" || { echo "not in the user's data directory: $file"; ls -la "$data" "$prefix/bin"; exit 1; }
    test ! -e "$prefix/bin/$file" || { echo "written beside the installed program: $file"; exit 1; }
done
echo "installed program runs and keeps its data in $data; pictures in $out"
