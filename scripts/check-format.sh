#!/usr/bin/env bash
# Checks that the sources (src, tests, bench) are formatted as .clang-format
# says, with Debian's clang-format 14, and names the files that are not; run
# as a unit test. With --fix it formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    echo "clang-format is missing: scripts/install-packages.sh test installs it"
    exit 1
fi
mapfile -d '' sources < <(find src tests bench \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
if [ "${1:-}" = --fix ]; then
    exec clang-format -i "${sources[@]}"
fi
if ! report=$(clang-format --dry-run --Werror "${sources[@]}" 2>&1); then
    grep -oE '^[^: ]+\.(h|cpp):[0-9]+' <<<"$report" | cut -d: -f1 | uniq -c |
        awk '{ print $2 ": " $1 " place(s) not formatted" }'
    echo "scripts/check-format.sh --fix formats them"
    exit 1
fi
echo "formatted as .clang-format says: ${#sources[@]} files"
