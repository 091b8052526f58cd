#!/usr/bin/env bash
# Runs $KV_MEMCHECK_PROGRAM with the given arguments under valgrind's
# memcheck: exit code 99 when a memory error or a definitely or possibly
# lost block is found, else the program's own.
set -u
here=$(dirname "$0")
exec valgrind --quiet --suppressions="$here/memcheck.supp" --leak-check=full \
  --errors-for-leak-kinds=definite,possible --error-exitcode=99 "$KV_MEMCHECK_PROGRAM" "$@"
