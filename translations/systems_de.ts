<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CircuitArt</name>
    <message>
        <source>Solenoid</source>
        <translation>Magnetschalter</translation>
    </message>
    <message>
        <source>Pinion</source>
        <translation>Ritzel</translation>
    </message>
    <message>
        <source>Armature</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Field coil</source>
        <translation>Feldwicklung</translation>
    </message>
    <message>
        <source>Commutator</source>
        <translation>Kommutator</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Bürste</translation>
    </message>
    <message>
        <source>Lever</source>
        <translation>Einrückhebel</translation>
    </message>
    <message>
        <source>Pulley</source>
        <translation>Riemenscheibe</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Lüfter</translation>
    </message>
    <message>
        <source>Stator</source>
        <translation>Stator</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Regulator</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>B+ terminal</source>
        <translation>Klemme B+</translation>
    </message>
    <message>
        <source>Rectifier</source>
        <translation>Gleichrichter</translation>
    </message>
    <message>
        <source>Slip rings</source>
        <translation>Schleifringe</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
</context>
<context>
    <name>EcuUnit</name>
    <message>
        <source>Engine Control Unit</source>
        <translation>Motorsteuergerät</translation>
    </message>
</context>
<context>
    <name>FRMsimulation</name>
    <message>
        <source>Engine Management system</source>
        <translation>Motormanagement</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Klopfen</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Einspritzung</translation>
    </message>
    <message>
        <source>Dwell</source>
        <translation>Schließwinkel</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Zündzeitpunkt</translation>
    </message>
    <message>
        <source>Drag a caption onto the MultiScope&apos;s connection terminal to measure that point.</source>
        <translation>Ziehen Sie eine Beschriftung auf die Anschlussbuchse des MultiScope, um diesen Messpunkt zu messen.</translation>
    </message>
    <message>
        <source>Tables/ECU</source>
        <translation>Tabellen/ECU</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <translation>Motordrehzahl</translation>
    </message>
    <message>
        <source>Engine load</source>
        <translation>Motorlast</translation>
    </message>
    <message>
        <source>Engine temperature</source>
        <translation>Motortemperatur</translation>
    </message>
    <message>
        <source>System voltage</source>
        <translation>Bordnetzspannung</translation>
    </message>
    <message>
        <source>Lambda</source>
        <translation>Lambda</translation>
    </message>
    <message>
        <source>Knock detected</source>
        <translation>Klopfen erkannt</translation>
    </message>
    <message>
        <source>Injection time</source>
        <translation>Einspritzzeit</translation>
    </message>
    <message>
        <source>Ignition timing</source>
        <translation>Zündzeitpunkt</translation>
    </message>
    <message>
        <source>Set engine speed</source>
        <translation>Motordrehzahl einstellen</translation>
    </message>
    <message>
        <source>Set engine load</source>
        <translation>Motorlast einstellen</translation>
    </message>
    <message>
        <source>Set engine temperature</source>
        <translation>Motortemperatur einstellen</translation>
    </message>
    <message>
        <source>Set system voltage</source>
        <translation>Bordnetzspannung einstellen</translation>
    </message>
    <message>
        <source>Set lambda: rich, correct or lean</source>
        <translation>Lambda einstellen: fett, richtig oder mager</translation>
    </message>
    <message>
        <source>Injection time bar</source>
        <translation>Balken Einspritzzeit</translation>
    </message>
    <message>
        <source>Dwell bar</source>
        <translation>Balken Schließwinkel</translation>
    </message>
    <message>
        <source>Ignition timing bar</source>
        <translation>Balken Zündzeitpunkt</translation>
    </message>
    <message>
        <source>Knock: switch on or off</source>
        <translation>Klopfen: ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Timing Lookup Table</source>
        <translation>Zündkennfeld</translation>
    </message>
    <message>
        <source>Dwell Lookup Table</source>
        <translation>Schließwinkelkennfeld</translation>
    </message>
    <message>
        <source>Injection Lookup Table</source>
        <translation>Einspritzkennfeld</translation>
    </message>
    <message>
        <source>Speed look up value</source>
        <translation>Drehzahl-Suchwert</translation>
    </message>
    <message>
        <source>Load look up value</source>
        <translation>Last-Suchwert</translation>
    </message>
    <message>
        <source>Volts look up value</source>
        <translation>Spannungs-Suchwert</translation>
    </message>
    <message>
        <source>Columns Speed 1 ... Speed 8:
    800 ... 6400 rev/min
Timing and injection rows 1 ... 8:
    load 98 % ... 0 %
Dwell rows 1 ... 8:
    15 V ... 8 V</source>
        <translation>Spalten Drehzahl 1 ... Drehzahl 8:
    800 ... 6400 1/min
Zeilen Zündung und Einspritzung 1 ... 8:
    Last 98 % ... 0 %
Zeilen Schließwinkel 1 ... 8:
    15 V ... 8 V</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>JobSheet</name>
    <message>
        <source> &apos;Vantorel&apos; - Diagnostics</source>
        <translation> &apos;Vantorel&apos; - Diagnose</translation>
    </message>
    <message>
        <source>Tel: %1</source>
        <translation>Tel.: %1</translation>
    </message>
    <message>
        <source>Diagnostic Technician: %1    Date &amp; Time: %2</source>
        <translation>Diagnosetechniker/in: %1    Datum und Uhrzeit: %2</translation>
    </message>
    <message>
        <source>Vehicle system: %1</source>
        <translation>Fahrzeugsystem: %1</translation>
    </message>
    <message>
        <source>Main symptoms noted: %1</source>
        <translation>Festgestellte Hauptsymptome: %1</translation>
    </message>
    <message>
        <source>  Carry out the following procedures in sequence...</source>
        <translation>  Führen Sie die folgenden Prüfschritte der Reihe nach durch...</translation>
    </message>
    <message>
        <source>If the main test is NOT OK then carry out the inset procedure...</source>
        <translation>Ist die Hauptprüfung NICHT in Ordnung, führen Sie den eingerückten Schritt durch...</translation>
    </message>
    <message>
        <source>Repairs completed - Technician Signature:</source>
        <translation>Reparatur ausgeführt - Unterschrift Techniker/in:</translation>
    </message>
    <message>
        <source>Supervisor Signature (if appropriate):</source>
        <translation>Unterschrift Meister/in (falls erforderlich):</translation>
    </message>
</context>
<context>
    <name>LookupTableModel</name>
    <message>
        <source>The lookup table &apos;%1&apos; could not be read (%2).</source>
        <translation>Die Kennfeldtabelle &apos;%1&apos; konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Drehzahl %1</translation>
    </message>
    <message>
        <source>Cannot update the %1: %2.</source>
        <translation>%1 kann nicht geändert werden: %2.</translation>
    </message>
    <message>
        <source>The record of the %1 was deleted.</source>
        <translation>Der Datensatz in %1 wurde gelöscht.</translation>
    </message>
</context>
<context>
    <name>MapChart</name>
    <message>
        <source>Degrees BTDC</source>
        <translation>Grad v. OT</translation>
    </message>
    <message>
        <source>Dwell %</source>
        <translation>Schließwinkel %</translation>
    </message>
    <message>
        <source>Injection ms</source>
        <translation>Einspritzung ms</translation>
    </message>
    <message>
        <source>degrees BTDC</source>
        <translation>Grad v. OT</translation>
    </message>
    <message>
        <source>%1 rev/min, %2</source>
        <translation>%1 1/min, %2</translation>
    </message>
    <message>
        <source>%1 rev/min, %2 load</source>
        <translation>%1 1/min, %2 Last</translation>
    </message>
    <message>
        <source>Engine Speed</source>
        <translation>Motordrehzahl</translation>
    </message>
    <message>
        <source>Engine Load or System Voltage</source>
        <translation>Motorlast oder Bordnetzspannung</translation>
    </message>
</context>
<context>
    <name>MapChartView</name>
    <message>
        <source>In use</source>
        <translation>Genutzt</translation>
    </message>
    <message>
        <source>Drag to turn the chart; the mouse wheel zooms.</source>
        <translation>Ziehen dreht das Diagramm; das Mausrad zoomt.</translation>
    </message>
</context>
<context>
    <name>RoutinesStore</name>
    <message>
        <source>The file &apos;%1&apos; cannot be used as the diagnostic routines database: %2</source>
        <translation>Die Datei &apos;%1&apos; kann nicht als Datenbank der Diagnoseabläufe verwendet werden: %2</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>die Datei ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>it could not be opened.</source>
        <translation>sie konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>it is not a database.</source>
        <translation>sie ist keine Datenbank.</translation>
    </message>
    <message>
        <source>it has no table &apos;Systems&apos;.</source>
        <translation>sie hat keine Tabelle &apos;Systems&apos;.</translation>
    </message>
    <message>
        <source>the table &apos;Systems&apos; cannot be read.</source>
        <translation>die Tabelle &apos;Systems&apos; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The changed routine could not be saved to &apos;%1&apos;: %2</source>
        <translation>Der geänderte Ablauf konnte nicht in &apos;%1&apos; gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the record is no longer there.</source>
        <translation>der Datensatz ist nicht mehr vorhanden.</translation>
    </message>
</context>
<context>
    <name>TelemetryDevice</name>
    <message>
        <source>Lap: %1</source>
        <translation>Runde: %1</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Messwert</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Gauge options</source>
        <translation>Anzeigeoptionen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the telemetry to a file</source>
        <translation>Telemetrie in einer Datei speichern</translation>
    </message>
    <message>
        <source>Clear data</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>Circuit keys</source>
        <translation>Tasten der Rennstrecke</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>If the &apos;Telemetry&apos; screen is showing, click on the track and then...<byte value="xd"/>
<byte value="xd"/>
Home - Starts/Resets the lap from the start/finish line<byte value="xd"/>
<byte value="xd"/>
PgUp and PgDn - Throttle/Brakes on/off to drive the car</source>
        <translation>Wenn die Ansicht &apos;Telemetrie&apos; zu sehen ist, klicken Sie auf die Strecke und dann...<byte value="xd"/>
<byte value="xd"/>
Pos1 - Startet die Runde an der Start-/Ziellinie (neu)<byte value="xd"/>
<byte value="xd"/>
Bild auf und Bild ab - Gas/Bremse ein/aus, um das Auto zu fahren</translation>
    </message>
    <message>
        <source>Circuit Keys</source>
        <translation>Tasten der Rennstrecke</translation>
    </message>
    <message>
        <source>Do you want to save the telemetry file to disk for later analysis with a spreadsheet program?</source>
        <translation>Möchten Sie die Telemetriedatei speichern, um sie später mit einer Tabellenkalkulation auszuwerten?</translation>
    </message>
    <message>
        <source>Data Files (*.csv)</source>
        <translation>Datendateien (*.csv)</translation>
    </message>
    <message>
        <source>The telemetry file could not be saved to %1<byte value="xd"/>
<byte value="xd"/>
Error number: %2 - %3</source>
        <translation>Die Telemetriedatei konnte nicht unter %1 gespeichert werden<byte value="xd"/>
<byte value="xd"/>
Fehlernummer: %2 - %3</translation>
    </message>
    <message>
        <source>Telemetry file saved to disk...</source>
        <translation>Telemetriedatei gespeichert...</translation>
    </message>
    <message>
        <source>Click OK to stop running or recording of track file...</source>
        <translation>Klicken Sie auf OK, um das Abfahren oder Aufzeichnen der Streckendatei zu beenden...</translation>
    </message>
    <message>
        <source>Warning - This will clear the existing track recording and create another. Do you want to continue?</source>
        <translation>Achtung - Dadurch wird die vorhandene Streckenaufzeichnung gelöscht und eine neue angelegt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Rennstrecke</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>Anzeige</translation>
    </message>
</context>
<context>
    <name>frmCharging</name>
    <message>
        <source>Charging system</source>
        <translation>Ladesystem</translation>
    </message>
    <message>
        <source>Alternator (cutaway)</source>
        <translation>Generator (Schnittbild)</translation>
    </message>
    <message>
        <source>Rev/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>rev/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Engine speed, rev/min</source>
        <translation>Motordrehzahl, 1/min</translation>
    </message>
    <message>
        <source>Alternator speed, rev/min</source>
        <translation>Generatordrehzahl, 1/min</translation>
    </message>
    <message>
        <source>Alternator output, volts</source>
        <translation>Generatorausgang, Volt</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Crankshaft</source>
        <translation>Kurbelwelle</translation>
    </message>
    <message>
        <source>Alternator</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Ignition</source>
        <translation>Zündung</translation>
    </message>
</context>
<context>
    <name>frmControls</name>
    <message>
        <source>Controls</source>
        <translation>Bedienung</translation>
    </message>
    <message>
        <source>Throttle Down</source>
        <translation>Weniger Gas</translation>
    </message>
    <message>
        <source>Throttle Up</source>
        <translation>Mehr Gas</translation>
    </message>
    <message>
        <source>Auto run</source>
        <translation>Automatikbetrieb</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Gaspedal</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Vollgas</translation>
    </message>
    <message>
        <source>Gears</source>
        <translation>Gänge</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Can&apos;t change engine speed it&apos;s not running yet!</source>
        <translation>Die Motordrehzahl lässt sich nicht ändern: Der Motor läuft noch nicht!</translation>
    </message>
    <message>
        <source>Auto run is only available when the engine has been started...</source>
        <translation>Der Automatikbetrieb ist erst möglich, wenn der Motor gestartet wurde...</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Bereit...</translation>
    </message>
    <message>
        <source>Can&apos;t increase engine speed it&apos;s not running yet!</source>
        <translation>Die Motordrehzahl lässt sich nicht erhöhen: Der Motor läuft noch nicht!</translation>
    </message>
</context>
<context>
    <name>frmDiagnostics</name>
    <message>
        <source>Diagnostic Database</source>
        <translation>Diagnosedatenbank</translation>
    </message>
    <message>
        <source>Choose the vehicle system from the database &gt;&gt;</source>
        <translation>Fahrzeugsystem aus der Datenbank wählen &gt;&gt;</translation>
    </message>
    <message>
        <source>System . . .</source>
        <translation>System . . .</translation>
    </message>
    <message>
        <source>Select the symptoms &gt;&gt;</source>
        <translation>Symptome wählen &gt;&gt;</translation>
    </message>
    <message>
        <source>Symptoms . . .</source>
        <translation>Symptome . . .</translation>
    </message>
    <message>
        <source>OK Routine</source>
        <translation>Prüfablauf</translation>
    </message>
    <message>
        <source>Not OK Action</source>
        <translation>Maßnahme, wenn nicht in Ordnung</translation>
    </message>
    <message>
        <source>Symptoms</source>
        <translation>Symptome</translation>
    </message>
    <message>
        <source>OK routine, step %1</source>
        <translation>Prüfablauf, Schritt %1</translation>
    </message>
    <message>
        <source>Not OK action, step %1</source>
        <translation>Maßnahme, wenn nicht in Ordnung, Schritt %1</translation>
    </message>
    <message>
        <source>Vehicle system</source>
        <translation>Fahrzeugsystem</translation>
    </message>
    <message>
        <source>First system</source>
        <translation>Erstes System</translation>
    </message>
    <message>
        <source>Previous system</source>
        <translation>Vorheriges System</translation>
    </message>
    <message>
        <source>Next system</source>
        <translation>Nächstes System</translation>
    </message>
    <message>
        <source>Last system</source>
        <translation>Letztes System</translation>
    </message>
    <message>
        <source>First routine</source>
        <translation>Erster Ablauf</translation>
    </message>
    <message>
        <source>Previous routine</source>
        <translation>Vorheriger Ablauf</translation>
    </message>
    <message>
        <source>Next routine</source>
        <translation>Nächster Ablauf</translation>
    </message>
    <message>
        <source>Last routine</source>
        <translation>Letzter Ablauf</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>The routines stay those of &apos;%2&apos;.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>Es bleiben die Abläufe aus &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>This text is %1 characters long; the box shows the first %2 and it cannot be edited here.</source>
        <translation>Dieser Text ist %1 Zeichen lang; das Feld zeigt die ersten %2, und er kann hier nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>Some texts of this routine are longer than %1 characters: the job sheet prints the first %1 of each.</source>
        <translation>Einige Texte dieses Ablaufs sind länger als %1 Zeichen: Das Arbeitsblatt druckt von jedem die ersten %1.</translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Beim Drucken ist ein Problem aufgetreten.</translation>
    </message>
</context>
<context>
    <name>frmFaults</name>
    <message>
        <source>Faults...</source>
        <translation>Fehler...</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Alle beheben</translation>
    </message>
    <message>
        <source>Faults list</source>
        <translation>Fehlerliste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Locked while a challenge is running.

The boxes are shown again when the challenge ends.</source>
        <translation>Gesperrt, solange eine Aufgabe läuft.

Die Kästchen erscheinen wieder, wenn die Aufgabe endet.</translation>
    </message>
    <message>
        <source>The faults list is locked while a challenge is running. End the challenge first.</source>
        <translation>Die Fehlerliste ist gesperrt, solange eine Aufgabe läuft. Beenden Sie zuerst die Aufgabe.</translation>
    </message>
    <message>
        <source>You must login before you can see the list of faults</source>
        <translation>Sie müssen sich anmelden, bevor Sie die Fehlerliste sehen können</translation>
    </message>
    <message>
        <source>Show faults list</source>
        <translation>Fehlerliste zeigen</translation>
    </message>
    <message>
        <source>Hide faults list</source>
        <translation>Liste ausblenden</translation>
    </message>
</context>
<context>
    <name>frmInstruments</name>
    <message>
        <source>Instruments</source>
        <translation>Instrumente</translation>
    </message>
    <message>
        <source>Speedometer</source>
        <translation>Tacho</translation>
    </message>
    <message>
        <source>Rev. counter</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>Fuel gauge</source>
        <translation>Tankanzeige</translation>
    </message>
    <message>
        <source>Temp. gauge</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Revs</source>
        <translation>Drehz.</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Tank</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>Road speed</source>
        <translation>Fahrgeschwindigkeit</translation>
    </message>
    <message>
        <source>Engine speed, rev/min</source>
        <translation>Motordrehzahl, 1/min</translation>
    </message>
    <message>
        <source>Fuel level</source>
        <translation>Kraftstoffstand</translation>
    </message>
    <message>
        <source>Engine temperature</source>
        <translation>Motortemperatur</translation>
    </message>
    <message>
        <source>Trip distance</source>
        <translation>Fahrstrecke</translation>
    </message>
    <message>
        <source>Check Engine</source>
        <translation>Motorkontrolle</translation>
    </message>
    <message>
        <source>Oil</source>
        <translation>Öl</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Fernl.</translation>
    </message>
    <message>
        <source>Change display to km/h or mph</source>
        <translation>Anzeige auf km/h oder mph umschalten</translation>
    </message>
</context>
<context>
    <name>frmMaps</name>
    <message>
        <source>Bar Chart</source>
        <translation>Balkendiagramm</translation>
    </message>
    <message>
        <source>Flat Lines</source>
        <translation>Flache Linien</translation>
    </message>
    <message>
        <source>Smooth Blocks</source>
        <translation>Glatte Flächen</translation>
    </message>
    <message>
        <source>Stepped Blocks</source>
        <translation>Gestufte Blöcke</translation>
    </message>
    <message>
        <source>Timing Map</source>
        <translation>Zündkennfeld</translation>
    </message>
    <message>
        <source>Dwell Map</source>
        <translation>Schließwinkelkennfeld</translation>
    </message>
    <message>
        <source>Injection Map</source>
        <translation>Einspritzkennfeld</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Kennfelder</translation>
    </message>
    <message>
        <source>Choose which data map:</source>
        <translation>Kennfeld wählen:</translation>
    </message>
    <message>
        <source>Choose a chart style:</source>
        <translation>Diagrammart wählen:</translation>
    </message>
    <message>
        <source>The three-dimensional chart cannot be drawn here, because OpenGL is not available on this display. The map&apos;s values are still read, and the engine-management window shows them in its lookup tables.</source>
        <translation>Das dreidimensionale Diagramm kann hier nicht gezeichnet werden, weil OpenGL auf dieser Anzeige nicht verfügbar ist. Die Werte des Kennfelds werden trotzdem gelesen, und das Fenster Motormanagement zeigt sie in seinen Kennfeldtabellen.</translation>
    </message>
    <message>
        <source>Cell in use at the last engine step (marked in red):
%1: %2 %3</source>
        <translation>Im letzten Motorschritt genutzte Zelle (rot markiert):
%1: %2 %3</translation>
    </message>
    <message>
        <source>While the engine runs, the cell the unit uses is marked in red.</source>
        <translation>Während der Motor läuft, ist die vom Steuergerät genutzte Zelle rot markiert.</translation>
    </message>
</context>
<context>
    <name>frmStarting</name>
    <message>
        <source>Starting system</source>
        <translation>Startsystem</translation>
    </message>
    <message>
        <source>Starter motor (cutaway)</source>
        <translation>Anlasser (Schnittbild)</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <translation>Batteriespannung</translation>
    </message>
    <message>
        <source>Battery voltage, volts</source>
        <translation>Batteriespannung, Volt</translation>
    </message>
    <message>
        <source>Set battery voltage</source>
        <translation>Batteriespannung einstellen</translation>
    </message>
    <message>
        <source>Ignition/Starter</source>
        <translation>Zündung/Anlasser</translation>
    </message>
    <message>
        <source>Ignition on</source>
        <translation>Zündung ein</translation>
    </message>
    <message>
        <source>Turns the key to ignition on with the engine still, or back to off</source>
        <translation>Dreht den Schlüssel bei stehendem Motor auf Zündung ein oder zurück auf aus</translation>
    </message>
    <message>
        <source>Key: off</source>
        <translation>Schlüssel: aus</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>rev/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Cranking speed, rev/min</source>
        <translation>Startdrehzahl, 1/min</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal Range</source>
        <translation>Normalbereich</translation>
    </message>
    <message>
        <source>Key: start</source>
        <translation>Schlüssel: Start</translation>
    </message>
    <message>
        <source>Key: ignition on</source>
        <translation>Schlüssel: Zündung</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Solenoid</source>
        <translation>Magnetschalter</translation>
    </message>
    <message>
        <source>Starter motor</source>
        <translation>Anlasser</translation>
    </message>
    <message>
        <source>Ignition</source>
        <translation>Zündung</translation>
    </message>
</context>
<context>
    <name>frmTelemetryOptions</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Telemetry Gauge Options</source>
        <translation>Optionen der Telemetrieanzeige</translation>
    </message>
    <message>
        <source>Telemetry gauge number:</source>
        <translation>Nummer der Telemetrieanzeige:</translation>
    </message>
    <message>
        <source>Gauge title</source>
        <translation>Anzeigetitel</translation>
    </message>
    <message>
        <source>What the gauge shows</source>
        <translation>Was die Anzeige darstellt</translation>
    </message>
    <message>
        <source>Bar Gauge</source>
        <translation>Balkenanzeige</translation>
    </message>
    <message>
        <source>Clock gauge</source>
        <translation>Zeigerinstrument</translation>
    </message>
    <message>
        <source>Sample %1</source>
        <translation>Beispiel %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Telemetry chart and gauge number:  %1</source>
        <translation>Telemetriediagramm und Anzeige Nr.:  %1</translation>
    </message>
    <message>
        <source>Current assignment: %1</source>
        <translation>Aktuelle Zuordnung: %1</translation>
    </message>
</context>
<context>
    <name>frmTripComputer</name>
    <message>
        <source>Trip Computer</source>
        <translation>Bordcomputer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Inst</source>
        <translation>Akt.</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Ø</translation>
    </message>
    <message>
        <source>ETA</source>
        <translation>Ank.</translation>
    </message>
    <message>
        <source>Av Sp</source>
        <translation>Ø v</translation>
    </message>
    <message>
        <source>Elaps</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Verbr.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Arr</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Trip Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Trip display</source>
        <translation>Anzeige des Bordcomputers</translation>
    </message>
    <message>
        <source>Set Distance</source>
        <translation>Strecke einstellen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Set Arrival Distance using the Trip computer buttons...<byte value="xd"/>
<byte value="xd"/>...then click Set Distance again.</source>
        <translation>Geben Sie die Entfernung zum Ziel mit den Tasten des Bordcomputers ein...<byte value="xd"/>
<byte value="xd"/>...und klicken Sie dann erneut auf Strecke einstellen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a distance. Arrival Distance not changed: enter the distance with the number buttons.</source>
        <translation>&quot;%1&quot; ist keine Entfernung. Die Entfernung zum Ziel bleibt unverändert: Geben Sie die Entfernung mit den Zifferntasten ein.</translation>
    </message>
    <message>
        <source>Arrival Distance set to: %1 kilometres</source>
        <translation>Entfernung zum Ziel eingestellt auf: %1 Kilometer</translation>
    </message>
    <message>
        <source>Arrival Distance set to: %1 miles</source>
        <translation>Entfernung zum Ziel eingestellt auf: %1 Meilen</translation>
    </message>
    <message>
        <source>&apos;Elapsed Time&apos;, &apos;Trip Distance&apos;, &apos;Stop Watch&apos; and &apos;Fuel Used&apos; reset...</source>
        <translation>&apos;Fahrzeit&apos;, &apos;Fahrstrecke&apos;, &apos;Stoppuhr&apos; und &apos;Verbrauch&apos; zurückgesetzt...</translation>
    </message>
</context>
<context>
    <name>frmWaveEdit</name>
    <message>
        <source>Current waveform is: %1</source>
        <translation>Aktuelle Kurvenform: %1</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Error number %1 %2</source>
        <translation>Fehlernummer %1 %2</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Waveform Editor</source>
        <translation>Kurvenformeditor</translation>
    </message>
    <message>
        <source>Open waveform:</source>
        <translation>Geöffnete Kurvenform:</translation>
    </message>
    <message>
        <source>Move all values one space to the right &gt;</source>
        <translation>Alle Werte um eine Stelle nach rechts schieben &gt;</translation>
    </message>
    <message>
        <source>Copy first cell to all &gt;&gt;</source>
        <translation>Erste Zelle in alle kopieren &gt;&gt;</translation>
    </message>
    <message>
        <source>Enter the Y (voltage) values of the waveform (-99 to 99) from left to right:</source>
        <translation>Geben Sie die Y-Werte (Spannung) der Kurvenform (-99 bis 99) von links nach rechts ein:</translation>
    </message>
    <message>
        <source>Enter the DMM reading:</source>
        <translation>DMM-Anzeige eingeben:</translation>
    </message>
    <message>
        <source>DMM reading</source>
        <translation>DMM-Anzeige</translation>
    </message>
    <message>
        <source>Y value %1</source>
        <translation>Y-Wert %1</translation>
    </message>
    <message>
        <source>Freeze Wave</source>
        <translation>Kurve einfrieren</translation>
    </message>
    <message>
        <source>Save and View Full Width</source>
        <translation>Speichern und in voller Breite zeigen</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Are you sure you want to copy the first cell value to all the others?</source>
        <translation>Möchten Sie den Wert der ersten Zelle wirklich in alle anderen kopieren?</translation>
    </message>
    <message>
        <source>Are you sure you want to move all the cell values along by one?</source>
        <translation>Möchten Sie wirklich alle Zellwerte um eine Stelle weiterschieben?</translation>
    </message>
    <message>
        <source>Un-Freeze...</source>
        <translation>Freigeben...</translation>
    </message>
    <message>
        <source>Please try again and use the &apos;Save As...&apos; option to choose another location or name.<byte value="xd"/>
<byte value="xd"/> (%1) may be read only)<byte value="xd"/>
<byte value="xd"/>Files must be saved in an area such as &apos;My Documents&apos;, where you have permission to work...</source>
        <translation>Bitte versuchen Sie es erneut und wählen Sie mit &apos;Speichern unter...&apos; einen anderen Ort oder Namen.<byte value="xd"/>
<byte value="xd"/>(%1 ist möglicherweise schreibgeschützt)<byte value="xd"/>
<byte value="xd"/>Dateien müssen in einem Bereich wie &apos;Eigene Dateien&apos; gespeichert werden, in dem Sie Schreibrechte haben...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Multiscope Files (*.msf)</source>
        <translation>MultiScope-Dateien (*.msf)</translation>
    </message>
    <message>
        <source>Please try again! Files must be saved in an area such as &apos;My Documents&apos;, where you have permission...</source>
        <translation>Bitte versuchen Sie es erneut! Dateien müssen in einem Bereich wie &apos;Eigene Dateien&apos; gespeichert werden, in dem Sie Schreibrechte haben...</translation>
    </message>
    <message>
        <source>Please try again! Files must be saved in an area such as &apos;My Documents&apos;, where existing files are not Read Only...</source>
        <translation>Bitte versuchen Sie es erneut! Dateien müssen in einem Bereich wie &apos;Eigene Dateien&apos; gespeichert werden, in dem vorhandene Dateien nicht schreibgeschützt sind...</translation>
    </message>
</context>
<context>
    <name>startstop</name>
    <message>
        <source>Ready...</source>
        <translation>Bereit...</translation>
    </message>
    <message>
        <source>Ignition on...</source>
        <translation>Zündung ein...</translation>
    </message>
    <message>
        <source>Ignition off...</source>
        <translation>Zündung aus...</translation>
    </message>
    <message>
        <source>Engine is stopped...</source>
        <translation>Motor steht...</translation>
    </message>
</context>
<context>
    <name>telemetry::Channels</name>
    <message>
        <source>00 Select Input Source...</source>
        <extracomment>The two-digit number and the space in front of a channel stay: the gauge options read the channel from them and take the rest as the gauge&apos;s title.</extracomment>
        <translation>00 Eingangsquelle wählen...</translation>
    </message>
    <message>
        <source>01 System Voltage</source>
        <translation>01 Bordnetzspannung</translation>
    </message>
    <message>
        <source>02 Throttle Position</source>
        <translation>02 Gaspedalstellung</translation>
    </message>
    <message>
        <source>03 Gear</source>
        <translation>03 Gang</translation>
    </message>
    <message>
        <source>04 Knock</source>
        <translation>04 Klopfen</translation>
    </message>
    <message>
        <source>05 Engine Speed</source>
        <translation>05 Motordrehzahl</translation>
    </message>
    <message>
        <source>06 Engine Load</source>
        <translation>06 Motorlast</translation>
    </message>
    <message>
        <source>07 Engine Temperature</source>
        <translation>07 Motortemperatur</translation>
    </message>
    <message>
        <source>08 Road Speed</source>
        <translation>08 Fahrgeschwindigkeit</translation>
    </message>
    <message>
        <source>09 Ignition Timing</source>
        <translation>09 Zündzeitpunkt</translation>
    </message>
    <message>
        <source>10 Injection Duration</source>
        <translation>10 Einspritzdauer</translation>
    </message>
    <message>
        <source>11 Dwel Percentage</source>
        <translation>11 Schließwinkel in Prozent</translation>
    </message>
</context>
<context>
    <name>telemetry::OutputChannel</name>
    <message>
        <source>Bad file name or number</source>
        <translation>Ungültiger Dateiname oder ungültige Dateinummer</translation>
    </message>
</context>
<context>
    <name>telemetry::Status</name>
    <message>
        <source>Telemetry off... </source>
        <translation>Telemetrie aus... </translation>
    </message>
    <message numerus="yes">
        <source>Telemetry recording, %n sample...</source>
        <translation>
            <numerusform>Telemetrie zeichnet auf, %n Messwert...</numerusform>
            <numerusform>Telemetrie zeichnet auf, %n Messwerte...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Telemetry recording, %n samples...</source>
        <translation>
            <numerusform>Telemetrie zeichnet auf, %n Messwert...</numerusform>
            <numerusform>Telemetrie zeichnet auf, %n Messwerte...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Telemetry off, %n sample...</source>
        <translation>
            <numerusform>Telemetrie aus, %n Messwert...</numerusform>
            <numerusform>Telemetrie aus, %n Messwerte...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Telemetry off, %n samples...</source>
        <translation>
            <numerusform>Telemetrie aus, %n Messwert...</numerusform>
            <numerusform>Telemetrie aus, %n Messwerte...</numerusform>
        </translation>
    </message>
</context>
</TS>
