#!/usr/bin/env bash
# program-libraries-test.sh PROGRAM
# The program must not need Qt Network, directly or through another library:
# it and what it drags in (Kerberos, proxy lookup, compression) would be
# mapped into every run, also when only local files play. What goes over the
# network lives in "sorvi-net.so", loaded at first use.
set -uo pipefail
program=$1
fail=0
if readelf -d "$program" | grep NEEDED | grep -q 'libQt6Network'; then
  echo "FAIL: $program names libQt6Network as needed" >&2
  fail=1
fi
if ldd "$program" | grep -q 'libQt6Network'; then
  echo "FAIL: a library of $program needs libQt6Network:" >&2
  ldd "$program" | grep 'libQt6Network' >&2
  fail=1
fi
[ $fail -eq 0 ] && echo "program-libraries: 1 passed, 0 failed" || echo "program-libraries: 0 passed, 1 failed"
exit $fail
