#!/usr/bin/env python3
"""The translations against the sources.

  translations_check.py SOURCE_DIR

Fails when
- lupdate, run over the sources into a copy of translations/, warns (a text filed under a context
  the program never asks for) or finds a text the committed files lack;
- a German or Spanish text is unfinished or empty, a plural text lacks a form, or an English
  plural text has no forms;
- a translation drops or adds a place marker (%1, %n) or an HTML tag;
- a source file passes a plain string literal to a call that shows it (a caption, a title, a
  message) without tr(), unless the line says why with an "untranslated:" comment;
- a source file defines its own function named tr outside a class (lupdate files such a
  function's texts under the namespace's name, where the program never finds them).
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SHOWN = (r'setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText|setAccessibleName|'
         r'setAccessibleDescription|addItem|addAction|addMenu|setTitle|setSuffix|setPrefix|setSpecialValueText|'
         r'setTabText|addTab|setLabelText|setHeaderLabels|setHorizontalHeaderLabels|setVerticalHeaderLabels|'
         r'MsgBox|reportError|raiseError|SetStatus|setReadout|QLabel|QPushButton|QCheckBox|QRadioButton|'
         r'QGroupBox|QAction|QMenu|QToolButton')
LITERAL_SHOWN = re.compile(r'\b(' + SHOWN + r')\s*\(\s*(?:[\w:]+\s*,\s*)?(?:QStringLiteral\s*\(\s*)?"((?:[^"\\]|\\.)*)"')
# makeLabel(parent, "objectName", "Caption", ...): the caption is the third argument.
LABEL_SHOWN = re.compile(r'\b(makeLabel)\s*\(\s*[^,()]+,\s*(?:QStringLiteral\s*\()?"[^"]*"\)?\s*,\s*(?:QStringLiteral\s*\(\s*)?"((?:[^"\\]|\\.)*)"')
OWN_TR = re.compile(r'^\s*(?:static\s+)?(?:inline\s+)?QString\s+tr\s*\(')
MARKERS = re.compile(r'%(?:\d+|n|L\d+)')
TAGS = re.compile(r'</?([a-zA-Z]+)[^>]*>')

problems = []


def problem(text):
    problems.append(text)


def check_sources(src):
    for root, _, files in os.walk(src):
        for f in sorted(files):
            if not f.endswith(('.cpp', '.h')):
                continue
            path = os.path.join(root, f)
            rel = os.path.relpath(path, os.path.dirname(src))
            for n, line in enumerate(open(path, encoding='utf-8', errors='replace'), 1):
                if 'untranslated:' in line:
                    continue
                if OWN_TR.match(line):
                    problem(f'{rel}:{n}: a function of its own named tr: declare a class with '
                            f'Q_DECLARE_TR_FUNCTIONS and call its tr()')
                for m in list(LITERAL_SHOWN.finditer(line)) + list(LABEL_SHOWN.finditer(line)):
                    text = m.group(2)
                    if not re.search(r'[A-Za-z]{2}', text):
                        continue  # a number, a unit, punctuation
                    problem(f'{rel}:{n}: "{text}" is shown through {m.group(1)}() without tr()')


def messages(path):
    root = ET.parse(path).getroot()
    for context in root.iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            yield name, message


def texts_of(path):
    return {(c, m.findtext('source'), m.findtext('comment') or '') for c, m in messages(path)}


def check_file(path, committed):
    lang = os.path.basename(path)[:-3].rsplit('_', 1)[1]
    new = texts_of(path) - texts_of(committed) if os.path.exists(committed) else texts_of(path)
    for c, s, _ in sorted(new):
        problem(f'{os.path.basename(committed)}: "{s}" ({c}) is in the sources but not in the file: '
                f'run tools/update-translations.sh and translate it')
    for c, m in messages(path):
        source = m.findtext('source') or ''
        t = m.find('translation')
        where = f'{os.path.basename(committed)}: "{source[:60]}" ({c})'
        if t is None:
            problem(f'{where}: no translation')
            continue
        if t.get('type') in ('unfinished', 'vanished', 'obsolete'):
            problem(f'{where}: {t.get("type")}')
            continue
        forms = [x.text or '' for x in t.findall('numerusform')] if m.get('numerus') == 'yes' else [t.text or '']
        if any(not x.strip() for x in forms) or not forms:
            problem(f'{where}: an empty translation')
            continue
        if lang == 'en':
            continue
        for form in forms:
            if sorted(set(MARKERS.findall(form))) != sorted(set(MARKERS.findall(source))) and m.get('numerus') != 'yes':
                problem(f'{where}: the translation "{form[:60]}" has other place markers')
            if sorted(TAGS.findall(form)) != sorted(TAGS.findall(source)):
                problem(f'{where}: the translation "{form[:60]}" has other tags')


def check_translations(root):
    committed = os.path.join(root, 'translations')
    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, 'translations')
        shutil.copytree(committed, copy)
        run = subprocess.run([os.path.join(root, 'tools', 'update-translations.sh')], cwd=root,
                             env=dict(os.environ, TS_DIR=copy), capture_output=True, text=True)
        said = (run.stdout + run.stderr).strip()
        for line in said.splitlines():
            problem(f'lupdate: {line}')
        if run.returncode != 0:
            problem(f'update-translations.sh failed ({run.returncode})')
            return
        files = sorted(f for f in os.listdir(copy) if f.endswith('.ts'))
        for lang in ('de', 'es', 'en'):
            if not any(f.endswith(f'_{lang}.ts') for f in files):
                problem(f'no translation file for "{lang}"')
        for f in files:
            check_file(os.path.join(copy, f), os.path.join(committed, f))


def main():
    root = os.path.abspath(sys.argv[1])
    check_sources(os.path.join(root, 'src'))
    check_translations(root)
    for p in problems:
        print(p)
    if problems:
        print(f'{len(problems)} problem(s)')
        return 1
    print('translations: every text marked and translated')
    return 0


if __name__ == '__main__':
    sys.exit(main())
