#!/bin/sh
# Builds the Debian package (tools/package.sh) and checks it on this machine, as root:
#  - lintian finds no errors; the menu entry and the AppStream metadata pass their validators;
#  - apt installs it with its dependencies (without recommended packages), Qt Network and Qt
#    Multimedia among them, and it holds no library of its own;
#  - the installed program starts under Xvfb as the ordinary user "nobody" with a home of its
#    own, and as root, each in a network namespace of its own (it listens on port 1024); the
#    new-game dialog is opened and cancelled and the program ended from its menu, and the
#    player names, high scores and settings must then be in that user's home, nothing beside
#    the program in /usr/games;
#  - dpkg -r removes every file the package installed, and the user's data stays.
# Ends with a short summary; exits non-zero at the first failed check.
#
#   tools/check_package.sh
set -eu
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "run as root: the check installs and removes the package"; exit 1; }

need=""
for p in lintian appstream desktop-file-utils xvfb xauth xdotool man-db dpkg-dev iproute2 util-linux; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need="$need $p"
done
if [ -n "$need" ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $need >/dev/null
fi

work="$(mktemp -d)"
chmod 755 "$work"
display=":$((80 + $$ % 9))"
xvfb=""
trap '[ -z "$xvfb" ] || kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
summary="$work/summary"
: >"$summary"
fail() { echo "FAILED: $*"; exit 1; }
passed() { echo "ok    $*" | tee -a "$summary"; }

echo "== building the package"
deb="$(tools/package.sh | tail -n 1)"
passed "package built: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"

echo "== lintian"
# Lintian itself advises against running as root.
mkdir -p "$work/lintian-home"
chown nobody "$work/lintian-home"
setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$work/lintian-home" TMPDIR="$work/lintian-home" \
    lintian --display-level ">=pedantic" --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 || status=$?
cat "$work/lintian"
# Status 1 means errors were found, which the next line reports; anything else is lintian failing.
[ "${status:-0}" -le 1 ] || fail "lintian could not check the package (status $status)"
! grep -q "^E:" "$work/lintian" || fail "lintian reports errors"
passed "lintian: no errors, $(grep -c "^W:" "$work/lintian" || true) warnings, $(grep -c "^[IP]:" "$work/lintian" || true) infos and pedantic notes"

echo "== installing"
if dpkg-query -W -f='${Status}' sorbello 2>/dev/null | grep -q "install ok installed"; then
    dpkg -r sorbello >/dev/null
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" >"$work/apt" 2>&1 ||
    { cat "$work/apt"; fail "apt could not install the package"; }
dpkg -L sorbello | sort >"$work/installed"
dpkg-query -W -f='Depends: ${Depends}\nRecommends: ${Recommends}\n' sorbello
for file in /usr/games/sorbello /usr/share/applications/sorbello.desktop /usr/share/man/man6/sorbello.6.gz \
            /usr/share/man/de/man6/sorbello.6.gz \
            /usr/share/metainfo/example.vuko_software.Sorbello.metainfo.xml \
            /usr/share/icons/hicolor/16x16/apps/sorbello.png /usr/share/icons/hicolor/256x256/apps/sorbello.png \
            /usr/share/icons/hicolor/scalable/apps/sorbello.svg /usr/share/doc/sorbello/copyright \
            /usr/share/doc/sorbello/changelog.Debian.gz; do
    grep -qx "$file" "$work/installed" || fail "the package does not install $file"
done
# One executable: Qt Network and Qt Multimedia come as the program's own dependencies, and no
# library of its own goes with it.
! grep -Eq '\.so(\.[0-9]+)*$' "$work/installed" || fail "the package installs a library of its own"
depends="$(dpkg-query -W -f='${Depends}' sorbello)"
for library in libqt6network6 libqt6multimedia6; do
    echo "$depends" | grep -q "$library" || fail "the package does not depend on $library"
done
passed "apt installed it and its dependencies: $(grep -c . "$work/installed") paths, no library of its own"

echo "== validators"
desktop-file-validate /usr/share/applications/sorbello.desktop || fail "desktop-file-validate"
grep -qx 'Exec=/usr/games/sorbello' /usr/share/applications/sorbello.desktop || fail "Exec line"
passed "desktop-file-validate: menu entry valid"
appstreamcli validate --no-net --pedantic /usr/share/metainfo/example.vuko_software.Sorbello.metainfo.xml \
    >"$work/appstream" 2>&1 || { cat "$work/appstream"; fail "appstreamcli validate"; }
cat "$work/appstream"
! grep -q "^[EW]:" "$work/appstream" || fail "appstreamcli reports errors or warnings"
passed "appstreamcli validate --no-net: no errors or warnings ($(grep "^[IP]:" "$work/appstream" |
    sed 's/^\(.\):[^:]*:[0-9]*: \([^ ]*\).*/\1 \2/' | tr '\n' ',' | sed 's/,$//; s/,/, /g'))"
for page in /usr/share/man/man6/sorbello.6.gz /usr/share/man/de/man6/sorbello.6.gz; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>"$work/man" >/dev/null
    [ ! -s "$work/man" ] || { cat "$work/man"; fail "man reports warnings for $page"; }
done
[ "$(man -w 6 sorbello)" = /usr/share/man/man6/sorbello.6.gz ] || fail "man 6 sorbello finds no English page"
[ "$(man -L de -w 6 sorbello)" = /usr/share/man/de/man6/sorbello.6.gz ] ||
    fail "man -L de 6 sorbello finds no German page"
passed "man 6 sorbello: the English page by default, the German one for German, both without warnings"

echo "== running the installed program"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display"
ls -A /usr/games >"$work/games-before"

window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

# play USER HOME: starts the installed program as USER with HOME, opens and cancels the
# new-game dialog, ends the program from its menu and waits for it to end.
play() {
    user="$1"
    home="$2"
    mkdir -p "$home"
    chown "$user" "$home"
    chmod 700 "$home"
    unshare -n sh -c 'ip link set lo up && exec setpriv --reuid="$1" --regid="$(id -g "$1")" --init-groups \
        env -i DISPLAY="$DISPLAY" HOME="$2" XDG_RUNTIME_DIR="$2" PATH=/usr/bin:/bin:/usr/games sorbello' \
        - "$user" "$home" >"$work/log-$user" 2>&1 &
    program=$!
    main=""
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        sleep 1
        main="$(window '^Sorbello$')"
        [ -z "$main" ] || break
    done
    [ -n "$main" ] || { cat "$work/log-$user"; kill $program; fail "the installed program shows no window for $user"; }
    xdotool mousemove --window "$main" 400 200 click 1
    xdotool key F2
    sleep 1
    [ -n "$(window '^Neues Spiel')" ] || { kill $program; fail "F2 opened no new-game dialog for $user"; }
    xdotool key Escape
    sleep 0.5
    xdotool mousemove --window "$main" 400 200 click 1
    xdotool key alt+d
    sleep 0.3
    xdotool key b
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        kill -0 $program 2>/dev/null || break
        sleep 1
    done
    ! kill -0 $program 2>/dev/null || { kill $program; fail "Datei > Beenden did not end the program for $user"; }
    wait $program || fail "the program ended with status $? for $user"
    data="$home/.local/share/Vuko-Software/Sorbello"
    for file in "$data/spielernamen.dat" "$data/HighScore.dat" "$home/.config/Vuko-Software/Sorbello.conf"; do
        [ -f "$file" ] || { ls -laR "$home"; fail "$user: $file not written"; }
    done
    ls -A /usr/games | cmp -s - "$work/games-before" || { ls -la /usr/games; fail "$user: wrote into /usr/games"; }
    passed "runs as $user: data in $(echo "$data" | sed "s|^$work/||") and the settings, nothing in /usr/games"
}

play nobody "$work/home-nobody"
play root "$work/home-root"
kill $xvfb
xvfb=""

echo "== removing"
dpkg -r sorbello >"$work/remove" 2>&1 || { cat "$work/remove"; fail "dpkg -r"; }
left=""
while read -r path; do
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        # A folder stays only while something else is in it or another package owns it.
        if [ -z "$(ls -A "$path")" ] && ! dpkg -S "$path" >/dev/null 2>&1; then left="$left $path"; fi
    elif [ -e "$path" ] || [ -L "$path" ]; then
        left="$left $path"
    fi
done <"$work/installed"
[ -z "$left" ] || fail "left after dpkg -r:$left"
[ ! -e /usr/share/doc/sorbello ] || fail "/usr/share/doc/sorbello left after dpkg -r"
[ -f "$work/home-nobody/.local/share/Vuko-Software/Sorbello/HighScore.dat" ] || fail "the user's data went with the package"
passed "dpkg -r: none of the $(grep -c . "$work/installed") installed paths is left (folders other packages share aside); the user's data stays"

echo
echo "== summary"
cat "$summary"
