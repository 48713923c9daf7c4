#!/bin/sh
# Installs from Debian's packages what building, running and testing the editor need.
# Quiet and quick when everything is already there; uses sudo when not run as root.
set -e

PACKAGES="g++ make cmake ninja-build pkg-config \
  qt6-base-dev libqt6printsupport6 libgl-dev \
  libfreetype-dev libfontconfig-dev zlib1g-dev \
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev \
  python3 python3-fonttools fonts-liberation fonts-dejavu-core \
  xvfb xauth \
  qt6-translations-l10n desktop-file-utils shared-mime-info dpkg-dev"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
# A fresh machine's package lists may be empty or stale.
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
