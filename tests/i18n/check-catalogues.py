#!/usr/bin/env python3
"""Checks the interface catalogues against the application's sources.

The catalogues are first refreshed from the sources into a temporary folder (with lupdate, as
scripts/update-translations.sh does), so a text added to the code without a translation fails
here. Then every language must translate every text and keep what the code relies on: the
%1/%2 arguments, a literal "&&", one mnemonic per menu title (all different within the menu bar),
and the spaces at either end that join a text to its neighbour.
Usage: check-catalogues.py <lupdate> <source root>. Exits 77 when lupdate is missing.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

SINGLE_AMPERSAND = re.compile(r'(?<!&)&(?!&)')
MENU_CONTEXT = 'tarnveil::TarnveilCommands'


def refreshed_catalogues(lupdate, root, folder):
    for source in sorted((root / 'i18n').glob('tarnveil_*.ts')):
        copy = folder / source.name
        shutil.copy(source, copy)
        language = source.stem.removeprefix('tarnveil_')
        subprocess.run([lupdate, '-silent', '-locations', 'none', '-no-ui-lines',
                        '-target-language', language, str(root / 'app'), '-ts', str(copy)],
                       check=True)
        yield language, ET.parse(copy)


def live_messages(tree):
    for context in tree.getroot().iter('context'):
        name = context.find('name').text
        for message in context.findall('message'):
            translation = message.find('translation')
            if translation.get('type') in ('vanished', 'obsolete'):
                continue
            yield name, message.find('source').text, translation


def problems_of(language, tree):
    found = []
    mnemonics = []
    for context, source, translation in live_messages(tree):
        text = translation.text or ''
        where = f'{language}: {context}: "{source}"'
        if translation.get('type') == 'unfinished' or not text.strip():
            found.append(f'{where} is not translated')
            continue
        for argument in sorted(set(re.findall(r'%\d', source))):
            if text.count(argument) != source.count(argument):
                found.append(f'{where}: {argument} is lost or repeated in "{text}"')
        if text.count('&&') != source.count('&&'):
            found.append(f'{where}: the literal "&&" is lost in "{text}"')
        if len(SINGLE_AMPERSAND.findall(text)) != len(SINGLE_AMPERSAND.findall(source)):
            found.append(f'{where}: mnemonic markers differ in "{text}"')
        if source[:1] == ' ' and text[:1] != ' ' or source[-1:] == ' ' and text[-1:] != ' ':
            found.append(f'{where}: the joining space is lost in "{text}"')
        if context == MENU_CONTEXT and SINGLE_AMPERSAND.search(source):
            marker = re.search(r'(?<!&)&([^&])', text)
            mnemonics.append(marker.group(1).lower() if marker else '')
    if len(set(mnemonics)) != len(mnemonics):
        found.append(f'{language}: menu titles share a mnemonic: {mnemonics}')
    return found


def main():
    lupdate, root = sys.argv[1], Path(sys.argv[2])
    if shutil.which(lupdate) is None:
        print(f'skipped: {lupdate} is not installed')
        return 77
    with tempfile.TemporaryDirectory() as folder:
        catalogues = list(refreshed_catalogues(lupdate, root, Path(folder)))
        found = [problem for language, tree in catalogues for problem in problems_of(language, tree)]
    if len(catalogues) != 10:
        found.append(f'expected ten catalogues, found {len(catalogues)}')
    print('\n'.join(found) if found else f'{len(catalogues)} catalogues complete')
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())
