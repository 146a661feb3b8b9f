# shellcheck shell=sh
# Sourced by every script and benchmark that runs Windows programs under Wine, directly or
# through scripts/with-wine-prefix: each makes a fresh prefix of its own and removes it after.
# Plain sh, as scripts/wine-run (CTest's emulator for the Windows build) sources it too.

WINE=${WINE:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
WINESERVER=${WINESERVER:-$(command -v wineserver || echo /usr/lib/wine/wineserver)}

# make_wine_prefix DIR [windows-look] [server-stays]: makes a Wine prefix in DIR (new or
# empty) and exports WINEPREFIX, WINE, WINESERVER, WINEDEBUG and WINEDLLOVERRIDES for what
# runs in it. With windows-look, the prefix has the fonts and font smoothing of Windows, so
# windows look and wrap as they do there. Returns once the prefix is saved and its server has
# ended; with server-stays, the server and Wine's own services keep running from wineboot on,
# as on a desktop in use, until remove_wine_prefix.
make_wine_prefix() {
    [ -x "$WINE" ] || { echo "$WINE is missing (install wine64)" >&2; return 1; }
    export WINEPREFIX="$1" WINE WINESERVER WINEDEBUG=-all
    mkdir -p "$WINEPREFIX" || return 1
    # No offer to install Mono or Gecko, which nothing here needs, and no menu entries or file
    # associations written to HOME.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    case " $* " in *" server-stays "*) "$WINESERVER" -p || return 1 ;; esac
    timeout --kill-after=10 300 "$WINE" wineboot --init >/dev/null 2>&1 ||
        { echo "wineboot failed in $WINEPREFIX" >&2; return 1; }
    case " $* " in *" windows-look "*)
        # Windows has Arial and MS Sans Serif, a fresh prefix neither; Liberation Sans has
        # Arial's measures. Font smoothing as Windows 10 and 11 have it (ClearType): without
        # it Wine draws Liberation Sans at 8 points with no capital I.
        for _wine_face in "Arial" "MS Sans Serif"; do
            _wine_reg 'HKCU\Software\Wine\Fonts\Replacements' "$_wine_face" REG_SZ \
                "Liberation Sans" || return 1
        done
        _wine_reg 'HKCU\Control Panel\Desktop' FontSmoothing REG_SZ 2 || return 1
        _wine_reg 'HKCU\Control Panel\Desktop' FontSmoothingType REG_DWORD 2 || return 1
        ;;
    esac
    case " $* " in *" server-stays "*) return 0 ;; esac
    timeout 120 "$WINESERVER" -w ||
        { echo "Wine's server in $WINEPREFIX did not end" >&2; return 1; }
}

_wine_reg() { # KEY NAME TYPE DATA
    "$WINE" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 ||
        { echo "setting $1\\$2 in $WINEPREFIX failed" >&2; return 1; }
}

# remove_wine_prefix DIR: ends every Wine process of the prefix in DIR and removes DIR.
remove_wine_prefix() {
    [ -d "$1" ] || return 0
    WINEPREFIX="$1" "$WINESERVER" -k 2>/dev/null || true
    rm -rf "$1"
}
