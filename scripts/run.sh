#!/usr/bin/env bash
# Sets up, builds and runs the driver on the virtual mouse.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
scripts/build.sh build
if [ -x build/bin/ZEL_RAdeze-sim ]; then
  exec build/bin/ZEL_RAdeze-sim "$@"
fi
cat <<'MSG'
The driver window and its virtual-mouse program (ZEL_RAdeze-sim) are not
built yet. What runs today is the core: k9-profile-report applies the current
profile of build/bin/config.ini to a device that only prints, and shows every
feature report, desktop setting and exit step it would send.

MSG
exec build/bin/k9-profile-report build/bin
