#!/bin/sh
# On a dense display the dialog grows with the desktop's scale (Xft.dpi), but
# never beyond the screen: at 192 dpi on this 1920 x 1080 screen twice its
# size would be 1172 x 988 and leave no room for a frame and a panel, so it
# is drawn a little smaller, whole and on the screen.
. "$(dirname "$0")/lib.sh"

# open_at DPI: the dialog's "W H X Y" with the desktop at DPI.
open_at() {
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$1
"
    start_saver /c
    wait_until 15 rendering_started || fail "rendering did not start at $1 dpi"
    wait_until 5 dialog_up || fail "no dialog window at $1 dpi"
    sleep 0.5
    dialog_geometry | tr 'x+' '  '
    kill -TERM "$SAVER_PID"
    expect_exit 3
}

set -- $(open_at 144)
[ "$1x$2" = "879x741" ] || fail "at 144 dpi the dialog is $1x$2, not one and a half times 586x494"

set -- $(open_at 192)
w=$1 h=$2 x=$3 y=$4
[ "$h" -le 984 ] && [ "$h" -gt 900 ] || fail "at 192 dpi the dialog is $w x $h"
[ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1920 ] && [ $((y + h)) -le 1080 ] ||
    fail "at 192 dpi the dialog lies at $x,$y, $w x $h, off the screen"
# A message box grows with the scale too: the box asking to reinstall, at
# 96 and at 192 dpi.
box_size() {
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$1
"
    FLURRYDALE_HKLM="$T/missing.ini" FLURRYDALE_MESSAGEBOX= start_saver /s
    wait_until 10 box_up || fail "no box at $1 dpi"
    xwininfo -name Error | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'
    kill -TERM "$SAVER_PID"
    expect_exit 3
}
box_up() { xwininfo -name Error >/dev/null 2>&1; }
set -- $(box_size 96)
w1=$1 h1=$2
set -- $(box_size 192)
[ $(($1 * 10)) -ge $((w1 * 18)) ] && [ $(($2 * 10)) -ge $((h1 * 18)) ] ||
    fail "the box is $1 x $2 at 192 dpi and $w1 x $h1 at 96"
pass "the dialog and the message boxes grow with the desktop's scale; the dialog stays on the screen"
