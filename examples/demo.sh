#!/usr/bin/env bash
# The main job on its embedded default: a new project made by the morva tool in a temporary
# folder (removed afterwards), then what it holds, and what the designer knows of a form.
set -euo pipefail
morva=$(realpath "${1:-build/bin/morva}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$morva" new-project --location "$work" --name sample --class CMainForm
cd "$work/sample"
echo
echo "Made in $work/sample:"
find . -type f | sort | while read -r file; do
  printf '  %-22s %6s bytes\n' "${file#./}" "$(wc -c < "$file")"
done

printf '\n== mainform.h\n'
tr -d '\r' < mainform.h
printf '\n== the form'"'"'s property value string in sample.rc\n'
grep -a "IDS_PROP_MAINFORM" sample.rc | tr -d '\r'
printf '\n== morva catalogue Form (first lines)\n'
"$morva" catalogue Form | head -n 12
