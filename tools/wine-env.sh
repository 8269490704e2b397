# Sourced by the scripts that run the Win64 build under wine64.
#   ov_wine_setup <build-dir>   WINEPREFIX inside that build tree, created once; its
#                               graphics driver is OV_WINE_GRAPHICS (default null, so
#                               windows exist without a display; x11 for Xvfb runs)
#   ov_wine <args...>           wine, minus its note about the absent 32-bit loader;
#                               ended after OV_WINE_TIMEOUT seconds when that is set
#   ov_winepath <unix-path>     the same path as Windows programs see it
#   ov_register_ocx <ocx>       registers the OCX in the prefix; ov_wine_stop then
#                               unregisters it
#   ov_wine_stop                ends this prefix's wineserver
#   ov_require_built <file>...  exits with a message when a build product is missing
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
    local status=0 limit=()
    [ -n "${OV_WINE_TIMEOUT:-}" ] && limit=(timeout "$OV_WINE_TIMEOUT")
    "${limit[@]}" wine "$@" 2> >(grep -v -E 'wine32 is missing|multiarch needs to be enabled|dpkg --add-architecture|apt-get install wine32' >&2) || status=$?
    return $status
}

ov_winepath() {
    winepath -w "$1" 2> >(grep -v -E 'wine32|multiarch|dpkg --add|apt-get install' >&2)
}

ov_registered_ocx=""

ov_register_ocx() {
    ov_registered_ocx=$(ov_winepath "$1")
    ov_wine regsvr32 /s "$ov_registered_ocx"
}

ov_wine_stop() {
    if [ -n "$ov_registered_ocx" ]; then
        ov_wine regsvr32 /u /s "$ov_registered_ocx" || echo "unregistering $ov_registered_ocx failed" >&2
        ov_registered_ocx=""
    fi
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null || true
    fi
}

ov_require_built() {
    local file
    for file in "$@"; do
        if [ ! -f "$file" ]; then
            echo "missing $file (build the Win64 tree first)" >&2
            exit 1
        fi
    done
}
