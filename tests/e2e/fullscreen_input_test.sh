#!/bin/sh
# A full-screen run ends on a key (a lone Shift too) or a button press, with
# status 0 and the run counted in options.xml; key releases and the wheel do
# not end it, and a preview run does not count.
. "$(dirname "$0")/lib.sh"

write_options RunCount=5
runs=5
for input in "key a" "key Shift_L" "key Alt_L" "click 1" "click 2" "click 3"; do
    start_saver /s
    wait_fullscreen
    [ "$(option RunCount)" = $((runs + 1)) ] || fail "RunCount not saved at start ($input)"
    # Inputs that end nothing: wheel steps and a release without a press.
    xdotool click 4 click 5 keyup b
    expect_running 0.3
    xdotool $input
    expect_exit 5
    runs=$((runs + 1))
    [ "$(option RunCount)" = $runs ] || fail "RunCount $(option RunCount) after '$input'"
done
pass "key and button presses end full-screen runs; RunCount counted to $runs"
