#!/usr/bin/env bash
# Times the ROM table of a random input in every format against `xxd -i` writing its C array
# of the same input to a file, with /usr/bin/time: processor seconds (user + system) and
# wall seconds of each, best of RUNS runs.
#   bench/rom_table/compare-xxd.sh BUILD_BIN [MIB] [RUNS]
set -euo pipefail
bin=${1:?usage: compare-xxd.sh BUILD_BIN [MIB] [RUNS]}
mib=${2:-64}
runs=${3:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
head -c $((mib * 1024 * 1024)) /dev/urandom > "$work/in.bin"

best() {  # best "user+sys wall" of RUNS runs of the command
  local best_cpu='' best_wall=''
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -o "$work/time" -f '%U %S %e' "$@" > /dev/null 2>&1
    read -r cpu wall < <(awk '{ print $1 + $2, $3 }' "$work/time")
    if [ -z "$best_cpu" ] || awk "BEGIN { exit !($cpu < $best_cpu) }"; then best_cpu=$cpu; fi
    if [ -z "$best_wall" ] || awk "BEGIN { exit !($wall < $best_wall) }"; then best_wall=$wall; fi
  done
  echo "$best_cpu $best_wall"
}

read -r xxd_cpu xxd_wall < <(best sh -c "exec xxd -i '$work/in.bin' > '$work/xxd.txt'")
printf '%-14s %8s %8s %10s %10s\n' format cpu_s wall_s xxd/cpu xxd/wall
printf '%-14s %8s %8s\n' "xxd -i" "$xxd_cpu" "$xxd_wall"
for format in c vhdl c-stdint cpp verilog coe mif vhdl-package; do
  read -r cpu wall < <(best "$bin/bench_rom_table" "$work/in.bin" "$format")
  printf '%-14s %8s %8s %10.1f %10.1f\n' "$format" "$cpu" "$wall" \
    "$(awk "BEGIN { print $xxd_cpu / ($cpu > 0 ? $cpu : 0.01) }")" \
    "$(awk "BEGIN { print $xxd_wall / ($wall > 0 ? $wall : 0.01) }")"
  rm -f "$work"/in.{txt,h,hpp,mem,coe,mif,vhd}
done
