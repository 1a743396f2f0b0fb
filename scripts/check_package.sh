#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it with lintian,
# which must report no error (warnings are printed).
# Usage: scripts/check_package.sh [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/kurvo32_*.deb | head -1)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Depends
# A privileged user is trusted by lintian only with --allow-root.
lintian --fail-on error --allow-root --display-info "$deb"
echo "lintian: no errors"
