# Sourced by the scripts that run the Win64 build under wine64.
#   ov_wine_setup <build-dir>   WINEPREFIX inside that build tree, created once; its
#                               graphics driver is OV_WINE_GRAPHICS (default null, so
#                               windows exist without a display; x11 for Xvfb runs)
#   ov_wine <args...>           wine, minus its note about the absent 32-bit loader
#   ov_winepath <unix-path>     the same path as Windows programs see it
#   ov_wine_stop                ends this prefix's wineserver
# Never install wine32 or add the i386 architecture: 32-bit programs cannot run here.

ov_wine_setup() {
    local build_dir
    build_dir=$(cd "$1" && pwd)
    export WINEPREFIX="$build_dir/wineprefix"
    export WINEDEBUG=-all
    export WINEARCH=win64
    unset WINELOADER WINESERVER
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        # No mono or gecko installers are available; nothing here needs them.
        WINEDLLOVERRIDES="mscoree=;mshtml=" ov_wine wineboot -i >/dev/null
        wineserver -w
    fi
    local graphics="${OV_WINE_GRAPHICS:-null}"
    if ! grep -q "^\"Graphics\"=\"$graphics\"" "$WINEPREFIX/user.reg"; then
        ov_wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$graphics" /f >/dev/null
        # The desktop process reads the driver when it starts: let this one end.
        wineserver -w
    fi
}

ov_wine() {
    local status=0
    wine "$@" 2> >(grep -v -E 'wine32 is missing|multiarch needs to be enabled|dpkg --add-architecture|apt-get install wine32' >&2) || status=$?
    return $status
}

ov_winepath() {
    winepath -w "$1" 2> >(grep -v -E 'wine32|multiarch|dpkg --add|apt-get install' >&2)
}

ov_wine_stop() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null || true
    fi
}
