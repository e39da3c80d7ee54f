#!/usr/bin/env bash
# Takes docs/main-window.png: the window under Xvfb with a generated AVI file
# open, driven from outside with xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target quorvel

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -v error -y -nostdin -f lavfi -i testsrc=size=320x240:rate=25 -frames:v 60 -c:v mpeg4 "$work/MOVIE.AVI"

cat >"$work/drive.sh" <<'DRIVE'
set -euo pipefail
program=$1 folder=$2 picture=$3

# The program's visible window with this title, once it is there.
window() {
  for _ in $(seq 200); do
    for w in $(xdotool search --onlyvisible --class quorvel 2>/dev/null); do
      [ "$(xdotool getwindowname "$w")" = "$1" ] && { echo "$w"; return; }
    done
    sleep 0.1
  done
  echo "no window titled $1" >&2; exit 1
}
gone() { ! xdotool search --onlyvisible --class quorvel 2>/dev/null | grep -qx "$1"; }
focus() { xdotool mousemove --window "$1" 1 1 windowfocus --sync "$1"; }

(cd "$folder" && exec "$program") &
dialog=$(window "Quorvel V0.01")
focus "$dialog"
xdotool key Tab Return            # the focus starts on 終了; Tab reaches 開く
chooser=$(window "開く")
focus "$chooser"
xdotool key ctrl+l
xdotool type --delay 50 MOVIE.AVI
xdotool key Return
for _ in $(seq 20); do gone "$chooser" && break; sleep 0.1; done
gone "$chooser" || xdotool key Return   # the first Return may only close the completion list
for _ in $(seq 200); do gone "$chooser" && break; sleep 0.1; done
focus "$dialog"
sleep 0.5                          # let the fields repaint before the picture
import -window "$dialog" "$picture"
xdotool key Escape
wait
DRIVE

GSETTINGS_BACKEND=memory xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  bash "$work/drive.sh" "$PWD/build/app/quorvel" "$work" "$PWD/docs/main-window.png"
echo "docs/main-window.png"
