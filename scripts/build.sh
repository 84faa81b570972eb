#!/usr/bin/env bash
# Configures and builds everything into build/ (the program folder is build/program).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLEX_WERROR="${QUORLEX_WERROR:-OFF}" >/dev/null
cmake --build build -j "$(nproc)"
