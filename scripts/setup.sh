# Shared set-up for run.sh and test.sh: install missing Debian packages, configure and build.
# shellcheck shell=bash

# What building the programs and the package needs.
KANALO_BUILD_PACKAGES=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-svg-dev libgl-dev
    librsvg2-bin dpkg-dev file
)
# What the tests, the fuzzers, the benchmarks and the screenshots need besides.
KANALO_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
    qt6-base-private-dev qt6-translations-l10n xvfb xauth poppler-utils imagemagick
    desktop-file-utils appstream groff-base man-db lintian
)

# Installs the named packages that are missing; without names, everything of both lists.
kanalo_install_packages() {
    local wanted=("$@")
    [ "${#wanted[@]}" -eq 0 ] && wanted=("${KANALO_BUILD_PACKAGES[@]}" "${KANALO_TEST_PACKAGES[@]}")
    local missing=()
    local pkg
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

kanalo_configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir" -j "$(nproc)"
}

kanalo_test_jobs() {
    # Serial-tool tests mostly wait on time limits, so run more of them than there are cores.
    echo $(($(nproc) * 2))
}
