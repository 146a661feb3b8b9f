# shellcheck shell=bash
# Sourced by scripts/with-wayland-desktop and the checks that run a program under a real
# Wayland compositor: sway, headless (no screen, no input device, no GPU) and with no X server
# at all, so that a program can only reach it as a native Wayland client. Keys come from wtype,
# pictures from grim, the windows' places and the focus from sway's own IPC (swaymsg), as a
# pupil's compositor would give them. Needs wait_for from x-desktop.sh.

# start_wayland_desktop [WIDTHxHEIGHT]: starts sway on one headless output of that size
# (1280x800 unless told) with a keyboard on its seat; exports WAYLAND_DISPLAY, SWAYSOCK, a
# throw-away HOME and XDG_RUNTIME_DIR, and unsets DISPLAY; sets WAYLAND_DESKTOP_PIDS and
# WAYLAND_DESKTOP_DIR for stop_wayland_desktop.
start_wayland_desktop() {
    local dir as_user=() socket
    dir=$(mktemp -d "${TMPDIR:-/tmp}/zelvarin-wayland.XXXXXX") || return 1
    # shellcheck disable=SC2034 # read by end_desktop, through its name
    WAYLAND_DESKTOP_DIR=$dir
    mkdir -m 700 "$dir/clients"
    # sway refuses to run as root (it could not give root up again), so as root it runs as
    # nobody, in a folder of its own, and its clients stay root.
    if [ "$(id -u)" -eq 0 ]; then
        chown 65534:65534 "$dir"
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
    printf 'xwayland disable\noutput HEADLESS-1 mode %s\n' "${1:-1280x800}" >"$dir/config"
    env -i PATH="$PATH" HOME="$dir" XDG_RUNTIME_DIR="$dir" SWAYSOCK="$dir/ipc" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        "${as_user[@]}" sway -c "$dir/config" >"$dir/sway.log" 2>&1 &
    WAYLAND_DESKTOP_PIDS=$!
    export SWAYSOCK=$dir/ipc
    if ! wait_for 20 swaymsg -t get_version; then
        echo "sway did not start: $(tail -n 5 "$dir/sway.log")" >&2
        return 1
    fi
    socket=$(find "$dir" -maxdepth 1 -type s -name 'wayland-*' | head -n 1)
    unset DISPLAY
    export WAYLAND_DISPLAY=$socket HOME=$dir/clients XDG_RUNTIME_DIR=$dir/clients
    # A seat without a keyboard has none for its clients either, and a keyboard that wtype
    # brings for one call goes again with it, taking the keys with it that the program had
    # no keyboard for yet. One keyboard held for the whole session keeps them.
    wtype -s 86400000 &
    WAYLAND_DESKTOP_PIDS="$WAYLAND_DESKTOP_PIDS $!"
    wait_for 20 _wayland_desktop_has_keyboard ||
        { echo "sway on $WAYLAND_DISPLAY got no keyboard" >&2; return 1; }
}

_wayland_desktop_has_keyboard() { swaymsg -t get_inputs | grep -q '"type": "keyboard"'; }

# stop_wayland_desktop: ends the keyboard and sway, waits for them and removes their folder.
stop_wayland_desktop() {
    end_desktop WAYLAND_DESKTOP_PIDS WAYLAND_DESKTOP_DIR
}

# wayland_window TITLE: prints sway's record of the window titled exactly TITLE (JSON, one
# line: its "rect" without and its "deco_rect" of the title bar, "focused", "shell"...).
wayland_window() {
    swaymsg -t get_tree | jq -ce --arg title "$1" '.. | objects | select(.pid? and .name == $title)'
}

# wayland_focused: the title of the window that has the keyboard.
wayland_focused() {
    swaymsg -t get_tree | jq -re '.. | objects | select(.focused? and .pid?) | .name'
}

# wayland_stacking: the titles of the floating windows from the bottom up, one a line.
wayland_stacking() { swaymsg -t get_tree | jq -r '.. | .floating_nodes? // empty | .[].name'; }

# wayland_keys KEY...: types the keys with wtype, each named as xdotool names it (Return,
# shift+Tab).
wayland_keys() {
    local key args=()
    for key in "$@"; do
        case $key in
            *+*) args+=(-M "${key%%+*}" -k "${key#*+}" -m "${key%%+*}") ;;
            *) args+=(-k "$key") ;;
        esac
    done
    wtype "${args[@]}"
}

# wayland_focus TITLE: gives the window titled exactly TITLE the keyboard, as a click would.
wayland_focus() { swaymsg "[title=\"^$1\$\"] focus" >/dev/null; }

# wayland_whole TITLE: whether the window, title bar and border included, lies inside the
# output.
wayland_whole() {
    wayland_window "$1" | jq -e --argjson o "$(swaymsg -t get_outputs | jq '.[0].rect')" \
        '.rect.y >= .deco_rect.height and .rect.x >= 0 and .rect.x + .rect.width <= $o.width and
         .rect.y + .rect.height <= $o.height' >/dev/null
}

# wayland_picture TITLE FILE: writes the picture of the window's client area to FILE, the
# compositor's title bar and border left out.
wayland_picture() {
    grim -g "$(wayland_window "$1" | jq -r '.window_rect as $w |
        "\(.rect.x + $w.x),\(.rect.y + $w.y) \($w.width)x\($w.height)"')" "$2"
}

# start_weston_desktop: weston with its own desktop shell and panel, as a pupil's weston session
# has them, in a 1024x768 window of a throw-away X desktop (weston's X11 backend, and no X window
# manager): weston takes no virtual input, so xdotool's keys and clicks reach it as a real
# keyboard's and mouse's. Exports WAYLAND_DISPLAY and XDG_RUNTIME_DIR, keeps DISPLAY for
# xdotool; weston_view reads where weston shows a window. stop_weston_desktop ends it.
start_weston_desktop() {
    local dir
    start_x_desktop 1024x800x24 no-wm || return 1
    dir=$(mktemp -d "${TMPDIR:-/tmp}/zelvarin-weston.XXXXXX") || return 1
    # shellcheck disable=SC2034 # read by end_desktop, through its name
    WESTON_DESKTOP_DIR=$dir
    chmod 700 "$dir"
    # The panel's one launcher starts nothing: a stray click on it would open a terminal that
    # takes the keys.
    printf '[launcher]\npath=/bin/true\n' >"$dir/weston.ini"
    export XDG_RUNTIME_DIR=$dir WAYLAND_DISPLAY=$dir/wayland-0
    # --debug offers weston-debug the scene graph.
    weston --config="$dir/weston.ini" --debug --backend=x11-backend.so --width=1024 \
        --height=768 --socket=wayland-0 >"$dir/weston.log" 2>&1 &
    # shellcheck disable=SC2034 # read by end_desktop, through its name
    WESTON_DESKTOP_PID=$!
    wait_for 20 eval 'weston-debug -l 2>&1 | grep -q scene-graph' ||
        { echo "weston did not start: $(tail -n 5 "$dir/weston.log")" >&2; return 1; }
    # The X11 backend takes the pointer only as it enters weston's window, and clicks on with
    # none go to the top left corner: the pointer comes in from the screen's strip below it,
    # and weston shows the cursor once it has it.
    xdotool mousemove --sync 512 790 mousemove --sync 512 384
    wait_for 20 eval 'weston-debug scene-graph | grep -q "role wl_pointer-cursor"' ||
        { echo "weston got no pointer" >&2; return 1; }
}

stop_weston_desktop() {
    end_desktop WESTON_DESKTOP_PID WESTON_DESKTOP_DIR
    stop_x_desktop
}

# weston_view TITLE: the left, top, right and bottom of the window titled exactly TITLE where
# weston shows it (Qt's title bar included); fails where none is on view.
weston_view() {
    timeout 5 weston-debug scene-graph | awk -v t="top-level window '$1' of" '
        index($0, t) { found = 1; next }
        found && /position:/ { gsub(/->|[(),]/, " "); print $2, $3, $4, $5; ok = 1; exit }
        END { exit !ok }'
}
