#!/bin/bash
# Runs ZEL_RAdeze-sim headless with a script on a fresh copy of the program
# directory and checks its log against an expectation file:
#   a line is an extended regular expression that must match a log line
#   after the line the previous expectation matched; "! REGEX" must match no
#   line at all; "~ REGEX" must match some line, wherever it is (for events
#   of two threads whose order is not fixed); "= COUNT REGEX" means exactly
#   COUNT log lines match; "@ FILE REGEX" means FILE (relative to the run's folder)
#   has a line matching REGEX; "#" starts a comment.
# usage: run_script.sh SIM PROGRAM_DIR SCRIPT EXPECT [sim options...]
set -u
sim=$1 program=$2 script=$3 expect=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
cp -r "$program/config.ini" "$program"/*.dat "$program/skins" "$program/docs" "$work/bin/"
# Scripts refer to the folder they run in as @WORK@.
sed "s|@WORK@|$work|g" "$script" > "$work/script.txt"
QT_QPA_PLATFORM=offscreen timeout 60 "$sim" --dir "$work/bin" --no-panel --log "$work/log.txt" \
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
  if [[ "$want" == '! '* ]]; then
    if grep -Eq -- "${want#! }" "$work/log.txt"; then echo "unexpected: ${want#! }"; failed=1; fi
    continue
  fi
  found=$(tail -n +$((line + 1)) "$work/log.txt" | grep -En -m1 -- "$want" | cut -d: -f1)
  if [ -z "$found" ]; then echo "missing (after log line $line): $want"; failed=1; break; fi
  line=$((line + found))
done < "$expect"
if [ $failed -ne 0 ]; then echo "---- log"; cat "$work/log.txt"; exit 1; fi
exit 0
