#!/usr/bin/env python3
"""Converts a UTF-8 resource script to code page 932 for windres.

Usage: to_cp932.py IN.rc OUT.rc

Some code page 932 characters end in the byte 0x5C, the backslash. windres
and its preprocessor would read that byte as an escape inside a string, so it
is written doubled there: the escape then yields the byte itself. Such bytes
outside a string could not be protected this way, so non-ASCII text is only
accepted inside double-quoted strings.
"""
import os
import sys


def convert_line(line, number):
    out = bytearray()
    in_string = False
    for ch in line:
        if ch == '"':
            in_string = not in_string
        data = ch.encode("cp932")
        if len(data) > 1 or data[0] > 0x7F:
            if not in_string:
                raise ValueError("line %d: non-ASCII text outside a string" % number)
            if len(data) == 2 and data[1] == 0x5C:
                data += b"\\"
        out += data
    return bytes(out)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    with open(argv[1], encoding="utf-8") as src:
        lines = src.read().splitlines()
    try:
        body = b"\r\n".join(convert_line(line, n + 1) for n, line in enumerate(lines)) + b"\r\n"
    except (ValueError, UnicodeEncodeError) as err:
        sys.stderr.write("%s: %s\n" % (argv[1], err))
        return 1
    with open(argv[2] + ".tmp", "wb") as out:
        out.write(body)
    os.replace(argv[2] + ".tmp", argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
