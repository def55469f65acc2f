#!/usr/bin/env bash
# Runs the host and the Wine test suites (inside a Wine session), and the fuzz targets
# briefly when a fuzz build is given, and fails if any fails.
# Usage: run-tests.sh HOST_BUILD WINDOWS_BUILD [FUZZ_BUILD]
set -uo pipefail
status=0
ctest --test-dir "$1" --output-on-failure || status=1
ctest --test-dir "$2" --output-on-failure || status=1
if [ $# -ge 3 ]; then
    ctest --test-dir "$3" --output-on-failure || status=1
fi
exit $status
