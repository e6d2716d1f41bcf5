#!/bin/bash
# Kills ZEL_RAdeze-sim with SIGKILL at random moments while a script keeps
# saving (Apply, Save, Set repeat, language and profile switches), and checks
# after every kill that config.ini and the macro files are whole; every
# K9_KILL_RESTART_EVERY-th kill the next start must come up and end normally.
# K9_KILL_SEED (default: random, printed), K9_KILL_COUNT (default 200),
# K9_KILL_MAX_DELAY_MS (the latest kill after the start, default 300).
# usage: kill_test.sh SIM PROGRAM_DIR CHECKER
set -u
sim=$1 program=$2 checker=$3
seed=${K9_KILL_SEED:-$(( $(date +%s%N) % 32768 ))}
count=${K9_KILL_COUNT:-200}
restart_every=${K9_KILL_RESTART_EVERY:-10}
max_delay=${K9_KILL_MAX_DELAY_MS:-300}
echo "seed $seed (K9_KILL_SEED=$seed repeats this run), $count kills"
RANDOM=$seed
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
mkdir -p "$work/bin"
cp -r "$program/config.ini" "$program"/*.dat "$program/skins" "$program/docs" "$work/bin/"

# The checker must refuse a file cut short, or the loop below proves nothing.
mkdir "$work/cut"
cp "$work/bin/config.ini" "$work/bin"/Macro_*.dat "$work/cut/"
head -c -40 "$work/bin/Macro_EN.dat" > "$work/cut/Macro_EN.dat"
if "$checker" "$work/cut" > /dev/null; then echo "the checker accepts a cut macro file"; exit 1; fi
head -c -30 "$work/bin/config.ini" > "$work/cut/config.ini"
cp "$work/bin/Macro_EN.dat" "$work/cut/"
if "$checker" "$work/cut" > /dev/null; then echo "the checker accepts a cut config.ini"; exit 1; fi
sed '0,/^FIRE_TIME=/{/^FIRE_TIME=/d}' "$work/bin/config.ini" > "$work/cut/config.ini"
if "$checker" "$work/cut" > /dev/null; then echo "the checker accepts a profile without FIRE_TIME"; exit 1; fi
if ! "$checker" "$work/bin"; then echo "the shipped files do not pass the checker"; exit 1; fi

# Rounds of saves, each round with other values so that every write changes
# the files: profile 2, Save, Apply; the advanced page, repeat count, Set;
# Chinese, Set again (the other macro file), English; profile 1, Apply.
{
  for round in $(seq 1 60); do
    cat <<EOF
click 81 568
click 558 568
click 732 568
wait 2
click 402 28
text repeat $((round % 9 + 1))
click 363 401
click 663 28
wait 2
text repeat $((round % 7 + 2))
click 363 401
click 707 28
wait 2
click 280 28
click 41 568
click 732 568
wait 2
EOF
  done
  echo "tray exit"
} > "$work/saves.txt"
echo "tray exit" > "$work/exit.txt"

failed=0
in_script=0
for i in $(seq 1 "$count"); do
  delay=$(( RANDOM % (max_delay + 1) ))
  "$sim" --dir "$work/bin" --no-panel --log "$work/kill-log.txt" --script "$work/saves.txt" \
    2> "$work/stderr.txt" &
  pid=$!
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  if grep -q ' window shown$' "$work/kill-log.txt" 2>/dev/null; then in_script=$((in_script + 1)); fi
  rm -f "$work/kill-log.txt"
  if ! "$checker" "$work/bin"; then
    echo "kill $i after $delay ms left a broken file"; failed=1; break
  fi
  if [ $(( i % restart_every )) -eq 0 ] || [ "$i" -eq "$count" ]; then
    timeout 60 "$sim" --dir "$work/bin" --no-panel --log "$work/log.txt" --script "$work/exit.txt" \
      2> "$work/stderr.txt"
    status=$?
    if [ $status -ne 0 ] || ! grep -Eq ' tray-add$' "$work/log.txt" || ! tail -n 1 "$work/log.txt" | grep -Eq ' exit$'; then
      echo "the start after kill $i ($delay ms) did not run through (status $status)"
      cat "$work/stderr.txt" "$work/log.txt"; failed=1; break
    fi
  fi
done
leftovers=$(find "$work/bin" -maxdepth 1 -name '.*.tmp*' | wc -l)
echo "kills after the start-up apply, while the script saved: $in_script; temporary files left: $leftovers"
if [ $failed -ne 0 ]; then echo "seed $seed"; exit 1; fi
if [ "$in_script" -eq 0 ]; then echo "no kill came while the script was saving"; exit 1; fi
echo "$count kills, the files were whole every time"
exit 0
