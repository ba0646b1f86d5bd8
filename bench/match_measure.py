#!/usr/bin/env python3
"""Recall and precision of a Template Usage Report against clang's own view.

usage: match_measure.py [--views DIR] [--label NAME] [--project NAME]
                        [--examples N] [--no-header] REPORT_DIR [REPORT_DIR...]

Reads the class and function template documents of each REPORT_DIR and the
NAME.view files that `kxdf.scan --clang-view` wrote (in --views DIR, by
default the first REPORT_DIR), and prints for each category how many items
clang's view holds (truth), how many the report shows (report), and recall
(truth items the report shows) and precision (report items that are true).
With several report folders their figures stand side by side.

What one item is (every path absolute and resolved, every line the line of
the entity's name, as the record files count lines):
  class templates      a primary class template definition in a recorded
                       file: (template, file, line)
  specialisations      a partial or explicit class template specialisation
                       defined in a recorded file: (template, partial or
                       explicit, file, line)
  instance variables   a variable or data member, outside templates and
                       their instantiations, whose type is a specialisation
                       of a template of the two categories above:
                       (template, file, line)
  instantiated members a member function of a class template specialisation
                       that some unit instantiated (of an explicit
                       specialisation: that is defined), at the declaration
                       it comes from: (template, primary, partial or
                       explicit, file, line)
  function templates   a function template definition in a recorded file,
                       member templates included, generic lambdas not:
                       (file, line)
  function/unit pairs  a function template of the category above and a unit
                       that instantiated one of its specialisations:
                       (file, line, unit's main file)
Items that are equal by these keys are one item (two variables declared on
one line, a header seen by several units).

How the report is read: in the class document an h3 heading names the
template of everything up to the next h3; h4 and h5 headings say the
category of the fragments after them ("Member(s) That Are Instantiated":
members, of a partial or explicit specialisation when the heading says so;
"Specialization": specialisations; "Instantiation" or "Specialization Instance(s)": instance variables); a
file link names the file of the fragments after it.  In the function
document every fragment is an overload; the files listed after an
"Instantiated In File(s)" heading are its units, and they belong to the
overloads shown since the previous such list (or since the h3 heading).

How they are compared: template names are compared as spelled without
template argument lists, without blanks, with an unnamed namespace written
one way; a fragment shows an item when its file is the item's file and the
item's line lies between the fragment's first and last line.  Within one
template, category and file the fragments, shortest first, each take the
first item not yet taken whose line they cover, so one fragment shows at
most one item and one item is shown at most once, and a fragment that starts
too early does not take its neighbour's item; equal fragments count once.  A report item is a hit when it took an item; a
function/unit pair of the report is a hit when its overload took a
function template and clang's view has that pair.
"""

import argparse
import os
import re
import sys
import xml.etree.ElementTree as ET

NS = "{urn:halcyra:kxdf:report:1.0}"
CLASS_DOC = "template_usage_class_templates.kxdf.xml"
FUNCTION_DOC = "template_usage_function_templates.kxdf.xml"
CATEGORIES = [
    ("class", "class templates"),
    ("specialisation", "specialisations"),
    ("instance", "instance variables"),
    ("member", "instantiated members"),
    ("function", "function templates"),
    ("pair", "function/unit pairs"),
]
FRAGMENT_LINE = re.compile(r"^\s*(\d+): ?")
VIEW_AT = re.compile(r'^(.*) "(.*)" (\d+)$')


def real(path):
    """The path made absolute with links resolved, so both sides agree."""
    return os.path.realpath(path)


def template_name(name):
    """A template's name without argument lists or blanks, its unnamed
    namespaces written as @UN: comparable between view and report."""
    out, angle, paren = [], 0, 0
    for c in name.replace("unnamed namespace", "@UN"):
        if c in "([":
            paren += 1
        elif c in ")]":
            paren -= 1
        if paren == 0 and c == "<":
            angle += 1
        elif paren == 0 and c == ">" and angle > 0:
            angle -= 1
        elif angle == 0 and not c.isspace():
            out.append(c)
    text = "".join(out)
    text = re.sub(r"\([^()]*\)$", "", text) if not text.endswith("@") else text
    return re.sub(r"@UN\d+", "@UN", text)


class Truth:
    """The items of clang's view, per category: key -> description."""

    def __init__(self):
        self.items = {cat: {} for cat, _ in CATEGORIES}

    def read_dir(self, folder):
        try:
            names = sorted(n for n in os.listdir(folder) if n.endswith(".view"))
        except OSError as error:
            raise SystemExit("match_measure: cannot read %s: %s" % (folder, error.strerror))
        if not names:
            raise SystemExit("match_measure: no .view file in " + folder)
        lines = []
        for name in names:
            try:
                with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as f:
                    lines.append(f.read().splitlines())
            except OSError as error:
                raise SystemExit("match_measure: cannot read %s: %s" % (name, error.strerror))
        for view in lines:
            self._templates(view)
        for view in lines:
            self._uses(view)

    def _templates(self, view):
        for line in view:
            parts = line.split(" ", 2)
            at = VIEW_AT.match(line)
            if parts[0] != "template" or len(parts) < 3 or not at:
                continue
            kind, name = parts[1], at.group(1).split(" ", 2)[2]
            where = (real(at.group(2)), int(at.group(3)))
            if kind == "class":
                self.items["class"][(template_name(name),) + where] = name
            elif kind in ("partial", "explicit"):
                self.items["specialisation"][(template_name(name), kind) + where] = name
            elif kind == "function":
                self.items["function"][where] = name

    def _uses(self, view):
        known = {key[0] for key in self.items["class"]} | {key[0] for key in self.items["specialisation"]}
        unit = next((line[6:-1] for line in view if line.startswith('unit "')), None)
        for line in view:
            at = VIEW_AT.match(line)
            if not at:
                continue
            fields = at.group(1).split(" ")
            where = (real(at.group(2)), int(at.group(3)))
            if fields[0] == "instance" and len(fields) == 4 and template_name(fields[2]) in known:
                self.items["instance"][(template_name(fields[2]),) + where] = fields[3]
            elif fields[0] == "member" and len(fields) == 4:
                self.items["member"][(template_name(fields[2]), fields[1]) + where] = fields[3]
            elif fields[0] == "use" and len(fields) == 3 and unit and where in self.items["function"]:
                self.items["pair"][where + (real(unit),)] = fields[2]


class Fragment:
    """One framed code fragment of the report and where it stands."""

    def __init__(self, group, path, text):
        self.group = group  # (category, template, kind...) it is listed under
        self.path = path
        self.text = text
        numbers = [int(m.group(1)) for m in map(FRAGMENT_LINE.match, text.splitlines()) if m]
        self.first = min(numbers) if numbers else 0
        self.last = max(numbers) if numbers else -1
        self.took = None  # the truth key it shows, once matched
        self.units = set()

    def key(self):
        return self.group + (self.path, self.first, self.last)


def heading_group(text, template):
    """The (category, template, kind) of the fragments after an h4/h5."""
    if text.endswith("Member(s) That Are Instantiated"):
        kind = "partial" if "Partial Class Template Member" in text else (
            "explicit" if "Explicit Class Template Member" in text else "primary")
        return ("member", template, kind)
    if text.endswith("Specialization Instance(s)") or "Instantiation" in text:
        return ("instance", template)
    if "Partial Class Template Specialization" in text:
        return ("specialisation", template, "partial")
    if "Explicit Class Template Specialization" in text:
        return ("specialisation", template, "explicit")
    return None


def elements(path):
    try:
        return list(ET.parse(path).getroot())
    except (OSError, ET.ParseError) as error:
        raise SystemExit("match_measure: cannot read %s: %s" % (path, error))


def fragment_text(element):
    verbatim = element.find(".//" + NS + "verbatim")
    return verbatim.text or "" if verbatim is not None else ""


def read_classes(path, unknown):
    fragments, group, template, file = [], None, "", ""
    for e in elements(path):
        tag, text = e.tag[len(NS):], (e.text or "").strip()
        if tag == "h3":
            template = template_name(text.rsplit(" Primary Class Template", 1)[0])
            group, file = ("class", template), ""
        elif tag in ("h4", "h5"):
            group = heading_group(text, template)
            if group is None:
                unknown.append(text)
        elif tag == "filelink":
            file = real(text)
        elif tag == "table" and group is not None:
            fragments.append(Fragment(group, file, fragment_text(e)))
    return fragments


def read_functions(path):
    """Overload fragments; each gets the units of the list that follows it."""
    fragments, pending, file, in_units = [], [], "", False

    def close():
        pending.clear()

    items = [e for e in elements(path) if e.tag != NS + "eoln"]
    for i, e in enumerate(items):
        tag, text = e.tag[len(NS):], (e.text or "").strip()
        # A link right before a fragment names the fragment's file, also
        # when it follows a list of units (one list per overload).
        names_fragment = i + 1 < len(items) and items[i + 1].tag == NS + "table"
        if tag == "h3":
            close()
            in_units, file = False, ""
        elif tag == "h4" and text.endswith("Instantiated In File(s)"):
            in_units = True
        elif tag == "text" and text.startswith("No instantiations of function template"):
            close()
            in_units = False
        elif tag == "filelink" and in_units and not names_fragment:
            for fragment in pending:
                fragment.units.add(real(text))
        elif tag == "filelink":
            file = real(text)
        elif tag == "table":
            if in_units:
                close()
                in_units = False
            fragment = Fragment(("function",), file, fragment_text(e))
            fragments.append(fragment)
            pending.append(fragment)
    return fragments


def truth_key(group, path, line):
    """The truth key a fragment of group at path would show for line."""
    if group[0] == "class":
        return (group[1], path, line)
    if group[0] == "function":
        return (path, line)
    return group[1:] + (path, line)


def match(fragments, items):
    """Lets every distinct fragment, shortest first, take the first free item
    it covers; returns the distinct fragments."""
    distinct = {}
    for fragment in fragments:
        distinct.setdefault(fragment.key(), fragment).units |= fragment.units
    lines = {}
    for key in items:
        lines.setdefault(key[:-1], []).append(key[-1])
    taken = set()
    for fragment in sorted(distinct.values(), key=lambda f: (f.last - f.first, f.key())):
        prefix = truth_key(fragment.group, fragment.path, 0)[:-1]
        for line in sorted(lines.get(prefix, [])):
            if fragment.first <= line <= fragment.last and prefix + (line,) not in taken:
                fragment.took = prefix + (line,)
                taken.add(fragment.took)
                break
    return list(distinct.values())


class Score:
    """Counts of one category in one report, with examples of each fault."""

    def __init__(self, truth, report, found, hits, missed, wrong):
        self.truth, self.report, self.found, self.hits = truth, report, found, hits
        self.missed, self.wrong = missed, wrong


def score_fragments(fragments, items):
    shown = match(fragments, items)
    taken = {f.took for f in shown if f.took}
    missed = [(key, items[key]) for key in sorted(items) if key not in taken]
    wrong = [f for f in shown if not f.took]
    return Score(len(items), len(shown), len(taken), len(shown) - len(wrong), missed, wrong), shown


def score_pairs(overloads, pairs):
    reported = set()
    for fragment in overloads:
        overload = fragment.took or (fragment.path, -fragment.first)
        reported |= {overload + (unit,) for unit in fragment.units}
    found = reported & set(pairs)
    missed = [(key, pairs[key]) for key in sorted(pairs) if key not in found]
    wrong = sorted(reported - found)
    return Score(len(pairs), len(reported), len(found), len(found), missed, wrong)


def measure(report_dir, truth, unknown):
    classes = read_classes(os.path.join(report_dir, CLASS_DOC), unknown)
    functions = read_functions(os.path.join(report_dir, FUNCTION_DOC))
    scores = {}
    for cat in ("class", "specialisation", "instance", "member"):
        scores[cat], _ = score_fragments([f for f in classes if f.group[0] == cat], truth.items[cat])
    scores["function"], overloads = score_fragments(functions, truth.items["function"])
    scores["pair"] = score_pairs(overloads, truth.items["pair"])
    return scores


def percent(part, whole):
    return "-" if whole == 0 else "%.1f%%" % (100.0 * part / whole)


def print_table(project, labels, results, header):
    columns = "".join("  %-10s %7s %9s" % (label[:10], "recall", "precision") for label in labels)
    if header:
        print("%-14s %-21s %6s%s  %s" % ("project", "category", "truth", columns, "report items"))
    for cat, title in CATEGORIES:
        cells = "".join("  %-10s %7s %9s" % ("", percent(s[cat].found, s[cat].truth),
                                                percent(s[cat].hits, s[cat].report)) for s in results)
        counts = "/".join(str(s[cat].report) for s in results)
        print("%-14s %-21s %6d%s  %s" % (project[:14], title, results[0][cat].truth, cells, counts))


def describe_missed(cat, key, name):
    if cat == "pair":
        return "%s:%d in %s  %s" % (key[0], key[1], key[2], name)
    return "%s  %s:%d  %s" % (" ".join(key[:-2]), key[-2], key[-1], name)


def describe_wrong(cat, item):
    if cat == "pair":
        return "%s:%d in %s" % (item[0], abs(item[1]), item[2])
    first = next(iter(item.text.strip().splitlines()), "")
    return "%s  %s:%d-%d  %s" % (" ".join(item.group[1:]), item.path, item.first, item.last, first.strip())


def print_examples(labels, results, count, out):
    for label, scores in zip(labels, results):
        for cat, title in CATEGORIES:
            s = scores[cat]
            for what, entries, show in (("missed", s.missed, lambda e: describe_missed(cat, *e)),
                                        ("false", s.wrong, lambda e: describe_wrong(cat, e))):
                for entry in entries[:count]:
                    print("%s %s %s: %s" % (label, title, what, show(entry)), file=out)


def main(argv):
    parser = argparse.ArgumentParser(description="Recall and precision of a Template Usage Report.")
    parser.add_argument("reports", nargs="+", metavar="REPORT_DIR")
    parser.add_argument("--views", help="folder of the NAME.view files (default: the first REPORT_DIR)")
    parser.add_argument("--label", action="append", default=[], help="column title of each report")
    parser.add_argument("--project", default="", help="text of the project column")
    parser.add_argument("--examples", type=int, default=0, help="list up to N misses and false hits")
    parser.add_argument("--examples-to", metavar="FILE", help="append the examples to FILE, not to the output")
    parser.add_argument("--no-header", action="store_true", help="leave out the heading line")
    args = parser.parse_args(argv)
    truth = Truth()
    truth.read_dir(args.views or args.reports[0])
    labels = args.label + [os.path.basename(os.path.normpath(d)) for d in args.reports[len(args.label):]]
    unknown = []
    results = [measure(d, truth, unknown) for d in args.reports]
    print_table(args.project or "-", labels, results, not args.no_header)
    for text in sorted(set(unknown)):
        print("match_measure: fragments under an unknown heading left out: " + text, file=sys.stderr)
    if args.examples and args.examples_to:
        with open(args.examples_to, "a", encoding="utf-8") as out:
            print_examples(labels, results, args.examples, out)
    elif args.examples:
        print_examples(labels, results, args.examples, sys.stdout)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
