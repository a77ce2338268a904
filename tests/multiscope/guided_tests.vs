# Guided tests in the instrument: the list, its search, the one command that sets the Live
# screen for a test, the verdict on a healthy car and on a fault of the test's circuit; for each
# two-channel test, at idle and, with a fault that stops the engine, while it cranks for testing.
menu File > Start / Stop Engine
menu Tools > MultiScope
set FRMsimulation.HSB_engine_speed 800
set FRMsimulation.HSB_engine_temperature 90
tick 2

# The search keeps the tests whose names or notes hold every word.
set MultiScope.txtGuidedSearch "injector crank"
pick MultiScope.lstGuided "Injector: Crank sensor against injector"
expect MultiScope.cmdGuidedSetup enabled true
show MultiScope.txbGuided
expect event "State: Idle, warm; or Cranking"
show MultiScope.txbGuided
expect event "A: Engine speed (ECU picture, at the ECU pin)"

# Crank sensor against injector: the one command sets the channels, scales and trigger.
click MultiScope.cmdGuidedSetup
expect MultiScope.optLive checked true
expect MultiScope.cmdChannel(0) text "A: Engine speed"
expect MultiScope.lblPlace(0) text "ECU picture, at the ECU pin"
expect MultiScope.cmdChannel(1) text "B: Fuel injector ms"
expect MultiScope.chkChannel(2) checked false
expect MultiScope.cmbTriggerSource text "B"
expect MultiScope.cmbTrigger text "Normal"
expect MultiScope.cmbEdge text "Falling"
expect MultiScope.spnLevel text "7.00 V"
expect MultiScope.lblTimeValue text "20 ms/div"
expect MultiScope.cmbRange(1) text "20 V"
sweep 80
show MultiScope
expect event "\"guided\":{\"captures\":13,\"failed\":0,\"key\":\"crank-injector\",\"reason\":\"13 of 13 captures inside the mask\""
expect MultiScope.lblGuidedVerdict text "Pass: 13 of 13 captures inside the mask"
# Changing the time base makes the captures another test's: they cannot be compared.
set MultiScope.sldTime 6
sweep 20
show MultiScope
expect event "The time base is not the test's"
click MultiScope.cmdGuidedSetup
sweep 40
show MultiScope
expect event "\"verdict\":\"Pass\""

# Primary against secondary, healthy.
set MultiScope.txtGuidedSearch ""
pick MultiScope.lstGuided "Ignition coil: Ignition primary against secondary"
click MultiScope.cmdGuidedSetup
expect MultiScope.cmdChannel(0) text "A: Ignition coil dwell %"
expect MultiScope.cmdChannel(1) text "B: Spark timing BTDC"
expect MultiScope.cmbProbe(1) text "HT pick-up"
sweep 80
show MultiScope
expect event "\"key\":\"primary-secondary\",\"reason\":\"20 of 20 captures inside the mask\""

# The coil's drive open at the unit stops the engine; kept cranking for testing, the test is
# made while it cranks: no primary switching, no trigger, a fail.
click frmFaults.chkFault(22)
expect EngineRunning 0
answer OK
menu File > Start / Stop Engine
expect status "Engine cranking for testing..."
click MultiScope.cmdGuidedSetup
sweep 160
show MultiScope
expect event "\"verdict\":\"Fail\""
expect MultiScope.lblGuidedVerdict text "Fail: No trigger for two seconds: the trigger channel does not show what a healthy car shows there."
menu File > Start / Stop Engine
click frmFaults.chkFault(22)

# The injector's drive open at the unit, cranking for testing: the crank wave without an
# injector pulse, a fail.
click frmFaults.chkFault(23)
answer OK
menu File > Start / Stop Engine
expect status "Engine cranking for testing..."
pick MultiScope.lstGuided "Injector: Crank sensor against injector"
click MultiScope.cmdGuidedSetup
sweep 160
show MultiScope
expect event "\"key\":\"crank-injector\",\"reason\":\"No trigger for two seconds"
menu File > Start / Stop Engine
click frmFaults.chkFault(23)

# A sensor's test with its wiring open (the engine runs on): every capture leaves the mask.
menu File > Start / Stop Engine
set FRMsimulation.HSB_engine_speed 800
tick 2
pick MultiScope.lstGuided "Manifold pressure sensor: Manifold pressure sensor at idle"
click MultiScope.cmdGuidedSetup
sweep 40
expect MultiScope.lblGuidedVerdict text "Pass: 10 of 10 captures inside the mask"
click frmFaults.chkFault(8)
expect EngineRunning -1
click MultiScope.cmdGuidedSetup
sweep 40
expect MultiScope.lblGuidedVerdict text "Fail: 10 of 10 captures left the mask (channel A, 501 samples)"
# Stopped: no reference, no verdict.
click MultiScope.cmdGuidedStop
expect MultiScope.lblGuidedVerdict text ""
show MultiScope
expect noevent "\"guided\""

# The guide's page of a test sets it up on the instrument; a link to no test says so.
menu Help > Help
pick frmHelp.lstContents "Guided tests"
show frmHelp
expect event "\"page\":\"guided-tests.html\""
set frmHelp.link vantorel:guided/coolant-sensor
show MultiScope
expect event "\"key\":\"coolant-sensor\""
expect MultiScope.cmdChannel(0) text "A: Temperature"
set frmHelp.link vantorel:guided/no-such-test
expect message "This link of the guide leads nowhere in this version of the program: vantorel:guided/no-such-test"

