# The key at different battery voltages: 11 rev/min per volt (before the 1 V cranking drop), a ramp
# from 70 rev/min shown live, 100 rev/min needed to start. Stopping lowers the voltage to 12, never raises it.
menu Systems > Starting
set frmStarting.hsbVoltage 12
expect SystemVoltage 12

# 12 V: the ramp runs 70 .. 132 (yields 2 .. 64), then ten compression strokes.
defer 1 expect status "Engine is ready to start..."
defer 2 expect frmControls.lblStatus text "Cranking position..."
defer 2 expect EngineCranking -1
defer 2 expect frmStarting.txtCrankingSpeed text 70
defer 2 expect SystemVoltage 11
defer 3 expect frmStarting.pbrStarter value 71
defer 64 expect frmStarting.pbrStarter value 132
defer 65 expect frmStarting.txtCrankingSpeed text 137
defer 66 expect frmStarting.txtCrankingSpeed text 132
defer 66 expect frmCharging.txtOutputVoltage text 11
defer 85 expect status "Engine is running..."
defer 85 expect EngineRunning 0
click frmStarting.cmdStarter
expect CrankingSpeed 132
expect EngineRunning -1
expect EngineSpeed 800
expect SystemVoltage 14

click frmStarting.cmdStarter
expect EngineRunning 0
expect SystemVoltage 12
expect status "Engine stopped..."
expect frmCharging.txtAlternatorSpeed text 0
menu File > Start / Stop Engine
set FRMsimulation.HSB_system_voltage 11
menu File > Start / Stop Engine
expect SystemVoltage 11

# 9 V on the battery: 99 rev/min is too slow; the failed start leaves 8 V.
set frmStarting.hsbVoltage 9
defer 32 expect frmStarting.txtCrankingSpeed text 104
click frmStarting.cmdStarter
expect CrankingSpeed 99
expect event "\"icon\":\"critical\",\"text\":\"Engine not cranking fast enough to start...\""
expect EngineRunning 0
expect EngineCranking 0
expect SystemVoltage 8
set frmStarting.hsbVoltage 10
click frmStarting.cmdStarter
expect CrankingSpeed 110
expect EngineRunning -1
menu File > Start / Stop Engine


