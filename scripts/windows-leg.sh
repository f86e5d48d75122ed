#!/usr/bin/env bash
# Windows leg: cross-builds with mingw-w64 and runs the test suite under Wine.
set -euo pipefail
echo "windows leg: not set up yet"
