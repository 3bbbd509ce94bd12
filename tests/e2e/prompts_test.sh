#!/bin/sh
# The end-of-run prompts: the vote request at the end of the 33rd run only;
# the version check on the 3rd and the 21st of a month, once a day, with the
# day stored before the question. Boxes are answered No, so nothing opens.
. "$(dirname "$0")/lib.sh"

# run_on DATE: one full-screen run on that local date, ended by a key.
run_on() {
    FAKE_DATE=$1 start_saver /s
    wait_fullscreen
    xdotool key space
    expect_exit 5
}
export TZ=UTC FAKETIME_DONT_FAKE_MONOTONIC=1

write_options RunCount=31
run_on "2024-05-10 12:00:00"
[ "$(prompt_boxes | wc -l)" = 0 ] || fail "a prompt on run 32 on the 10th"

# Run 33 on a prompt day: the vote first, then the version check.
run_on "2024-05-03 09:00:00"
prompt_boxes | sed 's/.*caption="\([^"]*\)".*/\1/' >"$T/captions"
printf 'Thank you for using Flurrydale\nNotification\n' | cmp -s - "$T/captions" ||
    fail "prompts of run 33 on the 3rd: $(cat "$T/captions")"
grep -q 'text="Seems that you like Flurrydale! \\nWould you be so kind to vote for it? This will help others to find it! " buttons=YESNO' "$T/err" ||
    fail "vote prompt text"
grep -q 'text="Would you like to check if your version of Flurrydale is latest?" buttons=YESNO' "$T/err" ||
    fail "version check text"
[ "$(option Day)/$(option Month)" = 3/5 ] || fail "stored date $(option Day)/$(option Month)"

# Later the same day: neither prompt again.
run_on "2024-05-03 18:00:00"
[ "$(prompt_boxes | wc -l)" = 0 ] || fail "a prompt on run 34, again on the 3rd"

run_on "2024-05-21 09:00:00"
[ "$(boxes Notification)" = 1 ] || fail "no version check on the 21st"
[ "$(boxes 'Thank you for using Flurrydale')" = 0 ] || fail "vote prompt on run 35"
[ "$(option Day)/$(option Month)" = 21/5 ] || fail "stored date $(option Day)/$(option Month)"
[ ! -s "$T/opened.log" ] || fail "a No answer opened $(cat "$T/opened.log")"
[ "$(option RunCount)" = 35 ] || fail "RunCount $(option RunCount)"
pass "vote prompt on run 33; version check on the 3rd and 21st, once a day"
