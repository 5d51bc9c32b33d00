#!/usr/bin/env bash
# Installs what the converter needs (Debian 12), builds it and launches it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-packages.sh run
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/app/brelvan-unit-converter "$@"
