#!/usr/bin/env bash
# Fresh machine to running program: installs what is missing, builds, starts the window program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/app/orbitek
fi
echo "No display: the window program needs one (or run it under xvfb-run)." >&2
echo "Running the headless calculator on the input dialog's defaults instead:" >&2
exec build/cli/orbitek-calc
