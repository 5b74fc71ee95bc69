# Shared by the scripts: installs the Debian packages it is given when any of them is missing.

ensure_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ "${#missing[@]}" -eq 0 ] && return 0

    local elevate=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
            exit 1
        fi
        elevate=(sudo)
    fi
    echo "Installing ${missing[*]}"
    "${elevate[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${elevate[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What the real program needs: the cross compiler and Wine on an X display.
readonly DORVIK_RUN_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 xvfb)
# What the tests add: the native compiler, GoogleTest (libraries and sources), input and screenshots.
readonly DORVIK_TEST_PACKAGES=("${DORVIK_RUN_PACKAGES[@]}" g++ libgtest-dev libgmock-dev googletest xdotool
    imagemagick)
