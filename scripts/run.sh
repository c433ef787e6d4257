#!/usr/bin/env bash
# Builds Tavolo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/bin/tavolo "$@"
