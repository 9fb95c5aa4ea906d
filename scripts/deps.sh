# Installs the Debian packages the build needs when any is missing.
# Sourced by the scripts in this folder; uses sudo when not run as root.
timyanka_packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev
    nlohmann-json3-dev
    qt6-base-dev libgl1-mesa-dev libxkbcommon-dev
    poppler-utils fonts-liberation fonts-dejavu-core
)

# What scripts/screenshot needs to drive the installed program on a real X server: the
# server, a window manager (so that focus comes back to the main window after each modal
# dialog), keyboard and window control, and capture and measure of the pictures.
timyanka_screenshot_packages=(
    xvfb openbox xdotool imagemagick x11-utils
)

timyanka_install_missing() {
    local missing=()
    local pkg
    for pkg in "${timyanka_packages[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" || return 1
}
