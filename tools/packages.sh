# Sourced by tools/start and tools/test: the Debian packages the project needs, and a function
# that installs the missing ones (and only those).

BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-private-dev libfontconfig-dev libxcb1-dev libwayland-dev
    libwayland-bin wayland-protocols qt6-translations-l10n fonts-liberation2)
# Xvfb and xauth for a private X server, xclip as "another program" on the clipboard, an Italian
# locale to prove the number conversions ignore it, and a private desktop bus with AT-SPI and its
# Python client to read the window as a screen reader does. Natively on Wayland: a headless sway,
# wtype for keys, wl-clipboard as the other program, and Qt's Wayland plugin; GNOME's compositor,
# mutter, with its Xwayland. The launch benchmark watches the window's painting with the X DAMAGE
# extension. gdb: a test that hangs prints every thread's stack before it is stopped.
TEST_PACKAGES=(xvfb xauth xclip locales-all dbus-daemon at-spi2-core python3-pyatspi doctest-dev
    sway wtype wl-clipboard qt6-wayland mutter xwayland libxcb-damage0-dev gdb)
# The Windows program: the MinGW-w64 cross compiler (posix threads), Wine to run it, fonts-wine for
# the bitmap "MS Sans Serif", icoutils to read its resources, xdotool to click it, ImageMagick's
# import to look at it, xprop to see the icons it gives the window manager.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
    fonts-wine icoutils doctest-dev dpkg-dev)
WINDOWS_TEST_PACKAGES=(xvfb xauth xclip xdotool python3 imagemagick x11-utils)

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            sudo=(sudo)
        else
            echo "Missing Debian packages: ${missing[*]}; install them as root." >&2
            return 1
        fi
    fi
    echo "Installing Debian packages: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# The time the artifacts carry, as Debian's tools take it: the last commit's, or the changelog's
# where there is no git. Exported as SOURCE_DATE_EPOCH unless it is set already.
export_source_date_epoch() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null ||
            dpkg-parsechangelog -l packaging/debian/changelog -STimestamp)
    fi
    export SOURCE_DATE_EPOCH
}

# configure_and_build PRESET [extra cmake arguments...]
configure_and_build() {
    local preset=$1
    shift
    local werror=OFF
    # CI treats every warning as an error.
    [ "${CI:-}" = true ] && werror=ON
    cmake --preset "$preset" -DBRENOLDI_WERROR="$werror" "$@" >/dev/null
    cmake --build --preset "$preset"
}

# A Wine prefix of the project's own, made once (it takes 10 to 20 s) and reused: Wine's bitmap
# fonts are copied in, since Wine does not find the ones fonts-wine installs.
prepare_wine() {
    export WINEPREFIX=${BRENOLDI_WINEPREFIX:-/tmp/brenoldi-wine} WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Preparing a Wine prefix in $WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -u /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
}
