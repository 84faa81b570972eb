#!/usr/bin/env bash
# Sets up a fresh machine, builds Quorlex and runs the whole test suite (window tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j 2
