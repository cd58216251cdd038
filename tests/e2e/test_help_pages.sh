#!/usr/bin/env bash
# The help shipped beside the program: a contents page, a page for every
# topic number the menus carry, and no link leading nowhere.
set -euo pipefail
help="$1/help"
fail=0
for topic in 11 12 13 14 15 16 17 18 19 110 199 21 22 23 24 25 41 45 46 47 48 49 410 96 91; do
    [ -f "$help/topic$topic.html" ] || { echo "missing topic page $topic"; fail=1; }
done
[ -f "$help/index.html" ] || { echo "missing contents page"; fail=1; }
for page in "$help"/*.html; do
    for target in $(grep -o 'href="[^"#]*' "$page" | sed 's/href="//'); do
        [ -f "$help/$target" ] || { echo "$(basename "$page") links to missing $target"; fail=1; }
    done
done
exit $fail
