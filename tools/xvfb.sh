# Sourced by the scripts that need an X display of their own.
#   ov_xvfb_start   starts Xvfb on the first free display number from 90 and exports
#                   DISPLAY; returns 1 with a message when Xvfb is missing or fails
#   ov_xvfb_stop    stops the Xvfb that ov_xvfb_start started, by its process id
ov_xvfb_pid=""

ov_xvfb_start() {
    command -v Xvfb >/dev/null || { echo "no Xvfb (make deps installs it)" >&2; return 1; }
    command -v xdotool >/dev/null || { echo "no xdotool (make deps installs it)" >&2; return 1; }
    local number=90
    while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
        number=$((number + 1))
    done
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    ov_xvfb_pid=$!
    export DISPLAY=":$number"
    for _ in $(seq 50); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        kill -0 "$ov_xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb on $DISPLAY did not start" >&2
    ov_xvfb_stop
    return 1
}

ov_xvfb_stop() {
    if [ -n "$ov_xvfb_pid" ]; then
        kill "$ov_xvfb_pid" 2>/dev/null || true
        wait "$ov_xvfb_pid" 2>/dev/null || true
        ov_xvfb_pid=""
    fi
}
