#!/usr/bin/env bash
# Counts the lines of C++ that carry code (not blank, not only a comment) in the tests and in the
# program, prints the tests' share of the program and the largest files.
#   tools/code-size.sh [TOP_COUNT]     (run from anywhere inside the project)
set -euo pipefail
cd "$(dirname "$0")/.."
top=${1:-15}

# Every top-level folder with C++ in it is program code, except these.
program_folders=()
for dir in */; do
  dir=${dir%/}
  case $dir in
    tests | bench | fuzz | tools | build*) continue ;;
  esac
  if find "$dir" -name '*.cpp' -o -name '*.h' | grep -q .; then
    program_folders+=("$dir")
  fi
done

# One line per file: count and path. A line counts when something other than a comment is left
# after removing // comments and /* */ blocks (string literals holding "//" are rare enough here).
count_lines() {
  find "$@" \( -name '*.cpp' -o -name '*.h' \) -type f -print0 | sort -z |
    xargs -0 awk '
      FNR == 1 { if (NR > 1) print count, previous; count = 0; in_block = 0; previous = FILENAME }
      {
        line = $0
        text = ""
        while (length(line) > 0) {
          if (in_block) {
            end = index(line, "*/")
            if (end == 0) { line = ""; break }
            line = substr(line, end + 2)
            in_block = 0
            continue
          }
          open = index(line, "/*")
          slash = index(line, "//")
          if (slash > 0 && (open == 0 || slash < open)) { text = text substr(line, 1, slash - 1); break }
          if (open > 0) { text = text substr(line, 1, open - 1); line = substr(line, open + 2); in_block = 1; continue }
          text = text line
          break
        }
        if (text ~ /[^ \t\r]/) count++
      }
      END { if (NR > 0) print count, previous }'
}

tests_list=$(count_lines tests)
program_list=$(count_lines "${program_folders[@]}")
tests_total=$(awk '{ s += $1 } END { print s + 0 }' <<<"$tests_list")
program_total=$(awk '{ s += $1 } END { print s + 0 }' <<<"$program_list")

echo "program (${program_folders[*]}): $program_total lines"
echo "tests: $tests_total lines"
awk -v t="$tests_total" -v p="$program_total" 'BEGIN { printf "tests / program: %.1f %%\n", p ? 100 * t / p : 0 }'
echo
echo "largest files:"
printf '%s\n%s\n' "$tests_list" "$program_list" | sort -rn | head -n "$top" | awk '{ printf "%7d  %s\n", $1, $2 }'
