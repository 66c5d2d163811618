"""Writes the names the course's variety measure blurs as the body of a C++
string-list initializer, so that orvanta-course reads the generator's own
name lists and the two can never disagree.

    python3 write_names.py NAMES_PY OUTPUT_INC"""

import importlib.util
import sys


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    spec = importlib.util.spec_from_file_location("names", argv[1])
    names = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(names)
    every = []
    for group in ("GIRLS", "BOYS", "OTHER_NAMES", "FAMILY_NAMES"):
        for name in getattr(names, group, []):
            if not name.isascii() or '"' in name or "\\" in name:
                raise ValueError("name %r cannot be written as a C++ literal" % name)
            if name not in every:
                every.append(name)
    text = "".join('    QStringLiteral("%s"),\n' % name for name in every)
    try:
        with open(argv[2], encoding="ascii") as f:
            if f.read() == text:
                return 0  # unchanged: keep the time stamp, so nothing rebuilds
    except FileNotFoundError:
        pass
    with open(argv[2], "w", encoding="ascii") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
