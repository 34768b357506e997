#!/bin/sh
# Starts the built program on a virtual screen, with a fresh home and its own network
# namespace, and photographs every window whose pixels do not depend on chance: the main
# window before a game, the new-game, address, options, About and statistics dialogs, the
# high-score window, the card editor and the help window. Two runs of the same program give
# the same pictures, so comparing them shows whether a change altered what the player sees:
#
#   tools/take_screenshots.sh [--language de|en] [BUILD_DIRECTORY] [OUTPUT_DIRECTORY]
#       defaults: German, build, a new temporary directory
#   for f in before/*.png; do compare -metric AE "$f" "after/${f##*/}" null:; echo " ${f##*/}"; done
#
# Needs root (for the network namespace), Xvfb, xdotool and ImageMagick.
set -eu
cd "$(dirname "$0")/.."
language=de
if [ "${1:-}" = --language ]; then
    language="$2"
    shift 2
fi
# The windows' titles and the menu keys of each language.
case "$language" in
de)
    new_game='^Neues Spiel' address='^Verbinden' options='^Optionen einstellen$' about='^Info über Sorbello'
    statistics='^Spielerstatistik$' high_scores='^Die Besten' card_editor='^Karteneditor$'
    help='^Sorbello-Hilfe$' extras=alt+x high_scores_keys="h Return"
    ;;
en)
    new_game='^New Game' address='^Connect' options='^Set Options$' about='^About Sorbello'
    statistics='^Player Statistics$' high_scores='^The Best' card_editor='^Card Editor$'
    help='^Sorbello Help$' extras=alt+t high_scores_keys=h
    ;;
*)
    echo "no such language: $language (de or en)"
    exit 2
    ;;
esac
build="$(realpath "${1:-build}")"
out="${2:-$(mktemp -d)}"
mkdir -p "$out"
out="$(realpath "$out")"
work="$(mktemp -d)"
display=":$((70 + $$ % 19))"

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=""
# The program writes its settings as it ends on the signal: its files are gone only after it.
trap 'test -z "$program" || { kill $program; wait $program; } 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
export DISPLAY="$display"
mkdir -p "$work/home" "$work/config" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
# Port 1024 of the program is its own: nothing else on this machine sees it.
env HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_RUNTIME_DIR="$work/runtime" LANGUAGE="$language" unshare -n sh -c 'ip link set lo up && exec "$0"' "$build/src/sorbello" \
    >"$work/log" 2>&1 &
program=$!

. tools/xwindow.sh
# Clicks into the window (no window manager gives it the focus otherwise), then leaves the
# mouse in the screen's corner, where it lies over nothing that answers it.
focus() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    xdotool mousemove 1020 760
    sleep 0.3
}
shoot() {
    sleep 1
    id="$(window "$1")"
    test -n "$id" || { echo "no window named '$1'"; cat "$work/log"; exit 1; }
    import -window "$id" -depth 8 "$out/$2.png"
    # A second picture half a blink later: anything still moving would show up as a difference.
    sleep 0.5
    import -window "$id" -depth 8 "$work/again.png"
    compare -metric AE "$out/$2.png" "$work/again.png" null: 2>/dev/null ||
        echo "$2: the window changed while it was photographed"
}
main="$(window '^Sorbello$')"
test -n "$main" || { echo "the program shows no window"; cat "$work/log"; exit 1; }

shoot '^Sorbello$' mainwindow

focus "$main" 400 200
xdotool key F2
sleep 0.5
# Out of the name edit, whose blinking text cursor would make the pictures differ.
xdotool key Tab
shoot "$new_game" newgame
dialog="$(window "$new_game")"
# The "Netzwerk" lamp of the first row, then "Spiel beginnen!": the address is asked for.
focus "$dialog" 395 45
xdotool mousemove --window "$dialog" 85 360 click 1
xdotool mousemove 1020 760
sleep 0.5
xdotool key Tab
shoot "$address" address
xdotool key Escape
sleep 0.5
focus "$(window "$new_game")" 300 10
xdotool key Escape
sleep 0.5

focus "$main" 400 200
xdotool key "$extras"
sleep 0.3
xdotool key o
shoot "$options" options
xdotool key Escape
sleep 0.5

focus "$main" 400 200
xdotool key F9
shoot "$about" about
xdotool key Escape
sleep 0.5

focus "$main" 400 200
xdotool key F3
shoot "$statistics" statistics
xdotool key Escape
sleep 0.5

focus "$main" 400 200
xdotool key "$extras"
sleep 0.3
# shellcheck disable=SC2086
xdotool key $high_scores_keys
shoot "$high_scores" highscores
xdotool key Escape
sleep 0.5

focus "$main" 400 200
xdotool key F4
shoot "$card_editor" cardeditor
xdotool key Escape
sleep 0.5

focus "$main" 400 200
xdotool key F1
shoot "$help" help
xdotool key Escape
sleep 0.5

echo "pictures in $out"
