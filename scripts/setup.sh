#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need; as root or via sudo.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache
  qt6-base-dev qt6-declarative-dev qt6-webengine-dev libqscintilla2-qt6-dev libgl-dev
  libpugixml-dev libjpeg-dev libcurl4-openssl-dev libmd4c-dev libmd4c-html0-dev libsecret-1-dev
  libgtest-dev libbenchmark-dev libcpp-httplib-dev clang clang-tidy clang-format libclang-rt-14-dev libjpeg-turbo-progs
  xvfb xauth fonts-dejavu-core
  openssh-server openssh-client vsftpd gnome-keyring dbus-daemon openssl
  librsvg2-bin desktop-file-utils appstream lintian file libxml2-utils
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
