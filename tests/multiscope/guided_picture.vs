# A guided test's picture of what to connect, in the instrument at 1366 x 768: the chosen test's
# picture fitted into the scope frame, and "Show picture" opening it full size in a window of its
# own, which the keyboard opens and closes (Escape, the Close button).
#! screen 1366 768
#! setting Instruments Scope_source Live
menu Tools > MultiScope
# No test chosen: no picture, nothing to show.
expect MultiScope.cmdGuidedPicture enabled false
pick MultiScope.lstGuided "Crank sensor: Crank sensor at idle"
expect MultiScope.cmdGuidedPicture enabled true
expect MultiScope.lblGuidedPicture visible true
# A thumbnail beside its button, in the test's proportions.
expect MultiScope.lblGuidedPicture picturesize 70,55
# Opened from the keyboard, closed with Escape.
focus MultiScope.cmdGuidedPicture
key MultiScope.cmdGuidedPicture Space
expect MultiScope.dlgGuidedPicture visible true
expect MultiScope.lblGuidedPictureFull picturesize 516,402
key MultiScope.dlgGuidedPicture Escape
expect MultiScope.dlgGuidedPicture visible false
# A two-channel test on two cards, side by side; the window fits the screen and its Close button
# closes it.
pick MultiScope.lstGuided "Ignition coil: Ignition primary against secondary"
key MultiScope.cmdGuidedPicture Space
expect MultiScope.dlgGuidedPicture visible true
expect MultiScope.lblGuidedPictureFull picturesize 1030,402
key MultiScope.cmdGuidedPictureClose Space
expect MultiScope.dlgGuidedPicture visible false
# The frame still fits the instrument at this size.
expect MultiScope onscreen true
expect MultiScope display 856,628
# The picture in the frame opens it too, with the focus on it.
focus MultiScope.lblGuidedPicture
key MultiScope.lblGuidedPicture Enter
expect MultiScope.dlgGuidedPicture visible true
click MultiScope.cmdGuidedPictureClose
expect MultiScope.dlgGuidedPicture visible false
# With no test chosen (the search hides it) there is nothing to open.
set MultiScope.txtGuidedSearch "no such test"
expect MultiScope.cmdGuidedPicture enabled false
key MultiScope.lblGuidedPicture Enter
expect MultiScope.dlgGuidedPicture visible false
