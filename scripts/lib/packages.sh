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

# What building the real program needs: CMake and the cross compiler.
readonly DORVIK_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix)
# What running it adds: Wine on an X display, and xdotool to see when its window is up.
readonly DORVIK_RUN_PACKAGES=("${DORVIK_BUILD_PACKAGES[@]}" wine wine64 xvfb xdotool)
# What packing a release adds: Info-ZIP's zip, which writes the same bytes for the same files; wixl and
# msitools, which build the MSI and set its summary; and faketime, which holds the clock still while they do.
readonly DORVIK_MSI_PACKAGES=(wixl msitools faketime)
readonly DORVIK_PACKAGE_PACKAGES=("${DORVIK_BUILD_PACKAGES[@]}" zip "${DORVIK_MSI_PACKAGES[@]}")
# What the tests add: the native compiler, GoogleTest (libraries and sources), screenshots, and the release
# packing that two of them check (msiinfo reads the MSI's tables).
readonly DORVIK_TEST_PACKAGES=("${DORVIK_RUN_PACKAGES[@]}" g++ libgtest-dev libgmock-dev googletest
    imagemagick zip "${DORVIK_MSI_PACKAGES[@]}")
