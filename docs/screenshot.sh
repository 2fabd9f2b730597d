#!/usr/bin/env bash
# Makes docs/screenshot.png, the README's picture of the receiver: under a
# virtual X display with a window manager, the receiver (built in BUILD,
# default build/) is tuned onto the first Morse station the guide lists
# between 12000 and 13000 kHz at this minute, and its window is captured.
#   docs/screenshot.sh [BUILD]
# Needs xvfb, openbox, xdotool and imagemagick (scripts/install-deps.sh
# installs all but openbox: apt-get install openbox) and a build with the
# recordings (cmake --build build --target kestrel kestrel-cli recordings).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
SRC=$PWD
OUT=$SRC/docs/screenshot.png
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# The display: Xvfb picks a free number and writes it on descriptor 3.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# The station: the guide's first Morse line in the range, now.
guide=$("$BUILD/cli/kestrel-cli" guide --from 12000 --to 13000)
khz=$(awk '/Morse/ {print $1; exit}' <<<"$guide")
khz=${khz:-12579}

mkdir -p "$work/run"
ln -s "$SRC/$BUILD/fone" "$work/run/fone"
(cd "$work/run" && XDG_RUNTIME_DIR=$work SDL_AUDIODRIVER=dummy exec "$SRC/$BUILD/app/kestrel" >"$work/log" 2>&1) &
pids+=($!)
wid=""
for _ in $(seq 100); do
  wid=$(xdotool search --class TOVA 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "the receiver did not start:"; cat "$work/log"; exit 1; }
sleep 0.5

# From 10000 kHz (LOW, the first button of its row) up to the station by keys.
xdotool mousemove --window "$wid" 45 142 click 1
steps() { [ "$2" -gt 0 ] && xdotool key --delay 60 --repeat "$2" "$1"; true; }
rest=$((khz - 10000))
steps Prior $((rest / 100))
steps Up $((rest % 100 / 10))
steps Right $((rest % 10))
xdotool mousemove 5 5
sleep 1.5
import -frame -window "$wid" "$OUT"
echo "$OUT: the receiver on $khz kHz"
