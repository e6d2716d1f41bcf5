#!/bin/bash
# Runs ZEL_RAdeze-sim headless with a script on a fresh copy of the program
# directory and checks its log against an expectation file. With --wayland the
# program runs as a native Wayland client of a headless weston started here,
# on a private socket and runtime folder; otherwise on the offscreen platform.
# The expectation file:
#   a line is an extended regular expression that must match a log line
#   after the line the previous expectation matched; "! REGEX" must match no
#   line at all; "~ REGEX" must match some line, wherever it is (for events
#   of two threads whose order is not fixed); "= COUNT REGEX" means exactly
#   COUNT log lines match; "@ FILE REGEX" means FILE (relative to the run's folder)
#   has a line matching REGEX; "!> REGEX" must match no line after the line
#   the previous expectation matched; "#" starts a comment.
# With K9_FILES_CHECK set to the stored-files checker, the program directory's
# config.ini and macro files must also pass it after the run.
# usage: run_script.sh [--wayland] SIM PROGRAM_DIR SCRIPT EXPECT [sim options...]
set -u
wayland=0
if [ "${1:-}" = --wayland ]; then wayland=1; shift; fi
sim=$1 program=$2 script=$3 expect=$4
shift 4
work=$(mktemp -d)
compositor=
cleanup() {
  if [ -n "$compositor" ]; then kill "$compositor" 2>/dev/null; wait "$compositor" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/bin"
cp -r "$program/config.ini" "$program"/*.dat "$program/skins" "$program/docs" "$work/bin/"
# Scripts refer to the folder they run in as @WORK@.
sed "s|@WORK@|$work|g" "$script" > "$work/script.txt"
if [ $wayland -eq 1 ]; then
  export XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY=k9-e2e QT_QPA_PLATFORM=wayland
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
  unset DISPLAY
  weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 --width=1280 --height=800 \
    > "$work/weston.txt" 2>&1 &
  compositor=$!
  for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
  done
  if [ ! -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; then
    echo "weston did not start"; cat "$work/weston.txt"; exit 1
  fi
else
  export QT_QPA_PLATFORM=offscreen
fi
timeout 60 "$sim" --dir "$work/bin" --no-panel --log "$work/log.txt" \
  --script "$work/script.txt" "$@" 2> "$work/stderr.txt"
status=$?
if [ $status -ne 0 ]; then
  echo "ZEL_RAdeze-sim ended with status $status"; cat "$work/stderr.txt"; cat "$work/log.txt"; exit 1
fi
line=0
failed=0
while IFS= read -r want || [ -n "$want" ]; do
  case "$want" in ''|'#'*) continue ;; esac
  if [[ "$want" == '@ '* ]]; then
    rest=${want#@ }
    file=${rest%% *} pattern=${rest#* }
    if ! grep -Eq -- "$pattern" "$work/$file" 2>/dev/null; then echo "$file has no line matching $pattern"; failed=1; fi
    continue
  fi
  if [[ "$want" == '= '* ]]; then
    rest=${want#= }
    count=${rest%% *} pattern=${rest#* }
    got=$(grep -Ec -- "$pattern" "$work/log.txt")
    if [ "$got" != "$count" ]; then echo "$got lines, not $count, match: $pattern"; failed=1; fi
    continue
  fi
  if [[ "$want" == '~ '* ]]; then
    if ! grep -Eq -- "${want#~ }" "$work/log.txt"; then echo "missing anywhere: ${want#~ }"; failed=1; fi
    continue
  fi
  if [[ "$want" == '!> '* ]]; then
    if tail -n +$((line + 1)) "$work/log.txt" | grep -Eq -- "${want#!> }"; then
      echo "unexpected after log line $line: ${want#!> }"; failed=1
    fi
    continue
  fi
  if [[ "$want" == '! '* ]]; then
    if grep -Eq -- "${want#! }" "$work/log.txt"; then echo "unexpected: ${want#! }"; failed=1; fi
    continue
  fi
  found=$(tail -n +$((line + 1)) "$work/log.txt" | grep -En -m1 -- "$want" | cut -d: -f1)
  if [ -z "$found" ]; then echo "missing (after log line $line): $want"; failed=1; break; fi
  line=$((line + found))
done < "$expect"
if [ -n "${K9_FILES_CHECK:-}" ] && ! "$K9_FILES_CHECK" "$work/bin"; then failed=1; fi
if [ $failed -ne 0 ]; then echo "---- log"; cat "$work/log.txt"; exit 1; fi
exit 0
