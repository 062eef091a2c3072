#!/usr/bin/env bash
# Times hex2bin against objcopy on the same 16 MiB Intel HEX file, side by side.
# Usage: bench/hex2bin/compare_objcopy.sh [build folder]   (default: build)
set -euo pipefail

build=${1:-build}
program=$(realpath "$build/bin/hex2bin")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

head -c 16777216 /dev/urandom > "$work/image.raw"
objcopy -I binary -O ihex --change-addresses 0x08000000 "$work/image.raw" "$work/image.hex"

"$program" -o "$work/ours.bin" "$work/image.hex"
objcopy -I ihex -O binary "$work/image.hex" "$work/objcopy.bin"
cmp "$work/ours.bin" "$work/objcopy.bin"
cmp "$work/ours.bin" "$work/image.raw"
echo "Outputs identical."

if command -v hyperfine > /dev/null; then
  hyperfine --warmup 2 --runs 20 \
    "'$program' -o '$work/ours.bin' '$work/image.hex'" \
    "objcopy -I ihex -O binary '$work/image.hex' '$work/objcopy.bin'"
else
  for i in 1 2 3; do
    /usr/bin/time -f "hex2bin: %e s elapsed, %U s user, %S s system" \
      "$program" -o "$work/ours.bin" "$work/image.hex"
    /usr/bin/time -f "objcopy: %e s elapsed, %U s user, %S s system" \
      objcopy -I ihex -O binary "$work/image.hex" "$work/objcopy.bin"
  done
fi
