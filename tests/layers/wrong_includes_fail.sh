#!/usr/bin/env bash
# The layer check fails on each wrong include planted in a copy of src/ (and
# names it), and passes on the real tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
check="$root/scripts/check-layers.sh"
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT

# file | the include planted at its end | what the check must say
plants=(
    'platform/db/x.cpp|#include "platform/ui/backend.h"|src/platform/db/x.cpp includes "platform/ui/backend.h"'
    'dbreader/main.cpp|#include "platform/ui/wx/wx_backend.h"|src/dbreader/main.cpp includes "platform/ui/wx/wx_backend.h"'
    'dbreader/schema_rows.h|#include "platform/db/connection.h"|src/dbreader/schema_rows.h includes "platform/db/connection.h"'
    # The reader protocol lies beside the database layer in its folder, and still below it.
    'platform/db/record_set.h|#include "platform/db/connection.h"|src/platform/db/record_set.h includes "platform/db/connection.h"'
    'common/text_helpers.cpp|#include <wx/frame.h>|src/common/text_helpers.cpp includes <wx/frame.h>'
    'platform/text.cpp|#include <sqlite3.h>|src/platform/text.cpp includes <sqlite3.h>'
    'tools/gowrap/go_struct_engine.cpp|#include "platform/ui/controls.h"|src/tools/gowrap/go_struct_engine.cpp reaches platform/ui/controls.h'
    # An engine reaches a window header through a shared header that is allowed one.
    'common/qelvane_writer.h|#include "platform/ui/controls.h"|src/tools/rules/rule_expansion.cpp reaches platform/ui/controls.h'
)

failures=0
for plant in "${plants[@]}"; do
    IFS='|' read -r file include expected <<<"$plant"
    rm -rf "$copy/src"
    cp -r "$root/src" "$copy/src"
    printf '%s\n' "$include" >>"$copy/src/$file"
    if report=$("$check" "$copy/src"); then
        echo "FAIL: the check passes with $include in $file"
        failures=$((failures + 1))
    elif ! grep -qF "$expected" <<<"$report"; then
        echo "FAIL: with $include in $file the check does not say: $expected"
        echo "$report"
        failures=$((failures + 1))
    fi
done

if ! report=$("$check" "$root/src"); then
    echo "FAIL: the check fails on the real tree"
    echo "$report"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "the check catches all ${#plants[@]} planted includes and passes on the real tree"
exit "$((failures != 0))"
