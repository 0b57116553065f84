"""Puts picture bytes into the window description, as the binary value of an
object's Picture.Data property:

    <indent>Picture.Data = <
    <indent + 2 blanks>424D361B00...   (64 hex digits a line)
    <indent>>

An object runs from `<indent>Name: TClass {` to `<indent>}`.
"""

import re

_OBJECT = re.compile(r"^( *)(\w+): \w+ \{$")
_HEX_PER_LINE = 64


def _hex_lines(data, indent, newline):
    digits = data.hex().upper()
    return [indent + digits[i:i + _HEX_PER_LINE] + newline
            for i in range(0, len(digits), _HEX_PER_LINE)]


def embed(text, pictures):
    """Returns the text with the Picture.Data value of each named object
    replaced by its picture's bytes, and the names of the objects that have
    no Picture.Data to replace."""
    lines = text.splitlines(keepends=True)
    out, stack, done = [], [], set()
    i = 0
    while i < len(lines):
        line = lines[i]
        body = line.rstrip("\r\n")
        out.append(line)
        i += 1
        opened = _OBJECT.match(body)
        if opened:
            stack.append((opened.group(2), opened.group(1)))
            continue
        if stack and body == stack[-1][1] + "}":
            stack.pop()
            continue
        if not stack or stack[-1][0] not in pictures:
            continue
        name, object_indent = stack[-1]
        indent = object_indent + "  "
        if body != indent + "Picture.Data = <":
            continue
        end = i
        while end < len(lines) and lines[end].rstrip("\r\n") != indent + ">":
            end += 1
        if end == len(lines):
            raise ValueError("Picture.Data of %s has no closing '>'" % name)
        newline = line[len(body):] or "\n"
        out += _hex_lines(pictures[name], indent + "  ", newline)
        i = end
        done.add(name)
    return "".join(out), sorted(set(pictures) - done)
