#!/usr/bin/env bash
# Fuzzes the loading and saving of script files, then the remote control's
# routing and access rules, each for a number of seconds (default 5) under
# ASan + UBSan, starting from a fresh copy of the seed corpus. Prints
# libFuzzer's final figures; a fault stops it with the input saved in
# build/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-5}"
out=build/fuzz
mkdir -p "$out"

clang++ -std=c++20 -g -O1 -Wall -Wextra \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -Isrc -Itests/host tests/fuzz/ScriptEncodingFuzz.cpp src/editor/ScriptEncoding.cpp src/win/TextConvert.cpp \
    -o "$out/script_encoding_fuzz"
clang++ -std=c++20 -g -O1 -Wall -Wextra \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -Isrc tests/fuzz/RemoteRoutingFuzz.cpp src/remote/RemoteRoutes.cpp src/remote/RemoteAccess.cpp \
    -o "$out/remote_routing_fuzz"

# libFuzzer adds what it finds to the corpus folder: keep the seeds clean.
rm -rf "$out/corpus"
cp -r tests/fuzz/corpus "$out/corpus"

# fuzz NAME CORPUS: runs one target for the given seconds.
fuzz() {
    if ! "$out/$1" -max_total_time="$seconds" -artifact_prefix="$out/" "$2" 2>"$out/$1.log"; then
        tail -n 40 "$out/$1.log"
        echo "fuzzing found a fault; the log is $out/$1.log" >&2
        exit 1
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE|^Done [0-9]+ runs' "$out/$1.log"
}
fuzz script_encoding_fuzz "$out/corpus"
rm -rf "$out/remote-corpus"
cp -r tests/fuzz/remote-corpus "$out/remote-corpus"
fuzz remote_routing_fuzz "$out/remote-corpus"
