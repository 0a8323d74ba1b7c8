#!/usr/bin/env bash
# Builds the Debian package the way Debian builds its own: the distribution's
# hardening flags (dpkg-buildflags), only the programs and what they install (no
# tests, benchmarks or fuzzing), stripped as Debian strips. Then lintian checks it and
# must find no error and no warning. The package is left in PACKAGE_BUILD_DIR
# (default build-deb); its path is the last line printed. Extra arguments go to
# cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_DIR=${PACKAGE_BUILD_DIR:-build-deb}

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_STRIP="$PWD/packaging/debian-strip.sh" -DTARVIX_TESTS=OFF \
  "$@" >/dev/null
ninja -C "$BUILD_DIR" -j "$(nproc)"

rm -f "$BUILD_DIR"/tarvix-storage-utility_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
debs=("$BUILD_DIR"/tarvix-storage-utility_*_"$(dpkg --print-architecture)".deb)
deb=${debs[0]}
[[ -f $deb ]] || { echo "package: cpack made no package in $BUILD_DIR" >&2; exit 1; }

echo "== dpkg-deb -I $deb"
dpkg-deb -I "$deb"
echo "== dpkg-deb -c $deb"
dpkg-deb -c "$deb"
# Informational tags are shown too; each one is explained in the README.
echo "== lintian --info --display-info $deb"
lintian --info --display-info --fail-on error,warning "$deb"
echo "$deb"
