#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Carries translations over to texts that moved to another context.

When code moves from one class to another, lupdate files its texts under
the new class as unfinished. This fills each unfinished entry of TS from
a finished entry with the same source text (and comment) in any context of
FROM (default: TS itself as committed, `git show HEAD:TS`).

Usage: scripts/ts-carry.py TS [FROM]
"""
import subprocess
import sys
import xml.etree.ElementTree as ET


def finished(tree):
    found = {}
    for message in tree.iter('message'):
        translation = message.find('translation')
        if translation is None or translation.get('type') in ('unfinished', 'vanished', 'obsolete'):
            continue
        if not (translation.text or '').strip() and translation.find('numerusform') is None:
            continue
        key = (message.findtext('source'), message.findtext('comment'))
        found.setdefault(key, translation)
    return found


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    path = sys.argv[1]
    if len(sys.argv) == 3:
        old = ET.parse(sys.argv[2])
    else:
        text = subprocess.run(['git', 'show', 'HEAD:' + path], check=True, capture_output=True).stdout
        old = ET.ElementTree(ET.fromstring(text))
    known = finished(old)
    tree = ET.parse(path)
    carried = 0
    for message in tree.iter('message'):
        translation = message.find('translation')
        if translation is None or translation.get('type') != 'unfinished':
            continue
        source = known.get((message.findtext('source'), message.findtext('comment')))
        if source is None:
            continue
        message.remove(translation)
        copy = ET.fromstring(ET.tostring(source))
        copy.tail = translation.tail
        message.append(copy)
        carried += 1
    with open(path, 'wb') as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding='utf-8', xml_declaration=False)
        out.write(b'\n')
    print(f'{path}: {carried} translation(s) carried over')


if __name__ == '__main__':
    main()
