#!/usr/bin/env bash
# Fetches the QR Code generator's C++ source from Debian's source package
# qr-code-generator into build/third_party/qr-code-generator (never committed).
# Adds a deb-src entry for the Debian mirror and suite the machine already
# uses. Safe to run again: it does nothing once the source is there.
set -euo pipefail
cd "$(dirname "$0")/.."

dest=build/third_party
unpacked="$dest/qr-code-generator"
if [ -f "$unpacked/cpp/qrcodegen.cpp" ] && [ -f "$unpacked/LICENSE.txt" ]; then
    exit 0
fi

sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

# The first Debian (not security) mirror and suite of the machine's sources.
mirror="" suite="" signed=""
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    read -r mirror suite signed < <(awk '
        /^Types:/     { deb = ($0 ~ /(^|[ \t])deb([ \t]|$)/) }
        /^URIs:/      { uri = $2 }
        /^Suites:/    { suite = $2 }
        /^Signed-By:/ { signed = $2 }
        /^[ \t]*$/    { if (deb && uri ~ /debian\/?$/ && uri !~ /security/) { print uri, suite, signed; exit }
                        deb = 0; uri = ""; suite = ""; signed = "" }
        END           { if (deb && uri ~ /debian\/?$/ && uri !~ /security/) print uri, suite, signed }
    ' "$f") || true
    [ -n "$mirror" ] && break
done
if [ -z "$mirror" ]; then
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        read -r mirror suite < <(awk '
            $1 == "deb" {
                i = 2; if ($2 ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
                if ($i ~ /debian\/?$/ && $i !~ /security/) { print $i, $(i + 1); exit }
            }' "$f") || true
        [ -n "$mirror" ] && break
    done
fi
if [ -z "$mirror" ]; then
    echo "fetch-qrcodegen: no Debian mirror found in the apt sources" >&2
    exit 1
fi

srcfile=/etc/apt/sources.list.d/cuecraft-deb-src.sources
if [ ! -f "$srcfile" ]; then
    {
        echo "Types: deb-src"
        echo "URIs: $mirror"
        echo "Suites: $suite"
        echo "Components: main"
        [ -n "$signed" ] && echo "Signed-By: $signed"
    } | $sudo_cmd tee "$srcfile" >/dev/null
fi
$sudo_cmd apt-get update -qq

mkdir -p "$dest"
(cd "$dest" && apt-get source --download-only --tar-only qr-code-generator 2>&1 >/dev/null |
    grep -v "unsandboxed as root" >&2 || true)
orig=$(ls "$dest"/qr-code-generator_*.orig.tar.* | head -n 1)
rm -rf "$unpacked"
mkdir -p "$unpacked"
tar -xf "$orig" -C "$unpacked" --strip-components=1
test -f "$unpacked/cpp/qrcodegen.cpp"
# The licence the ready-to-run folder carries: the MIT text of its read-me.
sed -n '/^License$/,$p' "$unpacked/Readme.markdown" >"$unpacked/LICENSE.txt"
test -s "$unpacked/LICENSE.txt"
echo "QR Code generator source in $unpacked"
