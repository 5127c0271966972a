#!/usr/bin/env bash
# Checks that the sources under src/ keep to their layers; run as a unit test.
#
#   check-layers.sh [SRC]    SRC: the tree to check, src/ beside this script unless given
#
# The layers, and what each may include besides itself:
#   base      src/platform: text, encodings, files, ini values, regular expressions, seams
#   protocol  the reader protocol: its messages and the record sets they carry (base text)
#   db        src/platform/db, the database connections (base, protocol)
#   ui        src/platform/ui and its headless backend (base)
#   wx        src/platform/ui/wx, the real windows (base, ui)
#   reader    src/dbreader, the database reader beside the program (base text, protocol)
#   common    src/common, what the tools share (base, protocol, db, ui)
#   tool      each folder of src/tools (common and below; never another tool)
#   app       src/app, the program (everything)
# Each third-party family of headers is included only in the folders that wrap
# it, and a tool's engines (its code that never touches the windows) include no
# window header, directly or through the headers they include.
set -euo pipefail
cd "${1:-$(dirname "$0")/../src}"

# Kept in step with READER_PROTOCOL and READER_BASE in CMakeLists.txt.
protocol_files=" platform/db/reader_protocol platform/db/record_set platform/db/value_cells platform/db/variant "
reader_base_files=" platform/text platform/encoding "

# The engines of each tool, as patterns of file names.
engine_patterns() {
    case "$1" in
        gowrap) echo "*_engine.* go_source_lines.* go_parameter_item.h" ;;
        androidwrap) echo "*_engine.* java_*.* android_items.h" ;;
        dbwrap) echo "column_record.h column_types.* database_connect.* database_kind.h database_kind_table.* database_parser.*
                      database_statements.* driver_settings.* panel_values.h record_rows.* table_class_generators.*" ;;
        rules) echo "marker_search.* marker_starts.* rule_expansion.* rule_files.* template_filler.*" ;;
    esac
}

# Sets `layer` to the layer of a file (a path under src/), "" when it has none.
layer_of() {
    local stem=${1%.*}
    if [[ $protocol_files == *" $stem "* ]]; then
        layer=protocol
        return
    fi
    case "${1%/*}" in
        platform) layer=base ;;
        platform/db) layer=db ;;
        platform/ui | platform/ui/headless) layer=ui ;;
        platform/ui/wx) layer=wx ;;
        dbreader) layer=reader ;;
        common) layer=common ;;
        tools/*/*) layer="" ;;
        tools/*) layer="tool" ;;
        app) layer=app ;;
        *) layer="" ;;
    esac
}

# Sets `problem` to what is wrong with `from` including the file `to`, "" when nothing.
judge_include() {
    local from=$1 to=$2 from_layer to_layer
    layer_of "$from"
    from_layer=$layer
    layer_of "$to"
    to_layer=$layer
    problem=""
    if [ -z "$from_layer" ] || [ -z "$to_layer" ]; then
        problem="a folder that belongs to no layer"
        return
    fi
    if [ "$from_layer" = "$to_layer" ]; then
        [ "$from_layer" != tool ] || [ "${from%/*}" = "${to%/*}" ] || problem="one tool includes another"
        return
    fi
    if [ "$to_layer" = base ] && [[ $from_layer == protocol || $from_layer == reader ]]; then
        [[ $reader_base_files == *" ${to%.*} "* ]] || problem="the reader and its protocol take only text from the base"
        return
    fi
    local allowed
    case "$from_layer" in
        base | protocol) allowed="" ;;
        db) allowed="base protocol" ;;
        ui) allowed="base" ;;
        wx) allowed="base ui" ;;
        reader) allowed="protocol" ;;
        common) allowed="base protocol db ui" ;;
        tool) allowed="base protocol db ui common" ;;
        app) allowed="base protocol db ui wx common tool" ;;
    esac
    [[ " $allowed " == *" $to_layer "* ]] || problem="the $from_layer layer includes the $to_layer layer"
}

# Sets `problem` to what is wrong with `from` including <header>, "" when nothing.
judge_library_include() {
    local from=$1 header=$2 family wrappers
    case "$header" in
        wx/*) family="wxWidgets" wrappers="platform/ui/wx" ;;
        gtk/* | gdk/* | pango/* | webkit2/* | gio/* | glib-object.h)
            family="GTK" wrappers="platform/ui/wx" ;;
        # MDBTools speaks in glib's types.
        glib.h | glib/*) family="glib" wrappers="platform/ui/wx dbreader" ;;
        sql.h | sqlext.h | sqltypes.h | sqlucode.h | odbcinst.h) family="ODBC" wrappers="platform/db dbreader" ;;
        sqlite3.h | sqlite3ext.h) family="SQLite" wrappers="platform/db" ;;
        mdbtools.h | mdbsql.h | mdbfakeglib.h) family="MDBTools" wrappers="dbreader" ;;
        pcre2.h) family="PCRE2" wrappers="platform" ;;
        *) family="" ;;
    esac
    problem=""
    if [ -n "$family" ] && [[ " $wrappers " != *" ${from%/*} "* ]]; then
        problem="$family headers belong in src/${wrappers// / and src/} only"
    fi
}

# Every include: "file<TAB>\"header\"" or "file<TAB><header>".
mapfile -t includes < <(grep -rE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' . |
    sed -E 's@^\./([^:]+):[[:space:]]*#[[:space:]]*include[[:space:]]*([<"][^>"]*[>"]).*@\1\t\2@' | sort -u)

declare -A quoted_includes  # file -> the files it includes by quotes, each followed by a blank
failures=0
checked=0
for line in "${includes[@]}"; do
    from=${line%%$'\t'*}
    target=${line#*$'\t'}
    name=${target:1:-1}
    if [[ $target == \<* ]]; then
        judge_library_include "$from" "$name"
    else
        # A name without a folder is beside the file that includes it.
        [[ $name == */* ]] || name="${from%/*}/$name"
        quoted_includes[$from]+="$name "
        judge_include "$from" "$name"
        checked=$((checked + 1))
    fi
    if [ -n "$problem" ]; then
        echo "src/$from includes $target: $problem"
        failures=$((failures + 1))
    fi
done

# Sets `window_header` to the first window header `file` reaches through its
# quoted includes, "" when none; each file is looked at once.
declare -A reaches_window  # file -> the window header it reaches, "-" for none
find_window_header() {
    local file=$1 included
    if [ -n "${reaches_window[$file]:-}" ]; then
        window_header=${reaches_window[$file]#-}
        return
    fi
    reaches_window[$file]="-"  # also ends a cycle of includes
    for included in ${quoted_includes[$file]:-}; do
        if [[ $included == platform/ui/* ]]; then
            window_header=$included
        else
            find_window_header "$included"
        fi
        if [ -n "$window_header" ]; then
            reaches_window[$file]=$window_header
            return
        fi
    done
    window_header=""
}

engines=0
for folder in tools/*/; do
    tool=$(basename "$folder")
    for pattern in $(engine_patterns "$tool"); do
        for engine in "tools/$tool/"$pattern; do
            [ -e "$engine" ] || continue
            engines=$((engines + 1))
            find_window_header "$engine"
            if [ -n "$window_header" ]; then
                echo "src/$engine reaches $window_header: an engine includes no window header"
                failures=$((failures + 1))
            fi
        done
    done
done

if [ "$failures" -ne 0 ]; then
    echo "$failures include(s) break the layers"
    exit 1
fi
echo "layers hold: $checked includes of our own headers, third-party headers where they are wrapped, $engines engine files without a window header"
