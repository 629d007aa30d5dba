#!/usr/bin/env bash
# The main job on its embedded default: what the designer knows of a form and its controls,
# and the property value strings that a new form and its first controls are stored with.
set -euo pipefail
morva=$(realpath "${1:-build/bin/morva}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

for type in Form MDIForm TextBox Label Button Timer Line; do
  "$morva" propstring "$type" > "$type.propstring"
done
"$morva" catalogue Form > Form.catalogue

echo "Made in $work:"
for file in *; do
  printf '\n== %s (%s bytes)\n' "$file" "$(wc -c < "$file")"
  head -n 12 "$file"
done
