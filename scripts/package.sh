#!/usr/bin/env bash
# Builds the Debian package build/kanalo_<version>_<arch>.deb: installs what is missing,
# builds into build/ and lets CPack collect the install tree and compute the dependencies.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

kanalo_install_packages
kanalo_configure_and_build build
(cd build && cpack -G DEB)
ls build/kanalo_*.deb
