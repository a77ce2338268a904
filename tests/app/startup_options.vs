# Options at start-up: the trip is reset (option 9) but not the arrival distance or the odometer; the
# diagnostics and faults windows show; the engine starts; no background wanted, none missed; no status bar.
#! setting Trip_Computer Trip_Distance 50
#! setting Trip_Computer Elapsed_Time 600
#! setting Trip_Computer Arrival_Distance 20
#! setting Instruments mileage 1234.5
#! setting ZRsettings ZRsetting1 0
#! setting ZRsettings ZRsetting3 1
#! setting ZRsettings ZRsetting4 1
#! setting ZRsettings ZRsetting5 1
#! setting ZRsettings ZRsetting6 0
#! remove background.jpg
expect OptionFlags 0,0,0,1,1,1,0,1,0,1
expect TripDistance 0
expect ElapsedTime 0
expect ArrivalDistance 20
expect Mileage 1234.5
expect frmDiagnostics visible true
expect frmFaults visible true
expect EngineRunning -1
expect frmInstruments visible true
expect frmMainscreen.StatusBar1 visible false
expect noevent "Error number"
