#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The stagepath developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The result table read by a real AT-SPI client: the window runs under its
# own virtual X server and session bus with the accessibility bus, and
# atspi_result_table.py reads it. Exit status 77 (skipped) when one of
# Xvfb, dbus-run-session, at-spi2-core or python3-pyatspi is missing.
# Usage: atspi_result_table.sh <stagepath program> <atspi_result_table.py>
set -u
program=$1
reader=$2
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done
[ -x "$launcher" ] || { echo "SKIP: no at-spi2-core"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no python3-pyatspi"; exit 77; }

home=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$home"' EXIT
# The X server picks a free display and writes its number to the file.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$home/display" 2>/dev/null &
for _ in $(seq 100); do
  [ -s "$home/display" ] && break
  sleep 0.1
done
[ -s "$home/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$home/display")" HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home"
unset QT_QPA_PLATFORM
timeout 120 dbus-run-session -- bash -c '
  "$0" --launch-immediately >/dev/null 2>&1 &
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >/dev/null 2>&1 &
  /usr/bin/python3 "$2"
  status=$?
  kill $(jobs -p) 2>/dev/null
  wait
  exit $status' "$launcher" "$program" "$reader" 2>&1 | grep -v "fd limit"
exit "${PIPESTATUS[0]}"
