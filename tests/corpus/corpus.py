#!/usr/bin/env python3
"""The malformed-input corpus: each case damages one input (a setting, the database, a data file, a
place written to, a script line), runs script mode on a fresh copy of the program's folder and checks
its expected texts and exit status; no error may escape a handler, crash, hang or make a sanitizer
report, and no file may change but those the case means to change.
  corpus.py PROGRAM DATA_DIR [--classroom PROGRAM] [--shard K/N] [--case NAME] [--list] [--keep]
The locked-room cases run the program built with the test programs' classroom path (--classroom;
by default tests/vantorel_classroom of PROGRAM's build folder)."""
import argparse, hashlib, os, random, re, shutil, sqlite3, subprocess, sys, tempfile, time

TIMEOUT = float(os.environ.get('VANTOREL_CORPUS_TIMEOUT', '90'))
CONF = 'config/Vantorel/Vantorel.conf'
# The sanitizer build's options, as CTest sets them, for a case run by hand.
SANITIZERS = {'ASAN_OPTIONS': 'halt_on_error=1:abort_on_error=1:detect_leaks=1:intercept_tls_get_addr=0', 'UBSAN_OPTIONS': 'halt_on_error=1:print_stacktrace=1',
              'LSAN_OPTIONS': 'suppressions=' + os.path.join(os.path.dirname(os.path.abspath(__file__)), '../sanitizer/lsan.supp')}
CASES = []


def case(name, script, prep=None, expect=(), absent=(), status=0, changes=(), env=None, classroom=False):
    CASES.append(dict(name=name, script=script, prep=prep, expect=expect, absent=absent,
                      status=status, changes=set(changes), env=env or {}, classroom=classroom))


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


def run_case(c, programs, data, keep):
    program = programs[1] if c['classroom'] else programs[0]
    work = tempfile.mkdtemp(prefix='corpus-')
    try:
        shutil.copytree(data, os.path.join(work, 'data'), symlinks=True,
                        ignore=lambda d, names: [os.path.basename(programs[0])] if d == data else [])
        [os.makedirs(os.path.join(work, sub)) for sub in ('config', 'tmp')]
        c['prep'] and c['prep'](work)
        with open(os.path.join(work, 'case.vs'), 'wb') as f:
            f.write(c['script'].encode('utf-8', 'surrogateescape') + b'\n')
        before = tree_hashes(work, c['changes'])
        env = dict(SANITIZERS, **os.environ)
        env.update(dict(XDG_CONFIG_HOME=work + '/config', TMPDIR=work + '/tmp', QT_QPA_PLATFORM='offscreen',
                        LC_ALL='C.UTF-8'), **c['env'])
        t0 = time.time()
        try:
            p = subprocess.run([program, '--data', work + '/data', '--script', work + '/case.vs'], env=env,
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
    ap.add_argument('--classroom', help='the program built with the test programs\' classroom path')
    ap.add_argument('--shard', default='1/1', help='K/N: every N-th case from the K-th')
    ap.add_argument('--case', action='append', help='run this case (repeatable)')
    [ap.add_argument(flag, action='store_true') for flag in ('--list', '--keep')]  # --keep: keep each case's folder
    a = ap.parse_args()
    k, n = map(int, a.shard.split('/'))
    chosen = [c for i, c in enumerate(CASES) if (a.case and c['name'] in a.case) or (not a.case and i % n == k - 1)]
    if a.list:
        return print('\n'.join(c['name'] for c in chosen)) or 0
    program = os.path.abspath(a.program)
    programs = (program, os.path.abspath(a.classroom) if a.classroom else
                os.path.join(os.path.dirname(os.path.dirname(program)), 'tests', 'vantorel_classroom'))
    failed = []
    for c in chosen:
        try:
            faults, out, err, secs = run_case(c, programs, os.path.abspath(a.data), a.keep)
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
