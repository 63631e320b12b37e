#!/usr/bin/env bash
# Reads the QR code in the pairing dialog's picture (CAPTURE.ppm) with zbarimg, as a phone's
# camera would, and checks that it holds the address the dialog showed (CAPTURE.txt); keeps a PNG
# of the dialog beside them. Skips (77) without zbarimg. Usage: read_qr.sh CAPTURE
set -euo pipefail
capture="$1"
if ! command -v zbarimg >/dev/null; then echo "QR check skipped: no zbarimg (package zbar-tools)"; exit 77; fi
command -v convert >/dev/null && convert "$capture.ppm" "$capture.png" || true
read_back="$(zbarimg --quiet --raw "$capture.ppm" 2>/dev/null)"
expected="$(cat "$capture.txt")"
if [ "$read_back" != "$expected" ]; then
  echo "the QR code says '$read_back', the dialog '$expected'"
  exit 1
fi
echo "the pairing dialog's QR code reads $read_back"
