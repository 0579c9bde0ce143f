#!/usr/bin/env bash
# Runs a test program on a session bus of its own (dbus-run-session), so that the fake portal
# it registers meets no real one. Exits 77 (skipped) without dbus-run-session.
set -euo pipefail
if ! command -v dbus-run-session >/dev/null; then
  echo "skipped: dbus-run-session is not installed"
  exit 77
fi
exec dbus-run-session -- "$@"
