# A real printer for the tests: cupsd with a cups-pdf queue "PDF" as the default
# printer, writing each document as a PDF into TESS_PDF_DIR. Sourced after
# scripts/env.sh. tess_start_printer is idempotent; tess_stop_printer stops only
# a cupsd that tess_start_printer started.
#
# The queue uses its own cups-pdf instance (device cups-pdf:/tessaly, settings
# in /etc/cups/cups-pdf-tessaly.conf), so the distribution's cups-pdf.conf stays
# as it is.

TESS_PDF_DIR="${TESS_PDF_DIR:-$BUILD/printer-pdf}"
TESS_PDF_CONF=/etc/cups/cups-pdf-tessaly.conf
TESS_CUPSD_PID=""

tess_as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

tess_printer_available() { command -v cupsd >/dev/null && command -v lpadmin >/dev/null && command -v pdfinfo >/dev/null; }

tess_cups_running() { LC_ALL=C lpstat -r 2>/dev/null | grep -q 'is running'; }

tess_start_printer() {
  tess_printer_available || { tess_log "no cupsd/lpadmin/pdfinfo: printer tests will skip"; return 1; }
  # cups-pdf writes as the job's user (or an anonymous one): anyone may write here.
  mkdir -p "$TESS_PDF_DIR" && chmod 1777 "$TESS_PDF_DIR"
  # Label 2 puts the job number in every file name, so documents with the same
  # title ("PrintOut") never overwrite each other.
  local conf
  conf="$(printf 'Out %s\nAnonDirName %s\nLabel 2\nGrp lpadmin\n' "$TESS_PDF_DIR" "$TESS_PDF_DIR")"
  if [ "$(cat "$TESS_PDF_CONF" 2>/dev/null)" != "$conf" ]; then
    printf '%s\n' "$conf" | tess_as_root tee "$TESS_PDF_CONF" >/dev/null
  fi
  if ! tess_cups_running; then
    tess_as_root mkdir -p /run/cups
    # Started directly (not through a function, whose subshell would take $!),
    # so that the recorded process is cupsd itself (or sudo, which passes the
    # signal on).
    if [ "$(id -u)" -eq 0 ]; then cupsd -f >"$BUILD/cupsd.log" 2>&1 &
    else sudo cupsd -f >"$BUILD/cupsd.log" 2>&1 &
    fi
    TESS_CUPSD_PID=$!
    local _
    for _ in $(seq 100); do tess_cups_running && break; sleep 0.1; done
    tess_cups_running || { tess_log "cupsd did not start (see $BUILD/cupsd.log)"; tess_stop_printer; return 1; }
  fi
  if ! lpstat -v PDF 2>/dev/null | grep -q 'cups-pdf:/tessaly'; then
    # (lpadmin warns that printer drivers are deprecated; the PPD is what cups-pdf ships.)
    tess_as_root lpadmin -p PDF -E -v cups-pdf:/tessaly -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
      { tess_log "the PDF queue could not be made"; return 1; }
  fi
  tess_printer_default
}

# The PDF queue as the system default (tests that take it away put it back).
tess_printer_default() { tess_as_root lpadmin -d PDF >/dev/null 2>&1; }

tess_stop_printer() {
  if [ -n "$TESS_CUPSD_PID" ]; then
    tess_as_root kill "$TESS_CUPSD_PID" 2>/dev/null
    local _
    for _ in $(seq 50); do kill -0 "$TESS_CUPSD_PID" 2>/dev/null || break; sleep 0.1; done
    TESS_CUPSD_PID=""
  fi
  return 0
}
