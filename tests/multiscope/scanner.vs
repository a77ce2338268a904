# The scanner: the two buttons collect the system data and show the current report whole;
# Tools > Scanner shows the (empty) current scanner file with the small font.
menu Tools > Scanner
expect ToolMode 4
expect MultiScope.txbScanner text ""
expect MultiScope.txbScanner visible true
defer 1 expect MultiScope.txbScanner text "Reading data - Please wait..."
click MultiScope.cmdRead
expect event "\"event\":\"pause\",\"seconds\":1"
expect fileline TEMP:Scanner.scn 1 "System results:"
defer 1 expect MultiScope.txbScanner text "Scanning - Please wait..."
click MultiScope.cmdScan
expect event "\"event\":\"pause\",\"seconds\":1"
expect fileline TEMP:Faults.scn 1 "System faults found:"
expect CurrentScannerFile ""
expect ToolMode 4
