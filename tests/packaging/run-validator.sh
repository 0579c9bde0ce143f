#!/usr/bin/env bash
# Runs a metadata validator (desktop-file-validate, appstreamcli) on a packaging file and
# fails on any error or warning it reports; hints and pedantic notes are shown but pass.
# Exits 77 (skipped) when the validator is not installed.
#   run-validator.sh PROGRAM [ARGUMENT...]
set -uo pipefail

program=$1
shift
if ! command -v "$program" >/dev/null 2>&1; then
  echo "$program is not installed (Debian package: desktop-file-utils or appstream)"
  exit 77
fi

output=$("$program" "$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ "$status" -ne 0 ]; then
  echo "FAILED: $program exited with status $status"
  exit 1
fi
# desktop-file-validate exits 0 after warnings; they count as failures here.
if printf '%s\n' "$output" | grep -Eq ': (error|warning):'; then
  echo "FAILED: $program reported errors or warnings"
  exit 1
fi
