#!/bin/sh
# Copies the built program alone into an empty folder, as a user may copy it, and plays a whole
# network game with it: the copy runs under Xvfb in a network namespace of its own, listening on
# port 1024 as in real life; from a second namespace joined to it by a cable, the test peer
# (build/tests/net/sorbello_netpeer, a whole program driven like a user) invites it. The copy is
# answered "Ja" with a key press and plays the computer player "Robo" against the peer's
# "Anna" to the end. Prints the result and saves a picture of the copy's end dialog.
# Needs root, ip, Xvfb and xdotool; ImageMagick for the picture.
#
#   tools/check_alone.sh [PICTURE]      (default: no picture)
set -eu
cd "$(dirname "$0")/.."
program=build/src/sorbello
peer=build/tests/net/sorbello_netpeer
[ -x "$program" ] && [ -x "$peer" ] || { echo "build first: $program and $peer"; exit 2; }
work="$(mktemp -d)"
id=$$
a="sorbAloneA$id"
b="sorbAloneB$id"
copy=""
xvfb=""
cleanup() {
    [ -z "$copy" ] || kill "$copy" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    ip netns del "$a" 2>/dev/null || true
    ip netns del "$b" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

ip netns add "$a"
ip netns add "$b"
ip link add "va$id" type veth peer name "vb$id"
ip link set "va$id" netns "$a"
ip link set "vb$id" netns "$b"
ip -n "$a" addr add 10.78.0.1/24 dev "va$id"
ip -n "$b" addr add 10.78.0.2/24 dev "vb$id"
for ns in "$a" "$b"; do
    ip -n "$ns" link set lo up
done
ip -n "$a" link set "va$id" up
ip -n "$b" link set "vb$id" up

mkdir "$work/alone" "$work/home" "$work/peer"
cp "$program" "$work/alone/sorbello"
echo "the folder holds only: $(ls -A "$work/alone")"

exec 3<>"$work/displayfd" # Xvfb writes the display number it took here
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do
    [ -s "$work/displayfd" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n 1 "$work/displayfd")"

# German, whatever the desktop prefers: the windows looked for below are the German ones.
ip netns exec "$b" env -i DISPLAY="$DISPLAY" HOME="$work/home" XDG_RUNTIME_DIR="$work/home" PATH=/usr/bin:/bin \
    LANGUAGE=de "$work/alone/sorbello" >"$work/copy.log" 2>&1 &
copy=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Sorbello$' >/dev/null ||
    { cat "$work/copy.log"; echo "the copy shows no window"; exit 1; }
ip netns exec "$b" ss -ltn | grep -q ':1024 ' || { echo "the copy does not listen on port 1024"; exit 1; }
echo "the copy listens on port 1024"

ip netns exec "$a" "$peer" --role invite --dir "$work/peer" --address 10.78.0.2 --timeout 400 \
    >"$work/peer.log" 2>&1 &
inviter=$!
question="$(timeout 60 xdotool search --sync --onlyvisible --name '^Frage aus dem Netzwerk$' | head -n 1)"
[ -n "$question" ] || { tail -n 20 "$work/peer.log"; echo "the copy was not asked"; exit 1; }
xdotool windowfocus --sync "$question" key Return
echo "the copy was asked and answered Ja; the game runs"

# The peer leaves as soon as its own end dialog is closed; held there, it stays connected
# until the copy, which replays the last cards in real time, has reached the end too.
while kill -0 "$inviter" 2>/dev/null && ! grep -q '^RESULT' "$work/peer.log"; do
    sleep 0.05
done
kill -STOP "$inviter" 2>/dev/null || true
grep '^RESULT' "$work/peer.log" || { tail -n 20 "$work/peer.log"; echo "the inviting program saw no end"; exit 1; }
end="$(timeout 60 xdotool search --sync --onlyvisible --name '^Dieses Spiel ist beendet$' | head -n 1)"
kill -KILL "$inviter" 2>/dev/null || true
[ -n "$end" ] || { cat "$work/copy.log"; echo "the copy shows no end of the game"; exit 1; }
[ $# -eq 0 ] || import -window root -depth 8 "$1"
echo "the copy shows its end dialog; beside it now: $(ls -A "$work/alone" | tr '\n' ' ')"
