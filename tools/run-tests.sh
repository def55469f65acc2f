#!/usr/bin/env bash
# Runs the host and the Wine test suites (inside a Wine session) and fails if either fails.
# Usage: run-tests.sh HOST_BUILD WINDOWS_BUILD
set -uo pipefail
status=0
ctest --test-dir "$1" --output-on-failure || status=1
ctest --test-dir "$2" --output-on-failure || status=1
exit $status
