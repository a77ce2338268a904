<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Displays</name>
    <message>
        <source>%1; the trace leaves it out.</source>
        <translation>%1; die Kurve lässt ihn aus.</translation>
    </message>
    <message>
        <source>%1; the trace leaves them out.</source>
        <translation>%1; die Kurve lässt sie aus.</translation>
    </message>
    <message>
        <source>A waveform file must be open before the editor can be used...</source>
        <translation>Bevor der Editor benutzt werden kann, muss eine Kurvenformdatei geöffnet sein...</translation>
    </message>
    <message>
        <source>File opening error...</source>
        <translation>Fehler beim Öffnen der Datei...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All Files (*.*);;Picture Files (*.jpg *.bmp *.gif);;Multiscope Files (*.msf)</source>
        <translation>Alle Dateien (*.*);;Bilddateien (*.jpg *.bmp *.gif);;MultiScope-Dateien (*.msf)</translation>
    </message>
</context>
<context>
    <name>GuidedPanel</name>
    <message>
        <source>&amp;Guided tests</source>
        <translation>&amp;Geführte Prüfungen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search the guided tests</source>
        <translation>Die geführten Prüfungen durchsuchen</translation>
    </message>
    <message>
        <source>Guided tests</source>
        <translation>Geführte Prüfungen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Set up</source>
        <translation>&amp;Einrichten</translation>
    </message>
    <message>
        <source>Connect the test&apos;s probes and set the scope for it, on the Live screen</source>
        <translation>Die Messleitungen der Prüfung anschließen und das Oszilloskop dafür einstellen, auf dem Live-Bildschirm</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>St&amp;opp</translation>
    </message>
    <message>
        <source>End the guided test: no reference, no judging</source>
        <translation>Die geführte Prüfung beenden: keine Referenz, keine Bewertung</translation>
    </message>
    <message>
        <source>The guided test&apos;s notes</source>
        <translation>Hinweise zur geführten Prüfung</translation>
    </message>
    <message>
        <source>What to connect for the guided test</source>
        <translation>Was für die geführte Prüfung anzuschließen ist</translation>
    </message>
    <message>
        <source>Show pict&amp;ure</source>
        <translation>Bild &amp;zeigen</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>Bild zeigen</translation>
    </message>
    <message>
        <source>What to connect for the test, full size in a window of its own</source>
        <translation>Was für die Prüfung anzuschließen ist, in voller Größe in einem eigenen Fenster</translation>
    </message>
    <message>
        <source>Choose a test: its notes show here, and Set up connects the probes and sets the scope for it.</source>
        <translation>Wählen Sie eine Prüfung: Ihre Hinweise erscheinen hier, und Einrichten schließt die Messleitungen an und stellt das Oszilloskop dafür ein.</translation>
    </message>
    <message>
        <source>%1

State: %2

%3

Connect:
%4

Look for: %5

Read: %6</source>
        <translation>%1

Zustand: %2

%3

Anschließen:
%4

Worauf achten: %5

Werte: %6</translation>
    </message>
    <message>
        <source>; or </source>
        <translation>; oder </translation>
    </message>
    <message>
        <source>What to connect: %1</source>
        <translation>Was anzuschließen ist: %1</translation>
    </message>
    <message>
        <source>Guided test picture</source>
        <translation>Bild zur geführten Prüfung</translation>
    </message>
    <message>
        <source>What to connect, full size</source>
        <translation>Was anzuschließen ist, in voller Größe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the picture</source>
        <translation>Das Bild schließen</translation>
    </message>
</context>
<context>
    <name>LiveScope</name>
    <message>
        <source>The channel the trigger watches</source>
        <translation>Der Kanal, den der Trigger überwacht</translation>
    </message>
    <message>
        <source>Trigger channel</source>
        <translation>Triggerkanal</translation>
    </message>
    <message>
        <source>&amp;Trigger</source>
        <translation>&amp;Trigger</translation>
    </message>
    <message>
        <source>Trigger mode</source>
        <translation>Triggermodus</translation>
    </message>
    <message>
        <source>Trigger edge</source>
        <translation>Triggerflanke</translation>
    </message>
    <message>
        <source>&amp;Edge</source>
        <translation>&amp;Flanke</translation>
    </message>
    <message>
        <source>Trigger level</source>
        <translation>Triggerpegel</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Pegel</translation>
    </message>
    <message>
        <source>Whole screen</source>
        <translation>Ganzer Bildschirm</translation>
    </message>
    <message>
        <source>Between cursors</source>
        <translation>Zwischen den Cursorn</translation>
    </message>
    <message>
        <source>Where the measurements are taken: over the whole screen or between the time cursors T1 and T2</source>
        <translation>Wo gemessen wird: über den ganzen Bildschirm oder zwischen den Zeitcursorn T1 und T2</translation>
    </message>
    <message>
        <source>Measure over</source>
        <translation>Messen über</translation>
    </message>
    <message>
        <source>Measure o&amp;ver</source>
        <translation>Messen ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>Each measurement&apos;s minimum, maximum, mean, standard deviation and count over the captures since the settings last changed</source>
        <translation>Minimum, Maximum, Mittelwert, Standardabweichung und Anzahl jeder Messung über die Aufnahmen seit der letzten Änderung der Einstellungen</translation>
    </message>
    <message>
        <source>Save capture file...</source>
        <translation>Aufnahmedatei speichern...</translation>
    </message>
    <message>
        <source>Open capture file...</source>
        <translation>Aufnahmedatei öffnen...</translation>
    </message>
    <message>
        <source>no probe connected</source>
        <translation>keine Messleitung angeschlossen</translation>
    </message>
    <message>
        <source>No signal to measure on this point</source>
        <translation>An diesem Messpunkt gibt es kein Signal zu messen</translation>
    </message>
    <message>
        <source>Channel %1 shows no trace.</source>
        <translation>Kanal %1 zeigt keine Kurve.</translation>
    </message>
    <message>
        <source>Capture %1 of %2, %3 s</source>
        <translation>Aufnahme %1 von %2, %3 s</translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <source>known good</source>
        <translation>bekannt gut</translation>
    </message>
    <message>
        <source>Drag a connection point onto a channel&apos;s terminal (or press the terminal) to measure its signal</source>
        <translation>Ziehen Sie einen Messpunkt auf den Anschluss eines Kanals (oder drücken Sie den Anschluss), um sein Signal zu messen</translation>
    </message>
    <message>
        <source>Turn the key to ignition on with the engine still (File &gt; Ignition On / Off).</source>
        <translation>Drehen Sie den Schlüssel bei stehendem Motor auf Zündung ein (Datei &gt; Zündung ein / aus).</translation>
    </message>
    <message>
        <source>Crank the engine: the test is made while the starter turns it.</source>
        <translation>Lassen Sie den Motor an: Die Prüfung läuft, während der Anlasser ihn dreht.</translation>
    </message>
    <message>
        <source>Run the engine at idle, about 800 rev/min, warm (80 deg C or more).</source>
        <translation>Lassen Sie den Motor warm im Leerlauf laufen, etwa 800 1/min (80 °C oder mehr).</translation>
    </message>
    <message>
        <source>Hold the warm engine at about 3000 rev/min.</source>
        <translation>Halten Sie den warmen Motor bei etwa 3000 1/min.</translation>
    </message>
    <message>
        <source>An engine that will not run: crank it, and keep it cranking for testing.</source>
        <translation>Ein Motor, der nicht läuft: Lassen Sie ihn an und halten Sie ihn zum Prüfen auf Startdrehzahl.</translation>
    </message>
    <message>
        <source>No trigger for two seconds: the trigger channel does not show what a healthy car shows there.</source>
        <translation>Seit zwei Sekunden kein Trigger: Der Triggerkanal zeigt nicht, was ein intaktes Auto dort zeigt.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Messleitung</translation>
    </message>
    <message>
        <source>Scale /div</source>
        <translation>Skala /Div</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Channel %1 on or off</source>
        <translation>Kanal %1 ein oder aus</translation>
    </message>
    <message>
        <source>Channel %1 on</source>
        <translation>Kanal %1 ein</translation>
    </message>
    <message>
        <source>Channel %1&apos;s probe: drop a connection point here, or press to pick one from the list</source>
        <translation>Messleitung von Kanal %1: Messpunkt hier ablegen oder drücken, um einen aus der Liste zu wählen</translation>
    </message>
    <message>
        <source>Channel %1&apos;s probe, and the unit it reads</source>
        <translation>Messleitung von Kanal %1 und die Einheit, die sie misst</translation>
    </message>
    <message>
        <source>Channel %1 probe</source>
        <translation>Messleitung Kanal %1</translation>
    </message>
    <message>
        <source>Channel %1&apos;s units a division</source>
        <translation>Einheiten pro Teilung von Kanal %1</translation>
    </message>
    <message>
        <source>Channel %1 scale</source>
        <translation>Skala Kanal %1</translation>
    </message>
    <message>
        <source>Channel %1&apos;s zero line, in divisions from the bottom of the screen</source>
        <translation>Nulllinie von Kanal %1, in Teilungen vom unteren Bildschirmrand</translation>
    </message>
    <message>
        <source>Channel %1 zero line</source>
        <translation>Nulllinie Kanal %1</translation>
    </message>
    <message>
        <source>Math &amp;%1</source>
        <translation>Mathe &amp;%1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>A channel worked out from the others</source>
        <translation>Ein aus den anderen errechneter Kanal</translation>
    </message>
    <message>
        <source>Math channel %1</source>
        <translation>Rechenkanal %1</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>The last %1 triggered captures: step back with the arrow keys, Page Up and Home</source>
        <translation>Die letzten %1 getriggerten Aufnahmen: mit den Pfeiltasten, Bild auf und Pos1 zurückblättern</translation>
    </message>
    <message>
        <source>Capture history</source>
        <translation>Aufnahmeverlauf</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>%1: connect a probe...</source>
        <translation>%1: Messleitung anschließen...</translation>
    </message>
    <message>
        <source>Channel %1 terminal</source>
        <translation>Anschluss Kanal %1</translation>
    </message>
    <message>
        <source>no captures yet</source>
        <translation>noch keine Aufnahmen</translation>
    </message>
    <message>
        <source>%1 of %2, %3 s</source>
        <translation>%1 von %2, %3 s</translation>
    </message>
    <message>
        <source>Engine window</source>
        <translation>Fenster Motormanagement</translation>
    </message>
    <message>
        <source>Starting window</source>
        <translation>Fenster Startsystem</translation>
    </message>
    <message>
        <source>Charging window</source>
        <translation>Fenster Ladesystem</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>%1; it cannot be drawn as a reference.</source>
        <translation>%1; sie kann nicht als Referenz gezeichnet werden.</translation>
    </message>
    <message>
        <source>%1; the reference leaves it out.</source>
        <translation>%1; die Referenz lässt ihn aus.</translation>
    </message>
    <message>
        <source>%1; the reference leaves them out.</source>
        <translation>%1; die Referenz lässt sie aus.</translation>
    </message>
    <message>
        <source>Save capture file</source>
        <translation>Aufnahmedatei speichern</translation>
    </message>
    <message>
        <source>Capture Files (*.vcap)</source>
        <translation>Aufnahmedateien (*.vcap)</translation>
    </message>
    <message>
        <source>Open capture file</source>
        <translation>Aufnahmedatei öffnen</translation>
    </message>
    <message>
        <source>Capture Files (*.vcap);;All Files (*.*)</source>
        <translation>Aufnahmedateien (*.vcap);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Das ist keine Datei.</translation>
    </message>
    <message>
        <source>It is larger than a capture file can be.</source>
        <translation>Sie ist größer, als eine Aufnahmedatei sein kann.</translation>
    </message>
    <message>
        <source>The capture file %1 could not be opened.<byte value="xd"/>
<byte value="xd"/>
(%2)</source>
        <translation>Die Aufnahmedatei %1 konnte nicht geöffnet werden.<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source>Capture file opened: %1</source>
        <translation>Aufnahmedatei geöffnet: %1</translation>
    </message>
    <message>
        <source>Trigger mode (pick Single again to re-arm it)</source>
        <translation>Triggermodus (Einzeln erneut wählen, um ihn wieder scharf zu schalten)</translation>
    </message>
    <message>
        <source>Cursors</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Two time and two level cursors: drag them, or Tab to pick one and move it with the arrow keys</source>
        <translation>Zwei Zeit- und zwei Pegelcursor: ziehen Sie sie, oder wählen Sie einen mit Tab und verschieben Sie ihn mit den Pfeiltasten</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Messen</translation>
    </message>
    <message>
        <source>Measurements shown under the screen</source>
        <translation>Messungen, die unter dem Bildschirm angezeigt werden</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>A known-good trace drawn behind the live one</source>
        <translation>Eine bekannt gute Kurve, hinter der aktuellen gezeichnet</translation>
    </message>
    <message>
        <source>The point&apos;s stored waveform</source>
        <translation>Die gespeicherte Kurvenform des Messpunkts</translation>
    </message>
    <message>
        <source>Waveform file...</source>
        <translation>Kurvenformdatei...</translation>
    </message>
    <message>
        <source>Set as reference</source>
        <translation>Als Referenz setzen</translation>
    </message>
    <message>
        <source>Clear reference</source>
        <translation>Referenz löschen</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Keep the screen as a waveform file or a CSV table</source>
        <translation>Den Bildschirm als Kurvenformdatei oder CSV-Tabelle festhalten</translation>
    </message>
    <message>
        <source>Save as waveform...</source>
        <translation>Als Kurvenform speichern...</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <source>Reference waveform</source>
        <translation>Referenzkurvenform</translation>
    </message>
    <message>
        <source>Multiscope Files (*.msf);;All Files (*.*)</source>
        <translation>MultiScope-Dateien (*.msf);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>%1 div</source>
        <translation>%1 Div</translation>
    </message>
    <message>
        <source>The waveform file %1 could not be read as a reference.<byte value="xd"/>
<byte value="xd"/>
(%2)</source>
        <translation>Die Kurvenformdatei %1 konnte nicht als Referenz gelesen werden.<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source>The waveform file %1 holds no samples to draw as a reference.</source>
        <translation>Die Kurvenformdatei %1 enthält keine Messwerte, die als Referenz gezeichnet werden könnten.</translation>
    </message>
    <message>
        <source>There is no trace on the screen to keep as a reference yet.</source>
        <translation>Auf dem Bildschirm ist noch keine Kurve, die als Referenz festgehalten werden könnte.</translation>
    </message>
    <message>
        <source>There is no trace on the screen to keep yet.</source>
        <translation>Auf dem Bildschirm ist noch keine Kurve, die festgehalten werden könnte.</translation>
    </message>
    <message>
        <source>%1 capture</source>
        <translation>%1 Aufnahme</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1<byte value="xd"/>
<byte value="xd"/>
(%2 %3)</source>
        <translation>Die Aufnahme konnte nicht unter %1 gespeichert werden<byte value="xd"/>
<byte value="xd"/>
(%2 %3)</translation>
    </message>
    <message>
        <source>Save as waveform</source>
        <translation>Als Kurvenform speichern</translation>
    </message>
    <message>
        <source>Multiscope Files (*.msf)</source>
        <translation>MultiScope-Dateien (*.msf)</translation>
    </message>
    <message>
        <source>Capture saved to %1</source>
        <translation>Aufnahme gespeichert unter %1</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>Data Files (*.csv)</source>
        <translation>Datendateien (*.csv)</translation>
    </message>
    <message>
        <source>Screen exported to %1</source>
        <translation>Bildschirm exportiert nach %1</translation>
    </message>
    <message>
        <source>Capture file saved to %1</source>
        <translation>Aufnahmedatei gespeichert unter %1</translation>
    </message>
</context>
<context>
    <name>MultiScope</name>
    <message>
        <source>Scope screen</source>
        <translation>Oszilloskop-Bildschirm</translation>
    </message>
    <message>
        <source>Scanner display</source>
        <translation>Scanner-Anzeige</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Messwert</translation>
    </message>
    <message>
        <source>Timebase</source>
        <translation>Zeitbasis</translation>
    </message>
    <message>
        <source>Horizontal position</source>
        <translation>Horizontale Lage</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Vertikale Lage</translation>
    </message>
    <message>
        <source>Volts per division</source>
        <translation>Volt pro Teilung</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Run / Stop</source>
        <translation>Start / Stopp</translation>
    </message>
    <message>
        <source>Single capture</source>
        <translation>Einzelaufnahme</translation>
    </message>
    <message>
        <source>Time base slower</source>
        <translation>Zeitbasis langsamer</translation>
    </message>
    <message>
        <source>Time base faster</source>
        <translation>Zeitbasis schneller</translation>
    </message>
    <message>
        <source>More volts a division</source>
        <translation>Mehr Volt pro Teilung</translation>
    </message>
    <message>
        <source>Fewer volts a division</source>
        <translation>Weniger Volt pro Teilung</translation>
    </message>
    <message>
        <source>A single capture is taken by the Live screen&apos;s trigger: choose Live on the instrument first.</source>
        <translation>Eine Einzelaufnahme macht der Trigger des Live-Bildschirms: Wählen Sie zuerst Live am Messgerät.</translation>
    </message>
    <message>
        <source>Timebase: %1</source>
        <translation>Zeitbasis: %1</translation>
    </message>
    <message>
        <source>Volts: %1</source>
        <translation>Volt: %1</translation>
    </message>
    <message>
        <source>Channels B to D belong to the Live screen: choose Live on the instrument first, or connect the point to channel A.</source>
        <translation>Die Kanäle B bis D gehören zum Live-Bildschirm: Wählen Sie zuerst Live am Messgerät, oder schließen Sie den Messpunkt an Kanal A an.</translation>
    </message>
    <message>
        <source>Drag/Drop Connections Here...</source>
        <translation>Messpunkte hierher ziehen...</translation>
    </message>
    <message>
        <source>Double click here to open a waveform editor</source>
        <translation>Hier doppelklicken, um einen Kurvenformeditor zu öffnen</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Change device</source>
        <translation>Gerät wechseln</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Oszilloskop</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>DMM</source>
        <translation>DMM</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>The point&apos;s recorded waveform</source>
        <translation>Die aufgezeichnete Kurvenform des Messpunkts</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>The signal of the running engine, as a probe on the car measures it</source>
        <translation>Das Signal des laufenden Motors, wie eine Messleitung am Auto es misst</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Picture info...</source>
        <translation>Bildinfo...</translation>
    </message>
    <message>
        <source>Scan/Update Faults</source>
        <translation>Fehler abfragen/aktualisieren</translation>
    </message>
    <message>
        <source>Read/Update Data</source>
        <translation>Daten lesen/aktualisieren</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Angeschlossen: %1</translation>
    </message>
    <message>
        <source>Drag and drop a label or connection point from the main simulation windows on to this<byte value="xd"/>
connection terminal to display waveforms, DMM readings, pictures and text.</source>
        <translation>Ziehen Sie eine Beschriftung oder einen Messpunkt aus den Hauptfenstern der Simulation auf diesen<byte value="xd"/>
Anschluss, um Kurvenformen, DMM-Messwerte, Bilder und Text anzuzeigen.</translation>
    </message>
    <message>
        <source>Remember, the engine needs to be running or cranking (or at least trying to crank) to get readings on some tests...</source>
        <translation>Denken Sie daran: Für manche Prüfungen muss der Motor laufen oder angelassen werden (oder zumindest versucht werden, ihn anzulassen), damit es Messwerte gibt...</translation>
    </message>
    <message>
        <source>Connection not made, double check meter leads...<byte value="xd"/>
<byte value="xd"/>
(%1 %2)</source>
        <translation>Keine Verbindung hergestellt, Messleitungen nochmals prüfen...<byte value="xd"/>
<byte value="xd"/>
(%1 %2)</translation>
    </message>
    <message>
        <source>No data file found...</source>
        <translation>Keine Datendatei gefunden...</translation>
    </message>
    <message>
        <source>Reading data - Please wait...</source>
        <translation>Daten werden gelesen - bitte warten...</translation>
    </message>
    <message>
        <source>Scanning - Please wait...</source>
        <translation>Abfrage läuft - bitte warten...</translation>
    </message>
</context>
<context>
    <name>frmConnectProbe</name>
    <message>
        <source>Connect Probe</source>
        <translation>Messleitung anschließen</translation>
    </message>
    <message>
        <source>Connection &amp;point:</source>
        <translation>&amp;Messpunkt:</translation>
    </message>
    <message>
        <source>Connection points, by window and circuit</source>
        <translation>Messpunkte, nach Fenster und Stromkreis</translation>
    </message>
    <message>
        <source>Ch&amp;annel:</source>
        <translation>&amp;Kanal:</translation>
    </message>
    <message>
        <source>A (the terminal)</source>
        <translation>A (der Anschluss)</translation>
    </message>
    <message>
        <source>B (Live screen)</source>
        <translation>B (Live-Bildschirm)</translation>
    </message>
    <message>
        <source>C (Live screen)</source>
        <translation>C (Live-Bildschirm)</translation>
    </message>
    <message>
        <source>D (Live screen)</source>
        <translation>D (Live-Bildschirm)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Anschließen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Anschließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Pick a connection point in the list: a window or a circuit is only a heading.</source>
        <translation>Wählen Sie einen Messpunkt aus der Liste: Ein Fenster oder ein Stromkreis ist nur eine Überschrift.</translation>
    </message>
</context>
<context>
    <name>guided::Library</name>
    <message>
        <source>Crank sensor</source>
        <translation>Kurbelwellensensor</translation>
    </message>
    <message>
        <source>Crank sensor at idle</source>
        <translation>Kurbelwellensensor im Leerlauf</translation>
    </message>
    <message>
        <source>Shows whether the inductive crank sensor&apos;s wave reaches the control unit (at its pin) clean, for every tooth of the 60-2 wheel, with the gap that marks the crank&apos;s position.</source>
        <translation>Zeigt, ob die Kurve des induktiven Kurbelwellensensors sauber am Steuergerät (an seinem Pin) ankommt, für jeden Zahn des 60-2-Geberrads, mit der Lücke, die die Stellung der Kurbelwelle markiert.</translation>
    </message>
    <message>
        <source>An even alternating wave, one cycle a tooth, about 2 V either side of zero at idle, and once a turn the gap: a longer, taller swing. No wave at all: the sensor or its wiring is open, or the engine is not turning (measure at the sensor too: a wave there and none here is the wiring). A wave far smaller than the healthy one: a high resistance in the sensor&apos;s circuit, or a sensor too far from the wheel. Missing or uneven teeth: a damaged wheel.</source>
        <translation>Eine gleichmäßige Wechselspannung, eine Schwingung pro Zahn, im Leerlauf etwa 2 V beiderseits von null, und einmal pro Umdrehung die Lücke: ein längerer, höherer Ausschlag. Gar keine Kurve: Unterbrechung im Sensor oder seiner Leitung, oder der Motor dreht nicht (auch am Sensor messen: dort eine Kurve und hier keine bedeutet die Leitung). Eine viel kleinere Kurve als die intakte: hoher Widerstand im Sensorstromkreis oder ein Sensor zu weit vom Geberrad. Fehlende oder ungleichmäßige Zähne: ein beschädigtes Geberrad.</translation>
    </message>
    <message>
        <source>Peak to peak about 5.4 V; frequency about 780 Hz at 800 rev/min (the teeth pass at 800 a second, the gap lowers the count); the meter about 1.4 V AC. The reading box&apos;s &quot;Speed sensor - idle&quot;, 11 V AC, is typical of a larger sensor on another engine, not of this car&apos;s.</source>
        <translation>Spitze-Spitze etwa 5,4 V; Frequenz etwa 780 Hz bei 800 1/min (die Zähne kommen mit 800 pro Sekunde vorbei, die Lücke senkt die Zahl); das Messgerät etwa 1,4 V AC. Die 11 V AC von „Drehzahlsensor - Leerlauf“ im Auswahlfeld sind typisch für einen größeren Sensor an einem anderen Motor, nicht für den dieses Autos.</translation>
    </message>
    <message>
        <source>Manifold pressure sensor</source>
        <translation>Saugrohrdrucksensor</translation>
    </message>
    <message>
        <source>Manifold pressure sensor at idle</source>
        <translation>Saugrohrdrucksensor im Leerlauf</translation>
    </message>
    <message>
        <source>Shows the pressure in the inlet manifold as the control unit reads it: the engine&apos;s load.</source>
        <translation>Zeigt den Druck im Saugrohr, wie das Steuergerät ihn liest: die Last des Motors.</translation>
    </message>
    <message>
        <source>A steady voltage low on the screen at idle (high vacuum), with a small ripple of the intake strokes. Near 4.5 V with the engine running: no vacuum reaches the sensor, or the sensor has failed. 0 V or 5 V flat: its signal wire is open or shorted.</source>
        <translation>Eine gleichmäßige Spannung, im Leerlauf tief auf dem Bildschirm (hoher Unterdruck), mit einer kleinen Welligkeit der Ansaugtakte. Nahe 4,5 V bei laufendem Motor: kein Unterdruck erreicht den Sensor, oder der Sensor ist defekt. Flach bei 0 V oder 5 V: Unterbrechung oder Kurzschluss der Signalleitung.</translation>
    </message>
    <message>
        <source>Mean about 1.4 V at idle.</source>
        <translation>Mittelwert im Leerlauf etwa 1,4 V.</translation>
    </message>
    <message>
        <source>Coolant temperature sensor</source>
        <translation>Kühlmitteltemperatursensor</translation>
    </message>
    <message>
        <source>Coolant temperature sensor, warm</source>
        <translation>Kühlmitteltemperatursensor, warm</translation>
    </message>
    <message>
        <source>Shows the voltage across the coolant temperature sensor, which falls as the engine warms up.</source>
        <translation>Zeigt die Spannung am Kühlmitteltemperatursensor, die sinkt, während der Motor warm wird.</translation>
    </message>
    <message>
        <source>A steady voltage: about 0.5 V with the engine warm, nearer 4 V cold. 5 V: the sensor&apos;s circuit is open (the unit reads it as very cold). 0 V: shorted to earth (read as very hot). A reading that does not match the engine&apos;s temperature: a corroded connection or a failed sensor.</source>
        <translation>Eine gleichmäßige Spannung: etwa 0,5 V bei warmem Motor, kalt eher 4 V. 5 V: Unterbrechung im Sensorstromkreis (das Steuergerät liest sehr kalt). 0 V: Masseschluss (gelesen als sehr heiß). Ein Wert, der nicht zur Motortemperatur passt: eine korrodierte Verbindung oder ein defekter Sensor.</translation>
    </message>
    <message>
        <source>Mean about 0.5 V at 90 deg C.</source>
        <translation>Mittelwert etwa 0,5 V bei 90 °C.</translation>
    </message>
    <message>
        <source>Voltage sensing</source>
        <translation>Spannungserfassung</translation>
    </message>
    <message>
        <source>Supply voltage at the control unit</source>
        <translation>Versorgungsspannung am Steuergerät</translation>
    </message>
    <message>
        <source>Shows the supply voltage as it reaches the control unit&apos;s sensing pin, which it uses to correct the injectors&apos; and the coil&apos;s timing.</source>
        <translation>Zeigt die Versorgungsspannung, wie sie am Messpin des Steuergeräts ankommt, mit der es die Zeiten der Einspritzventile und der Zündspule korrigiert.</translation>
    </message>
    <message>
        <source>The charging voltage, about 14 V, with the alternator&apos;s small ripple. Much lower than at the battery: a resistance in the sensing wire or at the pin. 0 V: the wire is open.</source>
        <translation>Die Ladespannung, etwa 14 V, mit der kleinen Welligkeit des Generators. Viel niedriger als an der Batterie: ein Widerstand in der Messleitung oder am Pin. 0 V: Unterbrechung der Leitung.</translation>
    </message>
    <message>
        <source>Mean about 14 V.</source>
        <translation>Mittelwert etwa 14 V.</translation>
    </message>
    <message>
        <source>Lambda sensor</source>
        <translation>Lambdasonde</translation>
    </message>
    <message>
        <source>Lambda sensor switching at idle</source>
        <translation>Lambdasonde, Umschalten im Leerlauf</translation>
    </message>
    <message>
        <source>Shows whether the oxygen sensor switches between rich and lean as the control unit trims the mixture (closed loop).</source>
        <translation>Zeigt, ob die Lambdasonde zwischen fett und mager umschaltet, während das Steuergerät das Gemisch regelt (geschlossener Regelkreis).</translation>
    </message>
    <message>
        <source>A slow square-ish wave between about 0.1 V (lean) and 0.9 V (rich), about once a second at idle. Stuck low: the mixture is lean or the sensor is dead. Stuck high: rich. Held at 0.45 V: the unit&apos;s own bias, no signal from the sensor (open circuit, or a cold sensor).</source>
        <translation>Eine langsame, fast rechteckige Kurve zwischen etwa 0,1 V (mager) und 0,9 V (fett), im Leerlauf etwa einmal pro Sekunde. Bleibt unten: das Gemisch ist mager oder die Sonde ist tot. Bleibt oben: fett. Steht bei 0,45 V: die eigene Vorspannung des Steuergeräts, kein Signal von der Sonde (Unterbrechung oder kalte Sonde).</translation>
    </message>
    <message>
        <source>Peak to peak about 0.8 V; frequency about 1 Hz at idle.</source>
        <translation>Spitze-Spitze etwa 0,8 V; Frequenz im Leerlauf etwa 1 Hz.</translation>
    </message>
    <message>
        <source>Knock sensor</source>
        <translation>Klopfsensor</translation>
    </message>
    <message>
        <source>Knock sensor at idle</source>
        <translation>Klopfsensor im Leerlauf</translation>
    </message>
    <message>
        <source>Shows the knock sensor&apos;s small bursts as each cylinder fires.</source>
        <translation>Zeigt die kleinen Schwingungspakete des Klopfsensors bei jeder Zündung eines Zylinders.</translation>
    </message>
    <message>
        <source>Small bursts of ringing, one per firing, settling between them. No bursts: the sensor or its wiring is open, or the sensor is loose on the block. Bursts much larger than these: knock.</source>
        <translation>Kleine, ausschwingende Schwingungspakete, eines pro Zündung, dazwischen Ruhe. Keine Pakete: Unterbrechung im Sensor oder seiner Leitung, oder der Sensor sitzt lose am Block. Viel größere Pakete als diese: Klopfen.</translation>
    </message>
    <message>
        <source>Peak to peak a few tenths of a volt at idle.</source>
        <translation>Spitze-Spitze im Leerlauf einige Zehntel Volt.</translation>
    </message>
    <message>
        <source>Injector</source>
        <translation>Einspritzventil</translation>
    </message>
    <message>
        <source>Injector at idle</source>
        <translation>Einspritzventil im Leerlauf</translation>
    </message>
    <message>
        <source>Shows the injector&apos;s switched side: the control unit opening it, the time it stays open and the spike and needle&apos;s closing after.</source>
        <translation>Zeigt die geschaltete Seite des Einspritzventils: wie das Steuergerät es öffnet, wie lange es offen bleibt, und danach die Spannungsspitze und das Schließen der Nadel.</translation>
    </message>
    <message>
        <source>Battery voltage at rest, pulled down to near 0 V while the injector is open, then a spike of about 60 V as it closes and a small hump as the needle seats. No pulse: no drive from the unit (or no crank signal to time it). No fall to 0 V: the injector&apos;s circuit is open. No hump: the needle is sticking.</source>
        <translation>In Ruhe Batteriespannung, fast auf 0 V heruntergezogen, solange das Einspritzventil offen ist, dann beim Schließen eine Spitze von etwa 60 V und ein kleiner Buckel, wenn die Nadel aufsetzt. Kein Impuls: keine Ansteuerung vom Steuergerät (oder kein Kurbelwellensignal für das Timing). Kein Abfall auf 0 V: Unterbrechung im Stromkreis des Einspritzventils. Kein Buckel: die Nadel klemmt.</translation>
    </message>
    <message>
        <source>Pulse width about 2.6 ms at a typical idle, as the stored trace shows; this car&apos;s map gives less, under 2 ms, and the test holds it to the car&apos;s own. Maximum about 60 V.</source>
        <translation>Pulsbreite bei typischem Leerlauf etwa 2,6 ms, wie die gespeicherte Kurve zeigt; das Kennfeld dieses Autos gibt weniger, unter 2 ms, und die Prüfung hält sich an den Wert des Autos. Maximum etwa 60 V.</translation>
    </message>
    <message>
        <source>Ignition coil</source>
        <translation>Zündspule</translation>
    </message>
    <message>
        <source>Ignition primary at idle</source>
        <translation>Zündung Primärseite im Leerlauf</translation>
    </message>
    <message>
        <source>Shows the coil&apos;s primary: the dwell while current builds, and the switch-off spike that makes the spark.</source>
        <translation>Zeigt die Primärseite der Zündspule: die Schließzeit, während der Strom ansteigt, und die Abschaltspitze, die den Funken erzeugt.</translation>
    </message>
    <message>
        <source>Battery voltage between sparks, near 0 V for the dwell, then a spike of a few hundred volts, the burn line and the coil&apos;s ringing. No dwell: no drive from the unit. No spike: the coil or its drive is open.</source>
        <translation>Zwischen den Funken Batteriespannung, während der Schließzeit nahe 0 V, dann eine Spitze von einigen hundert Volt, die Brennlinie und das Ausschwingen der Spule. Keine Schließzeit: keine Ansteuerung vom Steuergerät. Keine Spitze: Unterbrechung in der Spule oder ihrer Ansteuerung.</translation>
    </message>
    <message>
        <source>Maximum about 350 V; dwell (duty cycle) about 30 %.</source>
        <translation>Maximum etwa 350 V; Schließzeit (Tastverhältnis) etwa 30 %.</translation>
    </message>
    <message>
        <source>Ignition secondary at idle</source>
        <translation>Zündung Sekundärseite im Leerlauf</translation>
    </message>
    <message>
        <source>Shows the high tension at a plug lead through the pick-up: the firing line and the spark&apos;s burn.</source>
        <translation>Zeigt die Hochspannung an einem Zündkabel über die Zange: die Zündnadel und die Brenndauer des Funkens.</translation>
    </message>
    <message>
        <source>A tall firing line (about 10 kV) at each spark, the burn line after it. No firing line: no spark. A much taller line: a high resistance in the secondary (a lead or a plug gap).</source>
        <translation>Eine hohe Zündnadel (etwa 10 kV) bei jedem Funken, danach die Brennlinie. Keine Zündnadel: kein Funke. Eine viel höhere Nadel: hoher Widerstand auf der Sekundärseite (ein Zündkabel oder der Elektrodenabstand einer Zündkerze).</translation>
    </message>
    <message>
        <source>Maximum about 10 kV; frequency about 27 Hz at idle (two sparks a turn).</source>
        <translation>Maximum etwa 10 kV; Frequenz im Leerlauf etwa 27 Hz (zwei Funken pro Umdrehung).</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Kraftstoffpumpe</translation>
    </message>
    <message>
        <source>Fuel pump current, priming at ignition on</source>
        <translation>Strom der Kraftstoffpumpe, Vorlauf bei Zündung ein</translation>
    </message>
    <message>
        <source>Shows the pump&apos;s current through a clamp during the two-second priming run as the key is turned to ignition on: its level and the ripple of the motor&apos;s segments.</source>
        <translation>Zeigt den Pumpenstrom über eine Stromzange während des zweisekündigen Vorlaufs, wenn der Schlüssel auf Zündung ein gedreht wird: seine Höhe und die Welligkeit der Kommutatorsegmente des Motors.</translation>
    </message>
    <message>
        <source>About 4.6 A with a fine, even ripple for two seconds. No current: the pump has no supply (its relay or the unit&apos;s control of it). Much more current and no ripple: the pump is seized.</source>
        <translation>Etwa 4,6 A mit feiner, gleichmäßiger Welligkeit für zwei Sekunden. Kein Strom: die Pumpe hat keine Versorgung (ihr Relais oder die Ansteuerung durch das Steuergerät). Viel mehr Strom und keine Welligkeit: die Pumpe ist festgefressen.</translation>
    </message>
    <message>
        <source>Mean about 4.6 A at 12.6 V. The stored trace, at idle on the alternator&apos;s 14 V, reads more: 5.1 A from the same pump.</source>
        <translation>Mittelwert etwa 4,6 A bei 12,6 V. Die gespeicherte Kurve, im Leerlauf mit den 14 V des Generators, zeigt mehr: 5,1 A von derselben Pumpe.</translation>
    </message>
    <message>
        <source>Battery and starter</source>
        <translation>Batterie und Anlasser</translation>
    </message>
    <message>
        <source>Battery and starter current while cranking</source>
        <translation>Batterie und Anlasserstrom beim Anlassen</translation>
    </message>
    <message>
        <source>Shows the battery&apos;s voltage at the starter and the starter&apos;s current while the engine cranks.</source>
        <translation>Zeigt die Batteriespannung am Anlasser und den Anlasserstrom, während der Motor angelassen wird.</translation>
    </message>
    <message>
        <source>The battery at about 10 V, the current about 150 A, both rippling with each compression. A battery far below 10 V: flat, or a resistance between it and the starter. Little or no current with the battery high: the starter or its solenoid does not close its circuit.</source>
        <translation>Die Batterie bei etwa 10 V, der Strom etwa 150 A, beide mit einer Welle bei jeder Verdichtung. Eine Batterie weit unter 10 V: entladen, oder ein Widerstand zwischen ihr und dem Anlasser. Wenig oder kein Strom bei hoher Batteriespannung: der Anlasser oder sein Magnetschalter schließt den Stromkreis nicht.</translation>
    </message>
    <message>
        <source>Battery mean about 10 V; current mean about 150 A. The stored traces start as the key turns, with the inrush this test leaves out.</source>
        <translation>Batterie im Mittel etwa 10 V; Strom im Mittel etwa 150 A. Die gespeicherten Kurven beginnen beim Drehen des Schlüssels, mit dem Einschaltstrom, den diese Prüfung auslässt.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Relative compression from the starter current</source>
        <translation>Relative Kompression aus dem Anlasserstrom</translation>
    </message>
    <message>
        <source>Compares the cylinders&apos; compressions: each compression stroke raises the starter&apos;s current.</source>
        <translation>Vergleicht die Kompression der Zylinder: jeder Verdichtungstakt erhöht den Anlasserstrom.</translation>
    </message>
    <message>
        <source>Even humps, one per compression (two a turn). One hump lower than the others: that cylinder holds less pressure. No humps: the starter is not turning the engine.</source>
        <translation>Gleichmäßige Buckel, einer pro Verdichtung (zwei pro Umdrehung). Ein Buckel niedriger als die anderen: dieser Zylinder hält weniger Druck. Keine Buckel: der Anlasser dreht den Motor nicht.</translation>
    </message>
    <message>
        <source>Frequency about 4.4 Hz at 132 rev/min; the humps even. The stored trace starts as the key turns, with the inrush this test leaves out.</source>
        <translation>Frequenz etwa 4,4 Hz bei 132 1/min; die Buckel gleichmäßig. Die gespeicherte Kurve beginnt beim Drehen des Schlüssels, mit dem Einschaltstrom, den diese Prüfung auslässt.</translation>
    </message>
    <message>
        <source>Alternator</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Charging at 3000 rev/min</source>
        <translation>Laden bei 3000 1/min</translation>
    </message>
    <message>
        <source>Shows the alternator&apos;s output with the engine at 3000 rev/min: its level and the ripple of its rectifier.</source>
        <translation>Zeigt den Ausgang des Generators bei 3000 1/min: seine Höhe und die Welligkeit seines Gleichrichters.</translation>
    </message>
    <message>
        <source>The output at about 14 V with a small, even ripple, and D+ (the warning light&apos;s side of the alternator) close to it, so the light stays out. Below 13 V: not charging (belt, rotor, regulator). Above 15 V: overcharging (the regulator). A large ripple with a regular dip: a rectifier diode open. D+ at 0 V with the output normal: the light&apos;s wire or terminal is at earth.</source>
        <translation>Der Ausgang bei etwa 14 V mit kleiner, gleichmäßiger Welligkeit, und D+ (die Seite der Ladekontrollleuchte am Generator) nahe daran, sodass die Leuchte aus bleibt. Unter 13 V: keine Ladung (Riemen, Läufer, Regler). Über 15 V: Überladung (der Regler). Große Welligkeit mit regelmäßigem Einbruch: eine Gleichrichterdiode unterbrochen. D+ bei 0 V bei normalem Ausgang: Leitung oder Klemme der Leuchte hat Masseschluss.</translation>
    </message>
    <message>
        <source>Output mean about 14 V; ripple a few tenths of a volt; D+ about 14 V.</source>
        <translation>Ausgang im Mittel etwa 14 V; Welligkeit einige Zehntel Volt; D+ etwa 14 V.</translation>
    </message>
    <message>
        <source>Crank sensor against injector</source>
        <translation>Kurbelwellensensor und Einspritzventil</translation>
    </message>
    <message>
        <source>Shows when the injector opens against the crank&apos;s position: the unit&apos;s timing of injection.</source>
        <translation>Zeigt, wann das Einspritzventil bezogen auf die Stellung der Kurbelwelle öffnet: den Einspritzzeitpunkt des Steuergeräts.</translation>
    </message>
    <message>
        <source>Triggered on the injector&apos;s opening: the crank&apos;s gap stands at the same place before it on every screen (the injector opens once in two turns, at the same crank angle). No pulse against a good crank wave: the injector&apos;s drive. No crank wave and no pulse: the unit has nothing to time it from.</source>
        <translation>Getriggert auf das Öffnen des Einspritzventils: die Lücke der Kurbelwelle steht auf jedem Bild an derselben Stelle davor (das Einspritzventil öffnet einmal in zwei Umdrehungen, beim selben Kurbelwinkel). Kein Impuls bei gutem Kurbelwellensignal: die Ansteuerung des Einspritzventils. Kein Kurbelwellensignal und kein Impuls: das Steuergerät hat nichts, woran es das Timing ausrichten kann.</translation>
    </message>
    <message>
        <source>Crank frequency about 780 Hz; the injector&apos;s pulse about 2.6 ms.</source>
        <translation>Kurbelwellenfrequenz etwa 780 Hz; Impuls des Einspritzventils etwa 2,6 ms.</translation>
    </message>
    <message>
        <source>Ignition primary against secondary</source>
        <translation>Zündung Primär- und Sekundärseite</translation>
    </message>
    <message>
        <source>Shows the coil&apos;s primary and the spark it makes together: each switch-off spike with its firing line.</source>
        <translation>Zeigt die Primärseite der Spule zusammen mit dem Funken, den sie erzeugt: jede Abschaltspitze mit ihrer Zündnadel.</translation>
    </message>
    <message>
        <source>Every primary spike with a firing line at the same moment. A primary spike without a firing line: the secondary (coil&apos;s secondary winding, lead, plug). Neither: the primary&apos;s drive.</source>
        <translation>Jede Primärspitze mit einer Zündnadel im selben Moment. Eine Primärspitze ohne Zündnadel: die Sekundärseite (Sekundärwicklung der Spule, Zündkabel, Zündkerze). Beides fehlt: die Ansteuerung der Primärseite.</translation>
    </message>
    <message>
        <source>Primary maximum about 350 V; secondary maximum about 10 kV.</source>
        <translation>Primärseite Maximum etwa 350 V; Sekundärseite Maximum etwa 10 kV.</translation>
    </message>
    <message>
        <source>Ignition on</source>
        <translation>Zündung ein</translation>
    </message>
    <message>
        <source>Cranking</source>
        <translation>Anlassen</translation>
    </message>
    <message>
        <source>Idle, warm</source>
        <translation>Leerlauf, warm</translation>
    </message>
    <message>
        <source>3000 rev/min, warm</source>
        <translation>3000 1/min, warm</translation>
    </message>
</context>
<context>
    <name>guided::Picture</name>
    <message>
        <source>%1 mV/A</source>
        <translation>%1 mV/A</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>msf::WaveformFile</name>
    <message>
        <source>Sample %1 of %2 is not a number</source>
        <translation>Messwert %1 von %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>Samples %1 of %2 are not numbers</source>
        <translation>Messwerte %1 von %2 sind keine Zahlen</translation>
    </message>
</context>
<context>
    <name>pointpictures</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ECU</source>
        <translation>ECU</translation>
    </message>
    <message>
        <source>1: signal</source>
        <translation>1: Signal</translation>
    </message>
    <message>
        <source>2: return</source>
        <translation>2: Rückleitung</translation>
    </message>
    <message>
        <source>2: earth</source>
        <translation>2: Masse</translation>
    </message>
    <message>
        <source>ECU supply</source>
        <translation>ECU-Versorgung</translation>
    </message>
    <message>
        <source>3: heater</source>
        <translation>3: Heizung</translation>
    </message>
    <message>
        <source>4: heater</source>
        <translation>4: Heizung</translation>
    </message>
</context>
<context>
    <name>scope</name>
    <message>
        <source>Engine management window</source>
        <translation>Fenster Motormanagement</translation>
    </message>
    <message>
        <source>Starting system window</source>
        <translation>Fenster Startsystem</translation>
    </message>
    <message>
        <source>Charging system window</source>
        <translation>Fenster Ladesystem</translation>
    </message>
    <message>
        <source>Engine speed sensor circuit</source>
        <translation>Stromkreis Drehzahlsensor</translation>
    </message>
    <message>
        <source>Engine load sensor circuit</source>
        <translation>Stromkreis Lastsensor</translation>
    </message>
    <message>
        <source>Temperature sensor circuit</source>
        <translation>Stromkreis Temperatursensor</translation>
    </message>
    <message>
        <source>Voltage sensing circuit</source>
        <translation>Stromkreis Spannungserfassung</translation>
    </message>
    <message>
        <source>Lambda sensor circuit</source>
        <translation>Stromkreis Lambdasonde</translation>
    </message>
    <message>
        <source>Knock sensor circuit</source>
        <translation>Stromkreis Klopfsensor</translation>
    </message>
    <message>
        <source>Ignition circuit</source>
        <translation>Zündstromkreis</translation>
    </message>
    <message>
        <source>Injector circuit</source>
        <translation>Stromkreis Einspritzventil</translation>
    </message>
    <message>
        <source>Fuel pump circuit</source>
        <translation>Stromkreis Kraftstoffpumpe</translation>
    </message>
    <message>
        <source>Fuel pressure</source>
        <translation>Kraftstoffdruck</translation>
    </message>
    <message>
        <source>Control unit</source>
        <translation>Steuergerät</translation>
    </message>
    <message>
        <source>Starter switch circuit</source>
        <translation>Stromkreis Startschalter</translation>
    </message>
    <message>
        <source>Starter supply circuit</source>
        <translation>Stromkreis Anlasserversorgung</translation>
    </message>
    <message>
        <source>Starter earth circuit</source>
        <translation>Stromkreis Anlassermasse</translation>
    </message>
    <message>
        <source>Starter motor</source>
        <translation>Anlasser</translation>
    </message>
    <message>
        <source>Charging circuit</source>
        <translation>Ladestromkreis</translation>
    </message>
    <message>
        <source>Charge warning light circuit</source>
        <translation>Stromkreis Ladekontrollleuchte</translation>
    </message>
</context>
<context>
    <name>scope::CaptureFile</name>
    <message>
        <source>%1: &quot;%2&quot; is missing or not a number.</source>
        <translation>%1: „%2“ fehlt oder ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing or not a text.</source>
        <translation>%1: „%2“ fehlt oder ist kein Text.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing or not true or false.</source>
        <translation>%1: „%2“ fehlt oder ist weder true noch false.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing or not an object.</source>
        <translation>%1: „%2“ fehlt oder ist kein Objekt.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing or not a list of numbers.</source>
        <translation>%1: „%2“ fehlt oder ist keine Liste von Zahlen.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has %3 samples, more than %4.</source>
        <translation>%1: „%2“ hat %3 Messwerte, mehr als %4.</translation>
    </message>
    <message>
        <source>%1: sample %2 of &quot;%3&quot; is not a number.</source>
        <translation>%1: Messwert %2 von „%3“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; cannot be &quot;%3&quot;.</source>
        <translation>%1: „%2“ kann nicht „%3“ sein.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is too large to be a capture file.</source>
        <translation>Die Datei ist zu groß für eine Aufnahmedatei.</translation>
    </message>
    <message>
        <source>The file is not a capture file: it is damaged or of another kind (%1 at byte %2).</source>
        <translation>Die Datei ist keine Aufnahmedatei: Sie ist beschädigt oder von anderer Art (%1 bei Byte %2).</translation>
    </message>
    <message>
        <source>The file is not a capture file.</source>
        <translation>Die Datei ist keine Aufnahmedatei.</translation>
    </message>
    <message>
        <source>The capture file</source>
        <translation>Die Aufnahmedatei</translation>
    </message>
    <message>
        <source>%1: &quot;version&quot; is missing or not a whole number.</source>
        <translation>%1: „version“ fehlt oder ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>The capture file was made by a newer version of the program (format %1); this one reads format %2.</source>
        <translation>Die Aufnahmedatei stammt aus einer neueren Version des Programms (Format %1); diese liest Format %2.</translation>
    </message>
    <message>
        <source>%1: &quot;timebase&quot; must be above zero.</source>
        <translation>%1: „timebase“ muss größer als null sein.</translation>
    </message>
    <message>
        <source>The trigger</source>
        <translation>Der Trigger</translation>
    </message>
    <message>
        <source>%1: &quot;position&quot; must be between 0 and 1.</source>
        <translation>%1: „position“ muss zwischen 0 und 1 liegen.</translation>
    </message>
    <message>
        <source>%1: &quot;channels&quot; must list 1 to %2 channels.</source>
        <translation>%1: „channels“ muss 1 bis %2 Kanäle aufführen.</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>%1 is not an object.</source>
        <translation>%1 ist kein Objekt.</translation>
    </message>
    <message>
        <source>%1: its name is empty or used twice.</source>
        <translation>%1: Sein Name ist leer oder doppelt vergeben.</translation>
    </message>
    <message>
        <source>%1: &quot;perDivision&quot; must be above zero.</source>
        <translation>%1: „perDivision“ muss größer als null sein.</translation>
    </message>
    <message>
        <source>%1: &quot;dt&quot; cannot be below zero.</source>
        <translation>%1: „dt“ darf nicht unter null liegen.</translation>
    </message>
    <message>
        <source>%1: &quot;lows&quot; and &quot;highs&quot; must be empty or as many as the values.</source>
        <translation>%1: „lows“ und „highs“ müssen leer sein oder so viele wie die Werte.</translation>
    </message>
    <message>
        <source>%1: &quot;channel&quot; names no channel of the file.</source>
        <translation>%1: „channel“ nennt keinen Kanal der Datei.</translation>
    </message>
</context>
<context>
    <name>scope::MaskJudge</name>
    <message>
        <source>The test has no reference trace: the captures cannot be judged</source>
        <translation>Die Prüfung hat keine Referenzkurve: Die Aufnahmen können nicht bewertet werden</translation>
    </message>
    <message>
        <source>The time base is not the test&apos;s: the captures cannot be compared</source>
        <translation>Die Zeitbasis ist nicht die der Prüfung: Die Aufnahmen können nicht verglichen werden</translation>
    </message>
    <message>
        <source>No capture yet: the test needs %1 triggered captures</source>
        <translation>Noch keine Aufnahme: Die Prüfung braucht %1 getriggerte Aufnahmen</translation>
    </message>
    <message>
        <source>%1 of %2 captures judged: the test needs %3 more</source>
        <translation>%1 von %2 Aufnahmen bewertet: Die Prüfung braucht noch %3</translation>
    </message>
    <message>
        <source>%1 of %2 captures inside the mask</source>
        <translation>%1 von %2 Aufnahmen innerhalb der Maske</translation>
    </message>
    <message>
        <source>channel %1, no trace</source>
        <translation>Kanal %1, keine Kurve</translation>
    </message>
    <message>
        <source>channel %1, 1 sample</source>
        <translation>Kanal %1, 1 Messwert</translation>
    </message>
    <message>
        <source>channel %1, %2 samples</source>
        <translation>Kanal %1, %2 Messwerte</translation>
    </message>
    <message>
        <source>%1 of %2 captures left the mask (%3)</source>
        <translation>%1 von %2 Aufnahmen haben die Maske verlassen (%3)</translation>
    </message>
</context>
<context>
    <name>scope::MathChannel</name>
    <message>
        <source>%1 − %2</source>
        <translation>%1 − %2</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Engine speed (%1)</source>
        <translation>Motordrehzahl (%1)</translation>
    </message>
    <message>
        <source>Both channels need a signal.</source>
        <translation>Beide Kanäle brauchen ein Signal.</translation>
    </message>
    <message>
        <source>The two channels&apos; frames are not taken at the same instants.</source>
        <translation>Die Bilder der beiden Kanäle sind nicht zu denselben Zeitpunkten aufgenommen.</translation>
    </message>
    <message>
        <source>Both channels must read the same unit (here %1 and %2).</source>
        <translation>Beide Kanäle müssen dieselbe Einheit messen (hier %1 und %2).</translation>
    </message>
    <message>
        <source>No crank teeth on the screen: the speed needs at least two of them.</source>
        <translation>Keine Zähne des Kurbelwellensignals auf dem Bildschirm: Für die Drehzahl braucht es mindestens zwei.</translation>
    </message>
    <message>
        <source>The engine speed needs a crank sensor&apos;s voltage.</source>
        <translation>Die Motordrehzahl braucht die Spannung eines Kurbelwellensensors.</translation>
    </message>
</context>
<context>
    <name>scope::Measurement</name>
    <message>
        <source>no signal</source>
        <translation>kein Signal</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Peak to peak</source>
        <translation>Spitze-Spitze</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>RMS</source>
        <translation>Effektivwert</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Duty cycle</source>
        <translation>Tastverhältnis</translation>
    </message>
    <message>
        <source>Pulse width</source>
        <translation>Pulsbreite</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Anstiegszeit</translation>
    </message>
</context>
<context>
    <name>scope::Probe</name>
    <message>
        <source>Direct</source>
        <translation>Direkt</translation>
    </message>
    <message>
        <source>×10 attenuator</source>
        <translation>Tastteiler ×10</translation>
    </message>
    <message>
        <source>Current clamp %1 mV/A</source>
        <translation>Stromzange %1 mV/A</translation>
    </message>
    <message>
        <source>HT pick-up</source>
        <translation>Hochspannungszange</translation>
    </message>
    <message>
        <source>Pressure transducer</source>
        <translation>Druckaufnehmer</translation>
    </message>
    <message>
        <source>×10</source>
        <translation>×10</translation>
    </message>
    <message>
        <source>Clamp %1 mV/A</source>
        <translation>Zange %1 mV/A</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>The current clamp&apos;s sensitivity must be more than 0 mV/A.</source>
        <translation>Die Empfindlichkeit der Stromzange muss größer als 0 mV/A sein.</translation>
    </message>
    <message>
        <source>This point is a current: measure it with a current clamp.</source>
        <translation>Dieser Messpunkt ist ein Strom: Messen Sie ihn mit einer Stromzange.</translation>
    </message>
    <message>
        <source>This point is a pressure: measure it with a pressure transducer.</source>
        <translation>Dieser Messpunkt ist ein Druck: Messen Sie ihn mit einem Druckaufnehmer.</translation>
    </message>
    <message>
        <source>This point is the high-tension secondary: measure it with an HT pick-up.</source>
        <translation>Dieser Messpunkt ist die Hochspannung der Sekundärseite: Messen Sie ihn mit einer Hochspannungszange.</translation>
    </message>
    <message>
        <source>This point is a voltage: measure it with the direct lead or the ×10 attenuator.</source>
        <translation>Dieser Messpunkt ist eine Spannung: Messen Sie ihn mit der direkten Messleitung oder dem Tastteiler ×10.</translation>
    </message>
    <message>
        <source>This probe cannot measure a point read in %1.</source>
        <translation>Diese Messleitung kann keinen Messpunkt messen, der in %1 gelesen wird.</translation>
    </message>
</context>
<context>
    <name>scope::Reading</name>
    <message>
        <source>Select connection...</source>
        <translation>Anschluss wählen...</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Bearbeitungsmodus</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Sawtooth</source>
        <translation>Sägezahn</translation>
    </message>
    <message>
        <source>Battery - fully charged</source>
        <translation>Batterie - voll geladen</translation>
    </message>
    <message>
        <source>Battery - half charged</source>
        <translation>Batterie - halb geladen</translation>
    </message>
    <message>
        <source>Battery - discharged</source>
        <translation>Batterie - entladen</translation>
    </message>
    <message>
        <source>Battery - on charge</source>
        <translation>Batterie - wird geladen</translation>
    </message>
    <message>
        <source>Alternator charging</source>
        <translation>Generator lädt</translation>
    </message>
    <message>
        <source>Thermistor at 100 C</source>
        <translation>Thermistor bei 100 °C</translation>
    </message>
    <message>
        <source>Thermistor at 20 C</source>
        <translation>Thermistor bei 20 °C</translation>
    </message>
    <message>
        <source>Thermistor at 0 C</source>
        <translation>Thermistor bei 0 °C</translation>
    </message>
    <message>
        <source>Speed sensor - cranking</source>
        <translation>Drehzahlsensor - Anlassen</translation>
    </message>
    <message>
        <source>Speed sensor - idle</source>
        <translation>Drehzahlsensor - Leerlauf</translation>
    </message>
</context>
<context>
    <name>scope::Screen</name>
    <message numerus="yes">
        <source>... (%n more line(s): fewer measurements show them)</source>
        <translation>
            <numerusform>... (%n weitere Zeile: mit weniger Messungen wird sie sichtbar)</numerusform>
            <numerusform>... (%n weitere Zeilen: mit weniger Messungen werden sie sichtbar)</numerusform>
        </translation>
    </message>
    <message>
        <source> (auto)</source>
        <translation> (auto)</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Referenz: %1</translation>
    </message>
</context>
<context>
    <name>scope::ScreenDescription</name>
    <message>
        <source>%1, automatic range</source>
        <translation>%1, automatischer Bereich</translation>
    </message>
    <message>
        <source>Channel A at %1</source>
        <translation>Kanal A auf %1</translation>
    </message>
    <message>
        <source>Measured: %1</source>
        <translation>Gemessen: %1</translation>
    </message>
    <message>
        <source>Channel %1 at %2</source>
        <translation>Kanal %1 auf %2</translation>
    </message>
    <message>
        <source>Channel %1, %2, at %3</source>
        <translation>Kanal %1, %2, auf %3</translation>
    </message>
    <message>
        <source>, measured: %1</source>
        <translation>, gemessen: %1</translation>
    </message>
    <message>
        <source>Time base %1</source>
        <translation>Zeitbasis %1</translation>
    </message>
    <message>
        <source>Roll mode, no trigger</source>
        <translation>Rollmodus, kein Trigger</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>steigende</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>fallende</translation>
    </message>
    <message>
        <source>Trigger %1 on channel %2, %3 edge at %4: %5</source>
        <translation>Trigger %1 auf Kanal %2, %3 Flanke bei %4: %5</translation>
    </message>
    <message>
        <source>Cursors: %1, %2, %3</source>
        <translation>Cursor: %1, %2, %3</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Referenz: %1</translation>
    </message>
</context>
<context>
    <name>scope::Statistics</name>
    <message>
        <source>no value</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>current %1, min %2, max %3, mean %4, σ %5, n %6</source>
        <translation>aktuell %1, min %2, max %3, Mittel %4, σ %5, n %6</translation>
    </message>
</context>
<context>
    <name>scope::Trigger</name>
    <message>
        <source>Roll</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Steigend</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Fallend</translation>
    </message>
    <message>
        <source>Triggered</source>
        <translation>Getriggert</translation>
    </message>
    <message>
        <source>Auto (no trigger)</source>
        <translation>Auto (kein Trigger)</translation>
    </message>
    <message>
        <source>Waiting for trigger</source>
        <translation>Warten auf Trigger</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Rolling</source>
        <translation>Rollt</translation>
    </message>
</context>
<context>
    <name>scope::Verdict</name>
    <message>
        <source>Pass</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>Not yet measured</source>
        <translation>Noch nicht gemessen</translation>
    </message>
</context>
</TS>
