#!/usr/bin/env bash
# Fails when the folders of src/ include each other in a cycle: scripts/check-include-cycles.sh [SRC]
# Prints the folder-level include edges, then asks tsort for an order.
set -euo pipefail
src="${1:-$(cd "$(dirname "$0")/.." && pwd)/src}"
folders=$(find "$src" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)
pattern=$(echo "$folders" | paste -sd'|')
edges=$(
  for from in $folders; do
    # Every folder is a node, so one without edges still shows.
    echo "$from $from"
    grep -rhoE "#include \"($pattern)/" "$src/$from" 2>/dev/null |
      sed -E 's/#include "([a-z_]+)\//\1/' | sort -u |
      while read -r to; do echo "$to $from"; done
  done | sort -u
)
echo "$edges" | awk '$1 != $2 { print "  " $2 " -> " $1 }'
if echo "$edges" | tsort >/dev/null 2>&1; then
  echo "no include cycle between the folders of src/"
  exit 0
fi
echo "include cycle between folders of src/:" >&2
echo "$edges" | tsort 2>&1 >/dev/null | grep -v "^tsort: -:" >&2 || true
exit 1
