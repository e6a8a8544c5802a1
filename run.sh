#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kestrel II.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages
build_project
exec "$KESTREL_BUILD_DIR/app/kestrel"
