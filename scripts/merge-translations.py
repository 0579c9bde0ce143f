#!/usr/bin/env python3
"""Fills a catalogue in i18n/ from a JSON table of translations.

The table maps the ids of a message list written by --export to translated texts. Messages the
table translates are marked finished; the others are left as they are. English, the source
language, repeats every source text and needs no table. Usage:
  merge-translations.py --export messages.json            write the message list of the sources
  merge-translations.py <language> <translations.json> <messages.json>
  merge-translations.py en
"""
import json
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
HEADER = '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'


def messages(tree):
    for context in tree.getroot().iter('context'):
        name = context.find('name').text
        for message in context.findall('message'):
            translation = message.find('translation')
            if translation is not None and translation.get('type') in ('vanished', 'obsolete'):
                continue
            yield name, message


def export(path):
    tree = ET.parse(ROOT / 'i18n' / 'tarnveil_en.ts')
    out = []
    for name, message in messages(tree):
        entry = {'id': len(out), 'context': name, 'source': message.find('source').text}
        for tag in ('comment', 'extracomment'):
            node = message.find(tag)
            if node is not None:
                entry[tag] = node.text
        out.append(entry)
    Path(path).write_text(json.dumps(out, ensure_ascii=False, indent=1), encoding='utf-8')


def merge(language, table_path, list_path):
    by_key = {}
    table = {} if language == 'en' else json.loads(Path(table_path).read_text(encoding='utf-8'))
    listed = [] if language == 'en' else json.loads(Path(list_path).read_text(encoding='utf-8'))
    for entry in listed:
        if str(entry['id']) in table:
            by_key[(entry['context'], entry['source'])] = table[str(entry['id'])]
    catalogue = ROOT / 'i18n' / f'tarnveil_{language}.ts'
    tree = ET.parse(catalogue)
    filled = 0
    for name, message in messages(tree):
        key = (name, message.find('source').text)
        text = message.find('source').text if language == 'en' else by_key.get(key)
        if text is None:
            continue
        translation = message.find('translation')
        translation.text = text
        translation.attrib.pop('type', None)
        filled += 1
    ET.indent(tree, space='    ')
    catalogue.write_text(HEADER + ET.tostring(tree.getroot(), encoding='unicode') + '\n',
                         encoding='utf-8')
    print(f'{catalogue.name}: {filled} translated')


if __name__ == '__main__':
    if len(sys.argv) == 3 and sys.argv[1] == '--export':
        export(sys.argv[2])
    elif len(sys.argv) == 4:
        merge(*sys.argv[1:])
    elif sys.argv[1:] == ['en']:
        merge('en', None, None)
    else:
        sys.exit(__doc__)
