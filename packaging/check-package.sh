#!/bin/sh
# check-package.sh PACKAGE SAMPLE: checks a built package as a distribution
# would, then runs the programs from the unpacked package.
set -e
package=$1
sample=$2

lintian --fail-on error --info "$package"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$package" "$root"

appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$root"/usr/share/applications/tavrel.desktop
for page in "$root"/usr/share/man/man1/*.1.gz; do
    mandoc -T lint "$page"
done
bash -n "$root"/usr/share/bash-completion/completions/tavrel-cli

"$root"/usr/bin/tavrel-cli --version
"$root"/usr/bin/tavrel-cli info "$sample"
QT_QPA_PLATFORM=offscreen "$root"/usr/bin/tavrel --help
echo "$package: checked"
