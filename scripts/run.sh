#!/usr/bin/env bash
# Sets up a fresh machine, builds Quorlex and starts it with the sample templates.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: run it under Xvfb instead, with  xvfb-run -a -s '-screen 0 1280x1024x24' scripts/run.sh" >&2
  exit 1
fi
# The browser engine refuses its sandbox when run as root.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
exec build/program/quorlex
