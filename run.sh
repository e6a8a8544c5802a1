#!/usr/bin/env bash
# Installs what is missing, builds the program alone (./test.sh builds the
# rest), and starts Kestrel II in the folder it was called from: designs are
# saved in the working directory.
set -euo pipefail
start_dir=$PWD
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages
KESTREL_BUILD_TARGETS=kestrel build_project
cd "$start_dir"
exec "$KESTREL_BUILD_DIR/app/kestrel"
