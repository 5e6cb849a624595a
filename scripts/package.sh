#!/usr/bin/env bash
# Builds the Debian package build-package/kanalo_<version>-<revision>_<arch>.deb and its debug
# symbols kanalo-dbgsym_<version>-<revision>_<arch>.ddeb: installs what the build needs, builds
# the shipped programs (no tests, no benchmarks) into build-package/ with Debian's hardening
# flags, and lets CPack collect the install tree and compute the dependencies. The same commit
# gives the same bytes, whatever folder it is built in and whatever the umask.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

kanalo_install_packages "${KANALO_BUILD_PACKAGES[@]}"

# Every time stamp in the packages is the last commit's.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
# Debian's flags: fortified functions, the strong stack protector, full RELRO with immediate
# binding; -ffile-prefix-map maps this folder to "." so no build path lands in the binaries.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_INSTALL_PREFIX=/usr -DKANALO_TESTS=OFF -DKANALO_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS -ffile-prefix-map=$PWD=." \
    -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS"
cmake --build build-package -j "$(nproc)"
# CPack gives the members of the .deb archive the modes the umask leaves.
(cd build-package && umask 022 && cpack -G DEB)
ls build-package/kanalo_*.deb build-package/kanalo-dbgsym_*.ddeb
