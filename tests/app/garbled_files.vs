# Files that are not what their names say are reported like missing ones.
#! garble ZR.db
#! garble background.jpg
expect event "Error number: 3343 - Unrecognized database format 'ZR.db'."
expect event "Error number: 481 - Invalid picture: background.jpg"
tick
expect ElapsedTime 1
