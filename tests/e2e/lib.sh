# Shared set-up of the end-to-end tests, sourced by each test script. Every
# test runs on its own Xvfb (1920 x 1080) with its own installation: a copy
# of the scenes, a registry hive naming it, message boxes written to
# standard error (Yes/No answered No), and a fake xdg-open on PATH that
# records the addresses it is asked to open.
#
# Environment: FLURRYDALE_BIN (the program), FLURRYDALE_DATA (a data folder
# with scenes), E2E_HOST_WINDOW (the helper that opens a window to host a
# preview).

set -u
: "${FLURRYDALE_BIN:?}" "${FLURRYDALE_DATA:?}"

T=$(mktemp -d "${TMPDIR:-/tmp}/flurrydale-e2e.XXXXXX")
SAVER_PID=""
# Other helpers a test starts (a window manager, say), ended with it.
EXTRA_PIDS=""
HOST_PID=""
# The X server resets (the pointer back to the centre) whenever its last
# client leaves; this idle client keeps the state between the steps.
xdotool sleep 3600 &
ANCHOR_PID=$!
cleanup() {
    for p in $SAVER_PID $HOST_PID $ANCHOR_PID $EXTRA_PIDS; do kill -KILL "$p" 2>/dev/null || true; done
    rm -rf "$T"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for f in out err; do
        [ -s "$T/$f" ] && { echo "--- saver std$f:" >&2; tail -n 20 "$T/$f" >&2; }
    done
    exit 1
}

mkdir -p "$T/install" "$T/bin"
cp -R "$FLURRYDALE_DATA" "$T/install/data"
rm -f "$T/install/data/options.xml"
DATA="$T/install/data"
printf '[Software\\Quillbrook\\Flurrydale]\nDir=%s\n' "$T/install" >"$T/hklm.ini"
export FLURRYDALE_HKLM="$T/hklm.ini" FLURRYDALE_HKCU="$T/no-hkcu.ini"
export FLURRYDALE_MESSAGEBOX=stderr
export XDG_DATA_HOME="$T/xdg-data" XDG_CONFIG_HOME="$T/xdg-config"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s/opened.log"\n' "$T" >"$T/bin/xdg-open"
chmod +x "$T/bin/xdg-open"
export PATH="$T/bin:$PATH"

# write_options NAME=VALUE...: options.xml with the saver's defaults, scene
# changes off (no fades in the pictures) and the given values.
write_options() {
    KeepAspect_1_6=0 SoundsEnabled=0 DoNotUseAccumBuffer=0 SleepEnabled=1
    IgnoreMouseMove=0 RunCount=0 xSpeed=50 zSpeed=50 changeSkyAtStartUp=1
    changeSkyDuring=0 changeFrequency=5 Day=0 Month=0
    for kv in "$@"; do eval "${kv%%=*}=\${kv#*=}"; done
    {
        echo '<?xml version="1.0"?>'
        echo '<OPTIONS>'
        for n in KeepAspect_1_6 SoundsEnabled DoNotUseAccumBuffer SleepEnabled IgnoreMouseMove \
            RunCount xSpeed zSpeed changeSkyAtStartUp changeSkyDuring changeFrequency; do
            eval "v=\$$n"
            echo "    <$n v=\"$v\"/>"
        done
        echo "    <Date Day=\"$Day\" Month=\"$Month\"/>"
        echo '</OPTIONS>'
    } >"$DATA/options.xml"
}

# option NAME: the value options.xml holds now (Day and Month included).
option() {
    case "$1" in
        Day | Month) sed -n "s/.*<Date.* $1=\"\\(-*[0-9]*\\)\".*/\\1/p" "$DATA/options.xml" ;;
        *) sed -n "s/.*<$1 v=\"\\(-*[0-9]*\\)\".*/\\1/p" "$DATA/options.xml" ;;
    esac
}

# start_saver ARGS...: starts the program in the background (SAVER_PID);
# its standard output and error go to $T/out and $T/err. With FAKE_DATE set
# ("2024-05-03 09:00:00") it runs under faketime, starting at that moment.
start_saver() {
    : >"$T/out"
    : >"$T/err"
    if [ -n "${FAKE_DATE:-}" ]; then
        faketime -f "@$FAKE_DATE" "$FLURRYDALE_BIN" "$@" >"$T/out" 2>"$T/err" &
    else
        "$FLURRYDALE_BIN" "$@" >"$T/out" 2>"$T/err" &
    fi
    SAVER_PID=$!
}

# wait_until SECONDS COMMAND...: polls COMMAND every 50 ms; false on time-out.
wait_until() {
    limit=$(($1 * 20))
    shift
    n=0
    while ! "$@"; do
        n=$((n + 1))
        [ $n -ge $limit ] && return 1
        sleep 0.05
    done
}

saver_running() { kill -0 "$SAVER_PID" 2>/dev/null; }
saver_stopped() { ! saver_running; }
rendering_started() { grep -q "OpenGL 2.0" "$T/out"; }
# A viewable top-level window covering the whole screen.
fullscreen_mapped() {
    for id in $(xwininfo -root -children 2>/dev/null | awk '/ 1920x1080\+0\+0 / { print $1 }'); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
    done
    return 1
}

# wait_fullscreen: the saver has started rendering and its window is up.
wait_fullscreen() {
    wait_until 15 rendering_started || fail "rendering did not start"
    wait_until 5 fullscreen_mapped || fail "no full-screen window"
    sleep 0.3
}

# expect_exit SECONDS: the saver ends within SECONDS with status 0.
expect_exit() {
    wait_until "$1" saver_stopped || fail "the saver did not end within $1 s"
    status=0
    wait "$SAVER_PID" || status=$?
    SAVER_PID=""
    [ "$status" -eq 0 ] || fail "the saver ended with status $status"
}

# expect_running SECONDS: the saver is still running after SECONDS.
expect_running() {
    sleep "$1"
    saver_running || fail "the saver ended although it should still run"
}

# dialog_geometry: "WxH+X+Y" of the dialog window, empty while there is none.
dialog_geometry() {
    xwininfo -root -tree 2>/dev/null | awk '/"Flurrydale Screen Saver"/ { for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+/) { print $i; exit } }'
}
dialog_up() { [ -n "$(dialog_geometry)" ]; }

# prompt_boxes: the boxes of the end-of-run prompts, in the order shown.
prompt_boxes() { grep -e 'caption="Thank you for using Flurrydale"' -e 'caption="Notification"' "$T/err"; }

# boxes CAPTION: how many message boxes with that caption were shown.
boxes() { grep -c "message box: caption=\"$1\"" "$T/err" || true; }

pass() { echo "PASS: $*"; }
