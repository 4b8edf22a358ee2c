#!/usr/bin/env bash
# Two copies of the viewer on the off-screen platform: a second start while one runs
# calls the running copy forward and ends with 0 (its message goes to the error stream,
# since no one could answer a box there); with "Two copies" = "0" a second copy starts
# normally and the first takes no lock; a copy killed outright does not block the next.
set -euo pipefail
kanavo=$1
knvtool=$2
work=$(mktemp -d)
running=()
cleanup() {
    for pid in "${running[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$work/run
unset KANAVO_NO_MODAL
mkdir -m 700 "$XDG_RUNTIME_DIR"
lock=$XDG_RUNTIME_DIR/Kanavo-v2.0.lock
socket=$XDG_RUNTIME_DIR/Kanavo-v2.0.socket
refused='Канаво уже запущена.'

mkdir -p "$work/home/TV"
monday=$(date -d "$(date +%F) -$(( $(date +%u) - 1 )) days" +%d.%m.%Y)
"$knvtool" sample --week "$monday" -o "$work/home/TV/$monday.knv" > /dev/null
one_copy=$work/k.ini # no file yet: "Two copies" defaults to one copy
printf '[Setup option]\r\nTwo copies=0\r\n' > "$work/two.ini"

# Starts a copy that keeps running; its id is left in $started.
start() {
    "$kanavo" --home "$work/home" --config "$1" > "$work/$2.log" 2>&1 &
    started=$!
    running+=("$started")
}

# Until the copy has its platform loaded and sits idle in its event loop.
wait_running() {
    local pid=$1 idle=0
    for _ in $(seq 300); do
        kill -0 "$pid" 2>/dev/null || fail "copy $pid ended early: $(cat "$work"/*.log)"
        if grep -q libqoffscreen "/proc/$pid/maps" 2>/dev/null &&
            [ "$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null)" = S ]; then
            idle=$((idle + 1))
            [ "$idle" -ge 3 ] && return 0
        else
            idle=0
        fi
        sleep 0.1
    done
    fail "copy $pid did not settle"
}

# Runs a copy to its end; its exit status is left in $status, its error stream in $err.
# The timeout only keeps a hung copy from hanging the test.
run() {
    status=0
    timeout 60 "$kanavo" --home "$work/home" "$@" > "$work/out.txt" 2> "$work/err.txt" || status=$?
    err=$(cat "$work/err.txt")
}

# One copy runs; later ones are refused, with or without --check.
start "$one_copy" first
first=$started
wait_running "$first"
[ -e "$lock" ] && [ -S "$socket" ] || fail "the first copy holds no lock: $(ls -la "$XDG_RUNTIME_DIR")"
for extra in "" --check; do
    run --config "$one_copy" $extra
    [ "$status" -eq 0 ] || fail "refused copy ($extra) ended with $status: $err"
    grep -qF "$refused" <<<"$err" || fail "refused copy ($extra) said nothing: $err"
    kill -0 "$first" 2>/dev/null || fail "the first copy ended after a refused start"
done

# "Two copies" = "0": a second copy starts and shows its listing.
run --config "$work/two.ini" --check
[ "$status" -eq 0 ] || fail "second copy with two copies allowed ended with $status: $err"
! grep -qF "$refused" <<<"$err" || fail "second copy with two copies allowed was refused"

# A copy killed outright leaves its lock and socket; the next start takes them over.
kill -9 "$first"
wait "$first" 2>/dev/null || true
[ -e "$lock" ] && [ -e "$socket" ] || fail "the killed copy left nothing to take over"
run --config "$one_copy" --check
[ "$status" -eq 0 ] || fail "start after a crash ended with $status: $err"
! grep -qF "$refused" <<<"$err" || fail "the lock of a dead copy blocked the start"
[ ! -e "$lock" ] && [ ! -e "$socket" ] || fail "a copy that ended left its lock: $(ls -la "$XDG_RUNTIME_DIR")"

# A first copy allowed a twin takes no lock, so a copy of the usual kind starts beside it.
start "$work/two.ini" twin
twin=$started
wait_running "$twin"
[ ! -e "$lock" ] || fail "a copy allowed a twin took the lock"
run --config "$one_copy" --check
[ "$status" -eq 0 ] || fail "copy beside a twin ended with $status: $err"
! grep -qF "$refused" <<<"$err" || fail "copy beside a twin was refused"
kill -0 "$twin" 2>/dev/null || fail "the twin ended"
echo "kanavo single copy: all checks passed"
