#!/bin/sh
# Installs the build into a throwaway prefix and checks what a desktop reads.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/penwick bin/penwick-cli bin/penwick-server \
    share/applications/com.velmora.Penwick.desktop share/metainfo/com.velmora.Penwick.metainfo.xml \
    share/icons/hicolor/256x256/apps/com.velmora.Penwick.png share/icons/hicolor/16x16/apps/com.velmora.Penwick.png \
    share/man/man1/penwick-cli.1 share/man/man1/penwick-server.1 lib/systemd/system/penwick-server.service; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
"$prefix/bin/penwick-cli" --version >/dev/null
"$prefix/bin/penwick" --help >/dev/null
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$prefix/share/applications/com.velmora.Penwick.desktop"
else
    echo "desktop-file-validate not installed: desktop entry not validated"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$prefix/share/metainfo/com.velmora.Penwick.metainfo.xml"
else
    echo "appstreamcli not installed: metainfo not validated"
fi
