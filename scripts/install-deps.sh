#!/bin/sh
# Installs the Debian packages Kestrel builds and tests with (root: apt-get; else sudo),
# and any further packages named as arguments (make deb: the packaging tools).
set -e
PKGS="cmake g++ make pkg-config libfltk1.3-dev libsdl2-dev libsndfile1-dev libcli11-dev \
libliquid-dev libgtest-dev libgmock-dev libbenchmark-dev espeak-ng xvfb xauth xdotool imagemagick minimodem sox groff-base $*"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
