# shellcheck shell=bash
# Sourced by the checks that run a program under labwc, the compositor of Raspberry Pi OS:
# headless (no screen, no input device, no GPU) and with no X server, so that a program can only
# reach it as a native Wayland client. Keys come from wtype; the windows' titles, focus and
# states, and focus requests, from the foreign-toplevel protocol (wlrctl); pictures from grim;
# the output's size from wlr-randr. labwc tells nobody where a window is:
# its theme here draws the title bar and border of the active window magenta and those of the
# others green, so that a picture shows where the active window's frame is and whether it is
# whole on the output. Needs wait_for from x-desktop.sh.

# start_labwc_desktop [WIDTHxHEIGHT]: starts labwc on one headless output of that size
# (1280x800 unless told) with a keyboard on its seat; exports WAYLAND_DISPLAY, a throw-away HOME
# and XDG_RUNTIME_DIR, and unsets DISPLAY; sets LABWC_DESKTOP_PIDS and LABWC_DESKTOP_DIR for
# stop_labwc_desktop.
start_labwc_desktop() {
    local dir
    dir=$(mktemp -d "${TMPDIR:-/tmp}/zelvarin-labwc.XXXXXX") || return 1
    LABWC_DESKTOP_DIR=$dir
    mkdir -m 700 "$dir/config" "$dir/clients"
    printf '%s\n' 'window.active.title.bg.color: #ff00ff' 'window.active.border.color: #ff00ff' \
        'window.inactive.title.bg.color: #00ff00' 'window.inactive.border.color: #00ff00' \
        >"$dir/config/themerc-override"
    env -i PATH="$PATH" HOME="$dir" XDG_RUNTIME_DIR="$dir" WLR_BACKENDS=headless \
        WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman labwc -C "$dir/config" \
        >"$dir/labwc.log" 2>&1 &
    LABWC_DESKTOP_PIDS=$!
    unset DISPLAY
    export WAYLAND_DISPLAY=$dir/wayland-0 HOME=$dir/clients XDG_RUNTIME_DIR=$dir/clients
    if ! wait_for 20 wlr-randr; then
        echo "labwc did not start: $(tail -n 5 "$dir/labwc.log")" >&2
        return 1
    fi
    labwc_output "${1:-1280x800}" || return 1
    # One keyboard for the whole session (see wayland-desktop.sh); it is there once it has
    # handed the compositor its keymap.
    WAYLAND_DEBUG=1 wtype -s 86400000 2>"$dir/keyboard.log" &
    LABWC_DESKTOP_PIDS="$LABWC_DESKTOP_PIDS $!"
    wait_for 20 grep -q 'zwp_virtual_keyboard_v1.*keymap' "$dir/keyboard.log" ||
        { echo "labwc on $WAYLAND_DISPLAY got no keyboard" >&2; return 1; }
}

# labwc_pointer TOOL: starts tests/wayland/virtual_pointer, built as TOOL, as the seat's one
# pointer for the rest of the session, clicked by labwc_click; it is there once it says so.
labwc_pointer() {
    local size
    size=$(wlr-randr | sed -n 's/^ *\([0-9]*\)x\([0-9]*\) px.*(current).*/\1 \2/p')
    mkfifo "$LABWC_DESKTOP_DIR/pointer"
    # shellcheck disable=SC2086 # the width and the height
    "$1" $size <"$LABWC_DESKTOP_DIR/pointer" >"$LABWC_DESKTOP_DIR/pointer.log" 2>&1 &
    LABWC_DESKTOP_PIDS="$LABWC_DESKTOP_PIDS $!"
    exec {LABWC_POINTER}>"$LABWC_DESKTOP_DIR/pointer"
    wait_for 10 grep -q '^ready$' "$LABWC_DESKTOP_DIR/pointer.log" ||
        { echo "labwc got no pointer: $(cat "$LABWC_DESKTOP_DIR/pointer.log")" >&2; return 1; }
}

# labwc_click X Y: a click of the left button at X, Y of the output labwc_pointer started on.
labwc_click() { echo "click $1 $2" >&"$LABWC_POINTER"; }

# stop_labwc_desktop: ends the keyboard, the pointer and labwc, waits for them and removes their folder.
stop_labwc_desktop() {
    [ -z "${LABWC_POINTER:-}" ] || exec {LABWC_POINTER}>&-
    LABWC_POINTER=""
    end_desktop LABWC_DESKTOP_PIDS LABWC_DESKTOP_DIR
}

# labwc_output WIDTHxHEIGHT: gives the output that size.
labwc_output() {
    wlr-randr --output HEADLESS-1 --custom-mode "$1" && wait_for 10 _labwc_output_is "$1"
}

_labwc_output_is() { wlr-randr | grep -q "^ *$1 px (current)"; }

# labwc_has TITLE [STATE]: whether a window titled exactly TITLE is open (and in STATE: active,
# maximized, minimized, unminimized...
labwc_has() { wlrctl toplevel find "title:$1" ${2:+"state:$2"}; }

# labwc_frame FILE: the left, top, width and height of the active window's frame in the
# picture FILE, title bar and border included.
labwc_frame() {
    convert "$1" -fill black +opaque '#ff00ff' -bordercolor black -border 1 -trim \
        -format '%X %Y %w %h' info: | tr -d + | { read -r x y w h; echo $((x - 1)) $((y - 1)) "$w" "$h"; }
}

# labwc_settled_frame FILE: the active window's frame (as labwc_frame) once it has stayed the
# same over three pictures in a row, the last of them left in FILE; fails after 10 s.
labwc_settled_frame() {
    steady 2 10 _labwc_shot_frame "$1"
}

_labwc_shot_frame() { grim "$1" && labwc_frame "$1"; }

# labwc_whole FILE: whether the active window's frame in the picture is whole: its bottom and
# right edges are magenta lines on the output too (below the title bar's rounded corners).
labwc_whole() {
    local x y w h corner=10
    read -r x y w h < <(labwc_frame "$1")
    _labwc_magenta "$1" "${w}x1+$x+$((y + h - 1))" &&
        _labwc_magenta "$1" "1x$((h - corner))+$((x + w - 1))+$((y + corner))"
}

_labwc_magenta() {
    [ "$(convert "$1" -crop "$2" +repage -fill black +opaque '#ff00ff' -fill white \
        -opaque '#ff00ff' -format '%[fx:minima]' info:)" = 1 ]
}
