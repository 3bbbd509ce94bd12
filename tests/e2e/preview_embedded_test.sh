#!/bin/sh
# /p ID draws inside a window of another program, filling it, and ends
# quietly with status 0 when that window is unmapped or destroyed.
. "$(dirname "$0")/lib.sh"
: "${E2E_HOST_WINDOW:?}"

# start_host: a 400 x 300 window of another program; its id in HOST_ID.
start_host() {
    rm -f "$T/host"
    "$E2E_HOST_WINDOW" 400 300 >"$T/host" &
    HOST_PID=$!
    host_ready() { [ -s "$T/host" ]; }
    wait_until 5 host_ready || fail "the host window did not open"
    HOST_ID=$(head -n 1 "$T/host")
}

size_of() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
preview_child_geometry() {
    child=$(xwininfo -children -id "$HOST_ID" | awk '/^ +0x/ { print $1; exit }')
    [ -n "$child" ] || return 1
    size_of "$child"
}

write_options RunCount=4
for ending in unmap destroy; do
    start_host
    start_saver /p "$HOST_ID"
    wait_until 15 rendering_started || fail "rendering did not start"
    has_child() { [ "$(preview_child_geometry)" = "$(size_of "$HOST_ID")" ]; }
    wait_until 5 has_child ||
        fail "no preview filling the $(size_of "$HOST_ID") host (got '$(preview_child_geometry)')"
    expect_running 0.3
    if [ $ending = unmap ]; then
        xdotool windowunmap "$HOST_ID"
    else
        kill -TERM "$HOST_PID"
        wait "$HOST_PID" || true
    fi
    HOST_PID_DONE=$HOST_PID
    expect_exit 5
    kill -KILL "$HOST_PID_DONE" 2>/dev/null || true
    HOST_PID=""
    [ "$(option RunCount)" = 4 ] || fail "a preview changed RunCount"
    [ -z "$(prompt_boxes)" ] || fail "a preview showed a prompt: $(prompt_boxes)"
done
pass "embedded preview ends when its host is unmapped or destroyed"
