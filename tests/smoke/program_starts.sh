#!/usr/bin/env bash
# Starts the real program in an empty folder of its own and checks that its main
# window appears with an 800 x 600 client area, that the data folders exist and
# that the toolkit wrote no warning.
set -u
program="$1"
[ -n "${DISPLAY:-}" ] || { echo "no display"; exit 1; }
folder=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$folder"' EXIT
cp "$program" "$folder/qelvane"
"$folder/qelvane" 2>"$folder/stderr" &
pid=$!

geometry=""
# An ASan build on a busy machine can take a while to show its first window.
for _ in $(seq 1 300); do
  geometry=$(xwininfo -root -tree 2>/dev/null | grep 'Qelvane 封装工具\|Qelvane \\' | grep -o '[0-9]\+x[0-9]\++' | head -1)
  [ -n "$geometry" ] && break
  sleep 0.2
done
[ -n "$geometry" ] || { echo "the main window did not appear"; exit 1; }
[ "$geometry" = "800x600+" ] || { echo "main window client area is ${geometry%+}, not 800x600"; exit 1; }
for sub in datas datas/规则组 datas/提示词组; do
  [ -d "$folder/$sub" ] || { echo "missing folder $sub"; exit 1; }
done
kill -0 "$pid" || { echo "the program ended by itself"; exit 1; }
if grep -E -- '-(WARNING|CRITICAL) \*\*' "$folder/stderr"; then echo "the toolkit complained"; exit 1; fi
echo "main window 800x600, data folders created"
