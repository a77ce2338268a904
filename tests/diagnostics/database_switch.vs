# A routines database chosen in a file dialog takes over at the window's next activation,
# once for each newly chosen file; a file that is no routines database is refused.
#! sh printf 'not a database\n' > "$work/data/notes.DB"; cp "$work/data/ZR.db" "$work/data/Other.Db"
#! sh cp "$work/data/notes.DB" "$work/tmp/notes.before"
answer file DATA:notes.DB
menu File > Open...
menu Tools > Diagnostics
expect event "cannot be used as the diagnostic routines database"
expect frmDiagnostics.DataSystem file ZR.db
expect frmDiagnostics.cmbSystem text Auxiliaries
menu Tools > Diagnostics
menu Tools > Diagnostics
expect noevent "cannot be used"
answer file DATA:Other.Db
menu File > Open...
menu Tools > Diagnostics
menu Tools > Diagnostics
expect frmDiagnostics.DataSystem file Other.Db
expect frmDiagnostics.DataSystem count 6
expect frmDiagnostics.datRoutine table Auxiliaries
#! restart
#! sh cmp -s "$work/data/notes.DB" "$work/tmp/notes.before" && printf 'same\r\n' > "$work/data/cmp.txt"
expect fileline DATA:cmp.txt 1 same
