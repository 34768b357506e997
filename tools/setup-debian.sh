#!/bin/sh
# Installs the Debian packages Sorbello needs to build, test and run, where they are missing.
set -eu

packages="build-essential cmake pkg-config qt6-base-dev qt6-multimedia-dev libgtest-dev libgmock-dev
libbenchmark-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation2 fonts-dejavu-core fontconfig xvfb xauth iproute2"

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
