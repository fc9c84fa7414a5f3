# Shared by the GUI suites: the pass/fail count, the summary line, and pixel
# helpers over captured BMPs. Sourced after scripts/env.sh.
passed=0; failed=0; skipped=0

check() {  # name, condition-result, details (shown as UTF-8 on failure)
  if [ "$2" = 0 ]; then passed=$((passed + 1)); printf 'ok   %s\n' "$1"
  else
    failed=$((failed + 1)); printf 'FAIL %s\n' "$1"
    # Details are Shift-JIS mostly; text that is not passes through unchanged.
    { printf '%s\n' "${3:-}" | iconv -f CP932 -t UTF-8 2>/dev/null || printf '%s\n' "${3:-}"; } | head -20
  fi
}
skip() { skipped=$((skipped + 1)); printf 'skip %s: %s\n' "$1" "$2"; }

# Prints the suite's summary line and returns its status.
finish() {  # suite words
  printf '%s: %d passed, %d failed\n' "${1:-gui tests}" "$passed" "$failed"
  [ "$failed" -eq 0 ]
}

cp932() { printf '%s' "$1" | iconv -t CP932; }

# The colour of one pixel, as "srgb(R,G,B)".
pixel() { convert "$1" -format "%[pixel:p{$2}]" info: 2>/dev/null; }

# Fraction of a region's pixels that have the colour (within 10%): the matching
# pixels turn transparent, and the inverted alpha channel counts them.
share() {  # image, WxH+X+Y, colour
  convert "$1" -crop "$2" +repage -alpha off -fuzz 10% -transparent "$3" -alpha extract -negate \
    -format '%[fx:mean]' info: 2>/dev/null || echo 0
}
above() { awk -v v="$1" -v t="$2" 'BEGIN { exit !(v > t) }'; }
