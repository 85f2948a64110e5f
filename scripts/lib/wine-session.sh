# Shared by the project's scripts: packages, the build folder's own Wine
# prefix in code page 936, and a private X display. Source it, then call
# the functions; stop_session undoes everything that start_session started.

project_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build_root="$project_root/build"

required_packages=(
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine64 wine xvfb fonts-wqy-microhei imagemagick
    cmake make googletest locales zip unzip
)

wine_loader=/usr/lib/wine/wine64
wine_server=/usr/lib/wine/wineserver64
[ -x "$wine_server" ] || wine_server=/usr/lib/wine/wineserver

ensure_packages() {
    local missing=()
    local package
    for package in "${required_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local privileged=()
    [ "$(id -u)" -eq 0 ] || privileged=(sudo)
    "${privileged[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${privileged[@]}" apt-get install -y --no-install-recommends \
        "${required_packages[@]}"
}

export_wine_environment() {
    export WINEPREFIX="$build_root/wineprefix"
    export WINEDEBUG=-all
    # The locale compiled into the build folder; LOCPATH first, so that
    # setting LC_ALL already finds it.
    export LOCPATH="$build_root/locale"
    # bash itself cannot load the compiled locale and says so; Wine can.
    { export LC_ALL=zh_CN.UTF-8; } 2>/dev/null
    # No Mono or Gecko installers asking questions on a fresh prefix.
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Wine needs a real zh_CN.UTF-8 locale to handle Chinese file names.
ensure_locale() {
    if [ ! -f "$build_root/locale/zh_CN.UTF-8/LC_CTYPE" ]; then
        mkdir -p "$build_root/locale"
        localedef -i zh_CN -f UTF-8 "$build_root/locale/zh_CN.UTF-8" >/dev/null 2>&1 || true
    fi
}

xvfb_pid=""
start_private_display() {
    local number
    for number in $(seq 91 180); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
    done
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp </dev/null >"$build_root/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local waited
    for waited in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        sleep 0.1
    done
    export DISPLAY=":$number"
    echo "$DISPLAY" >"$build_root/display"
}

wine_quietly() {
    "$wine_loader" "$@" </dev/null >>"$build_root/wine.log" 2>&1
}

# A prefix of the build folder's own, in which every program runs inside a
# virtual desktop so that Wine draws window frames itself. The wineserver
# and Wine's services are started here, with every stream redirected, so
# that no later pipe (CTest's) ever owns them.
start_wine() {
    if [ ! -f "$WINEPREFIX/.quorvik-ready" ]; then
        rm -rf "$WINEPREFIX"
        wine_quietly wineboot -i
        wine_quietly reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
        wine_quietly reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
        "$wine_server" -w </dev/null >/dev/null 2>&1 || true
        touch "$WINEPREFIX/.quorvik-ready"
    fi
    "$wine_server" -p </dev/null >>"$build_root/wine.log" 2>&1 || true
    wine_quietly wineboot
}

start_session() {
    mkdir -p "$build_root"
    ensure_locale
    export_wine_environment
    start_private_display
    start_wine
}

stop_session() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        "$wine_server" -k </dev/null >/dev/null 2>&1 || true
        "$wine_server" -w </dev/null >/dev/null 2>&1 || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
    rm -f "$build_root/display"
}

build_target() {
    local preset="$1"
    cmake --preset "$preset" >"$build_root/configure-$preset.log" 2>&1 \
        || { cat "$build_root/configure-$preset.log"; return 1; }
    cmake --build --preset "$preset"
}
