#!/usr/bin/env bash
# scripts/build.sh [BUILD_DIR] [cmake options...]: configures and builds.
set -euo pipefail
cd "$(dirname "$0")/.."
# Paths inside the checkout are hashed relative to it, so that every clone
# (CI's fresh one, a worktree) shares the compiler cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
build_dir="${1:-build}"
shift || true
cmake -S . -B "$build_dir" "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
