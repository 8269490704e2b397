#!/usr/bin/env bash
# Form files across processes: what one formhost saves, another opens as it was (the same
# state, and saved again the same file), in design and run mode; damaged form files end
# formhost with a message naming the file, the line and the fault, and open nothing.
#   run_form_files.sh <win64-build-dir>
set -euo pipefail
# shellcheck source=wine_run.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine_run.sh" "${1:?usage: $0 <win64-build-dir>}" "form files" formhost/formhost.exe
formhost="$build/formhost/formhost.exe"
ov_register_ocx "$ocx"
export OV_WINE_TIMEOUT=60
formhost_w=$(ov_winepath "$formhost")
demo="$repo/formhost/forms/demo.frm"

# The last state printed, without its stage, the counters of messages and moves, which
# differ by run, and whether the user changed the form since it was opened (the builder
# did, the opener not). A pane key never given (Empty) loads as the key's default, "".
form_state() {
    tr -d '\r' < "$1" | grep -E '^(state|splitter|pane|child) ' |
        sed -E 's/^state [a-z]+ /state /; s/ (filtered|moves|refreshes)=[0-9]+//g; s/ changed=[01]//; s/ key=BSTR "" / key=Empty /' |
        awk '/^state /{block = ""} {block = block $0 "\n"} END {printf "%s", block}'
}

# round_trip <what> <formhost options...>: one process builds or opens a form and saves
# it, a second opens the saved file and saves it again.
round_trip() {
    local what="$1"
    shift
    rm -f "$work/saved.frm" "$work/again.frm"
    if ! ov_wine "$formhost_w" "$@" --save "$(ov_winepath "$work/saved.frm")" --close > "$work/saved.txt" ||
       ! ov_wine "$formhost_w" --open "$(ov_winepath "$work/saved.frm")" \
             --save "$(ov_winepath "$work/again.frm")" --close > "$work/opened.txt"; then
        fail "$what: formhost failed"
        return
    fi
    if ! diff -u <(form_state "$work/saved.txt") <(form_state "$work/opened.txt") >&2; then
        fail "$what: the opened form differs from the saved one"
    elif ! diff -u "$work/saved.frm" "$work/again.frm" >&2; then
        fail "$what: saved again, the form file differs"
    elif ! grep -q '^pane ' <(form_state "$work/opened.txt"); then
        fail "$what: the opened form has no panes"
    else
        echo "== $what: saved by one formhost, opened by another as it was"
    fi
}

# A form is shown fitted to its size: a last pane that Add left a pixel short of the edge
# reaches it when the form is first shown after opening. The builder resizes its form, so
# that what it saves is already fitted.
round_trip "nested splitters in design mode" --nested --design --size 640x400 --resize 660x410
round_trip "nested splitters at run time" --nested --size 640x400 --resize 700x420
round_trip "the demo's form, keys and tags of many types" --open "$(ov_winepath "$demo")"

# damaged <sed edit of the demo's form> <what stderr must say>
damaged() {
    local edit="$1" message="$2" status=0
    sed -e "$edit" "$demo" > "$work/damaged.frm"
    # wine itself, so that all of stderr is in the file when it returns
    timeout 60 wine "$formhost_w" --open "$(ov_winepath "$work/damaged.frm")" --close \
        > "$work/damaged.txt" 2> "$work/damaged.err" || status=$?
    if [ $status -ne 1 ] || ! grep -qF -- "$message" "$work/damaged.err" || grep -q '^state' "$work/damaged.txt"; then
        fail "damaged form ($edit): exit $status, expected \"$message\"; it said:"
        cat "$work/damaged.err" >&2
    else
        echo "== damaged form: $(tr -d '\r' < "$work/damaged.err")"
    fi
}

# What the file grammar and each value's text refuse is formhost's own unit test; here, that
# formhost itself ends with the message and opens nothing, also when the control refuses.
damaged 's/^Form Width 640/Form Width wide/' 'damaged.frm:5: column 12: expected the form'"'"'s width from 1 to 32767'
damaged 's/PaneMinimum1 = I4 1500/PaneMinimum1 = BSTR "wide"/' \
    '0x800A000D from OvSplitter1: IPersistPropertyBag::Load: Type mismatch'

finish
