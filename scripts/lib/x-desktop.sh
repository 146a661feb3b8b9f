# shellcheck shell=bash
# Sourced by every script, test and benchmark that runs a program on a throw-away X desktop
# (Xvfb at 96 dpi with openbox), directly or through scripts/with-x-desktop. They wait for what
# they expect to see, with a bound, and never sleep a fixed time: a loaded machine only makes
# them slower, not wrong.

# wait_for SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; fails after SECONDS.
wait_for() {
    local limit=$1
    shift
    local end=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

# steady TIMES SECONDS COMMAND...: runs COMMAND every 0.1 s until it prints the same thing
# TIMES times in a row after the first, then prints that and succeeds; fails after SECONDS.
steady() {
    local times=$1 end=$((SECONDS + $2)) previous="" current same=0
    shift 2
    while [ "$SECONDS" -lt "$end" ]; do
        current=$("$@" 2>/dev/null) || current=""
        if [ "$current" = "$previous" ]; then
            same=$((same + 1))
            [ "$same" -ge "$times" ] && { printf '%s\n' "$current"; return 0; }
        else
            same=0
        fi
        previous=$current
        sleep 0.1
    done
    return 1
}

# settle [SECONDS]: waits until the window manager has done what it was asked: the stacking
# order and the active window stay the same over three polls in a row.
settle() {
    steady 3 "${1:-5}" xprop -root _NET_CLIENT_LIST_STACKING _NET_ACTIVE_WINDOW >/dev/null
}

# end_desktop PIDS_VARIABLE FOLDER_VARIABLE: ends the processes the first variable lists and
# waits for them, removes the folder the second names, and empties both; the stop_*_desktop
# functions of every desktop end that way.
end_desktop() {
    local -n _end_pids=$1 _end_folder=$2
    # shellcheck disable=SC2086
    [ -z "${_end_pids:-}" ] || { kill $_end_pids; wait $_end_pids; } 2>/dev/null || true
    _end_pids=""
    [ -z "${_end_folder:-}" ] || rm -rf "$_end_folder"
    _end_folder=""
}

# start_window_manager: starts openbox on the display (start_x_desktop does, unless told not
# to); window_manager_ready: whether it has set itself up, and so manages every window mapped
# from then on.
#
# openbox names itself and what it supports on the root window as soon as it has taken the
# screen, and only then reads its settings, theme and menu and takes in the windows already
# there. A window mapped in between is never managed nor shown: openbox 3.6 (Debian 12 and 13)
# reads its map request into a queue of its own while taking in the windows there, and it
# looks at that queue again only when a later event wakes it, which on a desktop where nothing
# else happens never comes. The program of a check started on a loaded machine often lands in
# that gap. openbox runs its --startup command once it is set up, just before it handles
# events.
start_window_manager() {
    local started=$X_DESKTOP_HOME/openbox-started
    # No session manager to talk to; openbox reads its settings from the caller's HOME. It
    # splits the command as a shell would, so the path is quoted.
    openbox --sm-disable --startup "touch '${started//\'/\'\\\'\'}'" >/dev/null 2>&1 &
    X_DESKTOP_PIDS="$X_DESKTOP_PIDS $!"
}
window_manager_ready() { [ -e "$X_DESKTOP_HOME/openbox-started" ]; }

# start_x_desktop [SCREEN] [NO_WM]: starts Xvfb on a display it picks itself (race-free, so
# several checks can run at once) and, unless NO_WM is given, openbox; exports DISPLAY, and a
# throw-away HOME, which is XDG_RUNTIME_DIR too (Qt warns at every start without one), so
# that nothing reads or writes the user's own settings; sets X_DESKTOP_PIDS and X_DESKTOP_HOME
# for stop_x_desktop.
start_x_desktop() {
    local screen=${1:-1280x1024x24} displayfile
    X_DESKTOP_HOME=$(mktemp -d "${TMPDIR:-/tmp}/zelvarin-x-home.XXXXXX") || return 1
    export HOME=$X_DESKTOP_HOME XDG_RUNTIME_DIR=$X_DESKTOP_HOME
    displayfile=$(mktemp)
    # -noreset: without it the server resets when its last client leaves, and the readiness
    # probe below is such a client; openbox, connecting during the reset, would fail.
    Xvfb -displayfd 3 -screen 0 "$screen" -dpi 96 -nolisten tcp -noreset 3>"$displayfile" \
        >/dev/null 2>"$displayfile.log" &
    X_DESKTOP_PIDS=$!
    if ! wait_for 20 test -s "$displayfile"; then
        echo "Xvfb did not start: $(cat "$displayfile.log")" >&2
        rm -f "$displayfile" "$displayfile.log"
        return 1
    fi
    export DISPLAY=":$(tr -d '[:space:]' <"$displayfile")"
    rm -f "$displayfile" "$displayfile.log"
    wait_for 20 xdpyinfo || { echo "Xvfb on $DISPLAY does not answer" >&2; return 1; }
    [ -n "${2:-}" ] && return 0
    start_window_manager
    wait_for 20 window_manager_ready || { echo "openbox did not start on $DISPLAY" >&2; return 1; }
}

# stop_x_desktop: ends openbox and Xvfb and waits for them, so that the display is free again,
# and removes the throw-away HOME.
stop_x_desktop() {
    end_desktop X_DESKTOP_PIDS X_DESKTOP_HOME
}

# window_frame WINDOW: the left, top, width and height of the window's frame, the window
# manager's border and title bar included (none where it draws none). The checks and the
# screenshots in Python ask for it through scripts/window-frame.
window_frame() {
    local x y w h left=0 right=0 top=0 bottom=0 extents
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4}
        /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2}
        END {print x, y, w, h}')
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS)
    case $extents in *=*) read -r left right top bottom <<<"$(echo "${extents#*=}" | tr -d ,)" ;; esac
    echo $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))
}

# active_is WINDOW: whether the window has the keyboard.
active_is() { [ $(($(xdotool getactivewindow 2>/dev/null || echo 0))) -eq $(($1)) ]; }

# visible_window TITLE [SECONDS]: prints the id of the visible window titled exactly TITLE,
# waiting for it to appear; fails when it does not.
visible_window() {
    local id="" end=$((SECONDS + ${2:-20}))
    while [ "$SECONDS" -lt "$end" ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
