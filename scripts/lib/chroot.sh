# shellcheck shell=bash
# Sourced by the checks that run in a Debian chroot made by scripts/debian-chroot. The cached
# chroot is never written to: an overlay takes every change (installed packages, a throw-away
# HOME, X sockets) and goes with it.

# ensure_binfmt ARCH: makes the kernel run ARCH's programs with qemu-user-static, mounting
# binfmt_misc and registering Debian's entry for it where neither is done (no systemd here).
# The entry's F flag opens qemu at once, so it works inside a chroot without a copy of qemu.
ensure_binfmt() {
    local cpu
    case $1 in
        arm64) cpu=aarch64 ;;
        armhf | armel) cpu=arm ;;
        *) cpu=$1 ;;
    esac
    local dir=/proc/sys/fs/binfmt_misc
    [ -f "$dir/register" ] || mount -t binfmt_misc binfmt_misc "$dir" || return 1
    [ -f "$dir/qemu-$cpu" ] && return 0
    [ -f "/usr/lib/binfmt.d/qemu-$cpu.conf" ] || return 1
    # A second caller may have registered it meanwhile; then the write fails, and that is fine.
    cat "/usr/lib/binfmt.d/qemu-$cpu.conf" >"$dir/register" 2>/dev/null || true
    [ -f "$dir/qemu-$cpu" ]
}

# chroot_up CACHED WORK CHECKOUT: an overlay of the chroot CACHED in WORK/root, with /proc and
# /dev of this machine and CHECKOUT read-only at /zelvarin; sets CHROOT_ROOT. /dev is made a
# slave copy, so that unmounting it in the chroot never unmounts anything of this machine.
chroot_up() {
    local cached=$1 work=$2 checkout=$3
    CHROOT_ROOT=$work/root
    mkdir -p "$work/upper" "$work/work" "$CHROOT_ROOT"
    mount -t overlay overlay \
        -o "lowerdir=$cached,upperdir=$work/upper,workdir=$work/work" "$CHROOT_ROOT" || return 1
    mount -t proc proc "$CHROOT_ROOT/proc" &&
        mount --rbind /dev "$CHROOT_ROOT/dev" && mount --make-rslave "$CHROOT_ROOT/dev" &&
        mkdir -p "$CHROOT_ROOT/zelvarin" &&
        mount --bind -o ro "$checkout" "$CHROOT_ROOT/zelvarin"
}

# chroot_bind FOLDER PATH [ro]: FOLDER of this machine at PATH in the chroot (made if missing),
# writable unless ro is given; chroot_down unmounts it.
chroot_bind() {
    mkdir -p "$CHROOT_ROOT$2" && mount --bind "$1" "$CHROOT_ROOT$2" &&
        { [ "${3:-}" != ro ] || mount -o remount,bind,ro "$CHROOT_ROOT$2"; }
}

# chroot_run COMMAND [ARGS...]: runs COMMAND in the chroot in a bare environment, from /zelvarin.
chroot_run() {
    chroot "$CHROOT_ROOT" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        TERM="${TERM:-dumb}" /bin/sh -c 'cd /zelvarin && exec "$@"' chroot "$@"
}

# chroot_down: ends what still runs in the chroot, unmounts it and removes the overlay's
# layer; the cached chroot stays as it was.
chroot_down() {
    [ -n "${CHROOT_ROOT:-}" ] || return 0
    local proc pids=""
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$CHROOT_ROOT" ] && pids="$pids ${proc#/proc/}"
    done
    # shellcheck disable=SC2086
    [ -z "$pids" ] || kill -9 $pids 2>/dev/null || true
    # Every mount below the root, deepest first (the checkout, /dev, /proc, chroot_bind's).
    awk -v root="$CHROOT_ROOT/" 'index($2, root) == 1 { print $2 }' /proc/mounts | sort -r |
        while read -r mount; do umount -l "$mount" 2>/dev/null || true; done
    umount "$CHROOT_ROOT" 2>/dev/null || true
    # Never remove a folder that still has something mounted below it: that would be the
    # checkout or this machine's /dev.
    if grep -qF " $CHROOT_ROOT" /proc/mounts; then
        echo "chroot: $CHROOT_ROOT is still mounted; left in place" >&2
    else
        rm -rf "${CHROOT_ROOT%/root}"
    fi
    CHROOT_ROOT=""
}
