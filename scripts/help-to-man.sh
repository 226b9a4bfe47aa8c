#!/usr/bin/env bash
# Writes the manual page of a command-line tool, in roff, from the help texts the tool prints, so
# that page and help cannot say different things:
#   help-to-man.sh <tool> <source> <date> [<see also>...]  > tool.1
# <source> names the package and version in the page's footer ("orbmini-editor 1.0.2"), <see also>
# other pages as "name(section)".
# "<tool> help" is the overview: its first line "name: summary", then paragraphs. A paragraph that
# starts with "Usage:" lists the commands, one line each ("  name command ARGS  what it does");
# "Exit status:" and "Examples:" paragraphs become sections of their own; the others describe the
# tool. Each command but "help" explains itself in "<tool> help <command>", whose first line is
# "Usage: name command ARGS". Indented lines are items: "  1. text", "  term  description", and
# lines indented deeper continue the item above.
set -euo pipefail

tool=$1 source=$2 date=$3
shift 3
overview=$("$tool" help)
name=${overview%%:*}

# Renders one part of a help text (standard input) as roff.
#   part=name|synopsis|description|exit|examples|command-list|usage-of:<command>|command-body
render() {
    awk -v part="$1" '
    # Roff-safe text: backslashes, option dashes as minus signs, no leading control characters.
    function esc(s,    out, i, c, prev) {
        out = ""; prev = " "
        for (i = 1; i <= length(s); ++i) {
            c = substr(s, i, 1)
            if (c == "\\") out = out "\\e"
            else if (c == "-" && (prev == " " || prev == "-" || prev == "(" || prev == "[" || prev == "\"")) out = out "\\-"
            else out = out c
            prev = c
        }
        if (out ~ /^[.\047]/) out = "\\&" out
        return out
    }
    # A command line: its words in bold, the arguments it stands for (capitals) in italics.
    function usage(s,    n, w, i, out) {
        n = split(s, w, " ")
        out = ""
        for (i = 1; i <= n; ++i)
            out = out (i > 1 ? " " : "") (w[i] ~ /[A-Z]/ ? "\\fI" esc(w[i]) "\\fR" : "\\fB" esc(w[i]) "\\fR")
        return out
    }
    function indent(s) { match(s, /^ */); return RLENGTH }
    # Lines of one paragraph as running text and items; "first" paragraphs need no break before.
    # Inside a command (nested) items are indented further than its text.
    function body(text, first,    n, l, i, line, inList, itemIndent) {
        n = split(text, l, "\n")
        inList = 0
        if (!first) print (nested ? ".IP" : ".PP")
        for (i = 1; i <= n; ++i) {
            line = l[i]
            if (indent(line) == 0) {
                # Text after a list goes on at the margin of its paragraph.
                if (inList) { print (nested ? ".RE\n.IP" : ".PP"); inList = 0 }
                print esc(line)
                continue
            }
            if (inList && indent(line) > itemIndent) { sub(/^ +/, "", line); print esc(line); continue }
            if (!inList && nested) print ".RS"
            inList = 1
            itemIndent = indent(line)
            sub(/^ +/, "", line)
            if (match(line, /^([0-9]+\.|[-*]) /)) {
                print ".IP \"" substr(line, 1, RLENGTH - 1) "\" 4"
                print esc(substr(line, RLENGTH + 1))
            } else if (match(line, /  +/)) {
                print ".TP"
                print "\\fB" esc(substr(line, 1, RSTART - 1)) "\\fR"
                print esc(substr(line, RSTART + RLENGTH))
            } else {
                print ".TP"
                print "\\fB" esc(line) "\\fR"
            }
        }
        if (inList && nested) print ".RE"
    }
    function usageLines(p,    n, l, i, line, parts) {
        n = split(p, l, "\n")
        for (i = 2; i <= n; ++i) {
            line = l[i]; sub(/^ +/, "", line)
            split(line, parts, /  +/)
            usageLine[i - 1] = parts[1]
            usageText[i - 1] = substr(line, length(parts[1]) + 1); sub(/^ +/, "", usageText[i - 1])
        }
        return n - 1
    }
    BEGIN { RS = ""; nested = (part == "command-body") }
    NR == 1 && part == "name" {
        split($0, l, "\n"); sub(/^[^:]*: */, "", l[1]); print esc(l[1]); exit
    }
    part == "command-body" {
        if (NR == 1) {
            # The usage line is the tag; what follows it on its line and paragraph is body text.
            n = split($0, l, "\n")
            rest = l[1]; sub(/^Usage: */, "", rest)
            if (match(rest, /  +/)) { print usage(substr(rest, 1, RSTART - 1)); rest = substr(rest, RSTART + RLENGTH) }
            else { print usage(rest); rest = "" }
            for (i = 2; i <= n; ++i) rest = rest (rest == "" ? "" : "\n") l[i]
            if (rest != "") { body(rest, 1); started = 1 }
        } else {
            body($0, !started); started = 1
        }
        next
    }
    NR == 1 { next }
    /^Usage:/ {
        count = usageLines($0)
        for (i = 1; i <= count; ++i) {
            split(usageLine[i], w, " ")
            if (part == "synopsis") { print usage(usageLine[i]); print ".br" }
            if (part == "command-list") print w[2]
            if (part == "usage-of:" w[2]) { print usage(usageLine[i]); print esc(usageText[i]) }
        }
        next
    }
    /^Exit status:/ { if (part == "exit") { sub(/^Exit status: */, ""); body($0, 1) } next }
    /^Examples:/ { if (part == "examples") { sub(/^Examples:\n/, ""); body($0, 1) } next }
    part == "description" { body($0, !described); described = 1 }
    '
}

heading=$(tr '[:lower:]' '[:upper:]' <<<"$name")
echo ".\\\" Generated from the output of \"$name help\" by scripts/help-to-man.sh: do not edit."
echo ".TH $heading 1 \"$date\" \"$source\" \"User Commands\""
echo ".SH NAME"
echo "$name \\- $(render name <<<"$overview")"
echo ".SH SYNOPSIS"
render synopsis <<<"$overview"
echo ".SH DESCRIPTION"
render description <<<"$overview"
echo ".SH COMMANDS"
for command in $(render command-list <<<"$overview"); do
    echo ".TP"
    if [ "$command" = help ]; then
        render "usage-of:$command" <<<"$overview"
    else
        "$tool" help "$command" | render command-body
    fi
done
echo ".SH EXIT STATUS"
render exit <<<"$overview"
if grep -q '^Examples:' <<<"$overview"; then
    echo ".SH EXAMPLES"
    render examples <<<"$overview"
fi
if [ $# -gt 0 ]; then
    echo ".SH SEE ALSO"
    see_also=""
    for page in "$@"; do see_also+="${see_also:+, }\\fB${page%(*}\\fR(${page#*(}"; done
    echo "$see_also"
fi
