# The tip of the day. A first run shows it on the file's first line; "Next Tip" goes round a
# three-line file; the check box is stored by OK and not by the frame's close box.
#! sh rm -f "$work/data/"[Tt][Ii][Pp][Oo][Ff][Dd][Aa][Yy].[Tt][Xx][Tt]; printf 'Check the earth first.\r\n\r\nA <b>flat</b> battery & a slow crank.\r\n' > "$work/data/TIPOFDAY.TXT"
expect frmTip visible true
expect frmTip.lblTipText text "Check the earth first."
click frmTip.cmdNextTip
expect frmTip.lblTipText text ""
click frmTip.cmdNextTip
expect frmTip.lblTipText text "A <b>flat</b> battery & a slow crank."
click frmTip.cmdNextTip
expect frmTip.lblTipText text "Check the earth first."
set frmTip.chkLoadTipsAtStartup 0
close frmTip
#! restart
# The close box stored nothing; loaded again the window is back on the first line, box ticked.
expect frmTip visible true
expect frmTip.lblTipText text "Check the earth first."
expect frmTip.chkLoadTipsAtStartup value 1
set frmTip.chkLoadTipsAtStartup 0
click frmTip.cmdOK
expect frmTip loaded false
#! restart
expect frmTip loaded false
#! restart
# A file of ten megabytes shows its first lines at once; an empty file leaves the label as it was.
#! sh yes 'A tip that repeats itself.' | head -c 10485760 > "$work/data/TIPOFDAY.TXT"
menu Help > Tip Of The Day
expect frmTip.lblTipText text "A tip that repeats itself."
#! restart
#! sh : > "$work/data/TIPOFDAY.TXT"
menu Help > Tip Of The Day
click frmTip.cmdNextTip
expect frmTip.lblTipText text "Tip will appear here..."
#! restart
#! sh head -c 4096 /dev/urandom > "$work/data/TIPOFDAY.TXT"; printf '\0' >> "$work/data/TIPOFDAY.TXT"
menu Help > Tip Of The Day
expect frmTip.lblTipText text "That the TIPOFDAY.TXT file holds no text? It cannot be shown."
