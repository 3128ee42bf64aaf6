#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/src/facereel
