#!/bin/sh
# Writes the .def file of the test MIDI winmm.dll: every named export of the
# system's winmm.dll forwarded to TARGET (the renamed copy), except the ones the
# test DLL implements itself (listed one per line in IMPLEMENTED).
# Usage: forward_def.sh WINMM.DLL TARGET IMPLEMENTED OUT.def
set -eu
dll="$1" target="$2" implemented="$3" out="$4"
{
  echo 'LIBRARY "winmm.dll"'
  echo 'EXPORTS'
  gendef - "$dll" 2>/dev/null | sed -n '/^EXPORTS/,$p' | sed '1d; s/[ ;].*//' | grep -v -e '^ord_' -e '^$' |
    grep -vxF -f "$implemented" | sed "s/.*/& = $target.&/"
  cat "$implemented"
} >"$out.tmp"
mv "$out.tmp" "$out"
