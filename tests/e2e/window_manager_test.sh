#!/bin/sh
# Under a window manager that frames windows and gives the keyboard to the
# window clicked last (openbox): the full-screen saver still gets the keys
# and ends on one; the dialog's full-screen preview covers the screen, Esc
# (which goes to the dialog, not to the preview) brings it back into the
# dialog, and the dialog goes on.
. "$(dirname "$0")/lib.sh"

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
openbox --sm-disable >"$T/wm.log" 2>&1 &
EXTRA_PIDS=$!
wait_until 10 wm_running || fail "openbox did not start: $(cat "$T/wm.log")"

write_options changeSkyDuring=0
start_saver /s
wait_fullscreen
xdotool key a
expect_exit 3

# dialog_origin: "X Y" of the dialog's inside on the screen, below its frame.
dialog_origin() {
    xwininfo -name "Flurrydale Screen Saver" 2>/dev/null |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { if (x != "") print x, y }'
}
dialog_framed() { [ -n "$(dialog_origin)" ]; }
not_fullscreen() { ! fullscreen_mapped; }

start_saver /c
wait_until 15 rendering_started || fail "rendering did not start"
wait_until 5 dialog_framed || fail "no dialog window"
sleep 1
set -- $(dialog_origin)
OX=$1 OY=$2
xdotool mousemove $((OX + 352)) $((OY + 469)) click 1   # Preview
wait_until 10 fullscreen_mapped || fail "Preview did not cover the screen"
sleep 0.5
xdotool key Escape
wait_until 10 not_fullscreen || fail "Esc did not end the full-screen preview"
sleep 0.5
saver_running || fail "Esc closed the dialog"
xdotool mousemove $((OX + 531)) $((OY + 469)) click 1   # OK
expect_exit 5
[ "$(option changeSkyDuring)" = 0 ] || fail "OK changed the settings"
pass "under openbox the saver takes the keys and the full-screen preview ends on Esc"
