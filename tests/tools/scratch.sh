# Sourced by the knvtool scripts: strict mode, a scratch folder removed on exit (and made
# the working folder), and the one way a check fails.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }
