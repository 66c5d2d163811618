#!/usr/bin/env bash
# Formats the C++ sources with clang-format-14 and the repository's
# .clang-format, or checks that they are formatted.
#
#   tools/format_code.sh           format every C++ file in place (./do format)
#   tools/format_code.sh --check   list the files that are not formatted and
#                                  exit 1 if there are any (a test of ./do test)
#
# The files are the C++ sources git knows of, committed or not (ignored ones
# left out), or every one outside the build folders where there is no git.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# One version only: another clang-format lays some lines out differently.
formatter=clang-format-14

check=false
case "${1:-}" in
--check) check=true ;;
"") ;;
*)
    sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac

if ! command -v "$formatter" >/dev/null; then
    echo "$formatter is missing: install it with  apt-get install $formatter  (./do does)" >&2
    exit 1
fi

cd "$root"
files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    while IFS= read -r -d '' f; do
        [ -f "$f" ] && files+=("$f")
    done < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')
else
    while IFS= read -r -d '' f; do
        files+=("${f#./}")
    done < <(find . \( -path './build*' -o -path './.git' \) -prune -o \
        \( -name '*.cpp' -o -name '*.h' \) -type f -print0 | sort -z)
fi

if ! $check; then
    "$formatter" -i --style=file "${files[@]}"
    echo "Formatted ${#files[@]} C++ files with $formatter."
    exit 0
fi

# One clang-format run for all files: --dry-run reports each line it would
# change as "FILE:LINE:COLUMN: warning: ...", and the files named there are off.
# A file it cannot read or a broken .clang-format fails the check outright.
if ! report="$("$formatter" --style=file --dry-run "${files[@]}" 2>&1)"; then
    printf '%s\n' "$report" | head -n 20 >&2
    echo "$formatter failed: the files could not be checked." >&2
    exit 1
fi
off=()
while IFS= read -r f; do
    off+=("$f")
done < <(printf '%s\n' "$report" |
    sed -n 's/^\(.*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' |
    sort -u)
if [ ${#off[@]} -eq 0 ]; then
    echo "All ${#files[@]} C++ files are formatted ($formatter, .clang-format)."
    exit 0
fi
echo "${#off[@]} of ${#files[@]} C++ files are not formatted as .clang-format says:"
printf '  %s\n' "${off[@]}"
echo "First differences (- as it stands, + as formatted):"
for f in "${off[@]:0:3}"; do
    "$formatter" --style=file "$f" | diff -u --label "$f" --label "$f (formatted)" "$f" - |
        head -n 30 || true
done
echo "Fix: ./do format  (formats every file), or  $formatter -i FILE"
exit 1
