# Sourced by the Wine scripts: the environment every Tempiva process under Wine gets.
# $1: the Windows build folder, which holds the Wine prefix.
tempiva_wine_env()
{
    local build
    build=$(cd "$1" && pwd)
    export TEMPIVA_WINDOWS_BUILD="$build"
    export WINEPREFIX="$build/wineprefix"
    export WINEARCH=win64
    export WINEDEBUG=-all
    # No Mono or Gecko installer dialogs on the first boot.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export TZ="${TZ:-Asia/Tokyo}"
}

# Creates the prefix once; later calls find the marker and return at once.
tempiva_wine_boot()
{
    if [ ! -f "$WINEPREFIX/.tempiva-booted" ]; then
        mkdir -p "$WINEPREFIX"
        env LC_ALL=ja_JP.UTF-8 wineboot -i >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.tempiva-booted"
    fi
}

# Whether the X server's window manager manages Wine's windows (Y, Wine's default, for a real
# desktop) or Wine does (N). A private Xvfb has no window manager: Wine would then wait two
# seconds for one at every window it hides. The last value set is kept beside the prefix,
# so the registry is written only when it changes.
tempiva_wine_managed()
{
    local marker="$WINEPREFIX/.tempiva-managed"
    [ "$(cat "$marker" 2>/dev/null)" = "$1" ] && return 0
    env LC_ALL=ja_JP.UTF-8 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1 &&
        echo "$1" >"$marker"
}

# The clock must never move because of a test: drop CAP_SYS_TIME for good.
TEMPIVA_NO_CLOCK=(setpriv --bounding-set -sys_time --inh-caps -sys_time)

# Wine takes code page 932 from LC_ALL; LANG alone is not enough. It is set only for
# Wine itself: the host has no such glibc locale and every shell would complain.
TEMPIVA_WINE=(env LC_ALL=ja_JP.UTF-8 wine)
