#!/bin/sh
# Installs the Debian packages the build, the tests and the tools need,
# only those that are missing. Without root it prints the command instead.
# With --package: those that build and check the Debian package.
set -e

PACKAGES="cmake make g++ pkg-config googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev \
qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev xvfb xauth imagemagick \
fonts-dejavu-core fonts-droid-fallback desktop-file-utils appstream"
if [ "$1" = "--package" ]; then
    PACKAGES="cmake make g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev dpkg-dev fakeroot file lintian appstream desktop-file-utils \
mandoc bash-completion"
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
else
    echo "Missing packages. Run:"
    echo "  sudo apt-get update && sudo apt-get install -y$missing"
    exit 1
fi
