#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program without a display: --run over files on disk (saved,
# failed, dry run, refused), --check of macros, --help, --version and a
# wrong option, and every command-line example of the README and the man
# page.
set -uo pipefail
program=$(realpath "$1")
sources=$(realpath "$(dirname "$0")/../..")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
cd "$home"
failures=0
check() {   # check WHAT EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}

# Two files changed by a three-line macro; each keeps its own line breaks.
printf 'Hello world\r\nYear 2025\r\n' > a.txt
printf '<p>2025</p>\n' > b.html
printf 'replaceall 2025 2026\r\nstartsel 0\r\ninsert Top\\n\r\n' > year.macro
out=$("$program" --run year.macro a.txt b.html 2> err.txt); code=$?
check "run: summary" $'a.txt: changed\nb.html: changed' "$out"
check "run: exit code" 0 "$code"
check "run: a.txt" "$(printf 'Top\r\nHello world\r\nYear 2026\r\n.')" "$(cat a.txt; echo .)"
check "run: b.html" "$(printf 'Top\n<p>2026</p>\n.')" "$(cat b.html; echo .)"
check "run: messages name file and line" "a.txt:1: Information: 1 occurrence(s) replaced." "$(head -n 1 err.txt)"

# A failing line: reported with its number, the file left as it was.
cp a.txt kept.txt
printf 'replaceall 2026 2027\r\nsize big\r\n' > bad.macro
out=$("$program" --run bad.macro a.txt 2>/dev/null); code=$?
check "failing line" "a.txt: error in line 2: \"size\" needs a whole number, not \"big\"" "$out"
check "failing line: exit code" 1 "$code"
cmp -s a.txt kept.txt || { echo "FAIL failing line: a.txt was written"; failures=$((failures + 1)); }

# A dry run prints a diff against the file on disk and writes nothing.
printf 'replaceall Top Head\r\nSaveFile\r\n' > head.macro
out=$("$program" --run head.macro --dry-run a.txt 2>/dev/null); code=$?
check "dry run: exit code" 0 "$code"
check "dry run: diff" $'--- a.txt\n+++ a.txt\n@@ -1,3 +1,3 @@\n-Top\r\n+Head\r\n Hello world\r\n Year 2026\r\na.txt: changed' "$out"
cmp -s a.txt kept.txt || { echo "FAIL dry run: a.txt was written"; failures=$((failures + 1)); }

# A macro that would delete the file is refused, the file stays.
printf 'insert x\r\nDeleteFile\r\n' > delete.macro
out=$("$program" --run delete.macro a.txt 2>/dev/null); code=$?
check "deletefile: exit code" 1 "$code"
case $out in "a.txt: error in line 2: "*) ;; *) echo "FAIL deletefile: $out"; failures=$((failures + 1));; esac
cmp -s a.txt kept.txt || { echo "FAIL deletefile: a.txt was touched"; failures=$((failures + 1)); }

# A pipe as the marker file beside a document is not read: the run ends
# (a hang runs into the timeout), tells why and changes the document.
printf 'Year 2025\r\n' > c.txt
mkfifo c.txt.lm
out=$(timeout 30 "$program" --run year.macro c.txt 2> err.txt); code=$?
check "pipe beside: exit code" 0 "$code"
check "pipe beside: summary" "c.txt: changed" "$out"
check "pipe beside: reason" "c.txt: Error: Line Markers could not be restored. $home/c.txt.lm: not a regular file" \
  "$(head -n 1 err.txt)"
check "pipe beside: c.txt" "$(printf 'Top\r\nYear 2026\r\n.')" "$(cat c.txt; echo .)"

# --check of a recorded macro (its lines all run), of one edited by hand
# with faults, and of a clean one.
printf 'Insert Dear\\sreader\r\nUnderline On\r\nMoveLeft 2\r\nDelete\r\nReplace a\\sb with c\r\n' > recorded.macro
out=$("$program" --check recorded.macro); code=$?
check "check recorded: exit code and lines" "0:" "$code:$out"
printf 'Insert Dear\\sreader\r\nsize big\r\nMoveLeft 2\r\nFrobnicate\r\n' > edited.macro
out=$("$program" --check edited.macro); code=$?
check "check: exit code" 1 "$code"
check "check: lines" "edited.macro:2: error edited.macro:4: error" \
  "$(printf '%s\n' "$out" | cut -d: -f1-3 | tr '\n' ' ' | sed 's/ $//')"
out=$("$program" --check year.macro); code=$?
check "clean check" "0:" "$code:$out"

check "version" "Mirel-Edit 1.5.4" "$("$program" --version)"
"$program" --help | grep -q -- '--run MACRO' || { echo "FAIL help"; failures=$((failures + 1)); }
"$program" --frobnicate 2> err.txt; code=$?
check "unknown option: exit code" 2 "$code"
check "unknown option: message and hint" 2 "$(wc -l < err.txt)"

# A file named like an option is no option's value: "--dry-run" still
# means a dry run, the file is named as "./--dry-run".
printf 'Year 2025\n' > ./--dry-run
printf 'Year 2025\n' > y.txt
printf 'replaceall 2025 2026\r\n' > only.macro
out=$("$program" --run only.macro --dry-run y.txt ./--dry-run 2>/dev/null); code=$?
check "file named --dry-run: exit code" 0 "$code"
check "file named --dry-run: summary" "y.txt: changed ./--dry-run: changed" \
  "$(printf '%s\n' "$out" | grep -E '^[^-+@ ]' | tr '\n' ' ' | sed 's/ $//')"
check "file named --dry-run: nothing written" "Year 2025 Year 2025" "$(cat y.txt ./--dry-run | tr '\n' ' ' | sed 's/ $//')"
rm ./--dry-run

# Lines a run refuses are errors of --check as well.
printf 'insert x\r\nprint\r\nopenfile\r\nexit\r\n' > dialog.macro
out=$("$program" --check dialog.macro); code=$?
check "check of refused lines: exit code" 1 "$code"
check "check of refused lines" "dialog.macro:2: error dialog.macro:3: error dialog.macro:4: error" \
  "$(printf '%s\n' "$out" | cut -d: -f1-3 | tr '\n' ' ' | sed 's/ $//')"

# A name with a line break cannot forge a line of the report.
printf 'x\n' > "$(printf 'a\nb.txt: changed')"
out=$("$program" --run year.macro "$(printf 'a\nb.txt: changed')" 2>/dev/null); code=$?
check "quoted name" '"a\nb.txt: changed": changed' "$out"

# A write that stops partway gives the system's reason.
printf 'Top\r\n' > big.txt; head -c 3000 /dev/zero | tr '\0' 'x' >> big.txt
out=$( (ulimit -f 2; "$program" --run head.macro big.txt) 2>/dev/null); code=$?
check "short write" "1:big.txt: error: File could not be saved. $home/big.txt: File too large" "$code:$out"

# A macro too large to be one is refused unread; one that does not fit in
# the memory there is is a macro that cannot be read, not a crash.
truncate -s 65M huge.macro
out=$("$program" --check huge.macro 2>&1); code=$?
check "huge macro" "2:huge.macro: Macro cannot be read: it is larger than 64 MB" "$code:$out"
truncate -s 60M large.macro
# (Only where the program starts at all under the limit: not under a sanitizer.)
if (ulimit -v 200000; "$program" --version) > /dev/null 2>&1; then
  out=$( (ulimit -v 200000; "$program" --check large.macro) 2>&1); code=$?
  check "macro beyond memory" "2:large.macro: Macro cannot be read: there is not enough memory to hold it" "$code:$out"
fi
rm -f huge.macro large.macro

# Every example of the README ("    $ vellumpad ...") and of the man page
# (".B vellumpad ..." under EXAMPLES), run as written on sample files in a
# folder of its own. An example of a kind not known here fails.
examples=$( {
  sed -n 's/^    \$ \(vellumpad [^#]*\).*/\1/p' "$sources/README.md"
  sed -n '/^\.SH EXAMPLES/,/^\.SH /s/^\.B \(vellumpad .*\)/\1/p' "$sources/packaging/vellumpad.1.in" | sed 's/\\-/-/g'
} | sed 's/ *$//')
check "examples found" 6 "$(printf '%s\n' "$examples" | wc -l)"
vellumpad() { "$program" "$@"; }
while IFS= read -r example; do
  folder=$(mktemp -d "$home/example.XXXXXX")
  (
    cd "$folder" || exit 1
    printf '<html><body>\n<p>Index</p>\n</body></html>\n' > index.html
    printf '<p>Notes, no end tag</p>\n' > notes.html
    printf 'notes\n' > notes.txt
    printf 'replaceall </body> <p>Footer</p></body>\r\n' > footer.macro
    cp index.html index.before
    out=$(eval "$example" 2>/dev/null); code=$?
    fail() { printf 'FAIL example "%s": %s\n  output: %q\n' "$example" "$1" "$out"; exit 1; }
    case $example in
      "vellumpad --check "*)
        [ "$code:$out" = "0:" ] || fail "expected a clean check" ;;
      *--run*--dry-run*|*--dry-run*--run*)
        [ "$code" = 0 ] || fail "exit code $code"
        printf '%s\n' "$out" | grep -qx '+<p>Footer</p></body></html>' || fail "no diff"
        printf '%s\n' "$out" | grep -qx 'notes.html: unchanged' || fail "no line for notes.html"
        cmp -s index.html index.before || fail "a dry run wrote index.html" ;;
      "vellumpad --run "*)
        [ "$code" = 0 ] || fail "exit code $code"
        [ "$out" = $'index.html: changed\nnotes.html: unchanged' ] || fail "summary"
        grep -qx '<p>Footer</p></body></html>' index.html || fail "index.html was not changed" ;;
      "vellumpad notes.txt")
        ;;   # opens the window: the tests under xvfb/ start it so
      *)
        fail "an example of a kind this test does not know" ;;
    esac
  ) || failures=$((failures + 1))
done <<< "$examples"

[ "$failures" -eq 0 ] && echo "all passed"
exit $((failures > 0))
