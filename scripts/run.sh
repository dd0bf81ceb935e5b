#!/usr/bin/env bash
# Builds Quillon and runs its main job on the bundled sample A files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
scripts/build.sh build
build/quillon-cli info samples/*.TXT
