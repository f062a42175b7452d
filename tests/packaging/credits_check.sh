#!/usr/bin/env bash
# Every library the built programs link (their own NEEDED entries) is credited, with its
# licence, in the package's copyright file and in the About box's credits.
set -euo pipefail
build="$1"
source="$2"
copyright="$source/packaging/copyright"
about="$source/ui/AboutDlg.cpp"
# The name a library goes by in the credits.
credit_for() {
    case "$1" in
        libQt6*) echo "Qt 6" ;;
        libfreeimage*) echo "FreeImage" ;;
        libtag.*) echo "TagLib" ;;
        libqpdf*) echo "qpdf" ;;
        libglib-2.0*) echo "GLib" ;;
        liblcms2*) echo "Little CMS" ;;
        libturbojpeg* | libjpeg.*) echo "libjpeg-turbo" ;;
        libuchardet*) echo "uchardet" ;;
        libc.* | libm.* | ld-linux*) echo "GNU C Library" ;;
        libstdc++* | libgcc_s*) echo "GCC runtime" ;;
        *) echo "UNKNOWN:$1" ;;
    esac
}
# A sanitizer build links what the package never ships (the sanitizers, and Qt's own
# dependencies without --as-needed): the package's programs are the release build's.
if readelf -d "$build/sleevora" | grep -q 'libasan'; then
    echo "a sanitizer build: its links are not the package's; nothing to check"
    exit 0
fi
status=0
for program in "$build/sleevora" "$build/sleevora-export"; do
    for library in $(readelf -d "$program" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
        name=$(credit_for "$library")
        for file in "$copyright" "$about"; do
            if ! grep -q -- "$name" "$file"; then
                echo "$library ($name) is not credited in $file"
                status=1
            fi
        done
    done
done
exit $status
