#!/bin/sh
# Installs the build into a scratch root and checks the layout the program relies on:
# program, export tool, help and licence together, commands linked from bin, desktop files.
set -e
build="$1"
sample="$2"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr > /dev/null
for f in usr/lib/sleevora/sleevora usr/lib/sleevora/sleevora-export usr/lib/sleevora/help.chm \
         usr/lib/sleevora/freeimage-license.txt usr/share/applications/sleevora.desktop \
         usr/share/mime/packages/sleevora-cover.xml usr/share/metainfo/example.quorvane.Sleevora.metainfo.xml \
         usr/share/icons/hicolor/256x256/apps/sleevora.png usr/share/icons/hicolor/scalable/apps/sleevora.svg \
         usr/share/icons/hicolor/48x48/mimetypes/application-x-sleevora-cover.png \
         usr/share/man/man1/sleevora.1.gz usr/share/man/man1/sleevora-export.1.gz \
         usr/share/doc/sleevora/copyright usr/share/doc/sleevora/changelog.gz; do
    [ -e "$root/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ "$(readlink "$root/usr/bin/sleevora")" = "../lib/sleevora/sleevora" ] || { echo "bin/sleevora is not a link to the program"; exit 1; }
# The installed export tool runs through its link.
"$root/usr/bin/sleevora-export" "$sample" "$root/out.png" --dpi 30 2> /dev/null
[ -s "$root/out.png" ] || { echo "the installed sleevora-export wrote nothing"; exit 1; }
