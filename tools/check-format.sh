#!/usr/bin/env bash
# Checks that every C++ file git knows is formatted as .clang-format says.
#   tools/check-format.sh         list the files that differ; exit 1 if any
#   tools/check-format.sh --fix   format them in place
set -euo pipefail
cd "$(dirname "$0")/.."

fix=0
case "${1:-}" in
    "") ;;
    --fix) fix=1 ;;
    *) echo "usage: tools/check-format.sh [--fix]" >&2; exit 2 ;;
esac

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ $fix -eq 1 ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
differ=0
for file in "${files[@]}"; do
    if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file (tools/check-format.sh --fix)" >&2
        differ=$((differ + 1))
    fi
done
if [ $differ -gt 0 ]; then
    echo "$differ of ${#files[@]} files differ from .clang-format" >&2
    exit 1
fi
echo "all ${#files[@]} files formatted"
