#!/bin/sh
# Plays a whole game against a computer player with the keyboard only, in the real program on a
# virtual screen with a fresh home and its own network namespace: F2 opens the new-game dialog,
# the keys choose the unbeatable computer as the second player and start the game, and on each
# of its turns the human player moves the board's focus mark with Home, End and the arrow keys
# and turns cards with Space until the end dialog appears. Then Enter closes it and the menu
# ends the program. Reports whether the game ended and which data files were written.
#
#   tools/keyboard_game.sh [BUILD_DIRECTORY] [SCALE_FACTOR] [SCREENSHOT_FILE]
#       defaults: build, 1, none; with a screenshot file the main window is photographed
#       during the game, with the focus mark on the board.
#
# Needs root (for the network namespace), Xvfb, xdotool and ImageMagick.
set -eu
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build}")"
scale="${2:-1}"
shot="${3:-}"
test -z "$shot" || shot="$(realpath "$shot")"
work="$(mktemp -d)"
display=":95"

# The program refuses a screen narrower than 800 of its own pixels.
Xvfb "$display" -screen 0 "$((1024 * scale))x$((768 * scale))x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=""
trap 'test -z "$program" || kill $program 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
sleep 1
export DISPLAY="$display"
mkdir -p "$work/home" "$work/config" "$work/data" "$work/runtime" "$work/bin"
chmod 700 "$work/runtime"
# The program keeps player names and high scores beside itself: a copy of it keeps them out of
# the build directory.
cp "$build/src/sorbello" "$work/bin/"
# The pointer lies in the corner, over no window, and never moves: no click reaches the program.
xdotool mousemove "$((1024 * scale - 2))" "$((768 * scale - 2))"
# German, whatever the desktop prefers: the windows and keys below are the German ones.
env HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_RUNTIME_DIR="$work/runtime" QT_SCALE_FACTOR="$scale" LANGUAGE=de \
    unshare -n sh -c 'ip link set lo up && exec "$0"' "$work/bin/sorbello" >"$work/log" 2>&1 &
program=$!

. tools/xwindow.sh
# Without a window manager nothing gives a window the keyboard; this does, without the mouse.
keys_to() {
    xdotool windowfocus --sync "$1"
    sleep 0.3
}

main="$(window '^Sorbello$')"
test -n "$main" || { echo "the program shows no window"; cat "$work/log"; exit 1; }
keys_to "$main"
xdotool key F2
dialog="$(window '^Neues Spiel')"
test -n "$dialog" || { echo "F2 opened no new-game dialog"; exit 1; }
keys_to "$dialog"
# From the first name edit: kind list, network lamp, second name edit, second kind list; End
# picks its last entry, the unbeatable computer. Enter there presses "Spiel beginnen!".
xdotool key --delay 100 Tab Tab Tab Tab End Return
sleep 1
keys_to "$main"

# Written when a game ends, before the end dialog shows. A Space meant for the board may reach
# the dialog's focused button and close it before it is seen, so the file is the surer sign.
statistics="$work/data/Vuko-Software/Sorbello/Sorbello.dat"
ended=""
turns=0
# Twenty minutes are plenty: the computer player forgets nothing, so every pair either player
# has seen is soon taken.
deadline=$(($(date +%s) + 1200))
while [ "$(date +%s)" -lt "$deadline" ]; do
    if [ -e "$statistics" ]; then
        ended=yes
        break
    fi
    # Two cards: the first one of the board, then one a few steps further on. Keys sent while
    # the computer moves or a card dissolves find the board without input and turn nothing.
    steps="$(shuf -n 1 -e Right Down End)"
    for _ in $(seq "$(shuf -i 0-6 -n 1)"); do steps="$steps Right"; done
    xdotool key --delay 60 Home space
    sleep 0.2
    # shellcheck disable=SC2086
    xdotool key --delay 60 $steps space
    turns=$((turns + 1))
    if [ -n "$shot" ] && [ "$turns" -eq 6 ]; then
        xdotool key Home
        sleep 0.5
        import -window "$main" -depth 8 "$shot"
        echo "screenshot: $shot"
    fi
    sleep 0.4
done

if [ -z "$ended" ]; then
    echo "the game did not end after $turns turns of keys"
    exit 1
fi
echo "the game ended after $turns turns of keys: the statistics file is written"
end="$(window '^Dieses Spiel ist beendet$')"
if [ -n "$end" ]; then
    echo "the end dialog 'Dieses Spiel ist beendet' is shown; Enter closes it"
    keys_to "$end"
    xdotool key Return
    sleep 1
else
    echo "the end dialog was closed already by a Space meant for the board"
fi
keys_to "$main"
# "&Datei", "&Beenden": no game runs any more, so the program ends without asking.
xdotool key alt+d
sleep 0.3
xdotool key b
for _ in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.5
done
if kill -0 "$program" 2>/dev/null; then
    echo "the program is still running"
    exit 1
fi
program=""
echo "the program has ended; data files written:"
find "$work" -name '*.dat' -printf '  %P (%s bytes)\n'
