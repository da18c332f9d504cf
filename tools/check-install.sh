#!/usr/bin/env bash
# Installs ./build into a temporary prefix and checks what the desktop reads
# there: the menu entry, the software centre's description and the icons.
# A check whose tool is missing is skipped with a note.
set -euo pipefail
cd "$(dirname "$0")/.."
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install build --prefix "$prefix" >/dev/null
share="$prefix/share"

status=0
for side in 16 22 24 32 48 64 128 256; do
    [ -f "$share/icons/hicolor/${side}x${side}/apps/kvidrel.png" ] ||
        { echo "check-install: no ${side}-pixel icon" >&2; status=1; }
done
[ -f "$share/icons/hicolor/scalable/apps/kvidrel.svg" ] ||
    { echo "check-install: no scalable icon" >&2; status=1; }

if command -v desktop-file-validate >/dev/null; then
    # It prints hints too, which count as findings here.
    ud="$(desktop-file-validate "$share/applications/dk.kvidrel.Kvidrel.desktop" 2>&1)" || status=1
    [ -z "$ud" ] || { echo "$ud" >&2; status=1; }
else
    echo "check-install: desktop-file-validate missing, menu entry not checked"
fi
if command -v appstreamcli >/dev/null; then
    # No network: the screenshots are fetched only once published.
    ud="$(appstreamcli validate --no-net "$share/metainfo/dk.kvidrel.Kvidrel.metainfo.xml" 2>&1)" ||
        { echo "$ud" >&2; status=1; }
    # The whole tree as a software centre reads it: metainfo, menu entry, icons.
    ud="$(appstreamcli validate-tree --no-net "$prefix" 2>&1)" || { echo "$ud" >&2; status=1; }
else
    echo "check-install: appstreamcli missing, metainfo not checked"
fi
[ "$status" -eq 0 ] && echo "check-install: menu entry, metainfo and icons are in order"
exit "$status"
