#!/usr/bin/env bash
# Checks that the folders under src/ form layers: every include between two
# folders runs one way only, downwards (the program, then the tools, then what
# the tools share, then the platform with the reader beside it), and no tool
# includes another tool.
set -euo pipefail
cd "$(dirname "$0")/../src"

# A folder's layer: higher layers may include lower ones, never the reverse.
layer() {
    case "$1" in
        app) echo 4 ;;
        tools/*) echo 3 ;;
        common) echo 2 ;;
        platform | platform/* | dbreader) echo 1 ;;
        *) echo "unknown" ;;
    esac
}

# "from to" for every distinct include between two different folders.
edges=$(grep -rE --include='*.h' --include='*.cpp' '^#include "[^"]+/[^"/]+"' . |
    sed -E 's@^\./(.*)/[^/]+:#include "(.*)/[^/]+".*@\1 \2@' | awk '$1 != $2' | sort -u)

failures=0
while read -r from to; do
    [ -n "$from" ] || continue
    problem=""
    if grep -qx "$to $from" <<<"$edges"; then
        problem="includes run both ways"
    elif [[ $from == tools/* && $to == tools/* ]]; then
        problem="one tool includes another"
    elif [ "$(layer "$from")" = unknown ] || [ "$(layer "$to")" = unknown ]; then
        problem="a folder that belongs to no layer"
    elif [ "$(layer "$from")" -lt "$(layer "$to")" ]; then
        problem="a lower layer includes a higher one"
    fi
    if [ -n "$problem" ]; then
        echo "src/$from includes src/$to: $problem"
        failures=$((failures + 1))
    fi
done <<<"$edges"

if [ "$failures" -ne 0 ]; then
    echo "$failures include(s) break the layers"
    exit 1
fi
echo "layers hold: $(wc -l <<<"$edges") folder-to-folder includes, all downwards"
