#!/usr/bin/env bash
# kanavo --check: on a fresh home (a week covering today, no settings file yet) the viewer
# starts, paints its first listing and ends with 0, off screen and on an X server (Xvfb);
# an empty home or a broken weekly file ends the check without a crash.
# Usage: kanavo-check.sh KANAVO KNVTOOL offscreen|xvfb
set -euo pipefail
kanavo=$1
knvtool=$2
platform=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_RUNTIME_DIR=$work/run
unset KANAVO_NO_MODAL
mkdir -m 700 "$XDG_RUNTIME_DIR"
launch=()
case $platform in
offscreen) export QT_QPA_PLATFORM=offscreen ;;
xvfb)
    command -v xvfb-run > /dev/null || { echo "xvfb-run is not installed"; exit 77; }
    export QT_QPA_PLATFORM=xcb
    launch=(xvfb-run -a -s "-screen 0 1280x800x24")
    ;;
*) fail "unknown platform $platform" ;;
esac

monday=$(date -d "$(date +%F) -$(( $(date +%u) - 1 )) days" +%d.%m.%Y)
mkdir -p "$work/fresh/TV" "$work/empty" "$work/broken/TV"
"$knvtool" sample --week "$monday" -o "$work/fresh/TV/$monday.knv" > /dev/null
head -c 100 "$work/fresh/TV/$monday.knv" > "$work/broken/TV/$monday.knv"

# Home, and the exit statuses the check may end with there.
cases=(
    "fresh 0"
    "empty 0|1"
    "broken 0|1"
)
for c in "${cases[@]}"; do
    read -r home allowed <<<"$c"
    status=0
    timeout 120 "${launch[@]}" "$kanavo" --home "$work/$home" --config "$work/$home.ini" --check \
        > "$work/out.txt" 2>&1 || status=$?
    [[ "|$allowed|" == *"|$status|"* ]] ||
        fail "$platform, $home home: --check ended with $status, expected $allowed: $(cat "$work/out.txt")"
done
echo "kanavo --check ($platform): all checks passed"
