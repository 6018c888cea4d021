#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats each manual page given as lintian does (man --warnings, UTF-8) and fails on any message
# from groff: an unknown macro, a bad escape, a line that cannot be broken. An English page must
# also give man-db's index (lexgrog) a proper NAME line.
#
#   check_man.sh PAGE...
set -euo pipefail
status=0
for page in "$@"; do
  if ! messages=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
                  man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null); then
    echo "$page: man failed" >&2
    status=1
  fi
  if [ -n "$messages" ]; then
    printf '%s:\n%s\n' "$page" "$messages" >&2
    status=1
  fi
  case "$page" in
    */man/ja/*) ;;
    *) LC_ALL=C.UTF-8 lexgrog "$page" >/dev/null || { echo "$page: no whatis entry" >&2; status=1; } ;;
  esac
done
exit $status
