#!/bin/sh
# Prepares, or removes, a program folder that the program may not write, as one under Program
# Files is for a user without administrator rights: its permission bits forbid writing, and for
# root, whom they do not stop, so does the immutable flag.
#
#   unwritable_folder.sh setup   DIR PROGRAM   DIR holds a copy of PROGRAM and nothing can be added
#   unwritable_folder.sh cleanup DIR           DIR is gone
set -eu
command=$1 dir=$2

release() {
  [ -d "$dir" ] || return 0
  chattr -i "$dir" 2>/dev/null || true
  chmod u+w "$dir"
  rm -rf "$dir"
}

writable() {
  if touch "$dir/.probe" 2>/dev/null; then rm -f "$dir/.probe"; return 0; fi
  return 1
}

case $command in
setup)
  release
  mkdir -p "$dir"
  cp "$3" "$dir/"
  chmod a-w "$dir"
  if writable; then chattr +i "$dir" 2>/dev/null || true; fi
  if writable; then echo "unwritable_folder.sh: cannot make $dir unwritable" >&2; exit 1; fi
  ;;
cleanup)
  release
  ;;
*)
  echo "unwritable_folder.sh: unknown command $command" >&2
  exit 2
  ;;
esac
