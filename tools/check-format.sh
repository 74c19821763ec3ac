#!/usr/bin/env bash
# Fails when a C++ file of the program, its tests, benchmarks, fuzz targets or tools is not
# formatted as .clang-format says (clang-format 14, as Debian 12 ships it).
#   bash tools/check-format.sh          check
#   bash tools/check-format.sh --fix    reformat in place
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${CLANG_FORMAT:-clang-format}
mapfile -t files < <(find src tests bench fuzz tools -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
if [ "${1:-}" = --fix ]; then
  exec "$clang_format" -i "${files[@]}"
fi
"$clang_format" --dry-run -Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format says"
