#!/usr/bin/env bash
# The real program as a user meets it: on its own X display (Xvfb), its one
# window "Prodotina" with the drill's size and orange background, a File
# menu that opens on a click, and Ctrl+Q ending the run with status 0; then
# again with command-line arguments, which the program must ignore.
#
# usage: e2e_window.sh PROGRAM ARTIFACT_DIR
set -uo pipefail

program=${1:?usage: e2e_window.sh PROGRAM ARTIFACT_DIR}
artifacts=${2:?usage: e2e_window.sh PROGRAM ARTIFACT_DIR}
mkdir -p "$artifacts"

for tool in Xvfb xdotool xwininfo import convert compare; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup.sh installs it)"; exit 1; }
done

scratch=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
  [[ -n $program_pid ]] && kill -9 "$program_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 2' INT TERM

failures=0
check() { # description command...
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAIL: $what"
    failures=$((failures + 1))
    return 1
  fi
}

# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s $scratch/display ]] && break
  sleep 0.1
done
[[ -s $scratch/display ]] || { echo "FAIL: Xvfb did not start"; cat "$scratch/xvfb.log"; exit 1; }
export DISPLAY=:$(head -n1 "$scratch/display")
# The program draws on that display, not offscreen, whatever the test run set.
unset QT_QPA_PLATFORM
echo "Xvfb on $DISPLAY"

# Every call to the display has a deadline: a stuck server fails the test
# instead of hanging it.
bounded() { timeout 10 "$@"; }
shot() { bounded import -window root "$1" && echo "screenshot: $1"; }
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
# Checks the pixel at x y of the screenshot against the window's background.
background() { # description screenshot x y [!=]
  local colour
  colour=$(pixel "$2" "$3" "$4")
  check "$1 (got $colour)" test "$colour" "${5:-=}" "srgb(255,190,125)"
}

# Waits up to five seconds for the program to end; its status is in $status.
await_exit() {
  local i
  for i in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$program_pid" 2>/dev/null; then
    status=timeout
  else
    wait "$program_pid"
    status=$?
  fi
  program_pid=
}

# One run: start the program with the given arguments, look at its window,
# quit it with Ctrl+Q. The screenshots are named after $tag.
run() { # tag arguments...
  local tag=$1 window name width height x y bar
  shift
  echo "--- run $tag: $(basename "$program") $*"
  "$program" "$@" >"$scratch/$tag.log" 2>&1 &
  program_pid=$!

  window=$(bounded xdotool search --sync --onlyvisible --name '^Prodotina$' 2>/dev/null | head -n1)
  if ! check "a window \"Prodotina\" shows within 10 s" test -n "$window"; then
    cat "$scratch/$tag.log"
    kill -9 "$program_pid" 2>/dev/null
    program_pid=
    return
  fi
  name=$(bounded xdotool getwindowname "$window")
  check "the window's title is \"Prodotina\" (got \"$name\")" test "$name" = Prodotina

  # The window is the drill's 388 by 280 with the menu bar above.
  eval "$(bounded xwininfo -id "$window" | awk -F: '
    /Absolute upper-left X/ { print "x=" $2+0 } /Absolute upper-left Y/ { print "y=" $2+0 }
    /^ *Width/ { print "width=" $2+0 } /^ *Height/ { print "height=" $2+0 }')"
  bar=$((height - 280))
  check "the window is 388 wide (got $width)" test "$width" -eq 388
  check "the window is 280 high plus a menu bar (got $height)" test "$bar" -gt 0 -a "$bar" -lt 60

  sleep 0.3 # let it paint
  shot "$artifacts/$tag.png"
  # Below the menu bar, clear of every control: the window's background.
  background "the background is 255,190,125" "$artifacts/$tag.png" $((x + 5)) $((y + bar + 200))
  background "the background reaches the far corner" "$artifacts/$tag.png" $((x + 380)) $((y + bar + 270))

  # "File" is the first title on the menu bar: a click opens its menu. (The
  # pointer goes away first: --sync waits for a move, which must happen.)
  bounded xdotool mousemove 1000 700
  bounded xdotool mousemove --sync $((x + 15)) $((y + bar / 2)) click 1
  sleep 0.5
  shot "$artifacts/$tag-file-menu.png"
  local changed
  changed=$(compare -metric AE "$artifacts/$tag.png" "$artifacts/$tag-file-menu.png" null: 2>&1)
  check "clicking \"File\" opens a menu ($changed pixels changed)" test "${changed%% *}" -gt 200 2>/dev/null
  # Just inside the menu's left edge, under "File", left of "Esatte".
  background "the menu covers the content below \"File\"" "$artifacts/$tag-file-menu.png" $((x + 8)) $((y + bar + 12)) !=
  bounded xdotool key Escape
  sleep 0.3
  bounded import -window root "$scratch/closed.png"
  background "Escape closes the menu" "$scratch/closed.png" $((x + 8)) $((y + bar + 12))
  check "the program runs on after the menu" kill -0 "$program_pid"

  # Ctrl+Q goes to the window that has the keyboard; Xvfb has no window
  # manager to give it, so give it as a click would.
  bounded xdotool windowfocus --sync "$window"
  bounded xdotool key ctrl+q
  await_exit
  check "Ctrl+Q ends the program with status 0 within 5 s (got $status)" test "$status" = 0 || cat "$scratch/$tag.log"
}

run prodotina
run prodotina-with-arguments --foo bar -platform offscreen

if ((failures > 0)); then
  echo "e2e_window: $failures check(s) failed"
  exit 1
fi
echo "e2e_window: all checks passed"
