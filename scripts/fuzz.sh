#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a short time
# (QUORLEX_FUZZ_SECONDS, 20 by default) from its corpus in tests/fuzz/corpus/. A crash, a
# sanitizer report, a leak, an input that hangs or a memory blow-up fails the run; the input
# is left in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
seconds=${QUORLEX_FUZZ_SECONDS:-20}
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORLEX_BUILD_FUZZ=ON -DQUORLEX_BUILD_GUI=OFF -DQUORLEX_BUILD_TESTS=OFF -DQUORLEX_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)"
out=$PWD/build-fuzz
mkdir -p "$out/tmp" "$out/artifacts"
# The targets write their input to scratch files: in memory when the system offers it.
base=$out/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && base=/dev/shm
scratch=$(mktemp -d "$base/quorlex-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for target in XmlReader MenuTree Catalog CatalogReload StyleSheet PageReferences PublishRecord; do
  echo "Fuzzing $target for $seconds s"
  mkdir -p "$out/corpus/$target"
  dict=()
  case $target in XmlReader | Catalog*) dict=(-dict=tests/fuzz/xml.dict) ;; esac
  if ! "$out/tests/fuzz/${target}Fuzz" "$out/corpus/$target" "tests/fuzz/corpus/$target" "${dict[@]}" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
      -artifact_prefix="$out/artifacts/$target-" >"$out/$target.log" 2>&1; then
    tail -n 60 "$out/$target.log"
    echo "$target failed; the input is in $out/artifacts/" >&2
    exit 1
  fi
  grep -E '^(#[0-9]+ *DONE|Done)' "$out/$target.log" | tail -n 1 || true
done
