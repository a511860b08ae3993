# Sourced by tools/start and tools/test: the Debian packages the project needs, and a function
# that installs the missing ones (and only those).

BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-private-dev libxcb1-dev qt6-translations-l10n
    fonts-liberation2)
# Xvfb and xauth for a private X server, xclip as "another program" on the clipboard, an Italian
# locale to prove the number conversions ignore it, and a private desktop bus with AT-SPI and its
# Python client to read the window as a screen reader does.
TEST_PACKAGES=(xvfb xauth xclip locales-all dbus-daemon at-spi2-core python3-pyatspi)

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
