#!/usr/bin/env bash
# The samples run as a user would run them: the scripts under Wine's cscript, the designer
# module's code through Wine's VBScript parser where the languages overlap (the declared
# types taken out), the form file in formhost, and the ATL host program with its events.
#   run_samples.sh <win64-build-dir>
set -euo pipefail

# shellcheck source=wine_run.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine_run.sh" "${1:?usage: $0 <win64-build-dir>}" samples \
    formhost/formhost.exe samples/atl_host/ov_atl_host.exe
samples="$repo/samples"
ov_register_ocx "$ocx"
# expect <what> <output file> <text>...: every text is a line of the output.
expect() {
    local what="$1" output="$2" text
    shift 2
    for text in "$@"; do
        if ! tr -d '\r' < "$output" | grep -qxF -- "$text"; then
            echo "$what: no line \"$text\" in:" >&2
            cat "$output" >&2
            failed=1
            return
        fi
    done
    echo "== $what"
}

for script in layout.vbs layout.js; do
    ov_wine cscript //nologo "$(ov_winepath "$samples/script/$script")" > "$work/$script.txt" 2>&1 || true
    expect "cscript $script" "$work/$script.txt" \
        "Maximum below Minimum: 8004041B Maximum must be greater than or equal to Minimum." \
        "Restored: the list is 1110 twips wide again" "1 Folders (tree): 2310 twips" "Done."
done

# The form module's code: after its last Attribute line, without "As <type>".
sed -n '/^Attribute VB_/,$p' "$samples/designer/frmExplorer.frm" | grep -v '^Attribute VB_' |
    sed -E 's/ As [A-Za-z_][A-Za-z0-9_.]*//g' > "$work/module.vbs"
echo 'WScript.Echo "parsed"' >> "$work/module.vbs"
ov_wine cscript //nologo "$(ov_winepath "$work/module.vbs")" > "$work/module.txt" 2>&1 || true
expect "the designer module parses as VBScript" "$work/module.txt" "parsed"

ov_wine "$(ov_winepath "$build/formhost/formhost.exe")" --open "$(ov_winepath "$samples/forms/explorer.frm")" \
    --close > "$work/form.txt" 2>&1 || true
tr -d '\r' < "$work/form.txt" | grep -E '^(splitter|pane|child) ' | sed -E 's/ (filtered|moves|refreshes)=[0-9]+//g' \
    > "$work/form-state.txt"
expect "formhost opens the explorer form" "$work/form-state.txt" \
    'pane 1 left=30 top=30 width=2940 height=6900 control=folders name="Folders" key=BSTR "" tag=Empty' \
    'child preview kind=edit container=Right rect=2,205,493,253'

bash "$repo/tools/wine-x11-run.sh" "$build" "$build/samples/atl_host/ov_atl_host.exe" --demo > "$work/atl.txt" 2>&1 || true
expect "the ATL host hears the control's events" "$work/atl.txt" "PaneCollapsedChanged(Folders)" "Folders: 4410 twips"

finish
