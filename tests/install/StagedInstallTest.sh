#!/usr/bin/env bash
# Installs into a staging folder, checks the desktop files, makes the installed copy read-only
# and starts it offscreen with a fresh home: the user's data folder must then hold the shipped
# templates, and no installed file may have changed. Usage: StagedInstallTest.sh <build folder>
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'chmod -R u+w "$stage"; rm -rf "$stage"' EXIT
DESTDIR=$stage/root cmake --install "$build" --prefix /usr >/dev/null
prefix=$stage/root/usr
id=io.quorlex.Quorlex

desktop-file-validate "$prefix/share/applications/$id.desktop"
grep -qx 'MimeType=application/x-quorlex-project;' "$prefix/share/applications/$id.desktop"
xmllint --noout "$prefix/share/mime/packages/$id.xml"
grep -q '<glob pattern="\*.tpp"/>' "$prefix/share/mime/packages/$id.xml"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
for size in 48 128 256; do
  file "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size"
done
test -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg"

chmod -R a-w "$prefix"
snapshot() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
before=$(snapshot)
home=$stage/home
mkdir "$home"
env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen QUORLEX_QUIT_AFTER_START=1 \
  timeout 120 "$prefix/bin/quorlex"

data=$home/.local/share/quorlex
diff -r "$prefix/share/quorlex/templates" "$data/templates"
[ "$before" = "$(snapshot)" ] || { echo "the installed files changed" >&2; exit 1; }
echo "user data folder: $(cd "$data" && find . -maxdepth 2 | sort | tr '\n' ' ')"
