#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over every core source, using the compile
# commands of build/ (made by scripts/build.sh); any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/compile_commands.json ] || scripts/build.sh
run-clang-tidy -p build -quiet "$PWD/core/"
