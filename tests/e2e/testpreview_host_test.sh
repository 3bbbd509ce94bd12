#!/bin/sh
# /testpreview opens "Screensaver Preview Test", a quarter of the screen,
# centred, with the preview filling it; SIGTERM ends it with status 0 and a
# preview leaves RunCount as it was.
. "$(dirname "$0")/lib.sh"

write_options RunCount=7
start_saver /testpreview
wait_until 15 rendering_started || fail "rendering did not start"
id=""
find_host() { id=$(xdotool search --onlyvisible --name '^Screensaver Preview Test$' 2>/dev/null | head -n 1); [ -n "$id" ]; }
wait_until 5 find_host || fail "no visible window 'Screensaver Preview Test'"
info=$(xwininfo -id "$id")
geom() { echo "$info" | sed -n "s/.*$1: *\\(-*[0-9]*\\).*/\\1/p"; }
x=$(geom 'Absolute upper-left X') y=$(geom 'Absolute upper-left Y')
w=$(geom Width) h=$(geom Height)
[ "$w x $h at $x, $y" = "480 x 270 at 720, 405" ] || fail "host window $w x $h at $x, $y"
children=$(xwininfo -children -id "$id" | grep -c '^ *0x')
[ "$children" -ge 1 ] || fail "no preview window inside the host"

kill -TERM "$SAVER_PID"
expect_exit 5
[ "$(option RunCount)" = 7 ] || fail "a preview changed RunCount to $(option RunCount)"
pass "test-preview host 480 x 270 at 720, 405 with the preview inside"
