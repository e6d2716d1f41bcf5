#!/usr/bin/env bash
# scripts/package.sh [BUILD_DIR]: builds the program and makes
# veltrix-k9_<version>_<arch>.deb in BUILD_DIR (default build), then checks it
# with lintian. Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
scripts/setup-deps.sh
scripts/build.sh "$build_dir" >/dev/null
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build_dir"/veltrix-k9_*.deb | head -n 1)
packaging/deb/lint.sh "$deb" >&2
echo "$deb"
