#!/usr/bin/env bash
# Builds Kestrel II and renders its main window offscreen after a solve and
# a sweep of the default design: the README's picture and a quick visual
# check. Usage: scripts/screenshot.sh [OUT.png [ABOUT.png]]
#   default OUT is docs/screenshot.png; ABOUT also grabs the about window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages
build_project
out=${1:-docs/screenshot.png}
mkdir -p "$(dirname "$out")"
QT_QPA_PLATFORM=offscreen LC_ALL=C "$KESTREL_BUILD_DIR/tools/kestrel_screenshot" "$out" ${2:+"$2"}
echo "saved $out${2:+ and $2}"
