#!/usr/bin/env bash
# Installs what is missing, builds in Release and inspects the bundled example.
# Extra arguments go to the inspector (for example --json).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh" "$here/build" -DORVIK_BUILD_TESTS=OFF
"$here/build/tools/inspect/orvik-xml-inspect" "$here/examples/sample.zip" "$@"
