#!/usr/bin/env bash
# The real program under valgrind's memcheck in a real X window: start kevolan under Xvfb, play
# five days with real clicks on "следующий день ->", ask for a hint on F2, open and close the
# credits from the context menu, starve on the sixth day, answer its message box, end the program
# with the game-over button, and let memcheck count what was never freed. A block "definitely
# lost" is a failure; the toolkit's and the system's own leaks are suppressed in the *.supp files
# here, each with the reason it is not the game's.
#   leak_check.sh KEVOLAN CLOSE_WINDOW SUPPRESSIONS_DIR SOURCE_DIR OUT_DIR
set -euo pipefail

if [ -z "${KEVOLAN_LEAKS_UNDER_XVFB:-}" ]; then
  export KEVOLAN_LEAKS_UNDER_XVFB=1
  # Displays from 140 up, so as not to race the other real-window checks for :99.
  exec xvfb-run -a -n 140 -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

kevolan=$1
close_window=$2
supp_dir=$3
source_dir=$4
out=$5
# The window's size and its two buttons' middles as the build laid them out, the frames grown
# for the catalogue's rows.
: "${KEVOLAN_WINDOW_PLAN:?the window plan the build wrote, set by ctest}"
window_plan() { python3 "$source_dir/tools/page/window_plan.py" "$@"; }
window_size=$(window_plan size)
read -r next_day_x next_day_y < <(window_plan middle Button1)
read -r game_over_x game_over_y < <(window_plan middle Button2)
quiet_turns=5
mkdir -p "$out"
log="$out/valgrind.log"
rm -f "$log"
workdir=$(mktemp -d)
pid=
started=$(date +%s)
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$workdir"
}
trap cleanup EXIT
say() { echo "leak_check: [$(($(date +%s) - started))s] $*"; }
fail() {
  echo "leak_check: $*" >&2
  [ -s "$log" ] && echo "leak_check: valgrind's log is $log" >&2
  exit 1
}
command -v valgrind >/dev/null || fail "valgrind is not installed (scripts/install-deps installs it)"

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local seconds=$1
  shift
  local deadline=$(($(date +%s) + seconds))
  until "$@"; do
    [ "$(date +%s)" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

suppressions=()
for s in "$supp_dir"/*.supp; do suppressions+=("--suppressions=$s"); done

# The game takes no options; everything here is valgrind's. Children that a library forks (the
# D-Bus autolauncher) are not the game and are left silent.
cd "$workdir"
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --show-error-list=yes --error-exitcode=97 --child-silent-after-fork=yes \
  --num-callers=50 --gen-suppressions=all "${suppressions[@]}" --log-file="$log" \
  "$kevolan" &
pid=$!

wid=$(timeout 180 xdotool search --sync --onlyvisible --name 'Кеволан' | head -n 1) ||
  fail "the game's window did not appear"
say "window up"
eval "$(xdotool getwindowgeometry --shell "$wid")"  # sets X, Y, WIDTH and HEIGHT
[ "${WIDTH}x${HEIGHT}" = "$window_size" ] || fail "window is ${WIDTH}x${HEIGHT}, not $window_size"

day_area="30x20+$((X + 8))+$Y"  # the day number in the top left corner
shot_day() { import -window root -crop "$day_area" +repage "$1"; }
day_changed() {
  shot_day "$workdir/now.png"
  local diff
  diff=$(compare -metric AE "$workdir/before.png" "$workdir/now.png" null: 2>&1 || true)
  [[ "$diff" =~ ^[0-9]+$ ]] && [ "$diff" -gt 0 ]
}
sleep 1  # the first paint under valgrind
import -window root "$out/leaks-start.png"

windows_of_game() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; }
# A visible window of the game's with a title, other than the main window: the credits window
# or a message box.
other_window() {
  local w
  for w in $(windows_of_game); do
    [ "$w" != "$wid" ] && [ -n "$(xdotool getwindowname "$w" 2>/dev/null)" ] && echo "$w"
  done | head -n 1
}
other_window_up() { [ -n "$(other_window)" ]; }
menu_open() { [ "$(windows_of_game | wc -l)" -ge 2 ]; }
exited() { ! kill -0 "$pid" 2>/dev/null; }

# Days without food or work: no message box comes up in the first five. The pointer goes to
# the middle of the next-day button and stays there.
xdotool mousemove --sync $((X + next_day_x)) $((Y + next_day_y))
for turn in $(seq 1 $quiet_turns); do
  shot_day "$workdir/before.png"
  xdotool click 1
  wait_for 60 day_changed || fail "day $turn: the click on the next-day button changed nothing"
done
say "$quiet_turns days played"

# F2 asks for a hint: its search runs on a thread of its own and its answer comes in a box,
# which goes again by its close box.
xdotool key F2
wait_for 120 other_window_up || fail "F2 showed no hint"
import -window root "$out/leaks-hint.png"
"$close_window" "$(other_window)"
wait_for 60 eval '! other_window_up' || fail "the hint's box did not close"
say "hint shown and closed"

# Right click on the window, "About" from the menu; the credits window comes up and rolls, and
# goes again by its close box.
xdotool mousemove --sync $((X + 300)) $((Y + 20)) click 3
wait_for 60 menu_open || fail "the right click opened no menu"
sleep 0.5
xdotool key Down Down Return
wait_for 60 other_window_up || fail "\"About\" showed no credits window"
sleep 2  # a few ticks of the rolling credits
import -window root "$out/leaks-about.png"
"$close_window" "$(other_window)"
wait_for 60 eval '! other_window_up' || fail "the credits window did not close"
say "credits shown and closed"

# The sixth day without food kills: its message box is answered by its close box, and the
# game-over button, below where the next-day button stood, ends the program.
shot_day "$workdir/before.png"
xdotool mousemove --sync $((X + next_day_x)) $((Y + next_day_y)) click 1
wait_for 60 other_window_up || fail "the sixth hungry day showed no message box"
sleep 1  # let the box paint itself before the picture
import -window root "$out/leaks-message.png"
"$close_window" "$(other_window)"
wait_for 60 day_changed || fail "the day did not end after its message box was answered"
import -window root "$out/leaks-game-over.png"
xdotool mousemove --sync $((X + game_over_x)) $((Y + game_over_y)) click 1
wait_for 180 exited || fail "the game-over button did not end the program"
status=0
wait "$pid" || status=$?
pid=
say "game over, program ended with $status"

# Who owns each definitely lost block: a frame in the game's own code (its binary, a source file
# of the project, a class of the game) makes it ours.
own_files=$(cd "$source_dir" && find game solver ui controls app tools \( -name '*.cpp' -o -name '*.h' \) \
  -printf '%f\n' | sed 's/[.]/[.]/g' | paste -sd'|')
ours="kevolan::|TForm1|HintRunner|TForm2|TZelCredits|TChoiceBox|MessageBoxMessenger|\\((${own_files}):[0-9]+\\)|\\(in $(printf '%s' "$kevolan" | sed 's/[.]/[.]/g')\\)"
records=$(awk '/are definitely lost in loss record/ { on = 1 } on { print } on && /^==[0-9]+== $/ { on = 0 }' "$log")
ours_count=$(printf '%s\n' "$records" | OURS="$ours" awk '
  /are definitely lost in loss record/ { rec = 1; hit = 0 }
  rec && $0 ~ ENVIRON["OURS"] { hit = 1 }
  rec && /^==[0-9]+== $/ { n += hit; rec = 0 }
  END { print n + 0 }')
all_count=$(grep -c 'are definitely lost in loss record' "$log" || true)
grep -E '^==[0-9]+== +(definitely|indirectly|possibly) lost:|ERROR SUMMARY' "$log" |
  sed 's/^==[0-9]*== */leak_check: /' | awk '!seen[$0]++'
# Which of the toolkit's known reports came up this time, and how often (see the *.supp files).
grep -E '^--[0-9]+-- used_suppression:' "$log" |
  sed -E 's/^--[0-9]+-- used_suppression: +([0-9]+) ([^ ]+) [^ ]+/leak_check: known report \2 came up \1 time(s);/'

if [ "$ours_count" -gt 0 ]; then
  printf '%s\n' "$records" >&2
  fail "$ours_count definitely lost block(s) allocated through the game's own code (above)"
fi
if [ "$all_count" -gt 0 ]; then
  printf '%s\n' "$records" >&2
  fail "$all_count definitely lost block(s) in the toolkit or the system; if one is truly not the game's, suppress it in $supp_dir with a comment saying why"
fi
if [ "$status" = 97 ]; then
  sed -n '/^==[0-9]*== [A-Z]/,/^==[0-9]*== $/p' "$log" | grep -v 'HEAP SUMMARY\|LEAK SUMMARY' >&2
  fail "memcheck found memory errors (above)"
fi
[ "$status" = 0 ] || fail "the program ended with code $status"
say "no leak of the game's, no memory error: six days, a death, the credits, both windows closed"
