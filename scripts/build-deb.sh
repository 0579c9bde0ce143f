#!/usr/bin/env bash
# Builds the Debian package: a Release build without tests in build/deb, then CPack, which
# writes build/deb/tarnveil_<version>_<arch>.deb (dependencies from dpkg-shlibdeps plus the
# run-time packages listed in packaging/CMakeLists.txt). Prints the package's path.
#
# Needs the build dependencies (scripts/install-deps.sh) and dpkg-dev for dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/deb
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNVEIL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/tarnveil_*.deb
(cd "$build" && cpack -G DEB)

package=$(ls "$build"/tarnveil_*.deb)
echo "$PWD/$package"
