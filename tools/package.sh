#!/bin/sh
# Builds the Debian package sorbello_<version>_<arch>.deb in ./build-package: the program alone
# (no tests, no benchmarks), configured the way Debian builds packages (prefix /usr, the game in
# /usr/games, compiler and linker flags from dpkg-buildflags with all hardening on), then packed
# by CPack, which also strips the program and asks dpkg-shlibdeps for the dependencies.
#
#   tools/package.sh          prints the path of the package it made
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh build
if ! command -v dpkg-shlibdeps >/dev/null || ! command -v dpkg-buildflags >/dev/null; then
    as_root=""
    [ "$(id -u)" -eq 0 ] || as_root="sudo"
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends dpkg-dev
fi

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"

rm -f build-package/sorbello_*.deb
cmake -S . -B build-package $launcher -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_INSTALL_BINDIR=games -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DSORBELLO_BUILD_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    >/dev/null
cmake --build build-package -j "$(nproc)" --target sorbello
(cd build-package && cpack -G DEB >/dev/null)
ls "$PWD"/build-package/sorbello_*.deb
