#!/bin/sh
# A full-screen run shows the scene's background with snow over it: most of
# the screen is neither black nor one flat colour, the picture stays put
# between two screenshots while a small part of it (the flakes) moves, and
# the moving pixels include bright ones. E2E_SHOT_DIR, when set, keeps the
# screenshot.
. "$(dirname "$0")/lib.sh"

write_options
start_saver /s
wait_fullscreen
sleep 1
import -window root "$T/a.ppm"
sleep 0.4
import -window root "$T/b.ppm"
xdotool key Return
expect_exit 5
[ -n "${E2E_SHOT_DIR:-}" ] && convert "$T/a.ppm" "$E2E_SHOT_DIR/e2e-fullscreen.png"

# Share of pixels darker than 4% (black clear colour or no picture).
dark=$(convert "$T/a.ppm" -colorspace Gray -threshold 4% -negate -format '%[fx:mean]' info:)
# Spread of the grey levels: a flat fill has none.
spread=$(convert "$T/a.ppm" -colorspace Gray -format '%[fx:standard_deviation]' info:)
# Pixels that changed by more than 10% between the two shots, and by more
# than 20% (a white flake arriving over the darker picture, or leaving it).
moved=$(compare -metric AE -fuzz 10% "$T/a.ppm" "$T/b.ppm" null: 2>&1 | cut -d' ' -f1)
bright=$(convert "$T/a.ppm" "$T/b.ppm" -compose difference -composite -colorspace Gray \
    -threshold 20% -format '%[fx:mean*w*h]' info:)
total=$((1920 * 1080))
echo "dark=$dark spread=$spread moved=$moved bright=$bright of $total pixels"
awk -v d="$dark" 'BEGIN { exit !(d < 0.05) }' || fail "too much of the screen is black ($dark)"
awk -v s="$spread" 'BEGIN { exit !(s > 0.03) }' || fail "the screen is one flat colour ($spread)"
awk -v m="$moved" -v t=$total 'BEGIN { exit !(m > t * 0.0005 && m < t * 0.25) }' ||
    fail "the moving part ($moved pixels) does not look like snow over a still background"
awk -v b="$bright" 'BEGIN { exit !(b > 500) }' || fail "too few strongly changed pixels ($bright)"
pass "background and moving snow on the screen"
