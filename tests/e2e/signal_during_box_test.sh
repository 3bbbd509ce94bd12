#!/bin/sh
# SIGTERM or Ctrl+C while a message box waits for its answer: the
# box goes away, no further box is shown, and the run ends within a second
# with status 0, its settings as they were.
. "$(dirname "$0")/lib.sh"

# box_shown TITLE: a window whose title matches TITLE (a regular expression).
box_shown() { xdotool search --name "$1" >/dev/null 2>&1; }
unset FLURRYDALE_MESSAGEBOX

# 1. Both hives missing: the first of the two "reinstall" boxes is up.
start_saver_without_hive() {
    FLURRYDALE_HKLM="$T/missing.ini" start_saver /s
}
start_saver_without_hive
wait_until 10 box_shown '^Error$' || fail "no box asking to reinstall"
sleep 0.3
saver_running || fail "the saver ended while its box was up"
kill -TERM "$SAVER_PID"
expect_exit 1
box_shown '^Error$' && fail "a box is still on the screen"

# 2. The scene list is missing, the settings are there: its box is up.
write_options xSpeed=77 changeFrequency=3
rm -f "$DATA/defaultScenario.xml"
start_saver /s
wait_until 10 box_shown 'defaultScenario\.xml$' || fail "no box for the missing scene list"
sleep 0.3
kill -INT "$SAVER_PID"
expect_exit 1
box_shown 'defaultScenario\.xml$' && fail "the scene list's box is still on the screen"
[ "$(option xSpeed)/$(option changeFrequency)" = 77/3 ] ||
    fail "settings changed: xSpeed $(option xSpeed), changeFrequency $(option changeFrequency)"
# 3. The dialog's OK with every scene switched off asks what to do; SIGTERM
#    while it asks ends the dialog as Cancel does: neither file is written.
write_options xSpeed=77 changeFrequency=3
# One scene off: restoring the defaults would switch it on.
printf '<?xml version="1.0"?>\n<SCENARIO><Scenes><Scene path="AlpinePeaks" enabled="0"/></Scenes></SCENARIO>\n' \
    >"$DATA/defaultScenario.xml"
options_before=$(md5sum <"$DATA/options.xml")
start_saver /c
wait_until 15 dialog_up || fail "no dialog window"
sleep 1
g=$(dialog_geometry)
pos=${g#*+}
OX=${pos%%+*}
OY=${pos#*+}
list_before=$(md5sum <"$DATA/defaultScenario.xml")  # as the start's scan wrote it
xdotool mousemove $((OX + 387)) $((OY + 122)) click 1   # All OFF
sleep 0.3
xdotool mousemove $((OX + 531)) $((OY + 469)) click 1   # OK
wait_until 10 box_shown '^Configuration error$' || fail "no box asking for a scene"
sleep 0.3
kill -TERM "$SAVER_PID"
expect_exit 1
[ "$(md5sum <"$DATA/options.xml")" = "$options_before" ] || fail "the settings were written"
[ "$(md5sum <"$DATA/defaultScenario.xml")" = "$list_before" ] || fail "the scene list was written"
grep -q 'path="AlpinePeaks" enabled="0"' "$DATA/defaultScenario.xml" || fail "the scene list lost its switched-off scene"
pass "SIGTERM and SIGINT during a box end the run with status 0, saving nothing"
