#!/usr/bin/env bash
# The main job: install what is needed, build, and tone-map the built-in sample
# scene without any display. Writes sample-out.png in the project folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" release orvelline orvplugin
env -u DISPLAY "$root/build/bin/orvelline" --no-dialog "$root/sample-out.png"
echo "Wrote $root/sample-out.png"
