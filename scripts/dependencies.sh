# Sourced by scripts/run, scripts/test and scripts/package: installs the Debian packages the build, the tests
# and the package need when any is missing.

VELLUMO_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools libqt6webenginecore6-bin
    qt6-tools-dev
    qt6-l10n-tools
    qt6-translations-l10n
    libgl-dev libvulkan-dev
    googletest libgtest-dev libbenchmark-dev
    libgumbo-dev libidn2-dev
    libhunspell-dev
    libicu-dev
    libphonenumber-dev
    hunspell-en-us
    hunspell-en-gb
    hunspell-de-de
    hunspell-fr
    hunspell-it
    hunspell-es
    libcurl4-openssl-dev
    libssl-dev
    qtkeychain-qt6-dev
    libsecret-1-0
    qt6-image-formats-plugins
    rclone
    python3-pyftpdlib
    python3-pil
    gnome-keyring
    dbus
    clang libclang-rt-14-dev clang-format
    xvfb xauth x11-apps openssl
    fonts-liberation2 fonts-dejavu-core
    dpkg-dev file desktop-file-utils appstream lintian
)

# Only for scripts/bench-pictures, which compares photo preparation with ImageMagick's.
VELLUMO_BENCH_PACKAGES=(
    imagemagick
)

# Installs VELLUMO_PACKAGES and any package named as an argument.
vellumo_install_dependencies() {
    local missing=()
    local package
    for package in "${VELLUMO_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing Debian packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
