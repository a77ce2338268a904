<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ClassSetupCommand</name>
    <message>
        <source>usage: vantorel --class-setup [--folder DIR] [--key KEY | --new-key]
                [--password-stdin | --no-password] [--lock yes|no]
                [--student-id account|ask] [--make-folders] [--print]
       vantorel --class-setup --check

Writes the classroom file (%1) from the values given, keeping the
existing file&apos;s values for those not given, then checks it and its class folder.

  --folder DIR        the class folder (an absolute path)
  --key KEY           the class key (at least 16 characters, the same on every seat)
  --new-key           a new random class key (a new file gets one anyway)
  --password-stdin    the instructor&apos;s password from standard input (asked twice on a
                      terminal, else its first line); the file keeps only its hash
  --no-password       the file gives no password
  --lock yes|no       whether the file&apos;s values override a user&apos;s own settings
  --student-id account|ask
                      the computer account&apos;s name, or an id each student types once
  --make-folders      makes the class folder&apos;s challenges/ and attempts/ when missing
  --print             writes the file&apos;s text to standard output instead of the file
  --check             only checks the existing file and its class folder

Exit status: 0 done and no problem found, 1 the check found a problem, 2 a wrong
option or value (nothing written), 3 the file could not be written (nothing changed).
</source>
        <translation>Aufruf: vantorel --class-setup [--folder DIR] [--key KEY | --new-key]
                [--password-stdin | --no-password] [--lock yes|no]
                [--student-id account|ask] [--make-folders] [--print]
        vantorel --class-setup --check

Schreibt die Klassendatei (%1) mit den angegebenen Werten; für nicht angegebene
Werte bleiben die der bisherigen Datei. Danach werden die Datei und ihr
Klassenordner geprüft.

  --folder DIR        der Klassenordner (ein absoluter Pfad)
  --key KEY           der Klassenschlüssel (mindestens 16 Zeichen, an jedem Platz gleich)
  --new-key           ein neuer, zufälliger Klassenschlüssel (eine neue Datei bekommt
                      ohnehin einen)
  --password-stdin    das Passwort der Lehrkraft von der Standardeingabe (am Terminal
                      zweimal abgefragt, sonst deren erste Zeile); die Datei speichert
                      nur seinen Hashwert
  --no-password       die Datei legt kein Passwort fest
  --lock yes|no       ob die Werte der Datei die eigenen Einstellungen der Benutzer
                      überschreiben
  --student-id account|ask
                      der Name des Benutzerkontos oder eine Kennung, die jeder Schüler
                      einmal eingibt
  --make-folders      legt die Ordner challenges/ und attempts/ im Klassenordner an,
                      wenn sie fehlen
  --print             schreibt den Text der Datei auf die Standardausgabe statt in
                      die Datei
  --check             prüft nur die vorhandene Datei und ihren Klassenordner

Rückgabewert: 0 erledigt und kein Problem gefunden, 1 die Prüfung hat ein Problem
gefunden, 2 falsche Option oder falscher Wert (nichts geschrieben), 3 die Datei
konnte nicht geschrieben werden (nichts geändert).
</translation>
    </message>
    <message>
        <source>Try vantorel --class-setup --help.</source>
        <translation>Siehe vantorel --class-setup --help.</translation>
    </message>
    <message>
        <source>the password is never given on the command line (others can see it there): use --password-stdin</source>
        <translation>das Passwort wird nie auf der Befehlszeile angegeben (andere können es dort sehen): verwenden Sie --password-stdin</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--check stands alone: it checks the file as it is</source>
        <translation>--check steht allein: es prüft die Datei, wie sie ist</translation>
    </message>
    <message>
        <source>give --key or --new-key, not both</source>
        <translation>geben Sie --key oder --new-key an, nicht beide</translation>
    </message>
    <message>
        <source>give --password-stdin or --no-password, not both</source>
        <translation>geben Sie --password-stdin oder --no-password an, nicht beide</translation>
    </message>
    <message>
        <source>--lock takes yes or no, not &quot;%1&quot;</source>
        <translation>--lock nimmt yes oder no, nicht „%1“</translation>
    </message>
    <message>
        <source>--student-id takes account or ask, not &quot;%1&quot;</source>
        <translation>--student-id nimmt account oder ask, nicht „%1“</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; cannot be used (%2); it is written anew from the values given.</source>
        <translation>Die Klassendatei „%1“ kann nicht verwendet werden (%2); sie wird mit den angegebenen Werten neu geschrieben.</translation>
    </message>
    <message>
        <source>Instructor&apos;s password: </source>
        <translation>Passwort der Lehrkraft: </translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>Noch einmal dasselbe: </translation>
    </message>
    <message>
        <source>no password was given on standard input</source>
        <translation>auf der Standardeingabe wurde kein Passwort angegeben</translation>
    </message>
    <message>
        <source>Write it with vantorel --class-setup ... --print &gt; FILE and copy FILE there as the administrator.</source>
        <translation>Schreiben Sie sie mit vantorel --class-setup ... --print &gt; FILE und kopieren Sie FILE als Administrator dorthin.</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; is written.</source>
        <translation>Die Klassendatei „%1“ ist geschrieben.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Vantorel runs from the installed files in %1, where nothing can be saved.</source>
        <translation>Vantorel läuft mit den installierten Dateien in %1, wo nichts gespeichert werden kann.</translation>
    </message>
    <message>
        <source>Vantorel could not make the folder %1 for its own copy of the data files.</source>
        <translation>Vantorel konnte den Ordner %1 für die eigene Kopie der Datendateien nicht anlegen.</translation>
    </message>
    <message>
        <source>Vantorel could not copy its data files to %1 (%2).</source>
        <translation>Vantorel konnte seine Datendateien nicht nach %1 kopieren (%2).</translation>
    </message>
    <message>
        <source>Vantorel could not bring its copy of the data files in %1 up to date (%2).<byte value="xd"/>
It goes on with the copy as it is.</source>
        <translation>Vantorel konnte seine Kopie der Datendateien in %1 nicht aktualisieren (%2).<byte value="xd"/>
Es arbeitet mit der Kopie weiter, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>DragLabel</name>
    <message>
        <source>Connection point: Enter connects the instrument&apos;s terminal (channel A), 1 to 4 channels A to D.</source>
        <translation>Messpunkt: Enter schließt den Anschluss des Messgeräts an (Kanal A), 1 bis 4 die Kanäle A bis D.</translation>
    </message>
</context>
<context>
    <name>MainTimer</name>
    <message>
        <source>The fuel tank ran dry and has been filled up again with 60 litres.</source>
        <translation>Der Kraftstofftank war leer und wurde wieder mit 60 Litern gefüllt.</translation>
    </message>
    <message>
        <source>%1 rev/m</source>
        <translation>%1 1/min</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 ltr</source>
        <translation>%1 l</translation>
    </message>
    <message>
        <source>%1 C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>%1 mph</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <source>%1 gal</source>
        <translation>%1 gal</translation>
    </message>
    <message>
        <source>%1 F</source>
        <translation>%1 °F</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>File not found: background.jpg</source>
        <translation>Datei nicht gefunden: background.jpg</translation>
    </message>
    <message>
        <source>Invalid picture: background.jpg</source>
        <translation>Ungültiges Bild: background.jpg</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>%1 (not trapped by its handler)</source>
        <translation>%1 (von seiner Fehlerbehandlung nicht abgefangen)</translation>
    </message>
    <message>
        <source>Internal error (not trapped by its handler)</source>
        <translation>Interner Fehler (von seiner Fehlerbehandlung nicht abgefangen)</translation>
    </message>
    <message>
        <source>Run-time error. </source>
        <translation>Laufzeitfehler. </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <translation>Interner Fehler: %1</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Error number: %1 - %2</source>
        <translation>Fehlernummer: %1 - %2</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The stored settings could not be read, so the default settings are used.<byte value="xd"/>
A clean settings file is written when the program ends.</source>
        <translation>Die gespeicherten Einstellungen konnten nicht gelesen werden; es gelten die Standardeinstellungen.<byte value="xd"/>
Beim Beenden des Programms wird eine saubere Einstellungsdatei geschrieben.</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Wird geladen, bitte warten...</translation>
    </message>
</context>
<context>
    <name>WebSite</name>
    <message>
        <source>Error number: %1 - %2: %3</source>
        <translation>Fehlernummer: %1 - %2: %3</translation>
    </message>
    <message>
        <source>the file %1 is not a text file.</source>
        <translation>die Datei %1 ist keine Textdatei.</translation>
    </message>
    <message>
        <source>the first line of %1 is too long to be an address.</source>
        <translation>die erste Zeile von %1 ist zu lang für eine Adresse.</translation>
    </message>
    <message>
        <source>the first line of %1 is not an address.</source>
        <translation>die erste Zeile von %1 ist keine Adresse.</translation>
    </message>
    <message>
        <source>the address in %1 is not a web page (http or https): %2</source>
        <translation>die Adresse in %1 ist keine Webseite (http oder https): %2</translation>
    </message>
    <message>
        <source>the file %1 holds no address.</source>
        <translation>die Datei %1 enthält keine Adresse.</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>E/A-Fehler des Geräts</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is read-only</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is a link that leads round in a loop</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 ist eine Verknüpfung, die im Kreis führt</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is a link to a file that does not exist</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 ist eine Verknüpfung auf eine Datei, die es nicht gibt</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path/File access error: the settings could not be written</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: die Einstellungen konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The database engine could not open the file &apos;%1&apos;.</source>
        <translation>Das Datenbanksystem konnte die Datei „%1“ nicht öffnen.</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation>Unbekanntes Datenbankformat „%1“.</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; has no field &apos;%2&apos;.</source>
        <translation>Die Tabelle „%1“ hat kein Feld „%2“.</translation>
    </message>
    <message>
        <source>No temporary folder can be written (%1).<byte value="xd"/>
The scanner&apos;s reports cannot be made until one can.</source>
        <translation>In keinen temporären Ordner kann geschrieben werden (%1).<byte value="xd"/>
Die Berichte des Scanners können erst erstellt werden, wenn das wieder geht.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>A training simulator for automotive electronics and fault diagnosis: a petrol engine with its engine-management unit, starting and charging systems, injectable faults and a combined test instrument.</source>
        <translation>Ein Trainingssimulator für Kfz-Elektronik und Fehlerdiagnose: ein Ottomotor mit seinem Motormanagement-Steuergerät, Start- und Ladesystem, setzbaren Fehlern und einem kombinierten Messgerät.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;web&quot;&gt;Vantorel web page&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;web&quot;&gt;Webseite von Vantorel&lt;/a&gt;</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Systeminfo...</translation>
    </message>
    <message>
        <source>The Vantorel web page cannot be opened: %1</source>
        <translation>Die Webseite von Vantorel kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>%1 (%2)</source>
        <comment>a button&apos;s tip and its shortcut</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Vantorel Help</source>
        <translation>Vantorel-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>a word in the guide</source>
        <translation>ein Wort im Handbuch</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Found in:</source>
        <translation>Gefunden in:</translation>
    </message>
    <message>
        <source>Help pages</source>
        <translation>Hilfeseiten</translation>
    </message>
    <message>
        <source>Pages found</source>
        <translation>Gefundene Seiten</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Contents:</source>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <source>Back to the page before</source>
        <translation>Zurück zur vorigen Seite</translation>
    </message>
    <message>
        <source>Forward again</source>
        <translation>Wieder vorwärts</translation>
    </message>
    <message>
        <source>The guide&apos;s contents</source>
        <translation>Inhalt des Handbuchs</translation>
    </message>
    <message>
        <source>Find the text in every page</source>
        <translation>Den Text auf allen Seiten suchen</translation>
    </message>
    <message>
        <source>This link of the guide leads nowhere in this version of the program: %1</source>
        <translation>Dieser Verweis des Handbuchs führt in dieser Programmversion nirgendwohin: %1</translation>
    </message>
    <message>
        <source>Vantorel Help - %1</source>
        <translation>Vantorel-Hilfe - %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a page&apos;s title and the number of times the text is in it</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the guide.</source>
        <translation>„%1“ steht nicht im Handbuch.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; found in %n page(s):</source>
        <translation>
            <numerusform>„%1“ auf %n Seite gefunden:</numerusform>
            <numerusform>„%1“ auf %n Seiten gefunden:</numerusform>
        </translation>
    </message>
    <message>
        <source>File not found: the help guide %1</source>
        <translation>Datei nicht gefunden: das Hilfehandbuch %1</translation>
    </message>
</context>
<context>
    <name>frmMainscreen</name>
    <message>
        <source>Status...</source>
        <translation>Status...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>&amp;Alle schließen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Login...</source>
        <translation>Anmelden...</translation>
    </message>
    <message>
        <source>&amp;Start / Stop Engine</source>
        <translation>&amp;Motor starten / abstellen</translation>
    </message>
    <message>
        <source>&amp;Ignition On / Off</source>
        <translation>&amp;Zündung ein / aus</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Systems</source>
        <translation>&amp;Systeme</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>&amp;Bedienung</translation>
    </message>
    <message>
        <source>&amp;Engine Management</source>
        <translation>&amp;Motormanagement</translation>
    </message>
    <message>
        <source>Chargin&amp;g</source>
        <translation>&amp;Ladesystem</translation>
    </message>
    <message>
        <source>&amp;Starting</source>
        <translation>&amp;Startsystem</translation>
    </message>
    <message>
        <source>Instr&amp;uments</source>
        <translation>&amp;Instrumente</translation>
    </message>
    <message>
        <source>&amp;Trip Computer</source>
        <translation>Bord&amp;computer</translation>
    </message>
    <message>
        <source>Set Faults...</source>
        <translation>Fehler setzen...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;MultiScope</source>
        <translation>&amp;MultiScope</translation>
    </message>
    <message>
        <source>S&amp;canner</source>
        <translation>S&amp;canner</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Bilder</translation>
    </message>
    <message>
        <source>&amp;Telemetry</source>
        <translation>&amp;Telemetrie</translation>
    </message>
    <message>
        <source>Connect P&amp;robe...</source>
        <translation>Mess&amp;leitung anschließen...</translation>
    </message>
    <message>
        <source>&amp;Diagnostics</source>
        <translation>&amp;Diagnose</translation>
    </message>
    <message>
        <source>Memory M&amp;aps</source>
        <translation>&amp;Kennfelder</translation>
    </message>
    <message>
        <source>&amp;Fill Tank</source>
        <translation>&amp;Volltanken</translation>
    </message>
    <message>
        <source>&amp;User Details</source>
        <translation>Ben&amp;utzerdaten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>C&amp;hallenges...</source>
        <translation>&amp;Aufgaben...</translation>
    </message>
    <message>
        <source>C&amp;lass Dashboard...</source>
        <translation>Klassen&amp;übersicht...</translation>
    </message>
    <message>
        <source>&amp;Set Up Class...</source>
        <translation>Klasse ei&amp;nrichten...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Tip Of The Day</source>
        <translation>&amp;Tipp des Tages</translation>
    </message>
    <message>
        <source>ZR Web Site</source>
        <translation>ZR-Webseite</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Vantorel</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Close Current Window</source>
        <translation>Aktuelles Fenster schließen</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>Alle Fenster schließen</translation>
    </message>
    <message>
        <source>Start / Stop Engine</source>
        <translation>Motor starten / abstellen</translation>
    </message>
    <message>
        <source>Increase Engine Speed</source>
        <translation>Motordrehzahl erhöhen</translation>
    </message>
    <message>
        <source>Throttle on</source>
        <translation>Gas geben</translation>
    </message>
    <message>
        <source>Change up a gear</source>
        <translation>Einen Gang hochschalten</translation>
    </message>
    <message>
        <source>Change down a gear</source>
        <translation>Einen Gang herunterschalten</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Ignition/Starter</source>
        <translation>Zündung/Anlasser</translation>
    </message>
    <message>
        <source>Diag</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Scope</translation>
    </message>
    <message>
        <source>Telem</source>
        <translation>Telem.</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetrie</translation>
    </message>
    <message>
        <source>No windows open</source>
        <translation>Keine Fenster geöffnet</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Bereit...</translation>
    </message>
    <message>
        <source>Click OK to print the current diagnostic routine...</source>
        <translation>Klicken Sie auf OK, um den aktuellen Diagnoseablauf zu drucken...</translation>
    </message>
    <message>
        <source>You must open a window to print...</source>
        <translation>Sie müssen ein Fenster öffnen, um zu drucken...</translation>
    </message>
    <message>
        <source>Click OK to print a copy of the window:  %1... </source>
        <translation>Klicken Sie auf OK, um eine Kopie des Fensters zu drucken:  %1... </translation>
    </message>
    <message>
        <source>The Vantorel web page cannot be named: %1</source>
        <translation>Die Webseite von Vantorel kann nicht genannt werden: %1</translation>
    </message>
    <message>
        <source>Visit the Vantorel web page for updates and information: %1</source>
        <translation>Aktualisierungen und Informationen finden Sie auf der Webseite von Vantorel: %1</translation>
    </message>
    <message>
        <source>The active window is &apos;%1&apos;<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Das aktive Fenster ist „%1“<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Select system and diagnostic routine...</source>
        <translation>System und Diagnoseablauf wählen...</translation>
    </message>
    <message>
        <source>Fuel tank filled up, thank you for your custom!</source>
        <translation>Der Tank ist voll, vielen Dank für Ihren Besuch!</translation>
    </message>
    <message>
        <source>The web page could not be opened here: no web browser is set up to open it.<byte value="xd"/><byte value="xd"/>Its address is: %1</source>
        <translation>Die Webseite konnte hier nicht geöffnet werden: Es ist kein Webbrowser dafür eingerichtet.<byte value="xd"/><byte value="xd"/>Ihre Adresse ist: %1</translation>
    </message>
    <message>
        <source>The Vantorel web page cannot be opened: %1</source>
        <translation>Die Webseite von Vantorel kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Engine management and fault diagnosis trainer</source>
        <translation>Trainer für Motormanagement und Fehlerdiagnose</translation>
    </message>
    <message>
        <source>for Linux</source>
        <translation>für Linux</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>The translation file %1 could not be read: Vantorel speaks English.</source>
        <translation>Die Übersetzungsdatei %1 konnte nicht gelesen werden: Vantorel spricht Englisch.</translation>
    </message>
</context>
<context>
    <name>sim::Catalogue</name>
    <message>
        <source>Engine speed</source>
        <translation>Motordrehzahl</translation>
    </message>
    <message>
        <source>Engine load %</source>
        <translation>Motorlast %</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
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
        <source>Knock</source>
        <translation>Klopfen</translation>
    </message>
    <message>
        <source>Ignition coil dwell %</source>
        <translation>Schließzeit Zündspule %</translation>
    </message>
    <message>
        <source>Fuel injector ms</source>
        <translation>Einspritzventil ms</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Kraftstoffpumpe</translation>
    </message>
    <message>
        <source>Pressure regulator</source>
        <translation>Druckregler</translation>
    </message>
    <message>
        <source>Spark timing BTDC</source>
        <translation>Zündzeitpunkt vor OT</translation>
    </message>
    <message>
        <source>Starter switch</source>
        <translation>Startschalter</translation>
    </message>
    <message>
        <source>Starter supply</source>
        <translation>Anlasserversorgung</translation>
    </message>
    <message>
        <source>Starter earth</source>
        <translation>Anlassermasse</translation>
    </message>
    <message>
        <source>Starter speed</source>
        <translation>Anlasserdrehzahl</translation>
    </message>
    <message>
        <source>Charge warning light</source>
        <translation>Ladekontrollleuchte</translation>
    </message>
    <message>
        <source>Alternator speed</source>
        <translation>Generatordrehzahl</translation>
    </message>
    <message>
        <source>Alternator earth</source>
        <translation>Generatormasse</translation>
    </message>
    <message>
        <source>No fuel spray pattern from injectors..</source>
        <translation>Kein Spritzbild an den Einspritzventilen..</translation>
    </message>
    <message>
        <source>No fuel from pump..</source>
        <translation>Kein Kraftstoff von der Pumpe..</translation>
    </message>
    <message>
        <source>Fuel pressure is low...</source>
        <translation>Der Kraftstoffdruck ist zu niedrig...</translation>
    </message>
    <message>
        <source>Fuel pressure is high...</source>
        <translation>Der Kraftstoffdruck ist zu hoch...</translation>
    </message>
    <message>
        <source>ECU picture</source>
        <translation>ECU-Bild</translation>
    </message>
    <message>
        <source>engine window</source>
        <translation>Fenster Motormanagement</translation>
    </message>
    <message>
        <source>starting window</source>
        <translation>Fenster Startsystem</translation>
    </message>
    <message>
        <source>charging window</source>
        <translation>Fenster Ladesystem</translation>
    </message>
    <message>
        <source>at the ECU pin</source>
        <translation>am ECU-Pin</translation>
    </message>
    <message>
        <source>on the wire at the sensor</source>
        <translation>an der Leitung am Sensor</translation>
    </message>
    <message>
        <source>on the wire at the actuator</source>
        <translation>an der Leitung am Stellglied</translation>
    </message>
    <message>
        <source>test point %1</source>
        <translation>Messpunkt %1</translation>
    </message>
    <message>
        <source>at the part</source>
        <translation>am Bauteil</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>sim::Engine</name>
    <message>
        <source>Ready...</source>
        <translation>Bereit...</translation>
    </message>
    <message>
        <source>Auto run is only available when the engine has been started...</source>
        <translation>Der Automatiklauf ist nur bei gestartetem Motor möglich...</translation>
    </message>
    <message>
        <source>Engine stopped...</source>
        <translation>Motor abgestellt...</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>load %1 %</source>
        <translation>Last %1 %</translation>
    </message>
    <message>
        <source>%1: the cell in row %2, column Speed %3 (%4, %5 rev/min)</source>
        <translation>%1: die Zelle in Zeile %2, Spalte Drehzahl %3 (%4, %5 1/min)</translation>
    </message>
    <message>
        <source>The lookup data is not loaded</source>
        <translation>Die Kennfelddaten sind nicht geladen</translation>
    </message>
    <message>
        <source>%1 holds no data</source>
        <translation>%1 enthält keine Daten</translation>
    </message>
    <message>
        <source>%1 has no row %2 (%3)</source>
        <translation>%1 hat keine Zeile %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number</source>
        <translation>%1 enthält „%2“, das ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 holds %2, which is below %3</source>
        <translation>%1 enthält %2, das ist weniger als %3</translation>
    </message>
    <message>
        <source>%1 holds %2, which is far out of range</source>
        <translation>%1 enthält %2, das liegt weit außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>%1, please edit the lookup data... </source>
        <translation>%1, bitte die Kennfelddaten bearbeiten... </translation>
    </message>
    <message>
        <source>Full load enrichment applied...</source>
        <translation>Volllastanreicherung aktiv...</translation>
    </message>
    <message>
        <source>CAUTION ENGINE REVS RED LINED - Limiter cuts in at 7000rev/min...</source>
        <translation>ACHTUNG MOTORDREHZAHL IM ROTEN BEREICH - Begrenzer greift bei 7000 1/min ein...</translation>
    </message>
    <message>
        <source>Overrun fuel cut-off...</source>
        <translation>Schubabschaltung...</translation>
    </message>
    <message>
        <source>Engine idle speed controlled...</source>
        <translation>Leerlaufdrehzahl geregelt...</translation>
    </message>
    <message>
        <source>Engine is stationary - coil switched off...</source>
        <translation>Motor steht - Zündspule abgeschaltet...</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>knock</comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <comment>knock</comment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Engine knocked - Timing was retarded...</source>
        <translation>Motor hat geklopft - Zündzeitpunkt wurde nach spät verstellt...</translation>
    </message>
    <message>
        <source>Warning, engine is knocking...</source>
        <translation>Warnung, der Motor klopft...</translation>
    </message>
    <message>
        <source>Warning, exhaust gases are out of range...</source>
        <translation>Warnung, die Abgaswerte liegen außerhalb des Bereichs...</translation>
    </message>
    <message>
        <source>Collect system data - Error number: %1 - %2<byte value="xd"/>
<byte value="xd"/>
Check that the path is set to your work area (Tools, Options and click &apos;Set path&apos;)...</source>
        <translation>Systemdaten erfassen - Fehlernummer: %1 - %2<byte value="xd"/>
<byte value="xd"/>
Prüfen Sie, ob der Pfad auf Ihren Arbeitsbereich gesetzt ist (Extras, Optionen und „Pfad setzen“ klicken)...</translation>
    </message>
    <message>
        <source>Critical fault condition...</source>
        <translation>Kritischer Fehlerzustand...</translation>
    </message>
    <message>
        <source>Timing of %1 degrees BTDC is too far advanced, please edit the lookup data... </source>
        <translation>Ein Zündzeitpunkt von %1 Grad vor OT ist zu weit nach früh verstellt, bitte die Kennfelddaten bearbeiten... </translation>
    </message>
    <message>
        <source>Dwell percentage %1 % is too high, please edit the lookup data... </source>
        <translation>Eine Schließzeit von %1 % ist zu hoch, bitte die Kennfelddaten bearbeiten... </translation>
    </message>
    <message>
        <source>Injection quantity %1 ms is incorrect, please edit the lookup data... </source>
        <translation>Eine Einspritzzeit von %1 ms ist falsch, bitte die Kennfelddaten bearbeiten... </translation>
    </message>
</context>
<context>
    <name>sim::StartSequence</name>
    <message>
        <source>Engine is ready to start...</source>
        <translation>Der Motor ist startbereit...</translation>
    </message>
    <message>
        <source>Cranking position...</source>
        <translation>Startstellung...</translation>
    </message>
    <message>
        <source>Engine not cranking fast enough to start...</source>
        <translation>Der Motor dreht zum Starten nicht schnell genug durch...</translation>
    </message>
    <message>
        <source>There is a fault present. Click OK to keep the engine cranking for faultfinding...<byte value="xd"/>
<byte value="xd"/>
Click ignition key again after tests are complete. </source>
        <translation>Es liegt ein Fehler vor. Klicken Sie auf OK, damit der Motor zur Fehlersuche weiter durchgedreht wird...<byte value="xd"/>
<byte value="xd"/>
Klicken Sie nach den Prüfungen wieder auf den Zündschlüssel. </translation>
    </message>
    <message>
        <source>Engine is running...</source>
        <translation>Der Motor läuft...</translation>
    </message>
    <message>
        <source>Engine cranking for testing...</source>
        <translation>Motor wird zur Prüfung durchgedreht...</translation>
    </message>
    <message>
        <source>Engine stopped...</source>
        <translation>Motor abgestellt...</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Bereit...</translation>
    </message>
</context>
<context>
    <name>sim::Trip</name>
    <message>
        <source>Auto run selected...</source>
        <translation>Automatiklauf gewählt...</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 miles</source>
        <translation>%1 Meilen</translation>
    </message>
    <message>
        <source>%1 km/ltr</source>
        <translation>%1 km/l</translation>
    </message>
    <message>
        <source>%1 mpg</source>
        <translation>%1 mpg</translation>
    </message>
    <message>
        <source>%1 mins</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 mph</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 ltr</source>
        <translation>%1 l</translation>
    </message>
    <message>
        <source>%1 gal</source>
        <translation>%1 gal</translation>
    </message>
</context>
</TS>
