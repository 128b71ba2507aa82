# Shared by the scripts: installing what is missing and configuring builds.

SORVAK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages every build and its checks need.
SORVAK_PACKAGES=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev libgl-dev
    librsvg2-bin dpkg-dev file
    fonts-noto-cjk hamradio-files
    libpugixml-dev
    lintian appstream desktop-file-utils shared-mime-info libglib2.0-bin xdg-utils man-db
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Installs the packages that are not installed yet.
ensure_packages() {
    local missing=()
    local package
    for package in "${SORVAK_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# configure_build DIR [cmake options...]
configure_build() {
    local dir="$1"
    shift
    cmake -S "$SORVAK_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
}
