# Without its database the program starts on empty tables: the engine starts, and its first
# step stops it with a message.
#! remove ZR.db
expect event "Error number: 3024 - Could not find file 'ZR.db'."
menu File > Start / Stop Engine
expect EngineRunning -1
tick
expect message "Timing Lookup Table holds no data, please edit the lookup data... "
expect EngineRunning 0
