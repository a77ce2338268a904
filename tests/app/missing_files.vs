# A missing database and background picture are reported and start-up goes on.
#! remove ZR.db
#! remove background.jpg
expect event "Error number: 3024 - Could not find file 'ZR.db'."
expect event "Error number: 53 - File not found: background.jpg"
# Start-up still finished: options after the picture were applied and the timer runs.
expect frmMainscreen.StatusBar1 visible true
expect ElapsedTime 0
tick 2
expect ElapsedTime 2
