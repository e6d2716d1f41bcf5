#!/usr/bin/env bash
# Sets up, builds and runs the driver on the virtual mouse (ZEL_RAdeze-sim).
# Arguments are passed to ZEL_RAdeze-sim (e.g. --no-panel, --absent).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
scripts/build.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat <<'MSG'
No desktop session here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the
driver window cannot open. Run scripts/run.sh from a desktop session. Meanwhile,
this is what the driver would send to the mouse for the current profile:

MSG
  exec build/bin/k9-profile-report build/bin
fi
exec build/bin/ZEL_RAdeze-sim "$@"
