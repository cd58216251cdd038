#!/usr/bin/env bash
# Fuzzes the loading and saving of script files for a number of seconds
# (default 5) under ASan + UBSan, starting from a fresh copy of the seed
# corpus. Prints libFuzzer's final figures; a fault stops it with the input
# saved in build/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-5}"
out=build/fuzz
mkdir -p "$out"

clang++ -std=c++20 -g -O1 -Wall -Wextra \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -Isrc -Itests/host tests/fuzz/ScriptEncodingFuzz.cpp src/editor/ScriptEncoding.cpp src/win/TextConvert.cpp \
    -o "$out/script_encoding_fuzz"

# libFuzzer adds what it finds to the corpus folder: keep the seeds clean.
rm -rf "$out/corpus"
cp -r tests/fuzz/corpus "$out/corpus"

if ! "$out/script_encoding_fuzz" -max_total_time="$seconds" -artifact_prefix="$out/" \
    "$out/corpus" 2>"$out/fuzz.log"; then
    tail -n 40 "$out/fuzz.log"
    echo "fuzzing found a fault; the log is $out/fuzz.log" >&2
    exit 1
fi
grep -E '^#[0-9]+[[:space:]]+DONE|^Done [0-9]+ runs' "$out/fuzz.log"
