#!/usr/bin/env bash
# Starts the real program in an empty folder of its own and checks that its main
# window appears with an 800 x 600 client area and that the data folders exist;
# then closes the main window as its close box would and checks that the
# program quits cleanly (under ./test a leak found at exit is not clean) and
# that the toolkit wrote no warning.
#
#   program_starts.sh PROGRAM CLOSE_WINDOW
set -u
program="$1"
close_window="$2"
[ -n "${DISPLAY:-}" ] || { echo "no display"; exit 1; }
folder=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; rm -rf "$folder"' EXIT
cp "$program" "$folder/qelvane"
"$folder/qelvane" 2>"$folder/stderr" &
pid=$!

# Runs the check given until it holds or, on the shell's own clock, `bound`
# seconds have passed: an ASan build on a machine busy with other builds can
# take more than a minute to show its first window.
bound=180
wait_for() {
  local give_up=$((SECONDS + bound))
  until "$@"; do
    [ "$SECONDS" -lt "$give_up" ] || return 1
    sleep 0.1
  done
}

running() {
  kill -0 "$pid" 2>/dev/null && return 0
  cat "$folder/stderr"
  echo "the program ended by itself"
  exit 1
}

window=""
main_window_shown() {
  running
  window=$(xwininfo -root -tree 2>/dev/null | grep 'Qelvane 封装工具\|Qelvane \\' | head -1)
  [ -n "$window" ]
}
geometry=""
main_window_sized() {
  main_window_shown && geometry=$(echo "$window" | grep -o '[0-9]\+x[0-9]\++') && [ "$geometry" = "800x600+" ]
}
wait_for main_window_shown || { echo "waited $bound s for the main window to appear"; exit 1; }
wait_for main_window_sized || { echo "main window client area is ${geometry%+}, not 800x600"; exit 1; }
for sub in datas datas/规则组 datas/提示词组; do
  [ -d "$folder/$sub" ] || { echo "missing folder $sub"; exit 1; }
done

"$close_window" "$(echo "$window" | grep -o '0x[0-9a-f]\+' | head -1)" || { echo "could not close the main window"; exit 1; }
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for ended || { echo "waited $bound s for the program to quit after its main window closed"; exit 1; }
wait "$pid"
status=$?
pid=""
[ "$status" -eq 0 ] || { cat "$folder/stderr"; echo "the program quit with status $status"; exit 1; }
if grep -E -- '-(WARNING|CRITICAL) \*\*' "$folder/stderr"; then echo "the toolkit complained"; exit 1; fi
echo "main window 800x600, data folders created, quit cleanly"
