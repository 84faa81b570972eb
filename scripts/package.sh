#!/usr/bin/env bash
# Builds the Debian package (build/quorlex_<version>_<arch>.deb), checks it with lintian (errors
# fail), then checks that it installs on a fresh Debian 12: its dependencies must resolve from
# the archive for a system with nothing installed, and the unpacked program must start.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
(cd build && cpack -G DEB >/dev/null)
deb=$(ls -t build/quorlex_*.deb | head -n 1)
echo "Built $deb"
lintian --fail-on error "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
# With an empty package status apt resolves the whole dependency closure, versions included,
# as on a bare system, from this machine's Debian 12 archive lists.
apt-get -s -q -o Dir::State::status=/dev/null install "./$deb" >"$root/apt.log" ||
  { cat "$root/apt.log"; echo "The dependencies do not resolve on a bare system" >&2; exit 1; }
echo "Dependencies resolve on a bare system: $(grep -c '^Inst ' "$root/apt.log") packages"
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
env -u XDG_DATA_HOME HOME="$root/home" QT_QPA_PLATFORM=offscreen QUORLEX_QUIT_AFTER_START=1 \
  QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-sandbox" timeout 120 "$root/usr/bin/quorlex" >"$root/start.log" 2>&1 ||
  { cat "$root/start.log"; echo "The unpacked program did not start" >&2; exit 1; }
test -f "$root/home/.local/share/quorlex/templates/templates.tps"
echo "The unpacked package starts and gives the user the templates"
