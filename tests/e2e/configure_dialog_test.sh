#!/bin/sh
# "/c" opens the configuration dialog: a 586 x 494 window titled
# "Flurrydale Screen Saver" showing the banner, the tabs, the scene list with
# its check marks and the live snow in the preview. Cancel writes nothing;
# OK writes the scene list and the settings. E2E_SHOT_DIR, when set, keeps
# the screenshot.
. "$(dirname "$0")/lib.sh"

# click X Y: a click at a position inside the dialog's window.
click() {
    xdotool mousemove $((OX + $1)) $((OY + $2)) click 1
    sleep 0.3
}
open_dialog() {
    start_saver /c
    wait_until 15 rendering_started || fail "rendering did not start"
    wait_until 5 dialog_up || fail "no dialog window"
    sleep 1
    g=$(dialog_geometry)
    size=${g%%+*}
    [ "$size" = "586x494" ] || fail "dialog is $size, not 586x494"
    pos=${g#*+}
    OX=${pos%%+*}
    OY=${pos#*+}
}
list_sum() { md5sum <"$DATA/defaultScenario.xml"; }

# Cancel discards a changed check mark and writes neither file.
open_dialog
before=$(list_sum)
click 371 149        # the first scene's check box
click 442 469        # Cancel
expect_exit 5
[ "$(list_sum)" = "$before" ] || fail "Cancel changed defaultScenario.xml"
[ -e "$DATA/options.xml" ] && fail "Cancel wrote options.xml"
pass "Cancel writes nothing"

# The picture: banner, tabs, list and moving snow in the preview area.
open_dialog
import -window root -crop "586x494+$OX+$OY" +repage "$T/a.ppm"
sleep 0.4
import -window root -crop "586x494+$OX+$OY" +repage "$T/b.ppm"
[ -n "${E2E_SHOT_DIR:-}" ] && convert "$T/a.ppm" "$E2E_SHOT_DIR/e2e-dialog.png"
# Spread of grey levels in the banner (0..66) and in the preview (29,111 315x215).
banner=$(convert "$T/a.ppm" -crop 586x66+0+0 -colorspace Gray -format '%[fx:standard_deviation]' info:)
preview=$(convert "$T/a.ppm" -crop 315x215+29+111 -colorspace Gray -format '%[fx:standard_deviation]' info:)
moved=$(convert "$T/a.ppm" -crop 315x215+29+111 +repage "$T/pa.ppm" && convert "$T/b.ppm" -crop 315x215+29+111 +repage "$T/pb.ppm" &&
    compare -metric AE -fuzz 10% "$T/pa.ppm" "$T/pb.ppm" null: 2>&1 | cut -d' ' -f1)
# The rest of the dialog stays still.
still=$(convert "$T/a.ppm" -crop 200x300+380+120 +repage "$T/qa.ppm" && convert "$T/b.ppm" -crop 200x300+380+120 +repage "$T/qb.ppm" &&
    compare -metric AE -fuzz 2% "$T/qa.ppm" "$T/qb.ppm" null: 2>&1 | cut -d' ' -f1)
# Dark check marks in the list's box column (x 365..377, y 145..210).
ticks=$(convert "$T/a.ppm" -crop 12x65+365+145 -colorspace Gray -threshold 30% -negate -format '%[fx:mean*w*h]' info:)
echo "banner=$banner preview=$preview moved=$moved still=$still ticks=$ticks"
awk -v s="$banner" 'BEGIN { exit !(s > 0.05) }' || fail "no banner picture ($banner)"
awk -v s="$preview" 'BEGIN { exit !(s > 0.03) }' || fail "no scene in the preview ($preview)"
awk -v m="$moved" 'BEGIN { exit !(m > 20) }' || fail "no snow moving in the preview ($moved)"
[ "$still" -eq 0 ] || fail "the list area changed between two shots ($still pixels)"
awk -v t="$ticks" 'BEGIN { exit !(t > 20) }' || fail "no check marks in the scene list ($ticks)"
pass "banner, tabs, scene list and live snow"

# OK writes both files; the unchecked scene is saved as disabled.
before=$(list_sum)
click 371 149
click 531 469        # OK
expect_exit 5
[ "$(list_sum)" != "$before" ] || fail "OK did not write defaultScenario.xml"
[ -e "$DATA/options.xml" ] || fail "OK did not write options.xml"
grep -q 'enabled="0"' "$DATA/defaultScenario.xml" || fail "no scene saved as disabled"
pass "OK writes the scene list and the settings"
