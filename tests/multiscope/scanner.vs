# The scanner: the two buttons collect the system data and show the current report whole.
menu Tools > Scanner
expect ToolMode 4
defer 1 expect MultiScope.txbScanner text "Reading data - Please wait..."
click MultiScope.cmdRead
expect fileline TEMP:Scanner.scn 1 "System results:"
defer 1 expect MultiScope.txbScanner text "Scanning - Please wait..."
click MultiScope.cmdScan
expect fileline TEMP:Faults.scn 1 "System faults found:"
