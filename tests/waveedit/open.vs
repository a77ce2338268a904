# Opening the editor from the scope screen: capitals in the name, the fields it takes from a
# long and a short file.
#! sh { printf '"  sixty"\r\n'; for i in $(seq 1 59); do printf '"%s"\r\n' $i; done; } > "$work/data/long.MSF"
#! sh { printf '"  ten"\r\n'; for i in $(seq 1 9); do printf '%s\r\n' $((i * -10)); done; } > "$work/data/ten.msf"
menu Tools > MultiScope
# Capitals open it: 60 fields fill cells 0..50, the rest is ignored.
answer file long.MSF
menu File > Open...
dblclick MultiScope.scopescreen
expect frmWaveEdit.lblWaveform text "Current waveform is: long.MSF"
expect frmWaveEdit.txtYvalue(0) text "  sixty"
expect frmWaveEdit.txtYvalue(50) text 50
# 10 fields fill cells 0..9; 10..50 keep the long file's values.
let CurrentWaveformFile ten.msf
dblclick MultiScope.scopescreen
expect frmWaveEdit.txtYvalue(9) text -90
expect frmWaveEdit.txtYvalue(10) text 10
