#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need
# (clang and its runtime for the fuzz targets; openbox, xdotool and x11-utils
# for the test on a real desktop).
#
# While another program holds the package manager's lock (an automatic
# update, say), it waits up to TW_APT_LOCK_WAIT seconds (default 600) for
# it, and then fails with a message that says so.
# TW_APT_GET, TW_DPKG_QUERY and TW_SUDO replace the commands (for tests).
set -euo pipefail
PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins
          libcurl4-openssl-dev libbenchmark-dev python3 python3-pyftpdlib
          fonts-noto-color-emoji fonts-dejavu-core libgl-dev xvfb xauth
          openbox xdotool x11-utils
          clang libclang-rt-14-dev)
APT_GET=${TW_APT_GET:-apt-get}
DPKG_QUERY=${TW_DPKG_QUERY:-dpkg-query}
LOCK_WAIT=${TW_APT_LOCK_WAIT:-600}
LOCK_POLL=${TW_APT_LOCK_POLL:-5}

# Runs an apt-get command; while it fails on the lock, runs it again until
# LOCK_WAIT seconds have passed. apt-get itself waits for the dpkg lock
# (DPkg::Lock::Timeout); the loop also covers the lists' lock of "update".
apt_mit_sperre() {
    local ende=$((SECONDS + LOCK_WAIT)) ausgabe gemeldet=""
    while :; do
        if ausgabe=$("$@" -o DPkg::Lock::Timeout="$LOCK_POLL" 2>&1); then
            [ -n "$ausgabe" ] && printf '%s\n' "$ausgabe"
            return 0
        fi
        if ! grep -qiE "could not get lock|unable to acquire|unable to lock|is another process using it" <<<"$ausgabe"; then
            printf '%s\n' "$ausgabe" >&2
            return 1
        fi
        if [ "$SECONDS" -ge "$ende" ]; then
            printf '%s\n' "$ausgabe" >&2
            echo "deps.sh: another program has held the package manager's lock for ${LOCK_WAIT} seconds" \
                 "(an automatic update?). Let it finish, or set TW_APT_LOCK_WAIT to wait longer, and run this again." >&2
            return 1
        fi
        if [ -z "$gemeldet" ]; then
            echo "deps.sh: another program holds the package manager's lock; waiting up to ${LOCK_WAIT} seconds..." >&2
            gemeldet=1
        fi
        sleep "$LOCK_POLL"
    done
}

missing=()
for p in "${PACKAGES[@]}"; do
  "$DPKG_QUERY" -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  SUDO=${TW_SUDO-$SUDO}
  echo "Installing: ${missing[*]}"
  apt_mit_sperre $SUDO "$APT_GET" update -qq
  apt_mit_sperre $SUDO env DEBIAN_FRONTEND=noninteractive "$APT_GET" install -y -qq "${missing[@]}"
fi
