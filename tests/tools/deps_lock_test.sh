#!/usr/bin/env bash
# tools/deps.sh waits while another program holds the package manager's
# lock, and fails with a clear message when the lock is never freed; other
# failures end it at once. apt-get and dpkg-query are stand-ins here.
set -euo pipefail
SOURCE=$1
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# Every package missing; apt-get fails on the lock for its first $LOCKED
# calls (-1: always), or with another error when FAIL is set.
cat >"$TMP/dpkg-query" <<'SH'
#!/bin/sh
exit 1
SH
cat >"$TMP/apt-get" <<'SH'
#!/bin/sh
n=$(cat "$CALLS" 2>/dev/null || echo 0); n=$((n + 1)); echo $n >"$CALLS"
echo "$*" >>"$CALLS.args"
if [ -n "${FAIL:-}" ]; then echo "E: Unable to locate package nothing" >&2; exit 100; fi
if [ "$LOCKED" -lt 0 ] || [ "$n" -le "$LOCKED" ]; then
  echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (unattended-upgr)" >&2
  exit 100
fi
exit 0
SH
chmod +x "$TMP/dpkg-query" "$TMP/apt-get"
export TW_APT_GET="$TMP/apt-get" TW_DPKG_QUERY="$TMP/dpkg-query" TW_SUDO="" TW_APT_LOCK_POLL=0.1 CALLS="$TMP/calls"
fail() { echo "FAIL: $*" >&2; exit 1; }

# Locked for three calls: waits, then updates and installs.
LOCKED=3 "$SOURCE/tools/deps.sh" >"$TMP/out" 2>&1 || fail "a lock freed after a while ends the run: $(cat "$TMP/out")"
grep -q "waiting up to" "$TMP/out" || fail "no word about the wait: $(cat "$TMP/out")"
[ "$(cat "$CALLS")" = 5 ] || fail "expected 3 refused calls, update and install; got $(cat "$CALLS")"
grep -q "install -y -qq .*openbox.*xdotool.*x11-utils" "$CALLS.args" || fail "the desktop test's packages are not installed"
grep -q "DPkg::Lock::Timeout" "$CALLS.args" || fail "apt-get is not asked to wait for the lock"

# Never freed: a clear message once the time is up, and no endless loop.
rm -f "$CALLS" "$CALLS.args"
start=$SECONDS
if LOCKED=-1 TW_APT_LOCK_WAIT=1 timeout 30 "$SOURCE/tools/deps.sh" >"$TMP/out" 2>&1; then
  fail "a lock never freed counts as success"
fi
grep -q "held the package manager's lock for 1 seconds" "$TMP/out" || fail "no clear message: $(cat "$TMP/out")"
[ $((SECONDS - start)) -lt 20 ] || fail "the wait did not end in time"

# Any other failure ends it at once.
rm -f "$CALLS" "$CALLS.args"
if LOCKED=0 FAIL=1 "$SOURCE/tools/deps.sh" >"$TMP/out" 2>&1; then fail "a failed update counts as success"; fi
[ "$(cat "$CALLS")" = 1 ] || fail "another failure was retried"
grep -q "Unable to locate package" "$TMP/out" || fail "apt-get's own error is not shown"
echo "deps.sh waits for the lock"
