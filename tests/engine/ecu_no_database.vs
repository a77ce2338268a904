# Without its database the engine-management window loads with empty tables (start-up
# reports the error and goes on); the engine cranks and starts, and its first step stops it
# with a message instead of failing.
#! remove ZR.db
expect event "Error number: 3024 - Could not find file 'ZR.db'."
menu File > Start / Stop Engine
expect EngineRunning -1
tick
expect message "Timing Lookup Table holds no data, please edit the lookup data... "
expect EngineRunning 0
tick
expect EngineRunning 0
