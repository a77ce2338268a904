# The instrument on a 1366 x 768 laptop: it opens whole in the main window's working area, with a
# display area (the inside right of the 200-pixel panel) of 856 x 628 pixels, whichever source
# is chosen: with Live, a graticule of at least 500 x 400 pixels beside the channel panel. Where the user moves and sizes it, it opens again
# after a restart; a stored place it cannot use gives its own place.
#! screen 1366 768
#! setting Instruments Scope_source Live
menu Tools > MultiScope
expect MultiScope onscreen true
expect MultiScope inside 1056,628
expect MultiScope display 856,628
expect MultiScope.scopescreen visible true
# The Live screen's graticule at least 500 x 400 pixels beside the channel panel.
show MultiScope
expect event "\"graticule\":[17,21,566,453]"
click MultiScope.optStored
expect MultiScope display 856,628
expect MultiScope.scopescreen size 856,628
# The editor's full-width view: the instrument under the editor, whole in the working area
# below it (not moved up over the editor); closed, the instrument is back at its own place.
answer file "DATA:Engine speed.msf"
menu File > Open...
dblclick MultiScope.scopescreen
click frmWaveEdit.cmdSave
expect frmWaveEdit top 50
expect frmWaveEdit height 4700
expect MultiScope top 4800
expect MultiScope onscreen true
click frmWaveEdit.cmdCancel
expect MultiScope inside 1056,628
# Opening and the editor's view are not the user's placing: no place is stored.
mark
file CONFIG:Vantorel/Vantorel.conf
expect noevent Scope_geometry
expect event Scope_source=Stored
#! restart
# The user drags it to the top left of the working area and makes it smaller.
menu Tools > MultiScope
move MultiScope 0 0
resize MultiScope 900 560
expect MultiScope left 0
expect MultiScope top 0
expect MultiScope width 13500
expect MultiScope height 8400
#! restart
menu Tools > MultiScope
expect MultiScope left 0
expect MultiScope top 0
expect MultiScope width 13500
expect MultiScope height 8400
expect MultiScope onscreen true
# The waveform editor puts the instrument under it for the while; closed, the instrument is
# back where the user left it, and the editor's place was not kept.
answer file "DATA:Engine speed.msf"
menu File > Open...
dblclick MultiScope.scopescreen
expect frmWaveEdit visible true
click frmWaveEdit.cmdCancel
expect MultiScope left 0
expect MultiScope width 13500
expect MultiScope height 8400
#! restart
# The same place on a smaller screen (1024 x 600): brought whole into the working area.
#! screen 1024 600
menu Tools > MultiScope
expect MultiScope onscreen true
expect MultiScope left 0
expect MultiScope top 0
#! restart
#! screen 1366 768
#! sh sed -i '/^Scope_geometry=/d' "$conf"
#! setting Instruments Scope_geometry garbage
menu Tools > MultiScope
expect MultiScope onscreen true
expect MultiScope inside 1056,628
expect MultiScope display 856,628
#! restart
# A settings file that cannot be written: the user is told once, and the window still goes
# where it is dragged.
#! sh rm -f "$conf" && mkdir -p "$conf"
menu Tools > MultiScope
mark
move MultiScope 0 0
expect event "Error number: 75"
resize MultiScope 900 500
move MultiScope 10 10
expect noevent "Error number: 75"
expect MultiScope left 150
expect MultiScope width 13500
