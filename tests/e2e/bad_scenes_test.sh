#!/bin/sh
# A data folder full of broken files (scripts/make-bad-scenes) beside the
# good scenes. With every scene enabled and a change every 200 frames the
# test preview goes through them without a crash, a GL error or a message
# other than the readers' own; with only the good scenes enabled it shows
# one of them, while the broken scene.xml files of the list are reported.
# BAD_SCENES_SECONDS (default 10) is how long the scenes change;
# BAD_SCENES_SHOTS names a folder that keeps a screenshot every 5 seconds.
. "$(dirname "$0")/lib.sh"

command -v strace >/dev/null || fail "strace is needed to count the scenes built"
seconds=${BAD_SCENES_SECONDS:-10}
shots=${BAD_SCENES_SHOTS:-}
good=$(cd "$DATA" && for d in */; do [ -f "$d/scene.xml" ] && printf '%s\n' "${d%/}"; done)
sh "$(dirname "$0")/../../scripts/make-bad-scenes" "$DATA" >/dev/null
# Mesa reports every GL error on standard error.
export MESA_DEBUG=1
# The scene builds are counted through strace -f, which would also trace
# every rasteriser thread of the software renderer and slow the frames to a
# crawl; one rendering thread keeps the count to the saver's own pace.
export LP_NUM_THREADS=0

preview_window() { xdotool search --onlyvisible --name '^Screensaver Preview Test$' 2>/dev/null | head -n 1; }
host_up() { [ -n "$(preview_window)" ]; }

# --- every scene enabled, changing all the time ------------------------
write_options changeSkyDuring=1 changeFrequency=0
start_saver /testpreview
wait_until 30 rendering_started || fail "rendering did not start"
wait_until 5 host_up || fail "no preview window"
# Every scene built opens the shared snowflake picture once.
strace -f -qq -e trace=openat -e signal=none -p "$SAVER_PID" -o "$T/opens" 2>/dev/null &
STRACE_PID=$!
elapsed=0
while [ $elapsed -lt "$seconds" ]; do
    step=$((seconds - elapsed < 5 ? seconds - elapsed : 5))
    sleep $step
    elapsed=$((elapsed + step))
    saver_running || fail "the saver ended among the broken scenes after about $elapsed s"
    [ -n "$shots" ] && import -window "$(preview_window)" "$shots/bad-scenes-$elapsed.png"
done
# Detached before the end: the leak check at exit cannot run under ptrace.
kill -TERM "$STRACE_PID"
wait "$STRACE_PID" 2>/dev/null || true
kill -TERM "$SAVER_PID"
expect_exit 10
builds=$(grep -c '_snowflakes//sf4\.jpg' "$T/opens" || true)
[ "$builds" -ge 2 ] || fail "only $builds scenes built in $seconds s"
grep 'Mesa' "$T/err" && fail "GL errors"
allowed='Error opening file for reading|Unable to load JPG File!|Could not open texture file|Could not read file header|TGA file be type 2 or type 10 |Could not read info header|Invalid texture information|Could not read image data|Could not read RLE header|Could not read from file|Too many pixels read'
others=$(grep 'message box:' "$T/err" | sed 's/.* text="\(.*\)" buttons=.*/\1/' | grep -Ev "^($allowed)\$" || true)
grep -E 'Sanitizer|runtime error' "$T/err" && fail "the sanitizers found a fault"
[ -z "$others" ] || fail "unexpected messages: $others"
boxes_shown=$(grep -c 'message box:' "$T/err" || true)

# --- only the good scenes enabled: one of them is shown -----------------
awk -v good="$good" 'BEGIN { n = split(good, g, "\n"); for (i = 1; i <= n; i++) keep["path=\"" g[i] "\""] = 1 }
    /<Scene / { k = 0; for (p in keep) if (index($0, p)) k = 1; if (!k) sub(/enabled="1"/, "enabled=\"0\"") }
    { print }' "$DATA/defaultScenario.xml" >"$T/list" && mv "$T/list" "$DATA/defaultScenario.xml"
write_options changeSkyDuring=0
start_saver /testpreview
wait_until 30 rendering_started || fail "rendering did not start with the good scenes"
wait_until 5 host_up || fail "no preview window"
sleep 1
import -window "$(preview_window)" "$T/good.ppm"
kill -TERM "$SAVER_PID"
expect_exit 10
[ -n "$shots" ] && convert "$T/good.ppm" "$shots/bad-scenes-good.png"
for folder in XmlMalformed XmlEmpty XmlDeep XmlHuge XmlBinary XmlTruncated XmlWrongEncoding; do
    grep -q "caption=\"$DATA/$folder/scene.xml\" text=\"Error opening file for reading\"" "$T/err" ||
        fail "the unreadable $folder/scene.xml was not reported"
done
dark=$(convert "$T/good.ppm" -colorspace Gray -threshold 4% -negate -format '%[fx:mean]' info:)
spread=$(convert "$T/good.ppm" -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v d="$dark" -v s="$spread" 'BEGIN { exit !(d < 0.05 && s > 0.03) }' ||
    fail "no picture among the good scenes (dark $dark, spread $spread)"
pass "$builds scenes built in $seconds s among $(ls -d "$DATA"/*/ | wc -l) folders, $boxes_shown boxes; a good scene shows (spread $spread)"
