#!/bin/sh
# Installs the Debian packages of the sets named, where they are missing:
#   build   building Sorbello and running it (compiler, CMake, Qt, its translation tools, its
#           German texts and fonts)
#   screen  a virtual screen, where there is no display (Xvfb)
#   test    the test suite, the benchmarks and the developer tools; includes build and screen
#
#   tools/setup-debian.sh build
#   tools/setup-debian.sh          the same as "test": everything
set -eu

build="build-essential cmake pkg-config qt6-base-dev qt6-multimedia-dev qt6-l10n-tools qt6-translations-l10n
fonts-liberation2 fontconfig"
screen="xvfb xauth"
test="$build $screen libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core iproute2"

[ $# -gt 0 ] || set -- test
packages=""
for name in "$@"; do
    case "$name" in
    build) packages="$packages $build" ;;
    screen) packages="$packages $screen" ;;
    test) packages="$packages $test" ;;
    *) echo "unknown set: $name (build, screen, test)" >&2; exit 2 ;;
    esac
done

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="sudo"
fi
echo "Installing:$missing"
$as_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
