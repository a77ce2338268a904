#! setting ZRsettings ZRlanguage German
# The program in German: its captions, and numbers shown and typed with a decimal comma. A
# trigger level typed as "1,5" is 1.5 V, and so is "1.5" (the dot is the decimal key there, not a
# thousands separator that would make it fifteen).
key frmStarting.cmdStarter Space
expect EngineRunning -1
click MultiScope.optLive
set MultiScope.cmdChannel(0) ecu.speed-sensor.pin
expect MultiScope.cmdChannel(0) text "A: Motordrehzahl"
expect MultiScope.spnLevel text "2,50 V"
key MultiScope.cmbTrigger Down
expect MultiScope.cmbTrigger text "Normal"
key MultiScope.spnLevel Ctrl+A
key MultiScope.spnLevel 1
key MultiScope.spnLevel ,
key MultiScope.spnLevel 5
key MultiScope.spnLevel Enter
expect MultiScope.spnLevel value 1.5
expect MultiScope.spnLevel text "1,50 V"
sweep 8
show MultiScope
expect event "\"name\":\"Spitze-Spitze\",\"statistics\":\"aktuell 5,40 V"
show MultiScope
expect event "\"level\":1.5,\"mode\":\"Normal\",\"position\":0.5,\"status\":\"Triggered\""
key MultiScope.spnLevel Ctrl+A
key MultiScope.spnLevel 0
key MultiScope.spnLevel .
key MultiScope.spnLevel 7
key MultiScope.spnLevel Enter
expect MultiScope.spnLevel value 0.7
expect MultiScope.spnLevel text "0,70 V"
# The read-outs with a decimal comma too.
expect MultiScope.lblTimeValue text "10 ms/div"
