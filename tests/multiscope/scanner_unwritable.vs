# With the temporary folder unwritable the reports cannot be written: the collector says so
# and the read-out says there is no data.
#! readonly-temp
menu Tools > Scanner
click MultiScope.cmdRead
expect event "Collect system data - Error number: 75"
expect MultiScope.txbScanner text "No data file found..."
click MultiScope.cmdScan
expect MultiScope.txbScanner text "No data file found..."
