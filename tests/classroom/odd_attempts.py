#!/usr/bin/env python3
"""Writes attempt files (without a check) as a class folder may hold them, for the dashboard's
scenario: two wrong answers and two challenge titles that share their first 30 characters, a
reading of 500,000 characters, measurement times no attempt can take, and student names that a
spreadsheet would run as formulas.
  odd_attempts.py ATTEMPTS_FOLDER"""
import json, os, sys

HOT = 'Overheating engine: the fan never starts on a hot day'
COLD = 'Overheating engine: the fan never starts when cold'
WIRING = 'Engine temperature sensor - Its wiring'
ECU = 'Engine temperature sensor - Its connection at the ECU'
RIGHT = 'Cooling fan relay - The part itself'


def attempt(n, student, challenge, answer, score, measurements=(), seconds=95):
    return {'format': 'Vantorel attempt', 'version': 1, 'id': 'odd-%d' % n, 'student': student, 'seat': 'seat-%d' % n,
            'challenge': challenge, 'started': '2026-12-08T09:%02d:00' % n, 'seconds': seconds, 'answer': answer,
            'right': answer == RIGHT, 'score': score, 'hints': 0,
            'measurements': [{'seconds': s, 'point': p, 'reading': r} for s, p, r in measurements]}


ATTEMPTS = [
    attempt(1, 'Ann', HOT, WIRING, 0),
    attempt(2, 'Bob', HOT, WIRING, 0),
    attempt(3, '=1+2', COLD, ECU, 0),
    attempt(4, 'Long Reading', HOT, RIGHT, 80, seconds=1e7,
            measurements=[(1e19, 'Coolant sensor (Engine Management)', 'DMM 0.4 V'),
                          (-8, 'Coolant sensor (Engine Management)', 'DMM 0.5 V'),
                          (61, 'Fan relay (Engine Management)', 'x' * 500000)]),
    attempt(5, '@Cat', COLD, RIGHT, 100),
]

if __name__ == '__main__':
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for a in ATTEMPTS:
        with open(os.path.join(folder, '%s.vat' % a['id']), 'w', encoding='utf-8') as f:
            json.dump(a, f, ensure_ascii=False, indent=1)
