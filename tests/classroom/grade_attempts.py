#!/usr/bin/env python3
"""Writes attempt files (without a check) for the gradebook scenario: two students of the same
name, one who spelled their name two ways, names in several scripts, challenges under the
rules "last" and "mean", an identifier a spreadsheet would run as a formula, and a file
written before attempts carried an identifier.
  grade_attempts.py ATTEMPTS_FOLDER"""
import json, os, sys

FLAT = 'Flat battery'
STARTER = 'Starter, clicks'


def attempt(n, sid, student, challenge, score, at, rule):
    a = {'format': 'Vantorel attempt', 'version': 1, 'id': 'grade-%d' % n, 'student': student, 'seat': 'seat-%d' % n,
         'challenge': challenge, 'started': '2026-12-08T%s' % at, 'seconds': 60 + n, 'answer': 'A - B',
         'right': score >= 50, 'score': score, 'hints': 0, 'measurements': []}
    if sid is not None:
        a['student id'] = sid
    if rule is not None:
        a['score counts'] = rule
    return a


ATTEMPTS = [
    attempt(1, 's1', 'Sam Lee', FLAT, 40, '09:00:00', 'last'),
    attempt(2, 's2', 'Sam Lee', FLAT, 90, '09:05:00', 'last'),
    attempt(3, 'k7', 'Zoe Novak', FLAT, 70, '09:00:00', 'last'),
    attempt(4, 'k7', 'Zoë Novák', FLAT, 60, '09:30:00', 'last'),
    attempt(5, 'k7', 'Zoë Novák', STARTER, 80, '10:00:00', 'mean'),
    attempt(6, 'd4', 'Дмитрий Иванов', STARTER, 75, '10:10:00', 'mean'),
    attempt(7, 'd4', 'Дмитрий Иванов', STARTER, 90, '10:20:00', 'mean'),
    attempt(8, '=HYPERLINK(1)', '李小龍', FLAT, 100, '09:20:00', 'last'),
    attempt(9, None, 'Ann Old', FLAT, 20, '08:00:00', None),
]

if __name__ == '__main__':
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for a in ATTEMPTS:
        with open(os.path.join(folder, '%s.vat' % a['id']), 'w', encoding='utf-8') as f:
            json.dump(a, f, ensure_ascii=False, indent=1)
