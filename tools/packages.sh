# Sourced by the tools: the Debian packages the project needs, installed when missing (and only
# those). What the Linux program needs to build, and its test suite to run, is debian/control's
# Build-Depends (the tests' marked <!nocheck>); the Windows program's is listed here.

# The Windows program: the MinGW-w64 cross compiler (posix threads), Wine to run it, fonts-wine for
# the bitmap "MS Sans Serif", icoutils to read its resources, xdotool to click it, ImageMagick's
# import to look at it, xprop to see the icons it gives the window manager.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
    fonts-wine icoutils doctest-dev dpkg-dev)
WINDOWS_TEST_PACKAGES=(xvfb xauth xclip xdotool python3 imagemagick x11-utils)

# Runs a command as root: directly, or through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Run as root: $*" >&2
        return 1
    fi
}

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# Installs debian/control's Build-Depends that are missing: with the test suite's, or, given the
# profile "nocheck", without them. dpkg-checkbuilddeps tells, so apt is asked nothing when all
# are there.
ensure_build_dependencies() {
    local profiles=()
    [ $# -gt 0 ] && profiles=(-P "$1")
    ensure_packages dpkg-dev
    dpkg-checkbuilddeps "${profiles[@]}" >/dev/null 2>&1 && return 0
    echo "Installing what debian/control asks to build${profiles:+ (${profiles[1]})}"
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get build-dep -y -qq --no-install-recommends \
        "${profiles[@]}" ./ >/dev/null
}

# What the installed program recommends, as debian/control says: fonts and Qt's Italian texts.
recommended_packages() {
    sed -n 's/^Recommends: //p' debian/control | tr -d ' ' | tr ',' ' '
}

# The time the artifacts carry, as Debian's tools take it: the last commit's, or the changelog's
# where there is no git. Exported as SOURCE_DATE_EPOCH unless it is set already.
export_source_date_epoch() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null ||
            dpkg-parsechangelog -STimestamp)
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
