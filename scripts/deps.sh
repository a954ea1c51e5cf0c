# Sourced by run.sh and test.sh: installs the Debian packages they need that are missing.

if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi

# vellum_need WHAT PACKAGE...: installs the packages that are not installed yet, saying which.
vellum_need() {
    local what=$1 missing=() package
    shift
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        echo "==> Everything needed $what is installed."
        return
    fi
    echo "==> Installing with apt-get what is missing $what (a few minutes on a new machine):"
    echo "    ${missing[*]}"
    local log
    log=$(mktemp)
    if ! { "${SUDO[@]}" apt-get update -q && DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" \
        apt-get install -y -q --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
        cat "$log"
        echo "==> apt-get failed; its output is above." >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
    echo "==> Installed."
}

# What the program builds with: the window's Qt, its catalogues and a font to show it in.
VELLUM_BUILD_PACKAGES=(cmake make g++ pkgconf qt6-base-dev libgl-dev fonts-dejavu-core
    qt6-tools-dev qt6-l10n-tools gettext libqrencode-dev)
# What the unit tests add, and the translated manual pages the package ships.
VELLUM_QUICK_PACKAGES=(cmake make g++ pkgconf gettext libgtest-dev libqrencode-dev python3 po4a)
