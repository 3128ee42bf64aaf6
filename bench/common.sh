# Helpers shared by the bench scripts (sourced, not run).

# The median of the numbers on standard input, one a line; "nan" for none.
median() {
    sort -g | awk '{v[NR] = $1} END {if (!NR) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
# printf-formats an awk expression: calc '%.2f' "1 / 3".
calc() { awk "BEGIN {printf \"$1\", $2}"; }
# CPU time of process $1 so far, utime + stime in clock ticks (getconf CLK_TCK a second).
ticks() { awk '{print $14 + $15}' /proc/"$1"/stat; }
# The screen point "X Y" of a control of the design table (see scripts/design-point.sh).
point() { "$(dirname "${BASH_SOURCE[0]}")/../scripts/design-point.sh" "$@"; }
