#!/usr/bin/env bash
# Makes build/dist/tessaly-VERSION-win64.zip: the Windows programs, the language
# reference and tessc's guide, the examples and a short README for Windows users.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/env.sh"
VERSION="$(head -1 "$ROOT/VERSION")"
NAME="tessaly-$VERSION-win64"
DIST="$BUILD/dist"
STAGE="$DIST/$NAME"
for f in runtime.exe filedlg.exe tessc.exe; do
  [ -f "$WIN_DIR/$f" ] || { tess_log "missing $WIN_DIR/$f (run ./tessaly build)"; exit 1; }
done
rm -rf "$STAGE" "$DIST/$NAME.zip"
mkdir -p "$STAGE/examples"
cp "$WIN_DIR/runtime.exe" "$WIN_DIR/filedlg.exe" "$WIN_DIR/tessc.exe" "$STAGE/"
cp "$ROOT/docs/language.md" "$ROOT/docs/tessc.md" "$STAGE/"
cp "$ROOT"/examples/*.bas "$STAGE/examples/"
# Windows text: CRLF line ends.
sed -e "s/@VERSION@/$VERSION/" -e 's/$/\r/' "$ROOT/docs/windows-readme.txt" >"$STAGE/README.txt"
(cd "$DIST" && zip -q -r -X "$NAME.zip" "$NAME")
rm -rf "$STAGE"
tess_log "wrote $DIST/$NAME.zip"
echo "$DIST/$NAME.zip"
