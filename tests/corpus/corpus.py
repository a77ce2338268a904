#!/usr/bin/env python3
"""The malformed-input corpus: each case damages one input (a setting, the database, a data file, a
place written to, a script line), runs script mode on a fresh copy of the program's folder and checks
its expected texts and exit status; no error may escape a handler, crash, hang or make a sanitizer
report, and no file may change but those the case means to change.
  corpus.py PROGRAM DATA_DIR [--classroom PROGRAM] [--shard K/N] [--case NAME] [--list] [--keep]
The locked-room cases run the program built with the test programs' classroom path (--classroom;
by default tests/vantorel_classroom of PROGRAM's build folder)."""
import argparse, hashlib, json, os, random, re, shutil, sqlite3, subprocess, sys, tempfile, time

TIMEOUT = float(os.environ.get('VANTOREL_CORPUS_TIMEOUT', '90'))
CONF = 'config/Vantorel/Vantorel.conf'
# The sanitizer build's options, as CTest sets them, for a case run by hand.
SANITIZERS = {'ASAN_OPTIONS': 'halt_on_error=1:abort_on_error=1:detect_leaks=1:intercept_tls_get_addr=0', 'UBSAN_OPTIONS': 'halt_on_error=1:print_stacktrace=1',
              'LSAN_OPTIONS': 'suppressions=' + os.path.join(os.path.dirname(os.path.abspath(__file__)), '../sanitizer/lsan.supp')}
CASES = []


def case(name, script, prep=None, expect=(), absent=(), status=0, changes=(), env=None, wrap=(), classroom=False):
    """WRAP: a command the program runs under (its arguments before the program's).
    CLASSROOM: run the program built to read the classroom file from the program's folder."""
    CASES.append(dict(name=name, script=script, prep=prep, expect=expect, absent=absent,
                      status=status, changes=set(changes), env=env or {}, wrap=list(wrap), classroom=classroom))


q = lambda text: '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'  # a script value, quoted to keep blanks


# --- the settings store: every key the program reads, with values it cannot use ---
VALUES = [('empty', ''), ('text', 'abc'), ('1e308', '1e308'), ('-1e308', '-1e308'), ('nan', 'NaN'),
          ('inf', 'inf'), ('11digits', '99999999999'), ('10k', 'x' * 10000),
          ('control', '\x01\x07\x1b\tA\\n\\r\\x0008'), ('nonlatin', 'Привет 日本語 ☃ مرحبا')]
TRIP = [('Trip_Computer', 'Trip_Distance', 'TripDistance'), ('Trip_Computer', 'Arrival_Distance', 'ArrivalDistance'),
        ('Trip_Computer', 'Elapsed_Time', 'ElapsedTime'), ('Instruments', 'mileage', 'Mileage')]
USER = ['ZRuserName', 'ZRuserCompany', 'ZRuserAddress', 'ZRuserTelephone']


S = lambda lines: lines.replace('|', '\n')  # a script written on one line, its commands separated by |


SCRIPT_TRIP = S('tick 2|menu Systems > Instruments|menu Systems > Trip Computer|tick|menu File > Exit')
SCRIPT_OPTIONS = S('tick 2|menu Tools > Options|click frmOptions.cmdOK|tick')
SCRIPT_LOGIN = S('menu File > Login...|set frmLogin.txtPassword gearcase|click frmLogin.cmdOK')
SCRIPT_USER = S('menu Tools > User Details|show frmUserDetails.txbName|click frmUserDetails.cmdCancel|'
                'menu Tools > Diagnostics|answer OK|answer pdf TEMP:sheet.pdf|menu File > Print...')


def settings(section, key, raw):
    def prep(w):
        os.makedirs(os.path.dirname(os.path.join(w, CONF)), exist_ok=True)
        open(os.path.join(w, CONF), 'w', encoding='utf-8').write('[%s]\n%s=%s\n' % (section, key, raw))
    return prep


def student_name(w):
    """The name a student gives before a challenge, added to the settings the case has."""
    path = os.path.join(w, CONF)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = open(path, encoding='utf-8').read() if os.path.exists(path) else ''
    if '[ZRsettings]\n' in text:
        text = text.replace('[ZRsettings]\n', '[ZRsettings]\nZRuserName=Sam Student\n', 1)
    else:
        text += '[ZRsettings]\nZRuserName=Sam Student\n'
    open(path, 'w', encoding='utf-8').write(text)


for vname, raw in VALUES:
    for section, key, var in TRIP:
        # An unusable figure counts as 0 (eleven digits are a number) and the exit still stores the figures.
        check = '' if vname == '11digits' else 'expect %s 0\n' % var
        case('settings.%s.%s' % (key, vname), check + SCRIPT_TRIP, settings(section, key, raw),
             expect=['"event":"exit"'], absent=['could not be written'], changes=[CONF])
    for i in range(10):
        # A stored text that is not an option counts as the option's default (1, 6, 7 and 9 on).
        case('settings.ZRsetting%d.%s' % (i, vname), 'expect OptionFlags(%d) %d\n' % (i, i in (1, 6, 7, 9)) + SCRIPT_OPTIONS,
             settings('ZRsettings', 'ZRsetting%d' % i, raw), changes=[CONF])
    case('settings.ZRsettingPW.' + vname, SCRIPT_LOGIN, settings('ZRsettings', 'ZRsettingPW', raw),
         expect=['Invalid Password, please try again!'])
    for key in USER:
        case('settings.%s.%s' % (key, vname), SCRIPT_USER, settings('ZRsettings', key, raw),
             expect=['"event":"print"', '"pdf":'])


# --- the database ---
SCRIPT_DB = S('tick|menu Systems > Engine Management|menu File > Start / Stop Engine|tick 3|menu Tools > Memory Maps|'
               'show frmMaps.MSChart1|click frmMaps.Option1(1)|close frmMaps|menu Tools > Diagnostics|'
               'click frmDiagnostics.DataSystem(next)|click frmDiagnostics.datRoutine(next)|'
               'click frmDiagnostics.DataSystem(last)|click frmDiagnostics.datRoutine(last)|'
               'show frmDiagnostics.datRoutine|tick 2')
MAPS = ['timing', 'Dwell', 'injection']
ROUTINES = ['Auxiliaries', 'Charging system', 'Starting system', 'Engine management', 'Ignition system', 'Fuel system']
BAD_FORMAT = "Error number: 3343 - Unrecognized database format 'ZR.db'."


def sql(statement):
    def prep(w):
        with sqlite3.connect(os.path.join(w, 'data/ZR.db')) as db:
            db.execute(statement)
    return prep


def raw_file(path, content=None, size=None, folder=False):
    """A data file gone, a folder, or CONTENT (bytes, or made from the file's own), repeated up to SIZE."""
    def prep(w):
        p = os.path.join(w, 'data', path)
        data = content(p) if callable(content) else content
        shutil.rmtree(p) if os.path.isdir(p) else os.remove(p) if os.path.exists(p) else None
        if folder:
            os.makedirs(p)
        elif data is not None:
            with open(p, 'wb') as f:
                f.write(data if size is None else (data * (size // len(data) + 1))[:size])
    return prep


shorten = lambda keep: lambda p: open(p, 'rb').read()[:keep]  # the first KEEP bytes, or all but the last -KEEP


RANDOM = bytes(random.Random(7).randrange(256) for _ in range(4096))
RUNS = '"text":"Engine is running..."'  # the maps are usable: the engine starts
ROUTINES_REFUSED = "cannot be used as the diagnostic routines database: it has no table 'Systems'."


def db(name, prep, *expect):  # a case on a damaged database; PREP is a file change or one SQL statement
    case('db.' + name, SCRIPT_DB, sql(prep) if isinstance(prep, str) else prep, expect=list(expect))


for name, prep, text in [('missing', raw_file('ZR.db'), "Error number: 3024 - Could not find file 'ZR.db'."),
                         ('empty', raw_file('ZR.db', b''), "Error number: 3078 - The lookup table 'timing' could not be read"),
                         ('random', raw_file('ZR.db', RANDOM), BAD_FORMAT),
                         ('folder', raw_file('ZR.db', folder=True), "Error number: 3024 - Could not find file 'ZR.db'."),
                         ('header_only', raw_file('ZR.db', shorten(100)), BAD_FORMAT),
                         ('half', raw_file('ZR.db', shorten(-4096)), BAD_FORMAT),
                         ('text', raw_file('ZR.db', b'SQLite format 3\0' + b'x' * 1000), BAD_FORMAT)]:
    db(name, prep, text)
# A damaged lookup table is named at start-up; a damaged routine leaves the engine running.
for t in MAPS:
    caption, empty = t.capitalize() + ' Lookup Table', t.capitalize() + ' Lookup Table holds no data'  # the others are sound
    db('table_missing.' + t, 'DROP TABLE "%s"' % t, "The lookup table '%s' could not be read" % t, empty)
    db(t + '.field_renamed', 'ALTER TABLE "%s" RENAME COLUMN "Speed 3" TO "Speed3"' % t, "The table '%s' has no field 'Speed 3'." % t, empty)
    db(t + '.field_dropped', 'ALTER TABLE "%s" DROP COLUMN "Speed 8"' % t, "The table '%s' has no field 'Speed 8'." % t, empty)
    for cell, v in [('null', 'NULL'), ('text', "'abc'"), ('negative', '-40'), ('1e30', '1e30'),
                    ('-1e30', '-1e30'), ('empty', "''"), ('nan', "'NaN'")]:
        # The cell the idle engine uses names itself (a negative advance is a timing figure).
        db('%s.cell_%s' % (t, cell), 'UPDATE "%s" SET "Speed 1" = %s, "Speed 5" = %s' % (t, v, v),
           RUNS if (t, cell) == ('timing', 'negative') else caption + ': the cell in row')
    db(t + '.row_missing', 'DELETE FROM "%s" WHERE "ID" = (SELECT MAX("ID") FROM "%s")' % (t, t),
       RUNS if t == 'Dwell' else caption + ' has no row 8')
    db(t + '.rows_none', 'DELETE FROM "%s"' % t, empty)
    db(t + '.row_extra', 'INSERT INTO "%s" SELECT MAX("ID") + 1, 1, 2, 3, 4, 5, 6, 7, 8 FROM "%s"' % (t, t), RUNS)
db('table_missing.Systems', 'DROP TABLE "Systems"', ROUTINES_REFUSED, RUNS)
db('Systems.field_renamed', 'ALTER TABLE "Systems" RENAME COLUMN "Systems" TO "System"', ROUTINES_REFUSED, RUNS)
for t in ROUTINES:
    db('table_missing.' + t, 'DROP TABLE "%s"' % t, RUNS)
for cell, v in [('null', 'NULL'), ('text', "'No such system'"), ('negative', '-1'), ('1e30', '1e30'), ('empty', "''"),
                ('quote', "'Fuel\"system'' ; DROP TABLE timing'")]:
    db('Systems.cell_' + cell, 'UPDATE "Systems" SET "Systems" = %s' % v, RUNS)
    db('routine.cell_' + cell, 'UPDATE "Auxiliaries" SET "Symptoms" = %s, "1" = %s, "25" = %s' % (v, v, v), RUNS)
for name, statement in [('Systems.rows_none', 'DELETE FROM "Systems"'), ('Systems.row_extra', 'INSERT INTO "Systems" VALUES (99, \'Nothing here\')'),
                        ('routine.field_renamed', 'ALTER TABLE "Auxiliaries" RENAME COLUMN "Symptoms" TO "Symptom"'),
                        ('routine.field_dropped', 'ALTER TABLE "Auxiliaries" DROP COLUMN "25"'),
                        ('routine.rows_none', 'DELETE FROM "Auxiliaries"'),
                        ('routine.long_text', 'UPDATE "Auxiliaries" SET "1" = \'%s\'' % ('y' * 100000))]:
    db(name, statement, RUNS)


# --- the data files, each with a script that reads it ---
files_script = lambda name: S('tick|menu Tools > MultiScope|drop FRMsimulation.Label6 MultiScope.cmdConnection|answer file %s|'
             'menu File > Open...|sweep 3|menu File > Start / Stop Engine|tick 2|menu File > Start / Stop Engine|'
             'sweep 2' % q('DATA:' + name))
gone = lambda text, other=None, **kinds: dict({'missing': text, 'folder': text, '*': other}, **kinds)  # missing/folder, other


# File: the script that reads it, the texts expected for each kind of damage, and whether the
# script means to change the settings.
NOT_FOUND = 'Error number: 53 - File not found'
DATA_FILES = {
    'faults.txt': (S('menu Systems > Set Faults...|let LoggedIn -1|click frmFaults.cmdFaults|show frmFaults.txtFaults'),
                   gone(NOT_FOUND, '"visible":true'), False),
    'Engine speed.msf': (files_script('Engine speed.msf'), gone('File opening error...', RUNS), False),
    'Lambda.msf': (files_script('Lambda.msf'), gone('File opening error...', RUNS), False),
    'Blank.msf': (files_script('Blank.msf'), gone(NOT_FOUND, RUNS), False),
    'Engine speed.jpg': (files_script('Engine speed.jpg'), gone(RUNS, RUNS), False),
    'Engine speed.txt': (files_script('Engine speed.jpg'), gone(RUNS, RUNS), False),
    'track.txt': (S('menu Tools > Telemetry|telemetry 3|key MultiScope.picCircuit Home|telemetry 2|expect Lap 1'), gone('"errors":0', '"errors":0'), False),
    'circuit.png': (S('menu Tools > Telemetry|telemetry 2|expect Lap 1'), gone('"errors":0', '"errors":0'), False),
    'TIPOFDAY.TXT': (S('menu Help > Tip Of The Day|click frmTip.cmdNextTip|show frmTip.lblTipText|click frmTip.cmdOK'),
                     gone('TIPOFDAY.TXT file was not found', '"event":"show"'), True),
    'website.txt': ('menu Help > ZR Web Site', gone('web page cannot be opened: ' + NOT_FOUND, empty='holds no address',
                    binary='too long to be an address', cut='"event":"shell"', **{'10MB': NOT_FOUND}), False),
    'help/index.html': (S('menu Help > Help|show frmHelp'), gone(NOT_FOUND + ': the help guide', '"caption":"Vantorel Help"'), False),
    'background.jpg': (S('tick|menu Tools > Options|click frmOptions.cmdOK'),
                       gone(NOT_FOUND + ': background.jpg', 'Error number: 481 - Invalid picture: background.jpg'), True),
}
LINES = b'"12.5 V reading"\r\n' + b'"42"\r\n' * 50
for path, (script, texts, stores) in DATA_FILES.items():
    key = path.replace('/', '_').replace(' ', '_')
    for kind, prep in [('missing', raw_file(path)), ('empty', raw_file(path, b'')), ('binary', raw_file(path, RANDOM)),
                       ('10MB', raw_file(path, LINES, size=10 << 20)), ('folder', raw_file(path, folder=True)),
                       ('cut', raw_file(path, shorten(37)))]:
        text = texts.get(kind, texts['*'])
        case('files.%s.%s' % (key, kind), script, prep, expect=[text] if text else [], changes=[CONF] if stores else [])


# --- places the program writes to that cannot be written ---
def folders(*names, readonly=False):  # folders where files should be (in a read-only temporary folder)
    def prep(w):
        [os.makedirs(os.path.join(w, n), exist_ok=True) for n in names]
        os.chmod(os.path.join(w, 'tmp'), 0o555 if readonly else 0o755)
    return prep


SCAN = S('set FRMsimulation.HSB_engine_speed 1500|menu Systems > Set Faults...|click frmFaults.chkFault(2)|'
         'menu File > Start / Stop Engine|tick 2|menu Tools > Scanner|click MultiScope.cmdScan|click MultiScope.cmdRead')
COLLECT, UNWRITTEN = 'Collect system data - Error number: 75', 'Path/File access error: the settings could not be written'
case('write.temp_readonly', SCAN, folders('tmp/Faults.scn', 'tmp/Scanner.scn', readonly=True), expect=[COLLECT])
case('write.faults_scn_folder', SCAN, folders('tmp/Faults.scn'), expect=[COLLECT])
case('write.scanner_scn_folder', SCAN, folders('tmp/Scanner.scn'), expect=[COLLECT])
# A temporary folder that is not one is replaced by the system's own.
case('write.temp_missing', SCAN, env={'TMPDIR': '/nonexistent/vantorel'}, expect=[RUNS], absent=[COLLECT])
case('write.temp_is_file', SCAN, env={'TMPDIR': '/etc/hostname'}, expect=[RUNS], absent=[COLLECT])
case('write.settings_folder', S('tick|menu File > Exit'), folders(CONF), expect=['settings could not be read', UNWRITTEN])
case('write.settings_lock_folder', S('tick|menu File > Exit'), folders(CONF + '.lock'), expect=[UNWRITTEN])
for target, why in [('TEMP:', 'Error number: 75'), ('/proc/export.csv', 'Error number: 76'),
                    ('TEMP:nofolder/run.csv', 'Error number: 76'), ('TEMP:' + 'a' * 300 + '.csv', 'Error number: 75')]:
    key = re.sub(r'\W', '_', target[:20])
    case('write.export.' + key, S('menu Tools > Telemetry|telemetry 3|answer file %s|click MultiScope.Command1') % q(target),
         expect=['The telemetry file could not be saved to', why])
    # The edits stay in the editor: the file the waveform came from is not written either.
    case('write.wave.' + key, S('answer file DATA:Knock.msf|menu File > Open...|dblclick MultiScope.scopescreen|'
                                'set frmWaveEdit.txtYvalue(3) 12|answer file %s|click frmWaveEdit.cmdSaveAs|'
                                'click frmWaveEdit.cmdCancel') % q(target.replace('.csv', '.msf')),
         expect=['Path not found' if '76' in why else 'Please try again! Files must be saved'])
    case('write.pdf.' + key, S('menu Tools > Diagnostics|answer OK|answer pdf %s|menu File > Print...')
         % q(target.replace('.csv', '.pdf')), expect=['There was a problem printing to your printer.', '"failed":true'])


# --- script lines that are garbage, very long or carry out-of-range numbers ---
def bad_line(name, line, expect=('"event":"error"',), status=1):
    case('script.' + name, 'tick\n' + line + '\n' + S('tick|menu File > Start / Stop Engine|tick 2'),
         expect=list(expect) + [RUNS], status=status)


# Lines that cannot run are error lines, and the script goes on.
for name, line in [('garbage', 'fsdkj %%% !!'), ('seed_huge', 'seed 1e308'), ('nul', 'tick\0 2'),
                   ('binary', RANDOM[:200].replace(b'\n', b' ').replace(b'\r', b' ').decode('latin-1')),
                   ('index_big', 'click frmFaults.chkFault(99999)'), ('index_neg', 'click frmFaults.chkFault(-1)'),
                   ('index_text', 'click frmFaults.chkFault(x)'), ('window_unknown', 'show frmNothing'),
                   ('tick_neg', 'tick -5'), ('tick_text', 'tick many'), ('tick_1e308', 'tick 1e308'),
                   ('tick_huge', 'tick 99999999999'), ('sweep_nan', 'sweep nan'), ('defer_huge', 'defer 99999999999 tick'),
                   ('let_unknown', 'let Nothing 1'), ('let_array_big', 'let OptionFlags(99999) 1'),
                   ('let_integer_big', 'let ToolMode 99999'), ('grid_big', 'set FRMsimulation.DBtiminggrid(99,99) 5'),
                   ('answer_bad', 'answer Maybe'), ('long_garbage', 'x' * (1 << 20))]:
    bad_line(name, line)
# A value a control cannot take is refused as a user's could not enter it.
for ctl, value in [('FRMsimulation.HSB_engine_speed', '99999999999'), ('FRMsimulation.HSB_engine_load', '-1e308'),
                   ('FRMsimulation.HSB_engine_speed', 'nan'), ('frmStarting.hsbVoltage', '1e308')]:
    bad_line('set_%s_%s' % (ctl.split('.')[1], value[:8]), 'set %s %s' % (ctl, value), expect=['Invalid property value'])
for name, line in [('long_comment', '# ' + 'c' * (1 << 20)), ('long_text', 'set MultiScope.txbEdit ' + 't' * (1 << 20)),
                   ('long_trip', 'set frmTripComputer.txtTripDisplay ' + '9' * (1 << 20)),
                   ('quote', 'set frmTripComputer.txtTripDisplay "abc'), ('long_reading', 'set MultiScope.cmbReading ' + 'x' * 5000)]:
    bad_line(name, line, expect=(), status=0)
# Variables of a type that cannot hold the value refuse it (an error line); the others take it
# and the program runs on with it.
for var, value, refused in [('EngineSpeed', '1e308', 1), ('EngineSpeed', '-1e308', 1), ('EngineSpeed', 'nan', 1),
                            ('EngineLoad', '1e308', 1), ('EngineLoad', '-5000', 0), ('SystemVoltage', '1e308', 1),
                            ('SystemVoltage', '-1e308', 1), ('RoadSpeed', '1e308', 1), ('FuelLevel', '-1e308', 0),
                            ('FuelLevel', 'inf', 1), ('TripDistance', '1e308', 0), ('Mileage', 'inf', 1),
                            ('ElapsedTime', '-1e308', 0), ('EngineTemperature', '1e308', 1)]:
    case('script.let_%s_%s' % (var, value), S('menu File > Start / Stop Engine|let %s %s|tick 3|menu Tools > Memory Maps|'
         'menu Systems > Instruments|menu Tools > Telemetry|telemetry 2|sweep 2|tick') % (var, value),
         expect=['does not fit ' + var] if refused else [RUNS], status=refused)


# --- attempt files as the class dashboard reads them ---
# The seat's class folder is the user's setting (no classroom file locks it); each case writes
# its attempt files there, without a check, and opens the dashboard as a logged-in instructor.
HOT, COLD = 'Overheating engine: the fan never starts on a hot day', 'Overheating engine: the fan never starts when cold'
WIRING, ECU = 'Engine temperature sensor - Its wiring', 'Engine temperature sensor - Its connection at the ECU'


def attempt(n, student='Sam', challenge=HOT, answer=WIRING, score=0, seconds=95, path=()):
    import json
    return json.dumps({'format': 'Vantorel attempt', 'version': 1, 'id': 'corpus-%d' % n, 'student': student,
                       'seat': 'seat', 'challenge': challenge, 'started': '2026-12-08T09:%02d:00' % n, 'seconds': seconds,
                       'answer': answer, 'right': False, 'score': score, 'hints': 0,
                       'measurements': [{'seconds': t, 'point': 'Coolant sensor', 'reading': r} for t, r in path]})


def class_folder(*files, listable=True):  # FILES: the attempt files' texts
    def prep(w):
        attempts = os.path.join(w, 'class', 'attempts')
        os.makedirs(attempts)
        for i, text in enumerate(files):
            open(os.path.join(attempts, '%d.vat' % i), 'w', encoding='utf-8').write(text)
        settings('ZRsettings', 'ZRclassFolder', os.path.join(w, 'class'))(w)
        listable or os.chmod(attempts, 0)
    return prep


DASHBOARD = SCRIPT_LOGIN + S('|menu Tools > Class Dashboard...|show frmClassDashboard|')
case('attempts.long_fields', DASHBOARD + S('dblclick frmClassDashboard.grdAttempts(0,3)|show frmClassDashboard.txtPath|'
                                           'show frmClassDashboard.chtWrong'),
     class_folder(attempt(1, student='S' * 200000, answer='A' * 200000, path=[(5, 'r' * 500000)])),
     expect=['"attempts":1', '... (499700 more characters)', '"value":1'])
case('attempts.colliding_answers', DASHBOARD + S('show frmClassDashboard.chtWrong|show frmClassDashboard.chtScores'),
     class_folder(attempt(1), attempt(2), attempt(3, answer=ECU, challenge=COLD), attempt(4, answer=WIRING + '\n', challenge=COLD)),
     expect=['"text":"%s","value":2' % WIRING, '"text":"%s","value":1' % ECU, '"text":"%s","value":0' % HOT])
case('attempts.huge_times', DASHBOARD + S('dblclick frmClassDashboard.grdAttempts(0,3)|show frmClassDashboard.txtPath|'
                                          'show frmClassDashboard.grdAttempts(1,8)'),
     class_folder(attempt(1, path=[(1e19, 'a'), (-8, 'b'), (1e308, 'c'), (-1e308, 'd')]), attempt(2, seconds=1e7),
                  attempt(3, seconds=1e19), attempt(4).replace('"seconds": 95', '"seconds": NaN')),
     expect=['"attempts":2', '1.  ?  Coolant sensor:  a\\n2.  ?  Coolant sensor:  b\\n3.  ?', '2777:46:40',
             '"2.vat: The file lacks a usable seconds."', '3.vat: The file is not an attempt file'])
case('attempts.formula_names', DASHBOARD + S('answer file TEMP:grades.csv|click frmClassDashboard.cmdExport|file TEMP:grades.csv'),
     class_folder(*[attempt(i, student=name, challenge='=SUM(A1:A9)') for i, name in
                    enumerate(['=cmd|\' /C calc\'!A0', '+1', '-1', '@SUM(1)', '\tTab', '\rCR', 'Plain, Name'])]),
     expect=['Student,ID,\'=SUM(A1:A9),Attempts marked', "\\r\\n'=cmd|' /C calc'!A0,,0,0\\r\\n", "\\r\\n'+1,,0,0",
             "\\r\\n'-1,,0,0", "\\r\\n'@SUM(1),,0,0", "\\r\\n'\\tTab,,0,0", '\\"\'\\rCR\\",,0,0', '\\"Plain, Name\\",,0,0'])
# Root lists any folder: the program then runs without that power.
case('attempts.folder_unlistable', DASHBOARD, class_folder(attempt(1), listable=False),
     expect=['cannot be read from', 'The folder cannot be listed (Permission denied).', '"attempts":0'],
     absent=['0 attempts'], wrap=['setpriv', '--bounding-set=-dac_override,-dac_read_search'] if os.geteuid() == 0 else [])

# --- the seats' progress files as the class dashboard's watch reads them ---
def progress(n, **fields):
    import datetime
    import json
    today = datetime.date.today().isoformat()  # script mode's clock starts at noon today
    p = {'format': 'Vantorel progress', 'version': 1, 'student id': 's%d' % n, 'student': 'Student %d' % n, 'seat': 'seat',
         'challenge': HOT, 'started': today + 'T11:58:00', 'seconds': 60, 'measurements': 2, 'hints': 0,
         'guided tests': 0, 'state': 'running', 'updated': today + 'T11:59:00'}
    p.update(fields)
    return json.dumps(p)


def progress_folder(files, listable=True):  # FILES: name -> text, bytes, None (a folder) or ('link', target)
    def prep(w):
        class_folder()(w)
        folder = os.path.join(w, 'class', 'progress')
        os.makedirs(folder)
        for name, data in files.items():
            path = os.path.join(folder, name)
            if data is None:
                os.makedirs(path)
            elif isinstance(data, tuple):
                os.symlink(data[1], path)
            else:
                open(path, 'wb').write(data if isinstance(data, bytes) else data.encode())
        listable or os.chmod(folder, 0)
    return prep


WATCH = DASHBOARD + S('watch 2|show frmClassDashboard|show frmClassDashboard.lblLive')
case('progress.damaged', WATCH,
     progress_folder({'good.vpr': progress(1), 'empty.vpr': b'', 'binary.vpr': bytes(range(256)) * 4,
                      'cut.vpr': progress(2)[:50], 'huge.vpr': b' ' * (10 << 20) + progress(3).encode(),
                      'long.vpr': progress(4, student='S' * 500000), 'numbers.vpr': progress(5, seconds=1e308, measurements=-1),
                      'nan.vpr': progress(6).replace('"seconds": 60', '"seconds": NaN'), 'newer.vpr': progress(7, version=2),
                      'folder.vpr': None, 'nowhere.vpr': ('link', '/nonexistent/x'), 'loop.vpr': ('link', 'loop.vpr')}),
     expect=['"working":1', '8 progress files cannot be read, the first: binary.vpr: The file is not a progress file'])
case('progress.folder_unlistable', WATCH, progress_folder({'good.vpr': progress(1)}, listable=False),
     expect=['"working":0', 'the attempts in progress cannot be read now: The progress folder cannot be listed (Permission denied).'],
     wrap=['setpriv', '--bounding-set=-dac_override,-dac_read_search'] if os.geteuid() == 0 else [])


# --- the classroom file, the class folder and the outbox of handed-in attempts ---
# The classroom program reads data/test-etc/classroom.conf; the class folder is tmp/class, the
# outbox userdata/vantorel/Class outbox. A finished challenge's attempt goes to the class folder
# or is kept in the outbox with a message that says why; it is never lost without a word.
SUBMIT = S('menu Tools > Challenges...|pick frmChallenges.lstChallenges "01 The engine will not start"|'
           'click frmChallenges.cmdStart|pick frmChallengeRun.cmbAnswerPart(0) "Engine speed sensor"|'
           'pick frmChallengeRun.cmbAnswerCircuit(0) "The part itself"|answer Yes|click frmChallengeRun.cmdSubmit|'
           'show frmChallengeRun.txtResult|expect filelines "USERDATA:Challenge results.csv" 2')
KEPT = 'It is kept on this computer'
HANDED_IN = 'Handed in to the class folder.'
OUTBOX = 'userdata/vantorel/Class outbox'


def classroom(conf=None, folder='class/attempts', setting=None, outbox=None):
    """CONF: the classroom file's text ({class} is the class folder), bytes as they are, or
    'folder'; FOLDER: what of the class folder exists; SETTING: ZRclassFolder; OUTBOX: files."""
    def prep(w):
        cls = os.path.join(w, 'tmp/class')
        if folder:
            os.makedirs(os.path.join(w, 'tmp', folder), exist_ok=True)
        etc = os.path.join(w, 'data/test-etc/classroom.conf')
        os.makedirs(os.path.dirname(etc), exist_ok=True)
        if conf == 'folder':
            os.makedirs(etc)
        elif conf is not None:
            open(etc, 'wb').write(conf if isinstance(conf, bytes) else conf.format(**{'class': cls}).encode())
        if setting is not None:
            settings('ZRsettings', 'ZRclassFolder', setting.format(**{'class': cls}))(w)
        student_name(w)
        for name, data in (outbox or {}).items():
            p = os.path.join(w, OUTBOX, name)
            os.makedirs(os.path.dirname(p), exist_ok=True)
            os.makedirs(p) if data is None else open(p, 'wb').write(data)
    return prep


def hand_in(name, prep, *expect, absent=(), script=SUBMIT, status=0):
    case('classroom.' + name, script, prep, expect=list(expect), absent=list(absent), status=status, classroom=True)


UNKNOWN = 'Kept on this computer until the class folder is known.'
# A classroom file that cannot be used: the attempt waits, and the student is told which line.
for name, conf, why in [('misspelt_name', 'clas folder = {class}\n', 'line 1: \\"clas folder\\" is not a name'),
                        ('misspelt_lock', 'class folder = {class}\nlokc = no\n', 'line 2: \\"lokc\\" is not a name'),
                        ('relative_folder', 'class folder = class\n', 'line 1: the class folder is not an absolute path'),
                        ('empty_folder', 'class folder =\n', 'line 1: the class folder is not an absolute path'),
                        ('short_key', 'class folder = {class}\nclass key = short\n', 'line 2: the class key is shorter than 16'),
                        ('no_equals', 'class folder {class}\n', 'line 1: '),
                        ('twice', 'class folder = {class}\nclass folder = {class}\n', 'line 2: \\"class folder\\" is given twice'),
                        ('binary', bytes(range(256)) * 4, 'the file is not text'), ('huge', b'#' * (100 << 10), 'the file is larger than 64 KB'),
                        ('folder', 'folder', 'it is not a regular file')]:
    hand_in('file.' + name, classroom(conf), why, KEPT, UNKNOWN, absent=[HANDED_IN])
# A file that gives no class folder: no class, nothing to tell; one that gives it whole: handed in.
hand_in('file.empty', classroom(''), '"errors":0', absent=['could not be handed in', KEPT])
hand_in('file.sound', classroom('# room\n\nCLASS FOLDER = {class}/\nclass key = a key of sixteen or more\n'), HANDED_IN, absent=[KEPT])
# The user's own class folder (no classroom file): an absolute path of a folder that is there, or refused.
for vname, raw in VALUES:
    if vname != 'empty':
        hand_in('setting.' + vname, classroom(setting=raw), KEPT, UNKNOWN,
                'of the setting ZRclassFolder (section ZRsettings) is not an absolute path')
hand_in('setting.dot', classroom(setting='./class'), 'the class folder \\"./class\\" of the setting ZRclassFolder')
hand_in('setting.locked_out', classroom('class folder = {class}\n', setting='relative'), HANDED_IN, absent=[KEPT])
# A class folder that cannot be reached: kept, and handed in later.
for name, folder, setting, why in [('missing', None, '{class}', 'cannot be found'),
                                   ('no_attempts', 'class', '{class}', 'the class folder has no folder \\"attempts\\"'),
                                   ('attempts_file', 'class', '{class}', 'the class folder has no folder \\"attempts\\"'),
                                   ('unwritable', 'class', '{class}', 'its folder \\"attempts\\" cannot be written'),
                                   ('in_proc', None, '/proc/vantorel-class', 'cannot be found')]:
    def prep(w, folder=folder, setting=setting, name=name):
        classroom(folder=folder, setting=setting)(w)
        if name == 'attempts_file':
            open(os.path.join(w, 'tmp/class/attempts'), 'w').write('not a folder')
        if name == 'unwritable':  # even for the superuser
            os.symlink('/proc/1', os.path.join(w, 'tmp/class/attempts'))
    hand_in('folder.' + name, prep, why, KEPT, 'Kept on this computer until the class folder can be reached.')
# The seat's progress cannot be kept (a file where its folder would be, a folder it may not
# write): the challenge runs and the attempt is handed in, without a word about the progress.
for name, blocker in [('progress_file', 'file'), ('progress_unwritable', 'link')]:
    def prep(w, blocker=blocker):
        classroom('class folder = {class}\n')(w)
        path = os.path.join(w, 'tmp/class/progress')
        open(path, 'w').write('not a folder') if blocker == 'file' else os.symlink('/proc/1', path)
    hand_in('folder.' + name, prep, HANDED_IN, absent=[KEPT, 'progress'])
# Neither the class folder nor the outbox: the student is told what to do.
def no_outbox(w):
    classroom(folder=None, setting='{class}')(w)
    os.makedirs(os.path.join(w, 'userdata/vantorel'))
    open(os.path.join(w, OUTBOX), 'w').write('a file where the outbox would be')
hand_in('folder.no_outbox', no_outbox, 'It could not be kept on this computer either', 'Print the result sheet',
        'Not handed in to the class folder.')


def outbox_attempt(**change):
    o = dict(format='Vantorel attempt', version=1, id='6d1f3c1e-0000-4000-8000-00000000000%d' % len(change), student='Sam',
             seat='seat 4', challenge='The engine will not start', started='2026-12-08T09:30:00', seconds=61,
             answer='Engine speed sensor - The part itself', right=True, score=100, hints=0, measurements=[])
    o.update(change)
    return json.dumps(o, indent=4).encode()


GOOD = outbox_attempt()
# Attempts damaged in the outbox: named, left where they are, and the sound one handed in.
TICK = S('tick|expect event "1 attempt kept on this computer has now been handed in"|file TEMP:class/attempts/a.vat')
for name, data, why in [('empty', b'', 'The file is empty.'), ('binary', RANDOM, 'it is not a JSON object'),
                        ('cut', GOOD[:len(GOOD) // 2], 'it is not a JSON object'), ('10MB', b' ' * (10 << 20), 'larger than 4 MB'),
                        ('newer', outbox_attempt(version=2), 'version 2'), ('fields', outbox_attempt(score='lots', student=None), 'lacks a usable'),
                        ('array', b'[1, 2, 3]', 'it is not a JSON object'), ('nonlatin', outbox_attempt(student='Привет 日本語 ☃', seat='\x01\x07'), None),
                        ('measurements', outbox_attempt(measurements=[{'point': 1}] * 3), 'lacks a usable measurements'),
                        ('folder', None, None)]:
    prep = classroom(setting='{class}', outbox={'a.vat': GOOD, 'b.vat': data} if name != 'nonlatin' else {'a.vat': data})
    expect = ['\\"b.vat\\" is damaged and stays in', why] if why else []
    hand_in('outbox.' + name, prep, *expect, '"errors":0', script=TICK)
# A stale temporary file a killed hand-in left in the outbox is cleared at the start; a fresh
# one (a write in progress) is not.
def stale(w):
    classroom(setting='{class}', outbox={'.a.vat.Ab12Cd': GOOD[:20], '.b.vat.Zz98Yy': GOOD[:30]})(w)
    old = time.time() - 300
    os.utime(os.path.join(w, OUTBOX, '.a.vat.Ab12Cd'), (old, old))
hand_in('outbox.temporaries', stale, 'cannot read ', '.a.vat.Ab12Cd', '"errors":1', status=1,
        script=S('tick|file "USERDATA:Class outbox/.b.vat.Zz98Yy"|file "USERDATA:Class outbox/.a.vat.Ab12Cd"'))

# --- the Live screen: stored trigger settings, reference waveform files and capture targets ---
LIVE = S('menu File > Start / Stop Engine|menu Tools > MultiScope|click MultiScope.optLive|'
         'drop FRMsimulation.lblECU(1) MultiScope.cmdConnection|sweep 8')
# A stored trigger mode that is none of the four is the default; the name of one, in any case, is that one.
for vname, raw in VALUES + [('roll_blank', ' Roll '), ('single_lower', 'single')]:
    mode = {'roll_blank': 'Roll', 'single_lower': 'Single'}.get(vname, 'Auto')
    case('live.trigger.%s' % vname, LIVE + '\nshow MultiScope', settings('Instruments', 'Scope_trigger', raw),
         expect=['"mode":"%s"' % mode], changes=[CONF])

# --- the instrument's stored place: one it cannot use gives its own place, whole in the working area ---
for vname, raw in VALUES + [('three', '1,2,3'), ('five', '1,2,3,4,5'), ('tiny', '"0,0,10,10"'),
                            ('huge', '"0,0,99999999,99999999"'), ('far', '"900000,-900000,15720,9420"')]:
    case('scope.geometry.%s' % vname, S('menu Tools > MultiScope|show MultiScope'),
         settings('Instruments', 'Scope_geometry', raw), expect=['"onscreen":true', '"visible":true'])


def tmp_file(name, content=None, link=None):
    """A file in the temporary folder: CONTENT (bytes), or a symbolic link to LINK."""
    def prep(w):
        p = os.path.join(w, 'tmp', name)
        os.symlink(link, p) if link else open(p, 'wb').write(content)
    return prep


wave = lambda sample: b'"1.4 V"\r\n' + b''.join(b'"%s"\r\n' % (sample(i) if callable(sample) else sample) for i in range(1, 51))
REFUSED = 'it cannot be drawn as a reference'
REF_KEPT = '"reference":"Engine speed.msf"'  # the reference set before the damaged file is kept
REFERENCE = S('click MultiScope.mnuRefStored|answer file TEMP:ref.msf|click MultiScope.mnuRefFile|show MultiScope')
for kind, content, texts in [
        ('nan', wave(b'nan'), [REFUSED, REF_KEPT]), ('inf', wave(b'-inf'), [REFUSED, REF_KEPT]), ('1e400', wave(b'1e400'), [REFUSED, REF_KEPT]),
        ('text', wave(b'twelve volts'), [REFUSED, REF_KEPT]), ('utf16', wave(b'42').decode().encode('utf-16'), [REFUSED, REF_KEPT]),
        ('binary', b'\x00\x01\xfe\xff,' * 300, [REFUSED, REF_KEPT]), ('empty', b'', ['holds no samples', REF_KEPT]),
        ('meter_only', b'"1.4 V"\r\n', ['holds no samples', REF_KEPT]),
        ('some_nan', wave(lambda i: b'nan' if i % 10 == 0 else b'42'), ['Samples 10, 20, 30, 40, 50 of', '"reference":"ref.msf"']),
        ('cut', wave(b'42')[:37], ['"reference":"ref.msf"']), ('10MB', (wave(b'42') * 6000)[:10 << 20], ['"reference":"ref.msf"'])]:
    case('live.reference.' + kind, LIVE + '\n' + REFERENCE, tmp_file('ref.msf', content), expect=texts, changes=[CONF])
case('live.reference.folder', LIVE + '\n' + REFERENCE, lambda w: os.makedirs(os.path.join(w, 'tmp/ref.msf')),
     expect=['could not be read as a reference', REF_KEPT], changes=[CONF])
case('live.reference.missing', LIVE + '\n' + REFERENCE, expect=['could not be read as a reference', REF_KEPT], changes=[CONF])
# A cursor set to no number is refused and stays where it was.
case('live.cursor_nan', LIVE + '\n' + S('click MultiScope.chkCursors|set MultiScope.cursor(T1) nan|show MultiScope.cursor(T1)'),
     expect=['takes a finite number of divisions', '"divisions":3'], status=1, changes=[CONF])
case('live.level_inf', LIVE + '\n' + S('set MultiScope.spnLevel inf|show MultiScope'),
     expect=['not a number: inf', '"level":2.5'], status=1, changes=[CONF])

# Capture targets; the file, where there is one, is read back after the capture.
CAPTURE = LIVE + '\n' + S('answer file %s|click MultiScope.mnuCaptureWave')
UNSAVED, SAVED = 'The capture could not be saved to', '"text":"Capture saved to '
for kind, target, prep, texts in [
        ('name_248', 'c' * 244 + '.msf', None, [SAVED]), ('name_255', 'c' * 251 + '.msf', None, [SAVED]),
        ('name_256', 'c' * 252 + '.msf', None, [UNSAVED, 'Path/File access error 75']),
        ('link_to_file', 'link.msf', lambda w: (tmp_file('real.msf', b'old')(w), tmp_file('link.msf', link='real.msf')(w)),
         [SAVED, '"text":"\\"  1.4 V (ac)']),
        ('link_nowhere', 'link.msf', tmp_file('link.msf', link='real.msf'), [UNSAVED, 'link to a file that does not exist']),
        ('loop', 'loop.msf', tmp_file('loop.msf', link='loop.msf'), [UNSAVED, 'is a link that leads round in a loop']),
        ('loop_pair', 'a.msf', lambda w: (tmp_file('a.msf', link='b.msf')(w), tmp_file('b.msf', link='a.msf')(w)),
         [UNSAVED, 'is a link that leads round in a loop']),
        ('read_only', 'ro.msf', lambda w: (tmp_file('ro.msf', b'kept')(w), os.chmod(os.path.join(w, 'tmp/ro.msf'), 0o444)),
         [UNSAVED, 'ro.msf is read-only', '"text":"kept"']),
        ('missing_folder', 'gone/cap.msf', None, [UNSAVED, 'Path not found 76']),
        ('folder', 'dir.msf', lambda w: os.makedirs(os.path.join(w, 'tmp/dir.msf')), [UNSAVED, 'Path/File access error 75'])]:
    target = 'TEMP:' + target
    read_back = '\nfile ' + q(target) if 'link_to' in kind or 'read_only' in kind or SAVED in texts else ''
    case('live.capture.' + kind, CAPTURE % q(target) + read_back, prep, expect=texts, changes=[CONF])


# --- script lines that try to get past a locked room's login ---
# The classroom file gives the instructor's password ("Right 1", hashed) and so locks the room:
# before that password is typed into the login window, script mode reaches no further than a
# student at the windows, and during a challenge nobody's script reads the fault boxes. A refused
# command is a "refused" event and the script goes on; a refused check is an error line, which
# tells nothing of what it would have found.
ROOM_PASSWORD = 'pbkdf2-sha256$1000$Y2xhc3Nyb29tLXNhbHQtMQ==$Wh5xpirvww60uEIlKIc/yotRomTbxzi3iSJc61luGIc='
LOCKED = 'Locked room: '
START_CHALLENGE = 'menu Tools > Challenges...|pick frmChallenges.lstChallenges "01 The engine will not start"|click frmChallenges.cmdStart'


def room(extra=''):
    def prep(work):
        os.makedirs(os.path.join(work, 'data/test-etc'))
        with open(os.path.join(work, 'data/test-etc/classroom.conf'), 'w') as f:
            f.write('password = %s\n%s' % (ROOM_PASSWORD, extra))
        os.symlink('faults.txt', os.path.join(work, 'data/list.lnk'))
        student_name(work)
    return prep


def locked(name, lines, expect, absent=(), status=0, extra=''):
    case('lock.' + name, S(lines), prep=room(extra), expect=[LOCKED] + list(expect), absent=absent,
         status=status, classroom=True)


for value in ['-1', '1', '-2', '32767', '"-1"']:  # (the last one quoted)
    locked('let_LoggedIn_' + value.strip('"') + ('_quoted' if '"' in value else ''), 'let LoggedIn %s|expect LoggedIn 0|applyoptions|set FRMsimulation.DBtiminggrid(2,3) 50|'
           'menu Tools > Class Dashboard...' % value, ['LoggedIn is set only by the login window'],
           absent=['Password accepted'])
locked('let_deferred', 'defer 1 let LoggedIn -1|tick|expect LoggedIn 0', ['LoggedIn is set only by the login window'])
locked('let_damaged_room', 'let LoggedIn -1|expect LoggedIn 0', ['LoggedIn is set only by the login window'], extra='lokc = no\n')
locked('let_then_edit', 'let OptionFlags(0) 1|let LoggedIn -1|applyoptions|set FRMsimulation.DBtiminggrid(2,3) 50|'
       'expect FRMsimulation.DBtiminggrid(2,3) text 50', ['LoggedIn is set only'], status=1)
locked('dashboard_show', 'show frmClassDashboard|click frmClassDashboard.cmdRefresh|focus frmClassDashboard.cmdExport|'
       'screenshot frmClassDashboard dashboard.png', ['the class dashboard opens only after the login'],
       absent=['"event":"show"'])
locked('dashboard_expect', 'expect frmClassDashboard attempts 0', ['the class dashboard opens only after the login'],
       status=1)
locked('faults_list_box', 'menu Systems > Set Faults...|show frmFaults.txtFaults|set frmFaults.txtFaults x',
       ['before the login a script reaches only what the windows show'])
for target in ['DATA:faults.txt', 'DATA:list.lnk', '"DATA:challenges/01 The engine will not start.vch"']:
    locked('file_' + re.sub(r'\W', '_', target.strip('"')), 'file %s|expect filelines %s 1' % (target, target),
           ['does not read the faults list, the challenges'], absent=['"event":"file"'], status=1)
locked('editor_pages', 'menu Tools > Challenges...|pick frmChallenges.lstChallenges "01 The engine will not start"|'
       'show frmChallenges.chkPick(1)|show frmChallenges.cmbPart(0)|show frmChallenges.grdHints(0,1)|'
       'click frmChallenges.cmdAnswerFromFaults|click frmChallenges.cmdSave',
       ['frmChallenges.chkPick(1) is hidden', 'frmChallenges.cmbPart(0) is hidden', 'frmChallenges.grdHints(0,1) is hidden',
        'frmChallenges.cmdSave is hidden'], absent=['Engine speed sensor | The part itself', '"event":"show"'])
locked('fault_box_show', START_CHALLENGE + '|show frmFaults.chkFault(1)|key frmFaults.chkFault(1) Space|'
       'set frmFaults.chkFault(1) 1|click frmFaults.chkFault(1)', ['the fault boxes are not read while a challenge is running'],
       absent=['"event":"show"'])
# With "lock = no" a user's own settings come first, so there is nothing to keep: the test hook works.
case('lock.open_room_let', S('let LoggedIn -1|expect LoggedIn -1|' + START_CHALLENGE + '|show frmFaults.chkFault(1)'),
     prep=room('lock = no\n'), expect=['"target":"frmFaults.chkFault(1)"'], absent=[LOCKED], classroom=True)
for value in ['true', 'false']:
    locked('fault_box_expect_' + value, START_CHALLENGE + '|expect frmFaults.chkFault(1) checked ' + value,
           ['the fault boxes are not read while a challenge is running'], status=1)


# --- the runner ---
def tree_hashes(root, skip):
    """What each file of the program's and the settings folder holds, but those in SKIP and the folders above them."""
    out = {}
    for d, dirs, files in [w for top in ('data', 'config') for w in os.walk(os.path.join(root, top))]:
        for n in dirs + files:
            p, rel = os.path.join(d, n), os.path.relpath(os.path.join(d, n), root)
            if rel not in skip and not any(k.startswith(rel + '/') for k in skip):
                out[rel] = 'dir' if os.path.isdir(p) else hashlib.sha1(open(p, 'rb').read()).hexdigest()
    return out


def run_case(c, program, data, keep, classroom_program):
    work = tempfile.mkdtemp(prefix='corpus-')
    try:
        shutil.copytree(data, os.path.join(work, 'data'), symlinks=True,
                        ignore=lambda d, names: [os.path.basename(program)] if d == data else [])
        [os.makedirs(os.path.join(work, sub)) for sub in ('config', 'tmp')]
        c['prep'] and c['prep'](work)
        with open(os.path.join(work, 'case.vs'), 'wb') as f:
            f.write(c['script'].encode('utf-8', 'surrogateescape') + b'\n')
        before = tree_hashes(work, c['changes'])
        env = dict(SANITIZERS, **os.environ)
        env.update(dict(XDG_CONFIG_HOME=work + '/config', TMPDIR=work + '/tmp', XDG_DATA_HOME=work + '/userdata',
                        QT_QPA_PLATFORM='offscreen', LC_ALL='C.UTF-8'), **c['env'])
        if c['classroom']:
            program = classroom_program
        t0 = time.time()
        try:
            p = subprocess.run(c['wrap'] + [program, '--data', work + '/data', '--script', work + '/case.vs'], env=env,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=TIMEOUT)
        except subprocess.TimeoutExpired as e:
            return ['hang: no end within %d s' % TIMEOUT], (e.stdout or b'').decode(errors='replace'), '', TIMEOUT
        out, err = p.stdout.decode(errors='replace'), p.stderr.decode(errors='replace')
        faults = ['sanitizer report'] if re.search(r'(Address|Leak|UndefinedBehavior)Sanitizer|runtime error:', err) else []
        if '"event":"end"' not in out:
            faults.append('crash: exit %d without an end event' % p.returncode)
        elif c['status'] is not None and p.returncode != c['status']:
            faults.append('exit status %d, expected %d' % (p.returncode, c['status']))
        faults += ['a run-time error escaped its handler'] * ('not trapped' in out)
        faults += ['missing in transcript: ' + t for t in c['expect'] if t not in out]
        faults += ['unexpected in transcript: ' + t for t in c['absent'] if t in out]
        after = tree_hashes(work, c['changes'])
        faults += ['changed: ' + k for k in sorted(set(before) | set(after)) if before.get(k) != after.get(k)]
        return faults, out, err, time.time() - t0
    finally:
        if keep:
            print('kept', work)
        else:
            subprocess.run(['chmod', '-R', 'u+w', work])
            shutil.rmtree(work, ignore_errors=True)


def main():
    ap = argparse.ArgumentParser()
    [ap.add_argument(a) for a in ('program', 'data')]
    ap.add_argument('--shard', default='1/1', help='K/N: every N-th case from the K-th')
    ap.add_argument('--classroom', help='the program built with the test classroom file '
                    '(default: tests/vantorel_classroom of the build folder PROGRAM is in)')
    ap.add_argument('--case', action='append', help='run this case (repeatable)')
    [ap.add_argument(flag, action='store_true') for flag in ('--list', '--keep')]  # --keep: keep each case's folder
    a = ap.parse_args()
    k, n = map(int, a.shard.split('/'))
    chosen = [c for i, c in enumerate(CASES) if (a.case and c['name'] in a.case) or (not a.case and i % n == k - 1)]
    if a.list:
        return print('\n'.join(c['name'] for c in chosen)) or 0
    classroom_program = os.path.abspath(a.classroom or os.path.join(os.path.dirname(a.program), '../tests/vantorel_classroom'))
    failed = []
    for c in chosen:
        try:
            faults, out, err, secs = run_case(c, os.path.abspath(a.program), os.path.abspath(a.data), a.keep, classroom_program)
        except Exception as e:  # a case that cannot be built fails by its name
            faults, out, err, secs = ['cannot be built: %r' % e], '', '', 0
        print('%s %s (%.1f s)%s' % ('FAIL' if faults else 'ok  ', c['name'], secs, ': ' + '; '.join(faults) if faults else ''))
        if faults:
            failed.append(c['name'])
            print('\n'.join(l[:300] for l in out.splitlines() if '"error"' in l or '"message"' in l)[-3000:], err[-4000:])
    print('%d of %d cases failed%s' % (len(failed), len(chosen), ': ' + ', '.join(failed) if failed else ''))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
