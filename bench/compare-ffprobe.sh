#!/usr/bin/env bash
# Times `quorvel-report FILE -o /dev/null` against ffprobe listing the same
# file's video packets (size and flags), on three files made here by ffmpeg:
# 100,000 MPEG-4 frames (about 60 MB), over 1 GiB of raw 1080p video (RIFF and
# AVIX parts) and 1,000,000 small frames. Runs alternate between the two tools;
# the medians are compared, and the fastest runs too (this tool's time is
# mostly the start of a process, which a busy machine stretches at random), and
# the peak memory of each is shown.
# Usage: bench/compare-ffprobe.sh [RUNS]    (default 5; not part of CI: slow)
# QUORVEL_REPORT names the binary (default build/cli/quorvel-report);
# COMPARE_DIR names a folder to make the files in and keep them (for reruns);
# by default they go to a temporary folder removed at the end.
set -euo pipefail
export LC_ALL=C # the decimal point of EPOCHREALTIME and printf
cd "$(dirname "$0")/.."

runs="${1:-5}"
report="${QUORVEL_REPORT:-build/cli/quorvel-report}"
[ -x "$report" ] || { echo "no $report: build first (scripts/test.sh)" >&2; exit 1; }
command -v ffmpeg >/dev/null && [ -x /usr/bin/time ] || scripts/deps.sh

if [ -n "${COMPARE_DIR:-}" ]; then
  work="$COMPARE_DIR"
  mkdir -p "$work"
else
  work="$(mktemp -d "${TMPDIR:-/tmp}/quorvel-compare.XXXXXX")"
  trap 'rm -rf "$work"' EXIT
fi

make_avi() { # name, goal (x faster), ffmpeg arguments...
  local name="$1"; shift
  [ -f "$work/$name.avi" ] || ffmpeg -hide_banner -v error -nostdin -y "$@" -f avi "$work/$name.avi"
}

make_avi mpeg4-100k -f lavfi -i testsrc=size=640x360:rate=25 -frames:v 100000 -c:v mpeg4 -b:v 120k -g 250
make_avi raw-1080p -f lavfi -i testsrc=size=1920x1080:rate=25 -frames:v 360 -c:v rawvideo -pix_fmt yuv420p
make_avi mpeg4-1m -f lavfi -i testsrc=size=32x32:rate=25 -frames:v 1000000 -c:v mpeg4 -g 25

# Wall seconds of one run, read from the shell's own clock, so that no helper
# process is started inside the timed span.
run_once() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null
  local end=$EPOCHREALTIME
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.6f\n", e - s }'
}

# Peak resident set of one run, in KiB.
peak_kib() {
  /usr/bin/time -f "%M" -o "$work/peak" "$@" >/dev/null
  cat "$work/peak"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
fastest() { sort -g | head -1; }
ratio() { awk -v f="$1" -v q="$2" 'BEGIN { print f / q }'; }

cpu="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "machine: $(nproc) CPUs, $cpu"
echo "runs per tool and file: $runs (alternating); seconds are medians"
for _ in $(seq "$runs"); do run_once /bin/true; done >"$work/start.times"
echo "starting a process (/bin/true) alone takes $(median <"$work/start.times") s here"
printf '%-11s %9s %6s %10s %10s %8s %8s %6s %12s %12s\n' \
  file frames MB quorvel-s ffprobe-s ratio fastest goal quorvel-KiB ffprobe-KiB

for name in mpeg4-100k raw-1080p mpeg4-1m; do
  file="$work/$name.avi"
  case "$name" in
    mpeg4-100k) goal=25 ;;
    raw-1080p) goal=50 ;;
    *) goal=1 ;;
  esac
  # Untimed first runs: the file into the page cache, and the frame counts
  # checked to agree, so that both tools do the same work.
  frames=$("$report" --info "$file" | awk '/^frames:/ { print $2 }')
  packets=$(ffprobe -v error -select_streams v:0 -show_entries packet=size,flags -of csv "$file" | wc -l)
  [ "$frames" = "$packets" ] || { echo "$name: $frames frames but $packets packets" >&2; exit 1; }

  : >"$work/q.times"; : >"$work/f.times"
  for _ in $(seq "$runs"); do
    run_once "$report" "$file" -o /dev/null >>"$work/q.times"
    run_once ffprobe -v error -select_streams v:0 -show_entries packet=size,flags -of csv "$file" >>"$work/f.times"
  done
  q=$(median <"$work/q.times"); f=$(median <"$work/f.times")
  printf '%-11s %9d %6d %10.4f %10.4f %7.1fx %7.1fx %5dx %12d %12d\n' "$name" "$frames" \
    $(( $(stat -c %s "$file") / 1000000 )) "$q" "$f" "$(ratio "$f" "$q")" \
    "$(ratio "$(fastest <"$work/f.times")" "$(fastest <"$work/q.times")")" "$goal" \
    "$(peak_kib "$report" "$file" -o /dev/null)" \
    "$(peak_kib ffprobe -v error -select_streams v:0 -show_entries packet=size,flags -of csv "$file")"
done
