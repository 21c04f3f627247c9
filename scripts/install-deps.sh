#!/bin/sh
# Installs the Debian packages the build and the tests need; quick when all are there.
set -e
PACKAGES="build-essential cmake ninja-build ccache clang lld libclang-rt-14-dev \
  libgtest-dev libgmock-dev libbenchmark-dev pxlib-dev libssl-dev \
  qt6-base-dev qt6-translations-l10n fonts-dejavu-core xvfb xauth unrtf python3-dbf \
  libssh-dev libzip-dev libdeflate-dev openssh-server openssh-client unzip libcrypt-dev \
  libxlsxwriter-dev python3-openpyxl poppler-utils libreoffice-writer-nogui qt6-pdf-dev \
  qt6-image-formats-plugins"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Instalowanie pakietów:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $missing
