#!/bin/sh
# As an xscreensaver hack the saver draws into the window XSCREENSAVER_WINDOW
# names (or that --window-id names, whichever order the two come in),
# follows its size, ends on SIGTERM within a second with status 0 and ends
# quietly when the window vanishes; the run's own settings are never saved,
# and an unknown option gives the usage text and status 1.
. "$(dirname "$0")/lib.sh"
: "${E2E_HOST_WINDOW:?}"

# start_host NAME: a 400 x 300 window of another program; its id (decimal)
# in NAME_ID, its process in NAME_PID.
start_host() {
    HOST_FILE="$T/host-$1"
    rm -f "$HOST_FILE"
    "$E2E_HOST_WINDOW" 400 300 >"$HOST_FILE" 2>/dev/null &
    eval "$1_PID=$!"
    host_ready() { [ -s "$HOST_FILE" ]; }
    wait_until 5 host_ready || fail "the host window $1 did not open"
    eval "$1_ID=$(head -n 1 "$HOST_FILE")"
    # The shared clean-up ends the hosts too.
    HOST_PID="${A_PID:-} ${B_PID:-}"
}
size_of() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
child_of() { xwininfo -children -id "$1" | awk '/^ +0x/ { print $1; exit }'; }
child_size() {
    c=$(child_of "$1")
    [ -n "$c" ] && size_of "$c"
}
fills() { [ "$(child_size "$1")" = "$(size_of "$1")" ]; }
# shot WINDOW FILE: the window's pixels.
shot() { import -window "$1" "$2" 2>/dev/null; }
not_black() {
    shot "$1" "$T/first.ppm" &&
        awk -v m="$(convert "$T/first.ppm" -colorspace Gray -format '%[fx:mean]' info:)" 'BEGIN { exit !(m > 0.05) }'
}
all_options() {
    for n in KeepAspect_1_6 SoundsEnabled DoNotUseAccumBuffer SleepEnabled IgnoreMouseMove RunCount \
        xSpeed zSpeed changeSkyAtStartUp changeSkyDuring changeFrequency Day Month; do
        printf '%s=%s ' "$n" "$(option $n)"
    done
}
start_hack() {
    start_saver "$@"
    STARTED=$(date +%s%N)
}

start_host A
write_options xSpeed=30 changeSkyDuring=1 changeFrequency=4 KeepAspect_1_6=0 RunCount=5
stored=$(all_options)

# Drawing into the window xscreensaver hands over, in hexadecimal.
XSCREENSAVER_WINDOW=$(printf '0x%x' "$A_ID")
export XSCREENSAVER_WINDOW
start_hack --root -wind 90 --no-change --frequency=2 --keep-aspect --delay 20000 --visual GL -install
fills_a() { fills "$A_ID"; }
wait_until 10 fills_a || fail "no child filling the host (got '$(child_size "$A_ID")')"
drawn_a() { not_black "$A_ID"; }
wait_until 10 drawn_a || fail "nothing was drawn into the host"
echo "first picture after $((($(date +%s%N) - STARTED) / 1000000)) ms"
sleep 0.5
shot "$A_ID" "$T/a.ppm"
sleep 0.4
shot "$A_ID" "$T/b.ppm"
moved=$(compare -metric AE -fuzz 10% "$T/a.ppm" "$T/b.ppm" null: 2>&1 | cut -d' ' -f1)
[ "${moved%.*}" -gt 20 ] || fail "the picture does not move ($moved pixels changed)"

# xscreensaver resizes its window: the picture follows.
xdotool windowsize "$A_ID" 520 340
wait_until 3 fills_a || fail "the child did not follow the host to 520x340 (got '$(child_size "$A_ID")')"

kill -TERM "$SAVER_PID"
expect_exit 1
[ "$(all_options)" = "$stored" ] || fail "options.xml changed: $(all_options), was $stored"
[ "$(boxes Error)" = 0 ] || fail "message boxes shown"
pass "draws into XSCREENSAVER_WINDOW, follows its size, SIGTERM ends it with status 0, settings intact"

# --window-id wins over --root in either order; the window vanishing ends
# the run quietly.
for order in before after; do
    start_host B
    if [ $order = before ]; then
        start_hack --window-id "$B_ID" --root
    else
        start_hack --root --window-id "$(printf '0x%X' "$B_ID")"
    fi
    fills_b() { fills "$B_ID"; }
    wait_until 10 fills_b || fail "--window-id $order --root: no child in the window it names"
    [ -z "$(child_of "$A_ID")" ] || fail "--window-id $order --root: drew into XSCREENSAVER_WINDOW"
    kill -TERM "$B_PID"
    wait "$B_PID" || true
    B_PID=""
    expect_exit 3
    [ ! -s "$T/err" ] || fail "the run did not end quietly: $(cat "$T/err")"
done
[ "$(all_options)" = "$stored" ] || fail "options.xml changed: $(all_options), was $stored"
pass "--window-id wins over --root in either order; the window vanishing ends the run quietly"

# --fps: a light figure over a dark backdrop in the top left corner.
start_hack --window-id "$A_ID" --fps
wait_until 10 drawn_a || fail "nothing was drawn with --fps"
sleep 1.2
shot "$A_ID" "$T/fps.ppm"
kill -TERM "$SAVER_PID"
expect_exit 1
lit=$(convert "$T/fps.ppm" -crop 90x30+0+0 +repage -fuzz 8% -fill white -opaque '#FFFF99' -fill black +opaque white \
    -format '%[fx:mean*w*h]' info:)
[ "${lit%.*}" -gt 40 ] || fail "no frame rate in the corner ($lit lit pixels)"
pass "--fps shows the frame rate in the corner"

# A first run on a locked screen: the settings file is missing, and its
# messages go to standard error even where a desktop could show boxes.
rm -f "$DATA/options.xml"
(
    unset FLURRYDALE_MESSAGEBOX
    exec "$FLURRYDALE_BIN" --window-id "$A_ID" --wind 90 >"$T/out" 2>"$T/err"
) &
SAVER_PID=$!
wait_until 10 drawn_a || fail "nothing was drawn on a first run"
kill -TERM "$SAVER_PID"
expect_exit 1
grep -q 'message box: caption=".*options.xml" text="Error opening file for reading"' "$T/err" ||
    fail "the missing settings file was not reported on standard error"
[ "$(option xSpeed)" = 50 ] || fail "the first run saved the wind $(option xSpeed), not the default 50"
write_options xSpeed=30 changeSkyDuring=1 changeFrequency=4 KeepAspect_1_6=0 RunCount=5
pass "messages of a hack run go to standard error; a first run saves the defaults, not its own settings"

# --window: a window of its own, of the size --geometry gives.
unset XSCREENSAVER_WINDOW
start_hack --window --geometry 320x200
own=""
find_own() { own=$(xdotool search --onlyvisible --name '^Flurrydale$' 2>/dev/null | head -n 1); [ -n "$own" ]; }
wait_until 10 find_own || fail "no window of its own"
[ "$(size_of "$own")" = 320x200 ] || fail "its own window is $(size_of "$own")"
fills_own() { fills "$own"; }
wait_until 5 fills_own || fail "no picture filling its own window"
kill -TERM "$SAVER_PID"
expect_exit 1
pass "--window --geometry 320x200 opens a window of that size"

# Mistakes: the usage text, status 1, nothing touched.
for bad in "--bogus" "--wind 101" "--frequency 0" "--window-id nope" "--delay" "-root stray"; do
    # shellcheck disable=SC2086
    "$FLURRYDALE_BIN" $bad >"$T/out" 2>"$T/err" && fail "'$bad' was accepted"
    status=$?
    [ $status -eq 1 ] || fail "'$bad' ended with status $status"
    grep -q '^usage:' "$T/err" || fail "'$bad' printed no usage text"
    [ ! -s "$T/out" ] || fail "'$bad' wrote to standard output"
done
[ "$(all_options)" = "$stored" ] || fail "options.xml changed: $(all_options), was $stored"
pass "unknown options and bad values print the usage text and end with status 1"
