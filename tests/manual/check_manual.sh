#!/bin/sh
# Checks the manual's two committed documents: well-formed RTF (one group from {\rtf1 to the
# last brace), each holding the whole manual in both languages, in the order of the language
# file that names it; and, where pandoc is installed, made from the current source.
#   sh tests/manual/check_manual.sh MANUAL_FOLDER SCRATCH_FOLDER
set -eu
manual=$1
scratch=$2
english="PC版Zemlar3.0使用手册(Ver2013.03.29).DOC"
chinese="PCKovrin3.0Help(Ver2013.05.23).DOC"

# Prints the document's text with its \uN escapes decoded, or fails when it is not well-formed.
text_of() {
  perl -CO -0777 -ne '
    die "does not start with {\\rtf1\n" unless /\A\{\\rtf1[\\ ]/;
    (my $bare = $_) =~ s/\\[\\{}]//g;
    my $depth = 0;
    for my $i (0 .. length($bare) - 1) {
      my $c = substr($bare, $i, 1);
      $depth++ if $c eq "{";
      $depth-- if $c eq "}";
      die "a group closes before the end\n" if $depth == 0 && $c eq "}" && substr($bare, $i + 1) =~ /\S/;
      die "more groups close than open\n" if $depth < 0;
    }
    die "$depth groups are not closed\n" if $depth != 0;
    # Each \uN is followed by one stand-in character for readers without Unicode.
    s/\\u(-?\d+) ?(?:\\'"'"'[0-9a-fA-F]{2}|[^\\{}])/chr($1 < 0 ? $1 + 65536 : $1)/ge;
    print;' "$1"
}

# The headings that open and close each language's part, in the order given.
expect_parts() {
  perl -CSDA -0777 -ne '
    my @marks = @ARGV[1 .. $#ARGV];
    @ARGV = ();
    my $at = -1;
    for my $mark (@marks) {
      my $found = index($_, $mark, $at + 1);
      die "\"$mark\" is missing or out of order\n" if $found < 0;
      $at = $found;
    }' "$1" "$@" 2>&1
}

fail=0
check() {
  doc="$manual/$1"; shift
  if ! text_of "$doc" >"$scratch/text" 2>"$scratch/error"; then
    echo "$doc is not well-formed RTF: $(cat "$scratch/error")"; fail=1; return
  fi
  problem=$(expect_parts "$scratch/text" "$@" </dev/null) || { echo "$doc: $problem"; fail=1; }
}

mkdir -p "$scratch"
en_parts="PC_Kovrin3.0 User’s Manual|Removing the program"
zh_parts="PC_Kovrin3.0 使用手册|卸载程序"
IFS='|'
# shellcheck disable=SC2086
check "$english" $en_parts $zh_parts
# shellcheck disable=SC2086
check "$chinese" $zh_parts $en_parts
unset IFS

if command -v pandoc >/dev/null; then
  rm -rf "$scratch/made" && mkdir -p "$scratch/made"
  sh "$manual/make_manual.sh" "$scratch/made"
  for doc in "$english" "$chinese"; do
    cmp -s "$manual/$doc" "$scratch/made/$doc" || { echo "$manual/$doc is not made from its source: run sh docs/manual/make_manual.sh"; fail=1; }
  done
else
  echo "pandoc is not installed: the documents are not compared with their source"
fi
[ $fail -eq 0 ] && echo "manual: $english, $chinese: well-formed, both languages in order"
exit $fail
