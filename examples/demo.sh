#!/usr/bin/env bash
# The main job on its embedded default: a new project made by the morva tool in a temporary
# folder (removed afterwards), a second form with a few controls and a handler placed by the
# designer's operations, then what the files hold and what the designer reads back from them.
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
printf '\n== a second form with controls and a handler\n'
"$morva" new-form sample.dsp --class COrderForm
"$morva" add-control sample.dsp --form COrderForm --type Frame --rect 8,8,200,120
"$morva" add-control sample.dsp --form COrderForm --type TextBox --rect 16,24,180,48 --in m_Frame1
"$morva" add-control sample.dsp --form COrderForm --type Button --rect 210,8,290,36
"$morva" set-property sample.dsp --form COrderForm --object m_Button1 --name Caption --value "&Order"
"$morva" add-handler sample.dsp --form COrderForm --object m_Button1 --event Click

printf '\n== orderform.h, the generated declarations\n'
tr -d '\r' < orderform.h | sed -n '/AFX_TFX_CTRL_DECLR_START/,/AFX_TFX_CTRL_DECLR_END/p'
printf '\n== orderform.cpp, the creation lines\n'
tr -d '\r' < orderform.cpp | sed -n '/AFX_TFX_CTRL_IMPL_START/,/AFX_TFX_CTRL_IMPL_END/p'

printf '\n== morva inspect sample.dsp: the forms as the designer reads them back\n'
"$morva" inspect sample.dsp | sed -n '/^form /,/^menus/p' | grep -v '^    ' | grep -v '^menus'
