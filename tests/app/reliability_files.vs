# Data files that are not regular files are reported as missing instead of holding the program;
# text files are read as UTF-8.
#! sh rm "$work/data/background.jpg"; mkfifo "$work/data/background.jpg"
#! sh rm "$work/data/faults.txt"; mkfifo "$work/data/faults.txt"
expect event "Error number: 53 - File not found: background.jpg"
menu Systems > Set Faults...
let LoggedIn -1
click frmFaults.cmdFaults
expect event "\"icon\":\"none\",\"text\":\"Error number: 53 - File not found\""
expect frmFaults.txtFaults visible false
expect frmFaults width 4000
expect frmFaults.cmdFaults text "Faults list"
file /dev/zero
expect event "\"truncated\":true"
#! restart
#! sh rm "$work/data/faults.txt"; printf '1 Coolant sensor reads 90 \302\260C when cold\r\n' > "$work/data/faults.txt"
menu Systems > Set Faults...
let LoggedIn -1
click frmFaults.cmdFaults
expect frmFaults.txtFaults text "1 Coolant sensor reads 90 °C when cold\n"
