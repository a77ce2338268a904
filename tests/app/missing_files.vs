# A missing database or background picture, or one that is not what its name says, is reported and
# start-up goes on.
#! remove ZR.db
#! remove background.jpg
expect event "Error number: 3024 - Could not find file 'ZR.db'."
expect event "Error number: 53 - File not found: background.jpg"
expect frmMainscreen.StatusBar1 visible true
tick 2
expect ElapsedTime 2
# Empty tables: the engine starts, and its first step stops it with a message.
menu File > Start / Stop Engine
expect EngineRunning -1
tick
expect message "Timing Lookup Table holds no data, please edit the lookup data... "
expect EngineRunning 0
#! restart
#! garble ZR.db
#! garble background.jpg
expect event "Error number: 3343 - Unrecognized database format 'ZR.db'."
expect event "Error number: 481 - Invalid picture: background.jpg"
