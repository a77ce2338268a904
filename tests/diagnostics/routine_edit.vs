# Routine editing: only with option 0 on and a user logged in. The edit is written back when
# the user moves on and is there after a restart; otherwise the file stays byte for byte.
#! sh cp "$work/data/ZR.db" "$work/tmp/before.db"
#! setting ZRsettings ZRsetting0 1
toolbar btnDiagnostics
expect status "Select system and diagnostic routine..."
expect frmDiagnostics.txbRoutine(3) enabled false
click frmDiagnostics.datRoutine(next)
click frmDiagnostics.DataSystem(last)
menu Tools > Diagnostics
expect frmDiagnostics visible false
expect status "Ready..."
menu File > Exit
#! restart
#! sh cmp -s "$work/data/ZR.db" "$work/tmp/before.db" && printf 'same\r\n' > "$work/data/cmp.txt"
expect fileline DATA:cmp.txt 1 same
let LoggedIn -1
applyoptions
menu Tools > Diagnostics
set frmDiagnostics.txbRoutine(3) "Check the lamp's feed – 12 V"
click frmDiagnostics.datRoutine(next)
click frmDiagnostics.datRoutine(prev)
expect frmDiagnostics.txbRoutine(3) text "Check the lamp's feed – 12 V"
# An edit left in the window is written when the program ends.
set frmDiagnostics.txbRoutine(0) "Headlamps dim"
menu File > Exit
#! restart
menu Tools > Diagnostics
expect frmDiagnostics.txbRoutine(0) text "Headlamps dim"
expect frmDiagnostics.txbRoutine(3) text "Check the lamp's feed – 12 V"
expect frmDiagnostics.txbRoutine(3) enabled false
