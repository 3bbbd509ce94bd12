#!/bin/sh
# The mouse rule: a run ends when the pointer is more than 50 pixels from
# the first position seen, along either axis; with IgnoreMouseMove it never
# does, while keys still end the run.
. "$(dirname "$0")/lib.sh"

# run_moves ENDS FIRST_X FIRST_Y [X Y]...: the pointer rests at FIRST when
# the window appears (the first position seen), then moves through the
# given points; ENDS is yes when the last move must end the run.
run_moves() {
    ends=$1
    xdotool mousemove "$2" "$3"
    shift 3
    start_saver /s
    wait_fullscreen
    while [ $# -ge 2 ]; do
        saver_running || fail "the run ended before the move to $1, $2"
        xdotool mousemove "$1" "$2"
        sleep 0.15
        shift 2
    done
    if [ "$ends" = yes ]; then
        expect_exit 5
    else
        expect_running 0.4
        xdotool key Escape
        expect_exit 5
    fi
}

write_options IgnoreMouseMove=0
run_moves no 500 500 550 450                    # 50 along both axes
run_moves no 500 500 540 540                    # 40 right and 40 down
run_moves yes 500 500 551 500                   # 51 right
run_moves yes 500 500 500 449                   # 51 up
run_moves yes 500 500 520 500 540 500 449 520   # slowly, then 51 left of the first
run_moves yes 500 500 550 500 550 551           # 50 right, then 51 down

write_options IgnoreMouseMove=1
run_moves no 500 500 1500 900 10 10
pass "mouse rule at 50 and 51 pixels per axis; IgnoreMouseMove"
