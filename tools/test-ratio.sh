#!/usr/bin/env bash
# Prints the lines of test code (*.cpp *.h *.sh *.py under tests/, fuzz seeds excluded) against
# the lines of program code (*.cpp *.h under src/) and their ratio; fails above 0.35.
# Counts the files git knows plus new ones it does not ignore, so a clean clone and a working
# tree give the same answer.
set -euo pipefail
cd "$(dirname "$0")/.."
limit=0.35

lines() {  # lines FOLDER REGEX
    git ls-files -z --cached --others --exclude-standard -- "$1" |
        grep -zE "$2" | grep -zv '/seeds/' |
        while IFS= read -r -d '' f; do [ -f "$f" ] && cat -- "$f"; done | wc -l
}

tests=$(lines tests '\.(cpp|h|sh|py)$')
program=$(lines src '\.(cpp|h)$')
ratio=$(awk -v t="$tests" -v p="$program" 'BEGIN { printf "%.2f", p ? t / p : 0 }')
echo "tests: $tests lines, src: $program lines, ratio $ratio (limit $limit)"
awk -v t="$tests" -v p="$program" -v l="$limit" 'BEGIN { exit !(t <= l * p) }' || {
    echo "test-ratio: tests/ exceeds $limit x src/" >&2
    exit 1
}
