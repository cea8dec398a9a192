#!/usr/bin/env bash
# The game in a real X window, as a player meets it: start kevolan under Xvfb, wait for its
# window, take a screenshot, press "следующий день ->" with a real mouse click, see the day
# change, open the credits through the context menu, close the main window by its close box
# message, and expect the program to end with 0. The program is started with some of Qt's own
# options, which it must ignore: it takes no command line.
#   real_window_check.sh KEVOLAN CLOSE_WINDOW SCREENSHOT_DIR
set -euo pipefail

if [ -z "${KEVOLAN_UNDER_XVFB:-}" ]; then
  export KEVOLAN_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

kevolan=$1
close_window=$2
shots=$3
# The window's size and the next-day button's middle as the build laid them out, its frames
# grown for the catalogue's rows.
: "${KEVOLAN_WINDOW_PLAN:?the window plan the build wrote, set by ctest}"
window_plan="$(dirname "$0")/../../tools/page/window_plan.py"
window_size=$(python3 "$window_plan" size)
read -r button_x button_y < <(python3 "$window_plan" middle Button1)
mkdir -p "$shots"
workdir=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$workdir"
}
trap cleanup EXIT
fail() {
  echo "real_window_check: $*" >&2
  exit 1
}

cd "$workdir"
# In the sanitizer build, LeakSanitizer's scan at exit stops every thread with a tracer that has
# been seen to crash racing Qt's own threads as they end. The whole program's leaks are the
# valgrind leak check's job; here the scan is left out and every other sanitizer check stays.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  "$kevolan" -reverse -qwindowtitle X -platform offscreen &
pid=$!

wid=$(timeout 20 xdotool search --sync --onlyvisible --name 'Кеволан' | head -n 1) ||
  fail "the game's window did not appear"
sleep 1  # let the window paint itself
eval "$(xdotool getwindowgeometry --shell "$wid")"  # sets X, Y, WIDTH and HEIGHT
[ "${WIDTH}x${HEIGHT}" = "$window_size" ] || fail "window is ${WIDTH}x${HEIGHT}, not $window_size"
day_area="30x20+$((X + 8))+$Y"  # the day number in the top left corner
import -window root "$shots/kevolan-start.png"
import -window root -crop "$day_area" +repage "$workdir/day1.png"

# The middle of the next-day button.
xdotool mousemove --sync $((X + button_x)) $((Y + button_y)) click 1
sleep 1
import -window root "$shots/kevolan-day2.png"
import -window root -crop "$day_area" +repage "$workdir/day2.png"

# The day number must have changed from 1 to 2.
changed=$(compare -metric AE "$workdir/day1.png" "$workdir/day2.png" null: 2>&1 || true)
[[ "$changed" =~ ^[0-9]+$ ]] || fail "cannot compare the screenshots: $changed"
[ "$changed" -gt 0 ] || fail "the day did not change after the click"

# Right click on the window, "About" from the menu: the credits window comes up beside it.
xdotool mousemove --sync $((X + 300)) $((Y + 20)) click 3
sleep 0.5
xdotool key Down Down Return
sleep 1
import -window root "$shots/kevolan-about.png"
windows=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)
[ "$windows" -ge 2 ] || fail "\"About\" showed no credits window"
# The credits window belongs to the main window: a utility window held by it, which taskbars
# leave out, and above it.
credits=$(xdotool search --onlyvisible --name '^Form2$' | head -n 1)
[ -n "$credits" ] || fail "no credits window named Form2"
props=$(xprop -id "$credits" WM_TRANSIENT_FOR _NET_WM_WINDOW_TYPE _NET_WM_STATE)
owner=$(printf '%s\n' "$props" | sed -n 's/.*WM_TRANSIENT_FOR(WINDOW): window id # //p')
[ -n "$owner" ] && [ "$((owner))" = "$wid" ] || fail "the credits window is not held by the main one"
[[ "$props" == *_NET_WM_WINDOW_TYPE_UTILITY* ]] || fail "the credits window is not a tool window"
[[ "$props" == *_NET_WM_STATE_ABOVE* ]] || fail "the credits window does not stay on top"

# Closing the main window ends the program, even with the credits window open.
"$close_window" "$wid"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end when its window was closed"
status=0
wait "$pid" || status=$?
pid=
[ "$status" = 0 ] || fail "the program ended with code $status"
echo "real_window_check: window shown, day advanced by a click, credits opened, closed with 0"
