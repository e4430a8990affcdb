# Shared settings of the build and test scripts (sourced, not run).
GLIMMERBOX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
GLIMMERBOX_BUILD=${GLIMMERBOX_BUILD:-$GLIMMERBOX_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$GLIMMERBOX_BUILD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=${WINEARCH:-win32}
XVFB_ARGS=(-a -s "-screen 0 1280x1024x24")
JOBS=${JOBS:-2}

# Creates the Wine prefix once per build tree.
ensure_wine_prefix() {
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        echo "Creating Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w || true
    fi
}
