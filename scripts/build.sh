#!/usr/bin/env bash
# scripts/build.sh [BUILD_DIR] [cmake options...]: configures and builds.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
shift || true
cmake -S . -B "$build_dir" "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
