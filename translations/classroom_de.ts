<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Answers</name>
    <message>
        <source>(choose the circuit)</source>
        <translation>(Stromkreis wählen)</translation>
    </message>
</context>
<context>
    <name>Attempt</name>
    <message>
        <source>The challenge has ended.</source>
        <translation>Die Aufgabe ist beendet.</translation>
    </message>
    <message>
        <source>This challenge allows 1 measurement and you have taken it.

Decide on your diagnosis and submit it.</source>
        <translation>Diese Aufgabe erlaubt 1 Messung, und Sie haben sie schon durchgeführt.

Entscheiden Sie sich für Ihre Diagnose und geben Sie sie ab.</translation>
    </message>
    <message>
        <source>This challenge allows %1 measurements and you have taken them all.

Decide on your diagnosis and submit it.</source>
        <translation>Diese Aufgabe erlaubt %1 Messungen, und Sie haben sie alle durchgeführt.

Entscheiden Sie sich für Ihre Diagnose und geben Sie sie ab.</translation>
    </message>
    <message>
        <source>Ended without a diagnosis: 0</source>
        <translation>Ohne Diagnose beendet: 0</translation>
    </message>
    <message>
        <source>Wrong diagnosis: 0</source>
        <translation>Falsche Diagnose: 0</translation>
    </message>
    <message>
        <source>Right diagnosis: 100</source>
        <translation>Richtige Diagnose: 100</translation>
    </message>
    <message>
        <source>No measurement on the faulty circuit, so no evidence for the diagnosis: -%1</source>
        <translation>Keine Messung am fehlerhaften Stromkreis, also kein Beleg für die Diagnose: -%1</translation>
    </message>
    <message>
        <source>Only one measurement on the faulty circuit (measure it at both ends): -%1</source>
        <translation>Nur eine Messung am fehlerhaften Stromkreis (messen Sie ihn an beiden Enden): -%1</translation>
    </message>
    <message>
        <source>%1 measurements on sound circuits, %2 more than the %3 a comparison needs: -%4</source>
        <translation>%1 Messungen an fehlerfreien Stromkreisen, %2 mehr als die %3, die ein Vergleich braucht: -%4</translation>
    </message>
    <message>
        <source>Hints: -%1</source>
        <translation>Hinweise: -%1</translation>
    </message>
    <message>
        <source>After the time limit: -%1</source>
        <translation>Nach Ablauf der Zeit: -%1</translation>
    </message>
    <message>
        <source>Guided tests without a result: %1 (-%2)</source>
        <translation>Geführte Prüfungen ohne Ergebnis: %1 (-%2)</translation>
    </message>
    <message>
        <source>A right diagnosis keeps at least %1</source>
        <translation>Eine richtige Diagnose behält mindestens %1</translation>
    </message>
    <message>
        <source>Right: well diagnosed.</source>
        <translation>Richtig: gut diagnostiziert.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Falsch.</translation>
    </message>
    <message>
        <source>Your diagnosis: %1</source>
        <translation>Ihre Diagnose: %1</translation>
    </message>
    <message>
        <source>(ended without a diagnosis)</source>
        <translation>(ohne Diagnose beendet)</translation>
    </message>
    <message>
        <source>The fault: %1</source>
        <translation>Der Fehler: %1</translation>
    </message>
    <message>
        <source>Time: %1 (over the time limit)</source>
        <translation>Zeit: %1 (Zeitlimit überschritten)</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Measurements: %1</source>
        <translation>Messungen: %1</translation>
    </message>
    <message>
        <source>Hints used: %1 (1 point)</source>
        <translation>Benutzte Hinweise: %1 (1 Punkt)</translation>
    </message>
    <message>
        <source>Hints used: %1 (%2 points)</source>
        <translation>Benutzte Hinweise: %1 (%2 Punkte)</translation>
    </message>
    <message>
        <source>Guided tests asked for:</source>
        <translation>Verlangte geführte Prüfungen:</translation>
    </message>
    <message>
        <source>Guided tests without a result: %1 (%2 points)</source>
        <translation>Geführte Prüfungen ohne Ergebnis: %1 (%2 Punkte)</translation>
    </message>
    <message>
        <source>Score: %1 out of 100</source>
        <translation>Punktzahl: %1 von 100</translation>
    </message>
    <message>
        <source> &apos;Vantorel&apos; - Challenge result</source>
        <translation> &apos;Vantorel&apos; - Ergebnis der Aufgabe</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Schüler: %1</translation>
    </message>
    <message>
        <source>Challenge: %1</source>
        <translation>Aufgabe: %1</translation>
    </message>
    <message>
        <source>Started: %1    Printed: %2</source>
        <translation>Begonnen: %1    Gedruckt: %2</translation>
    </message>
    <message>
        <source>Diagnostic path</source>
        <translation>Diagnoseweg</translation>
    </message>
    <message>
        <source>  No measurement was taken.</source>
        <translation>  Es wurde keine Messung durchgeführt.</translation>
    </message>
    <message>
        <source>Guided tests run</source>
        <translation>Durchgeführte geführte Prüfungen</translation>
    </message>
    <message>
        <source>Assessed - the method (verify, analyse, isolate, repair, verify, document):</source>
        <translation>Bewertet - die Vorgehensweise (prüfen, analysieren, eingrenzen, instand setzen, prüfen, dokumentieren):</translation>
    </message>
    <message>
        <source>Student signature:%1Instructor signature:</source>
        <translation>Unterschrift Schüler:%1Unterschrift Lehrkraft:</translation>
    </message>
    <message>
        <source>%1  %2:  %3 (at %4)</source>
        <translation>%1  %2:  %3 (bei %4)</translation>
    </message>
    <message>
        <source>not run to a result</source>
        <translation>nicht bis zu einem Ergebnis durchgeführt</translation>
    </message>
    <message>
        <source>?</source>
        <comment>a time that cannot be</comment>
        <translation>?</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>The file is not a results file: it is not text.</source>
        <translation>Die Datei ist keine Ergebnisdatei: Sie enthält keinen Text.</translation>
    </message>
    <message>
        <source>The file is not a results file: its first line is not the heading &quot;%1&quot;.</source>
        <translation>Die Datei ist keine Ergebnisdatei: Ihre erste Zeile ist nicht die Überschrift „%1“.</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>a set&apos;s engine is &quot;@ running&quot; or &quot;@ stopped&quot;.</source>
        <translation>der Motorzustand eines Satzes ist „@ running“ oder „@ stopped“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the faults 1 to %2.</source>
        <translation>„%1“ ist keiner der Fehler 1 bis %2.</translation>
    </message>
    <message>
        <source>throttle off</source>
        <translation>Gaspedal nicht betätigt</translation>
    </message>
    <message>
        <source>throttle on</source>
        <translation>Gaspedal betätigt</translation>
    </message>
    <message>
        <source>throttle full</source>
        <translation>Vollgas</translation>
    </message>
    <message>
        <source>Engine running</source>
        <translation>Motor läuft</translation>
    </message>
    <message>
        <source>Engine stopped</source>
        <translation>Motor steht</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>Neutralstellung</translation>
    </message>
    <message>
        <source>reverse gear</source>
        <translation>Rückwärtsgang</translation>
    </message>
    <message>
        <source>gear %1</source>
        <translation>%1. Gang</translation>
    </message>
    <message>
        <source>auto run on</source>
        <translation>Automatikbetrieb ein</translation>
    </message>
    <message>
        <source>auto run off</source>
        <translation>Automatikbetrieb aus</translation>
    </message>
    <message>
        <source>%1, battery %2 V, engine at %3 °C, %4, %5, %6.</source>
        <translation>%1, Batterie %2 V, Motor bei %3 °C, %4, %5, %6.</translation>
    </message>
    <message>
        <source>The challenge has no title.</source>
        <translation>Die Aufgabe hat keinen Titel.</translation>
    </message>
    <message>
        <source>The title must be one line.</source>
        <translation>Der Titel muss aus einer Zeile bestehen.</translation>
    </message>
    <message>
        <source>The title is %1 characters long; a title has at most %2.</source>
        <translation>Der Titel ist %1 Zeichen lang; ein Titel hat höchstens %2.</translation>
    </message>
    <message>
        <source>The title holds a control character (%1).</source>
        <translation>Der Titel enthält ein Steuerzeichen (%1).</translation>
    </message>
    <message>
        <source>The challenge has no instructions for the student.</source>
        <translation>Die Aufgabe hat keine Anleitung für die Schüler.</translation>
    </message>
    <message>
        <source>The instructions are %1 characters long; they may have at most %2.</source>
        <translation>Die Anleitung ist %1 Zeichen lang; sie darf höchstens %2 haben.</translation>
    </message>
    <message>
        <source>The instructions hold a control character (%1).</source>
        <translation>Die Anleitung enthält ein Steuerzeichen (%1).</translation>
    </message>
    <message>
        <source>The challenge injects no fault: choose at least one.</source>
        <translation>Die Aufgabe setzt keinen Fehler: Wählen Sie mindestens einen.</translation>
    </message>
    <message>
        <source>A challenge injects at most %1 faults.</source>
        <translation>Eine Aufgabe setzt höchstens %1 Fehler.</translation>
    </message>
    <message>
        <source>Fault %1 is not one of the faults 1 to %2.</source>
        <translation>Fehler %1 ist keiner der Fehler 1 bis %2.</translation>
    </message>
    <message>
        <source>Fault %1 is listed twice.</source>
        <translation>Fehler %1 ist doppelt aufgeführt.</translation>
    </message>
    <message>
        <source>The challenge has no answer: choose the faulty part and circuit.</source>
        <translation>Die Aufgabe hat keine Antwort: Wählen Sie das fehlerhafte Bauteil und den Stromkreis.</translation>
    </message>
    <message>
        <source>A challenge has at most %1 answers.</source>
        <translation>Eine Aufgabe hat höchstens %1 Antworten.</translation>
    </message>
    <message>
        <source>The answer &quot;%1&quot; is not in the list of answers.</source>
        <translation>Die Antwort „%1“ steht nicht in der Liste der Antworten.</translation>
    </message>
    <message>
        <source>The answer &quot;%1&quot; is given twice.</source>
        <translation>Die Antwort „%1“ ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>A challenge that draws its faults gives no faults or answers of its own.</source>
        <translation>Eine Aufgabe, die ihre Fehler auslost, gibt keine eigenen Fehler oder Antworten an.</translation>
    </message>
    <message>
        <source>A draw offers from 2 to %1 sets of faults.</source>
        <translation>Eine Auslosung bietet 2 bis %1 Fehlersätze an.</translation>
    </message>
    <message>
        <source>Set %1 of the draw: %2</source>
        <translation>Satz %1 der Auslosung: %2</translation>
    </message>
    <message>
        <source>Set %1 of the draw has more faults than a student can name (%2).</source>
        <translation>Satz %1 der Auslosung hat mehr Fehler, als Schüler angeben können (%2).</translation>
    </message>
    <message>
        <source>Fault %1 of the draw shows at no connection point: a student cannot find it.</source>
        <translation>Fehler %1 der Auslosung zeigt sich an keinem Messpunkt: Schüler können ihn nicht finden.</translation>
    </message>
    <message>
        <source>Set %1 of the draw is set %2 again.</source>
        <translation>Satz %1 der Auslosung wiederholt Satz %2.</translation>
    </message>
    <message>
        <source>Each weight of the score is from 0 to 100.</source>
        <translation>Jede Gewichtung der Punktzahl liegt zwischen 0 und 100.</translation>
    </message>
    <message>
        <source>A challenge has at most %1 hints.</source>
        <translation>Eine Aufgabe hat höchstens %1 Hinweise.</translation>
    </message>
    <message>
        <source>A hint has no text.</source>
        <translation>Ein Hinweis hat keinen Text.</translation>
    </message>
    <message>
        <source>A hint is %1 characters long; a hint has at most %2.</source>
        <translation>Ein Hinweis ist %1 Zeichen lang; ein Hinweis hat höchstens %2.</translation>
    </message>
    <message>
        <source>A hint holds a control character (%1).</source>
        <translation>Ein Hinweis enthält ein Steuerzeichen (%1).</translation>
    </message>
    <message>
        <source>A hint costs from 1 to 50 points.</source>
        <translation>Ein Hinweis kostet 1 bis 50 Punkte.</translation>
    </message>
    <message>
        <source>The attempts must be from 1 to %1, or any number.</source>
        <translation>Die Versuche müssen zwischen 1 und %1 liegen oder beliebig viele sein.</translation>
    </message>
    <message>
        <source>A challenge asks for at most %1 guided tests.</source>
        <translation>Eine Aufgabe verlangt höchstens %1 geführte Prüfungen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the instrument&apos;s guided tests.</source>
        <translation>„%1“ ist keine der geführten Prüfungen des Messgeräts.</translation>
    </message>
    <message>
        <source>The guided test &quot;%1&quot; is asked for twice.</source>
        <translation>Die geführte Prüfung „%1“ wird doppelt verlangt.</translation>
    </message>
    <message>
        <source>The battery voltage must be from 0 to 16 V.</source>
        <translation>Die Batteriespannung muss zwischen 0 und 16 V liegen.</translation>
    </message>
    <message>
        <source>The engine temperature must be from -20 to 110 °C.</source>
        <translation>Die Motortemperatur muss zwischen -20 und 110 °C liegen.</translation>
    </message>
    <message>
        <source>The time limit must be from 1 to 240 minutes.</source>
        <translation>Das Zeitlimit muss zwischen 1 und 240 Minuten liegen.</translation>
    </message>
    <message>
        <source>The measurement limit must be from 1 to 999.</source>
        <translation>Die Höchstzahl der Messungen muss zwischen 1 und 999 liegen.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is too large (%1); a challenge file holds at most %2.</source>
        <translation>Die Datei ist zu groß (%1); eine Aufgabendatei fasst höchstens %2.</translation>
    </message>
    <message>
        <source>The file is not a challenge: it holds binary data.</source>
        <translation>Die Datei ist keine Aufgabe: Sie enthält Binärdaten.</translation>
    </message>
    <message>
        <source>The file is not a challenge: it is not UTF-8 text.</source>
        <translation>Die Datei ist keine Aufgabe: Sie ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The file is not a challenge: its first line is not &quot;Vantorel challenge 1&quot;.</source>
        <translation>Die Datei ist keine Aufgabe: Ihre erste Zeile ist nicht „Vantorel challenge 1“.</translation>
    </message>
    <message>
        <source>The file was made by a newer version of Vantorel (challenge format %1); this version reads format %2.</source>
        <translation>Die Datei stammt von einer neueren Version von Vantorel (Aufgabenformat %1); diese Version liest Format %2.</translation>
    </message>
    <message>
        <source>Line %1 holds a control character (%2): the file is not plain text.</source>
        <translation>Zeile %1 enthält ein Steuerzeichen (%2): Die Datei ist kein reiner Text.</translation>
    </message>
    <message>
        <source>The file does not end with &quot;End of challenge&quot;: it may be cut short.</source>
        <translation>Die Datei endet nicht mit „End of challenge“: Sie ist vielleicht abgeschnitten.</translation>
    </message>
    <message>
        <source>%1 is not &quot;Key: value&quot;: %2</source>
        <translation>%1 ist nicht „Schlüssel: Wert“: %2</translation>
    </message>
    <message>
        <source>%1: the sealed answers hold something else.</source>
        <translation>%1: Die versiegelten Antworten enthalten etwas anderes.</translation>
    </message>
    <message>
        <source>%1 repeats &quot;%2&quot;.</source>
        <translation>%1 wiederholt „%2“.</translation>
    </message>
    <message>
        <source>%1: the engine is &quot;running&quot; or &quot;stopped&quot;.</source>
        <translation>%1: Der Motor ist „running“ oder „stopped“.</translation>
    </message>
    <message>
        <source>%1: the battery voltage is a whole number from 0 to 16.</source>
        <translation>%1: Die Batteriespannung ist eine ganze Zahl von 0 bis 16.</translation>
    </message>
    <message>
        <source>%1: the temperature is a whole number from -20 to 110.</source>
        <translation>%1: Die Temperatur ist eine ganze Zahl von -20 bis 110.</translation>
    </message>
    <message>
        <source>%1: the gear is N, 1 to 5 or R.</source>
        <translation>%1: Der Gang ist N, 1 bis 5 oder R.</translation>
    </message>
    <message>
        <source>%1: the throttle is &quot;off&quot;, &quot;on&quot; or &quot;full&quot;.</source>
        <translation>%1: Das Gaspedal ist „off“, „on“ oder „full“.</translation>
    </message>
    <message>
        <source>%1: auto run is &quot;on&quot; or &quot;off&quot;.</source>
        <translation>%1: Der Automatikbetrieb ist „on“ oder „off“.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of the faults 1 to %3.</source>
        <translation>%1: „%2“ ist keiner der Fehler 1 bis %3.</translation>
    </message>
    <message>
        <source>%1: an answer is &quot;part | circuit&quot;.</source>
        <translation>%1: Eine Antwort hat die Form „Bauteil | Stromkreis“.</translation>
    </message>
    <message>
        <source>%1: the time limit is a whole number of minutes from 1 to 240.</source>
        <translation>%1: Das Zeitlimit ist eine ganze Zahl von Minuten von 1 bis 240.</translation>
    </message>
    <message>
        <source>%1: the measurement limit is a whole number from 1 to 999.</source>
        <translation>%1: Die Höchstzahl der Messungen ist eine ganze Zahl von 1 bis 999.</translation>
    </message>
    <message>
        <source>%1: a hint is &quot;points | text&quot;, with 1 to 50 points.</source>
        <translation>%1: Ein Hinweis hat die Form „Punkte | Text“, mit 1 bis 50 Punkten.</translation>
    </message>
    <message>
        <source>%1: the attempts are a whole number from 1 to %2, or &quot;any&quot;.</source>
        <translation>%1: Die Versuche sind eine ganze Zahl von 1 bis %2 oder „any“.</translation>
    </message>
    <message>
        <source>%1: the score that counts is &quot;best&quot;, &quot;last&quot;, &quot;first&quot; or &quot;mean&quot;.</source>
        <translation>%1: Die zählende Punktzahl ist „best“, „last“, „first“ oder „mean“.</translation>
    </message>
    <message>
        <source>%1: show answer is &quot;yes&quot; or &quot;no&quot;.</source>
        <translation>%1: „Show answer“ ist „yes“ oder „no“.</translation>
    </message>
    <message>
        <source>%1: the guided tests are their keys, separated by commas.</source>
        <translation>%1: Die geführten Prüfungen werden mit ihren Schlüsseln angegeben, durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: the weights are &quot;NAME NUMBER&quot; pairs (evidence, needless, free, hints, late, guided; 0 to 100), separated by commas.</source>
        <translation>%1: Die Gewichtungen sind Paare „NAME ZAHL“ (evidence, needless, free, hints, late, guided; 0 bis 100), durch Kommas getrennt.</translation>
    </message>
    <message>
        <source>%1 has a key this version does not know: &quot;%2&quot;.</source>
        <translation>%1 hat einen Schlüssel, den diese Version nicht kennt: „%2“.</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1: the sealed answers cannot be opened (the title or the seal was changed after the file was saved).</source>
        <translation>%1: Die versiegelten Antworten lassen sich nicht öffnen (der Titel oder das Siegel wurde nach dem Speichern geändert).</translation>
    </message>
    <message>
        <source>The line &quot;Instructions:&quot; is missing.</source>
        <translation>Die Zeile „Instructions:“ fehlt.</translation>
    </message>
    <message>
        <source>The line &quot;%1:&quot; is missing.</source>
        <translation>Die Zeile „%1:“ fehlt.</translation>
    </message>
    <message>
        <source>Line %1 is a second &quot;End of challenge&quot;: a challenge file ends once, at its last line.</source>
        <translation>Zeile %1 ist ein zweites „End of challenge“: Eine Aufgabendatei endet nur einmal, in ihrer letzten Zeile.</translation>
    </message>
    <message>
        <source>The file cannot be found.</source>
        <translation>Die Datei ist nicht zu finden.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Die Datei kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The challenge &quot;%1&quot; cannot be opened.

%2</source>
        <translation>Die Aufgabe „%1“ kann nicht geöffnet werden.

%2</translation>
    </message>
</context>
<context>
    <name>ClassFolder</name>
    <message>
        <source>Error number: %1 - %2</source>
        <translation>Fehlernummer: %1 - %2</translation>
    </message>
    <message>
        <source>this computer&apos;s class folder is not known</source>
        <translation>der Klassenordner dieses Computers ist nicht bekannt</translation>
    </message>
    <message>
        <source>the class folder &quot;%1&quot; cannot be found</source>
        <translation>der Klassenordner „%1“ ist nicht zu finden</translation>
    </message>
    <message>
        <source>the class folder has no folder &quot;attempts&quot; (is the share mounted?)</source>
        <translation>der Klassenordner hat keinen Ordner „attempts“ (ist die Freigabe eingebunden?)</translation>
    </message>
    <message>
        <source>its folder &quot;attempts&quot; cannot be written</source>
        <translation>in seinen Ordner „attempts“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and stays in &quot;%2&quot;: %3</source>
        <translation>„%1“ ist beschädigt und bleibt in „%2“: %3</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read (%2)</source>
        <translation>„%1“ kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written to &quot;%2&quot; (%3)</source>
        <translation>„%1“ kann nicht nach „%2“ geschrieben werden (%3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was handed in but cannot be removed from &quot;%2&quot;</source>
        <translation>„%1“ wurde abgegeben, kann aber nicht aus „%2“ entfernt werden</translation>
    </message>
    <message>
        <source>The class folder can be reached again: 1 attempt kept on this computer has now been handed in.</source>
        <translation>Der Klassenordner ist wieder erreichbar: 1 auf diesem Computer aufbewahrter Versuch wurde jetzt abgegeben.</translation>
    </message>
    <message>
        <source>The class folder can be reached again: %1 attempts kept on this computer have now been handed in.</source>
        <translation>Der Klassenordner ist wieder erreichbar: %1 auf diesem Computer aufbewahrte Versuche wurden jetzt abgegeben.</translation>
    </message>
    <message>
        <source>Attempts kept on this computer that could not be handed in:
%1</source>
        <translation>Auf diesem Computer aufbewahrte Versuche, die nicht abgegeben werden konnten:
%1</translation>
    </message>
    <message>
        <source>Your attempt could not be handed in: %1.

It is kept on this computer and will be handed in when the class folder can be reached again. Attempts after this one are kept the same way without this message.</source>
        <translation>Ihr Versuch konnte nicht abgegeben werden: %1.

Er wird auf diesem Computer aufbewahrt und abgegeben, sobald der Klassenordner wieder erreichbar ist. Spätere Versuche werden ebenso aufbewahrt, ohne diese Meldung.</translation>
    </message>
    <message>
        <source>Your attempt could not be handed in: %1.

It is kept on this computer and will be handed in once that is put right. Attempts after this one are kept the same way without this message.</source>
        <translation>Ihr Versuch konnte nicht abgegeben werden: %1.

Er wird auf diesem Computer aufbewahrt und abgegeben, sobald das behoben ist. Spätere Versuche werden ebenso aufbewahrt, ohne diese Meldung.</translation>
    </message>
    <message>
        <source>Your attempt could not be handed in yet. It is kept on this computer in &quot;%1&quot; and will be handed in with the next attempt or at the next start.</source>
        <translation>Ihr Versuch konnte noch nicht abgegeben werden. Er wird auf diesem Computer in „%1“ aufbewahrt und mit dem nächsten Versuch oder beim nächsten Programmstart abgegeben.</translation>
    </message>
    <message>
        <source>the attempt could not be written there (%1)</source>
        <translation>der Versuch konnte dort nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>Your attempt could not be handed in: %1.

It could not be kept on this computer either: &quot;%2&quot; cannot be written (%3). Print the result sheet or save the result again.</source>
        <translation>Ihr Versuch konnte nicht abgegeben werden: %1.

Er konnte auch nicht auf diesem Computer aufbewahrt werden: In „%2“ kann nicht geschrieben werden (%3). Drucken Sie das Ergebnisblatt oder speichern Sie das Ergebnis erneut.</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>The folder cannot be found.</source>
        <translation>Der Ordner ist nicht zu finden.</translation>
    </message>
    <message>
        <source>The folder cannot be listed (%1).</source>
        <translation>Der Inhalt des Ordners kann nicht aufgelistet werden (%1).</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Die Datei kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>... (%1 more characters)</source>
        <translation>... (%1 weitere Zeichen)</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Answer: %1  (right), score %2</source>
        <translation>Antwort: %1  (richtig), Punktzahl %2</translation>
    </message>
    <message>
        <source>Answer: %1  (wrong), score %2</source>
        <translation>Antwort: %1  (falsch), Punktzahl %2</translation>
    </message>
    <message>
        <source>The file&apos;s check does not match: it was changed after it was handed in.</source>
        <translation>Der Prüfwert der Datei stimmt nicht: Sie wurde nach der Abgabe geändert.</translation>
    </message>
    <message>
        <source>The file carries no check.</source>
        <translation>Die Datei hat keinen Prüfwert.</translation>
    </message>
    <message>
        <source>Guided tests asked for: %1</source>
        <translation>Verlangte geführte Prüfungen: %1</translation>
    </message>
    <message>
        <source>Guided test:  %1</source>
        <translation>Geführte Prüfung:  %1</translation>
    </message>
    <message>
        <source>No measurement was taken.</source>
        <translation>Es wurde keine Messung durchgeführt.</translation>
    </message>
    <message>
        <source> &apos;Vantorel&apos; - Class results</source>
        <translation> &apos;Vantorel&apos; - Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>%1  (marked)</source>
        <translation>%1  (markiert)</translation>
    </message>
</context>
<context>
    <name>ClassSetup</name>
    <message>
        <source>The password must be typed twice, the same both times.</source>
        <translation>Das Passwort muss zweimal eingegeben werden, beide Male gleich.</translation>
    </message>
    <message>
        <source>The two passwords typed are not the same.</source>
        <translation>Die beiden eingegebenen Passwörter sind nicht gleich.</translation>
    </message>
    <message>
        <source>No class folder is given.</source>
        <translation>Es ist kein Klassenordner angegeben.</translation>
    </message>
    <message>
        <source>The class folder&apos;s path starts or ends with a blank or holds a line end.</source>
        <translation>Der Pfad des Klassenordners beginnt oder endet mit einem Leerzeichen oder enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; is not an absolute path: give the whole path, from the top folder.</source>
        <translation>Der Klassenordner „%1“ ist kein absoluter Pfad: Geben Sie den ganzen Pfad an, vom obersten Ordner aus.</translation>
    </message>
    <message>
        <source>The class key starts or ends with a blank or holds a line end.</source>
        <translation>Der Klassenschlüssel beginnt oder endet mit einem Leerzeichen oder enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The class key is shorter than %1 characters.</source>
        <translation>Der Klassenschlüssel ist kürzer als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The password is not a hash the program can check: %1</source>
        <translation>Das Passwort ist kein Hash, den das Programm prüfen kann: %1</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; does not exist. Make it with its folders challenges and attempts, or mount the share that should be there.</source>
        <translation>Der Klassenordner „%1“ existiert nicht. Legen Sie ihn mit seinen Ordnern challenges und attempts an, oder binden Sie die Freigabe ein, die dort sein sollte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder. Give the class folder&apos;s path.</source>
        <translation>„%1“ ist kein Ordner. Geben Sie den Pfad des Klassenordners an.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is missing, so no attempt can be handed in. Make it so that every account can write in it (mkdir -m 1777 &quot;%1&quot;).</source>
        <translation>Der Ordner „%1“ fehlt, also kann kein Versuch abgegeben werden. Legen Sie ihn so an, dass jedes Benutzerkonto darin schreiben kann (mkdir -m 1777 &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is missing, so the class&apos;s own challenges have nowhere to go. Make it (mkdir &quot;%1&quot;).</source>
        <translation>Der Ordner „%1“ fehlt, also haben die eigenen Aufgaben der Klasse keinen Platz. Legen Sie ihn an (mkdir &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder. Remove it and make a folder of that name.</source>
        <translation>„%1“ ist kein Ordner. Entfernen Sie es und legen Sie einen Ordner mit diesem Namen an.</translation>
    </message>
    <message>
        <source>This account cannot write in &quot;%1&quot; (%2). Give it the right to write there.</source>
        <translation>Dieses Benutzerkonto kann nicht in „%1“ schreiben (%2). Geben Sie ihm dort Schreibrechte.</translation>
    </message>
    <message>
        <source>Only the owner of &quot;%1&quot; can write in it: a student logged in under another account cannot hand in. Let every account write there (chmod 1777 &quot;%1&quot;).</source>
        <translation>Nur der Eigentümer von „%1“ kann darin schreiben: Schüler, die unter einem anderen Benutzerkonto angemeldet sind, können nicht abgeben. Erlauben Sie jedem Benutzerkonto, dort zu schreiben (chmod 1777 &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Any account may remove another&apos;s attempt from &quot;%1&quot;. Set the sticky bit so that each keeps its own (chmod +t &quot;%1&quot;).</source>
        <translation>Jedes Benutzerkonto kann den Versuch eines anderen aus „%1“ entfernen. Setzen Sie das Sticky-Bit, damit jedes seine eigenen behält (chmod +t &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is there and can be written.</source>
        <translation>„%1“ ist vorhanden und beschreibbar.</translation>
    </message>
    <message>
        <source>There is no classroom file &quot;%1&quot;: this computer belongs to no class. Write one (Tools &gt; Set Up Class..., or vantorel --class-setup as the administrator).</source>
        <translation>Es gibt keine Klassenraumdatei „%1“: Dieser Computer gehört zu keiner Klasse. Schreiben Sie eine (Extras &gt; Klasse einrichten... oder vantorel --class-setup als Administrator).</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; cannot be used (%2): no password is accepted at the login and the attempts wait on the seats. Correct that line, or write the file again.</source>
        <translation>Die Klassenraumdatei „%1“ ist nicht verwendbar (%2): Bei der Anmeldung wird kein Passwort angenommen, und die Versuche warten auf den Plätzen. Korrigieren Sie diese Zeile oder schreiben Sie die Datei neu.</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; can be read.</source>
        <translation>Die Klassenraumdatei „%1“ ist lesbar.</translation>
    </message>
    <message>
        <source>The file gives no instructor&apos;s password: each user&apos;s own password lets them edit the challenges (&quot;gearcase&quot; until one is set). Give one.</source>
        <translation>Die Datei gibt kein Passwort der Lehrkraft an: Mit dem eigenen Passwort kann jeder Benutzer die Aufgaben bearbeiten („gearcase“, bis eines gesetzt ist). Geben Sie eines an.</translation>
    </message>
    <message>
        <source>The file gives the instructor&apos;s password, as a hash.</source>
        <translation>Die Datei gibt das Passwort der Lehrkraft an, als Hash.</translation>
    </message>
    <message>
        <source>The file gives no class key: the attempt files carry no check, so a changed score cannot be told from a true one. Give a key of at least %1 characters, the same on every seat.</source>
        <translation>Die Datei gibt keinen Klassenschlüssel an: Die Versuchsdateien haben keinen Prüfwert, also lässt sich eine geänderte Punktzahl nicht von einer echten unterscheiden. Geben Sie einen Schlüssel mit mindestens %1 Zeichen an, auf jedem Platz denselben.</translation>
    </message>
    <message>
        <source>The class key is %1 characters long.</source>
        <translation>Der Klassenschlüssel ist %1 Zeichen lang.</translation>
    </message>
    <message>
        <source>The file does not lock the room: a user&apos;s own password and class folder come first.</source>
        <translation>Die Datei sperrt den Raum nicht: Das eigene Passwort und der eigene Klassenordner eines Benutzers haben Vorrang.</translation>
    </message>
    <message>
        <source>The file gives no class folder: the seats hand no attempt in and the dashboard has nothing to show.</source>
        <translation>Die Datei gibt keinen Klassenordner an: Die Plätze geben keine Versuche ab, und die Klassenübersicht hat nichts anzuzeigen.</translation>
    </message>
    <message>
        <source>These folders could not be made: %1. Make them as an account that may write in &quot;%2&quot;.</source>
        <translation>Diese Ordner konnten nicht angelegt werden: %1. Legen Sie sie mit einem Benutzerkonto an, das in „%2“ schreiben darf.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file, and is left as it is. Give the text to the computer&apos;s administrator.</source>
        <translation>„%1“ ist ein Ordner, keine Datei, und bleibt unverändert. Geben Sie den Text dem Administrator des Computers.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made by this account, so the classroom file cannot be written. Give the text to the computer&apos;s administrator.</source>
        <translation>Dieses Benutzerkonto kann den Ordner „%1“ nicht anlegen, also kann die Klassenraumdatei nicht geschrieben werden. Geben Sie den Text dem Administrator des Computers.</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; is read-only and is left as it is. Give the text to the computer&apos;s administrator, or make the file writable first.</source>
        <translation>Die Klassenraumdatei „%1“ ist schreibgeschützt und bleibt unverändert. Geben Sie den Text dem Administrator des Computers, oder heben Sie zuerst den Schreibschutz auf.</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; cannot be written by this account (%2). Give the text to the computer&apos;s administrator, who can write it as the superuser (vantorel --class-setup).</source>
        <translation>Dieses Benutzerkonto kann die Klassenraumdatei „%1“ nicht schreiben (%2). Geben Sie den Text dem Administrator des Computers, der sie als Superuser schreiben kann (vantorel --class-setup).</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problem: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Good: %1</source>
        <translation>In Ordnung: %1</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>die Datei ist kein Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not of the form NAME = VALUE</source>
        <translation>„%1“ hat nicht die Form NAME = WERT</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>„%1“ ist doppelt angegeben</translation>
    </message>
    <message>
        <source>the password is not a hash: %1</source>
        <translation>das Passwort ist kein Hash: %1</translation>
    </message>
    <message>
        <source>the class folder is not an absolute path</source>
        <translation>der Klassenordner ist kein absoluter Pfad</translation>
    </message>
    <message>
        <source>the class key is shorter than %1 characters</source>
        <translation>der Klassenschlüssel ist kürzer als %1 Zeichen</translation>
    </message>
    <message>
        <source>the lock is neither yes nor no</source>
        <translation>lock ist weder yes noch no</translation>
    </message>
    <message>
        <source>the student id is neither account nor ask</source>
        <translation>student id ist weder account noch ask</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name the file may give (password, class folder, class key, lock, student id)</source>
        <translation>„%1“ ist kein Name, den die Datei angeben darf (password, class folder, class key, lock, student id)</translation>
    </message>
    <message>
        <source>the file is larger than %1 KB</source>
        <translation>die Datei ist größer als %1 KB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>The classroom configuration &quot;%1&quot; cannot be used (%2), so no password is accepted. Ask the administrator to correct it.</source>
        <translation>Die Klassenraumkonfiguration „%1“ ist nicht verwendbar (%2), daher wird kein Passwort angenommen. Bitten Sie den Administrator, sie zu korrigieren.</translation>
    </message>
    <message>
        <source>the classroom configuration &quot;%1&quot; cannot be used (%2)</source>
        <translation>die Klassenraumkonfiguration „%1“ ist nicht verwendbar (%2)</translation>
    </message>
    <message>
        <source>the class folder &quot;%1&quot; of the setting ZRclassFolder (section ZRsettings) is not an absolute path</source>
        <translation>der Klassenordner „%1“ der Einstellung ZRclassFolder (Abschnitt ZRsettings) ist kein absoluter Pfad</translation>
    </message>
</context>
<context>
    <name>Gradebook</name>
    <message>
        <source>1 attempt counted in the grades is marked: changed after it was handed in, or without a check.</source>
        <translation>1 in die Noten eingerechneter Versuch ist markiert: nach der Abgabe geändert oder ohne Prüfwert.</translation>
    </message>
    <message>
        <source>%1 attempts counted in the grades are marked: changed after they were handed in, or without a check.</source>
        <translation>%1 in die Noten eingerechnete Versuche sind markiert: nach der Abgabe geändert oder ohne Prüfwert.</translation>
    </message>
    <message>
        <source>1 student has no identifier (their attempts were handed in by an older version of the program): the identifier is left empty for you to fill in before importing.</source>
        <translation>1 Schüler hat keine Kennung (die Versuche wurden mit einer älteren Version des Programms abgegeben): Die Kennung bleibt leer, damit Sie sie vor dem Import eintragen.</translation>
    </message>
    <message>
        <source>%1 students have no identifier (their attempts were handed in by an older version of the program): the identifier is left empty for you to fill in before importing.</source>
        <translation>%1 Schüler haben keine Kennung (die Versuche wurden mit einer älteren Version des Programms abgegeben): Die Kennung bleibt leer, damit Sie sie vor dem Import eintragen.</translation>
    </message>
    <message>
        <source>Identifiers that start as a formula would (=, +, - or @) are written as they are, for the platform to match them: import the file without opening it in a spreadsheet first (%1).</source>
        <translation>Kennungen, die wie eine Formel beginnen (=, +, - oder @), werden unverändert geschrieben, damit die Plattform sie zuordnen kann: Importieren Sie die Datei, ohne sie vorher in einer Tabellenkalkulation zu öffnen (%1).</translation>
    </message>
</context>
<context>
    <name>ProgressBoard</name>
    <message>
        <source>The file is larger than %1 KB.</source>
        <translation>Die Datei ist größer als %1 KB.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is not a progress file: it is not a JSON object (it may be cut short or damaged).</source>
        <translation>Die Datei ist keine Fortschrittsdatei: Sie ist kein JSON-Objekt (vielleicht abgeschnitten oder beschädigt).</translation>
    </message>
    <message>
        <source>The file is not a progress file: its format is not &quot;%1&quot;.</source>
        <translation>Die Datei ist keine Fortschrittsdatei: Ihr Format ist nicht „%1“.</translation>
    </message>
    <message>
        <source>The file gives no version.</source>
        <translation>Die Datei gibt keine Version an.</translation>
    </message>
    <message>
        <source>The file is of version %1; this program reads version %2.</source>
        <translation>Die Datei hat Version %1; dieses Programm liest Version %2.</translation>
    </message>
    <message>
        <source>The file lacks a usable %1.</source>
        <translation>In der Datei fehlt ein brauchbarer Wert für: %1.</translation>
    </message>
    <message>
        <source>The class folder cannot be reached.</source>
        <translation>Der Klassenordner ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The progress file or its folder is a link.</source>
        <translation>Die Fortschrittsdatei oder ihr Ordner ist eine Verknüpfung.</translation>
    </message>
    <message>
        <source>The progress folder cannot be made.</source>
        <translation>Der Fortschrittsordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The progress folder is not a folder.</source>
        <translation>Der Fortschrittsordner ist kein Ordner.</translation>
    </message>
    <message>
        <source>The progress folder cannot be found.</source>
        <translation>Der Fortschrittsordner ist nicht zu finden.</translation>
    </message>
    <message>
        <source>The progress folder cannot be listed (%1).</source>
        <translation>Der Inhalt des Fortschrittsordners kann nicht aufgelistet werden (%1).</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Die Datei kann nicht gelesen werden (%1).</translation>
    </message>
</context>
<context>
    <name>attemptfile</name>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is not an attempt file: it is not a JSON object (it may be cut short or damaged).</source>
        <translation>Die Datei ist keine Versuchsdatei: Sie ist kein JSON-Objekt (vielleicht abgeschnitten oder beschädigt).</translation>
    </message>
    <message>
        <source>The file is not an attempt file: its format is not &quot;%1&quot;.</source>
        <translation>Die Datei ist keine Versuchsdatei: Ihr Format ist nicht „%1“.</translation>
    </message>
    <message>
        <source>The file gives no version.</source>
        <translation>Die Datei gibt keine Version an.</translation>
    </message>
    <message>
        <source>The file is of version %1; this program reads version %2.</source>
        <translation>Die Datei hat Version %1; dieses Programm liest Version %2.</translation>
    </message>
    <message>
        <source>The file lacks a usable %1.</source>
        <translation>In der Datei fehlt ein brauchbarer Wert für: %1.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>In Ordnung</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
</context>
<context>
    <name>frmChallengeResults</name>
    <message>
        <source>Challenge results</source>
        <translation>Ergebnisse der Aufgaben</translation>
    </message>
    <message>
        <source>The file cannot be found.</source>
        <translation>Die Datei ist nicht zu finden.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>Die Datei kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The results &quot;%1&quot; cannot be opened.

%2</source>
        <translation>Die Ergebnisse „%1“ können nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>%1 - 1 attempt, sorted by student and challenge</source>
        <translation>%1 - 1 Versuch, sortiert nach Schüler und Aufgabe</translation>
    </message>
    <message>
        <source>%1 - %2 attempts, sorted by student and challenge</source>
        <translation>%1 - %2 Versuche, sortiert nach Schüler und Aufgabe</translation>
    </message>
</context>
<context>
    <name>frmChallengeRun</name>
    <message>
        <source>Challenge</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Guided tests to run:</source>
        <translation>Durchzuführende geführte Prüfungen:</translation>
    </message>
    <message>
        <source>Guided tests to run</source>
        <translation>Durchzuführende geführte Prüfungen</translation>
    </message>
    <message>
        <source>Press Enter or double-click to set the test up on the instrument</source>
        <translation>Drücken Sie die Eingabetaste oder doppelklicken Sie, um die Prüfung am Messgerät einzurichten</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Hinweis zeigen</translation>
    </message>
    <message>
        <source>Your diagnosis</source>
        <translation>Ihre Diagnose</translation>
    </message>
    <message>
        <source>Faulty part %1</source>
        <translation>Fehlerhaftes Bauteil %1</translation>
    </message>
    <message>
        <source>Fault %1 in the circuit</source>
        <translation>Fehler %1 im Stromkreis</translation>
    </message>
    <message>
        <source>Submit diagnosis</source>
        <translation>Diagnose abgeben</translation>
    </message>
    <message>
        <source>End challenge</source>
        <translation>Aufgabe beenden</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Print result sheet</source>
        <translation>Ergebnisblatt drucken</translation>
    </message>
    <message>
        <source>Save result</source>
        <translation>Ergebnis speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>A challenge is already running: submit your diagnosis or end it first.</source>
        <translation>Es läuft bereits eine Aufgabe: Geben Sie zuerst Ihre Diagnose ab oder beenden Sie sie.</translation>
    </message>
    <message>
        <source>You have made your attempt at this challenge: it allows one.</source>
        <translation>Sie haben Ihren Versuch bei dieser Aufgabe schon gemacht: Sie erlaubt einen.</translation>
    </message>
    <message>
        <source>You have made all %1 attempts this challenge allows.</source>
        <translation>Sie haben alle %1 Versuche gemacht, die diese Aufgabe erlaubt.</translation>
    </message>
    <message>
        <source>Challenge (test run)</source>
        <translation>Aufgabe (Probelauf)</translation>
    </message>
    <message>
        <source>(choose the part)</source>
        <translation>(Bauteil wählen)</translation>
    </message>
    <message>
        <source>Your diagnosis: the %1 faults</source>
        <translation>Ihre Diagnose: die %1 Fehler</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Time: %1 of %2 - time is up</source>
        <translation>Zeit: %1 von %2 - die Zeit ist um</translation>
    </message>
    <message>
        <source>Time: %1 of %2</source>
        <translation>Zeit: %1 von %2</translation>
    </message>
    <message>
        <source>Measurements: %1 of %2</source>
        <translation>Messungen: %1 von %2</translation>
    </message>
    <message>
        <source>Measurements: %1</source>
        <translation>Messungen: %1</translation>
    </message>
    <message>
        <source>Hints used: %1 of %2 (1 point)</source>
        <translation>Benutzte Hinweise: %1 von %2 (1 Punkt)</translation>
    </message>
    <message>
        <source>Hints used: %1 of %2 (%3 points)</source>
        <translation>Benutzte Hinweise: %1 von %2 (%3 Punkte)</translation>
    </message>
    <message>
        <source>No more hints</source>
        <translation>Keine weiteren Hinweise</translation>
    </message>
    <message>
        <source>Show a hint (-1 point)</source>
        <translation>Hinweis zeigen (-1 Punkt)</translation>
    </message>
    <message>
        <source>Show a hint (-%1 points)</source>
        <translation>Hinweis zeigen (-%1 Punkte)</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>The guided test &quot;%1&quot; cannot be set up on the instrument.</source>
        <translation>Die geführte Prüfung „%1“ kann am Messgerät nicht eingerichtet werden.</translation>
    </message>
    <message>
        <source>Time is up: the time limit of 1 minute has passed.

Submit your diagnosis now; a diagnosis submitted after the limit loses %1 points.</source>
        <translation>Die Zeit ist um: Das Zeitlimit von 1 Minute ist abgelaufen.

Geben Sie jetzt Ihre Diagnose ab; eine Diagnose nach Ablauf der Zeit verliert %1 Punkte.</translation>
    </message>
    <message>
        <source>Time is up: the time limit of %1 minutes has passed.

Submit your diagnosis now; a diagnosis submitted after the limit loses %2 points.</source>
        <translation>Die Zeit ist um: Das Zeitlimit von %1 Minuten ist abgelaufen.

Geben Sie jetzt Ihre Diagnose ab; eine Diagnose nach Ablauf der Zeit verliert %2 Punkte.</translation>
    </message>
    <message>
        <source>Show hint %1? It costs 1 point.</source>
        <translation>Hinweis %1 zeigen? Er kostet 1 Punkt.</translation>
    </message>
    <message>
        <source>Show hint %1? It costs %2 points.</source>
        <translation>Hinweis %1 zeigen? Er kostet %2 Punkte.</translation>
    </message>
    <message>
        <source>Hint %1: %2</source>
        <translation>Hinweis %1: %2</translation>
    </message>
    <message>
        <source>Choose the faulty part and its circuit before you submit your diagnosis.</source>
        <translation>Wählen Sie das fehlerhafte Bauteil und seinen Stromkreis, bevor Sie Ihre Diagnose abgeben.</translation>
    </message>
    <message>
        <source>Submit this diagnosis?

%1

The challenge ends when you submit it.</source>
        <translation>Diese Diagnose abgeben?

%1

Mit der Abgabe endet die Aufgabe.</translation>
    </message>
    <message>
        <source>End the challenge without a diagnosis? It scores 0.</source>
        <translation>Aufgabe ohne Diagnose beenden? Das ergibt 0 Punkte.</translation>
    </message>
    <message>
        <source>The result could not be added to &quot;%1&quot;.

Error number: %2 - %3

The result stays on screen: &quot;Save result&quot; tries again, and &quot;Print result sheet&quot; prints it.</source>
        <translation>Das Ergebnis konnte nicht zu „%1“ hinzugefügt werden.

Fehlernummer: %2 - %3

Das Ergebnis bleibt auf dem Bildschirm: „Ergebnis speichern“ versucht es erneut, und „Ergebnisblatt drucken“ druckt es.</translation>
    </message>
    <message>
        <source>Handed in to the class folder.</source>
        <translation>In den Klassenordner abgegeben.</translation>
    </message>
    <message>
        <source>Kept on this computer until the class folder can be reached.</source>
        <translation>Auf diesem Computer aufbewahrt, bis der Klassenordner erreichbar ist.</translation>
    </message>
    <message>
        <source>Kept on this computer until the class folder is known.</source>
        <translation>Auf diesem Computer aufbewahrt, bis der Klassenordner bekannt ist.</translation>
    </message>
    <message>
        <source>Not handed in to the class folder.</source>
        <translation>Nicht in den Klassenordner abgegeben.</translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Beim Drucken auf Ihrem Drucker ist ein Problem aufgetreten.</translation>
    </message>
</context>
<context>
    <name>frmChallenges</name>
    <message>
        <source>Challenge files (*.vch);;All files (*)</source>
        <translation>Aufgabendateien (*.vch);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Fault %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Test run</source>
        <translation>Probelauf</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Ergebnisse...</translation>
    </message>
    <message>
        <source>Start challenge</source>
        <translation>Aufgabe starten</translation>
    </message>
    <message>
        <source>Challenges in the folder:</source>
        <translation>Aufgaben im Ordner:</translation>
    </message>
    <message>
        <source>Challenges in the folder</source>
        <translation>Aufgaben im Ordner</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your student id</source>
        <translation>Ihre Schüler-ID</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Engine running at the start</source>
        <translation>Motor läuft zu Beginn</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>throttle</comment>
        <translation>Nicht betätigt</translation>
    </message>
    <message>
        <source>On</source>
        <comment>throttle</comment>
        <translation>Betätigt</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>throttle</comment>
        <translation>Vollgas</translation>
    </message>
    <message>
        <source>Auto run (with the engine running)</source>
        <translation>Automatikbetrieb (bei laufendem Motor)</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> Minuten</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Battery (system) voltage:</source>
        <translation>Batteriespannung (Bordnetz):</translation>
    </message>
    <message>
        <source>Engine temperature:</source>
        <translation>Motortemperatur:</translation>
    </message>
    <message>
        <source>Gear:</source>
        <translation>Gang:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Gaspedal:</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>Zeitlimit:</translation>
    </message>
    <message>
        <source>Measurement limit:</source>
        <translation>Höchstzahl der Messungen:</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>beliebig viele</translation>
    </message>
    <message>
        <source>The best attempt</source>
        <translation>Der beste Versuch</translation>
    </message>
    <message>
        <source>The last attempt</source>
        <translation>Der letzte Versuch</translation>
    </message>
    <message>
        <source>The first attempt</source>
        <translation>Der erste Versuch</translation>
    </message>
    <message>
        <source>The mean of the attempts</source>
        <translation>Der Mittelwert der Versuche</translation>
    </message>
    <message>
        <source>Tell a wrong diagnosis the right answer</source>
        <translation>Bei falscher Diagnose die richtige Antwort zeigen</translation>
    </message>
    <message>
        <source>Attempts a student has:</source>
        <translation>Versuche pro Schüler:</translation>
    </message>
    <message>
        <source>Score that counts:</source>
        <translation>Zählende Punktzahl:</translation>
    </message>
    <message>
        <source>Start state</source>
        <translation>Ausgangszustand</translation>
    </message>
    <message>
        <source>Faults to inject (at most four):</source>
        <translation>Zu setzende Fehler (höchstens vier):</translation>
    </message>
    <message>
        <source>Answer %1:</source>
        <translation>Antwort %1:</translation>
    </message>
    <message>
        <source>Answer from the faults</source>
        <translation>Antwort aus den Fehlern</translation>
    </message>
    <message>
        <source>Or let each attempt draw one set of faults (then tick none above), sets separated by &quot;;&quot;, e.g. &quot;8; 2 @ stopped; 9, 40&quot;:</source>
        <translation>Oder jeden Versuch einen Fehlersatz auslosen lassen (dann oben keinen ankreuzen), Sätze durch „;“ getrennt, z. B. „8; 2 @ stopped; 9, 40“:</translation>
    </message>
    <message>
        <source>Sets of faults to draw from</source>
        <translation>Fehlersätze für die Auslosung</translation>
    </message>
    <message>
        <source>Faults and answer</source>
        <translation>Fehler und Antwort</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Hint (revealed in this order)</source>
        <translation>Hinweis (in dieser Reihenfolge gezeigt)</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Guided tests the student must run (at most %1). Each one not run to a result takes %2 points off a right diagnosis.</source>
        <translation>Geführte Prüfungen, die die Schüler durchführen müssen (höchstens %1). Jede, die ohne Ergebnis bleibt, zieht einer richtigen Diagnose %2 Punkte ab.</translation>
    </message>
    <message>
        <source>Guided tests</source>
        <translation>Geführte Prüfungen</translation>
    </message>
    <message>
        <source>A right diagnosis starts at 100 and loses these points (it keeps at least 10). A wrong one scores 0.</source>
        <translation>Eine richtige Diagnose beginnt bei 100 und verliert diese Punkte (sie behält mindestens 10). Eine falsche ergibt 0.</translation>
    </message>
    <message>
        <source>Without evidence on the faulty circuit (half with one measurement):</source>
        <translation>Ohne Beleg am fehlerhaften Stromkreis (die Hälfte bei einer Messung):</translation>
    </message>
    <message>
        <source>Per measurement on a sound circuit beyond the free ones:</source>
        <translation>Je Messung an einem fehlerfreien Stromkreis über die freien hinaus:</translation>
    </message>
    <message>
        <source>Measurements on sound circuits that are free:</source>
        <translation>Freie Messungen an fehlerfreien Stromkreisen:</translation>
    </message>
    <message>
        <source>Share of a hint&apos;s points taken (%):</source>
        <translation>Abgezogener Anteil der Hinweispunkte (%):</translation>
    </message>
    <message>
        <source>For a diagnosis after the time limit:</source>
        <translation>Für eine Diagnose nach Ablauf der Zeit:</translation>
    </message>
    <message>
        <source>Per guided test asked for without a result:</source>
        <translation>Je verlangte geführte Prüfung ohne Ergebnis:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>(choose the part)</source>
        <translation>(Bauteil wählen)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Title of the challenge</source>
        <translation>Titel der Aufgabe</translation>
    </message>
    <message>
        <source>Choose a challenge from the list</source>
        <translation>Wählen Sie eine Aufgabe aus der Liste</translation>
    </message>
    <message>
        <source>%1 (class)</source>
        <translation>%1 (Klasse)</translation>
    </message>
    <message>
        <source>No challenges in the folder.</source>
        <translation>Keine Aufgaben im Ordner.</translation>
    </message>
    <message>
        <source>Before you start: %1</source>
        <translation>Vor dem Start: %1</translation>
    </message>
    <message>
        <source>No time limit.</source>
        <translation>Kein Zeitlimit.</translation>
    </message>
    <message>
        <source>Time limit: 1 minute.</source>
        <translation>Zeitlimit: 1 Minute.</translation>
    </message>
    <message>
        <source>Time limit: %1 minutes.</source>
        <translation>Zeitlimit: %1 Minuten.</translation>
    </message>
    <message>
        <source>No limit on measurements.</source>
        <translation>Keine Begrenzung der Messungen.</translation>
    </message>
    <message>
        <source>At most 1 measurement.</source>
        <translation>Höchstens 1 Messung.</translation>
    </message>
    <message>
        <source>At most %1 measurements.</source>
        <translation>Höchstens %1 Messungen.</translation>
    </message>
    <message>
        <source>No hints.</source>
        <translation>Keine Hinweise.</translation>
    </message>
    <message>
        <source>1 hint, at a cost.</source>
        <translation>1 Hinweis, kostenpflichtig.</translation>
    </message>
    <message>
        <source>%1 hints, at a cost.</source>
        <translation>%1 Hinweise, kostenpflichtig.</translation>
    </message>
    <message>
        <source>the best counts</source>
        <translation>der beste zählt</translation>
    </message>
    <message>
        <source>the last counts</source>
        <translation>der letzte zählt</translation>
    </message>
    <message>
        <source>the first counts</source>
        <translation>der erste zählt</translation>
    </message>
    <message>
        <source>their mean counts</source>
        <translation>ihr Mittelwert zählt</translation>
    </message>
    <message>
        <source>Any number of attempts; %1.</source>
        <translation>Beliebig viele Versuche; %1.</translation>
    </message>
    <message>
        <source>One attempt.</source>
        <translation>Ein Versuch.</translation>
    </message>
    <message>
        <source>%1 attempts; %2.</source>
        <translation>%1 Versuche; %2.</translation>
    </message>
    <message>
        <source>1 guided test to run.</source>
        <translation>1 geführte Prüfung durchzuführen.</translation>
    </message>
    <message>
        <source>%1 guided tests to run.</source>
        <translation>%1 geführte Prüfungen durchzuführen.</translation>
    </message>
    <message>
        <source>Find %1 faults.</source>
        <translation>Finden Sie %1 Fehler.</translation>
    </message>
    <message>
        <source>Find the fault.</source>
        <translation>Finden Sie den Fehler.</translation>
    </message>
    <message>
        <source>New challenge, not saved yet.</source>
        <translation>Neue Aufgabe, noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 (changed)</source>
        <translation>%1 (geändert)</translation>
    </message>
    <message>
        <source>These faults make more than %1 answers: choose the answers yourself.</source>
        <translation>Diese Fehler ergeben mehr als %1 Antworten: Wählen Sie die Antworten selbst.</translation>
    </message>
    <message>
        <source>Save the changes to the new challenge?</source>
        <translation>Änderungen an der neuen Aufgabe speichern?</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot;?</source>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>Open Challenge</source>
        <translation>Aufgabe öffnen</translation>
    </message>
    <message>
        <source>The challenge cannot be saved yet.</source>
        <translation>Die Aufgabe kann noch nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The challenge could not be saved to &quot;%1&quot;.

Error number: %2 - %3</source>
        <translation>Die Aufgabe konnte nicht in „%1“ gespeichert werden.

Fehlernummer: %2 - %3</translation>
    </message>
    <message>
        <source>Save Challenge As</source>
        <translation>Aufgabe speichern unter</translation>
    </message>
    <message>
        <source>A file name cannot hold the characters / \ : * ? &quot; &lt; &gt; |, so the challenge &quot;%1&quot; is saved in the file &quot;%2&quot;.</source>
        <translation>Ein Dateiname darf die Zeichen / \ : * ? &quot; &lt; &gt; | nicht enthalten, daher wird die Aufgabe „%1“ in der Datei „%2“ gespeichert.</translation>
    </message>
    <message>
        <source>The sets of faults to draw from: %1</source>
        <translation>Die Fehlersätze für die Auslosung: %1</translation>
    </message>
    <message>
        <source>The challenge cannot be run yet.</source>
        <translation>Die Aufgabe kann noch nicht ausprobiert werden.</translation>
    </message>
    <message>
        <source>The challenge cannot be started.</source>
        <translation>Die Aufgabe kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Choose a challenge from the list, or open one, first.</source>
        <translation>Wählen Sie zuerst eine Aufgabe aus der Liste oder öffnen Sie eine.</translation>
    </message>
    <message>
        <source>Enter your name and your student id before you start the challenge.</source>
        <translation>Geben Sie Ihren Namen und Ihre Schüler-ID ein, bevor Sie die Aufgabe starten.</translation>
    </message>
    <message>
        <source>Enter your name before you start the challenge.</source>
        <translation>Geben Sie Ihren Namen ein, bevor Sie die Aufgabe starten.</translation>
    </message>
    <message>
        <source>Your name could not be kept for the challenge: %1</source>
        <translation>Ihr Name konnte für die Aufgabe nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>You (your name and student id):</source>
        <translation>Sie (Ihr Name und Ihre Schüler-ID):</translation>
    </message>
    <message>
        <source>You (student id %1):</source>
        <translation>Sie (Schüler-ID %1):</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Ergebnisse öffnen</translation>
    </message>
    <message>
        <source>Results files (*.csv);;All files (*)</source>
        <translation>Ergebnisdateien (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>frmClassDashboard</name>
    <message>
        <source>Class dashboard</source>
        <translation>Klassenübersicht</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Gradebook: spreadsheet (CSV)</source>
        <translation>Notenliste: Tabellenkalkulation (CSV)</translation>
    </message>
    <message>
        <source>Gradebook: Moodle import (CSV)</source>
        <translation>Notenliste: Import in Moodle (CSV)</translation>
    </message>
    <message>
        <source>Gradebook: Canvas import (CSV)</source>
        <translation>Notenliste: Import in Canvas (CSV)</translation>
    </message>
    <message>
        <source>Attempts: xAPI statements (JSON)</source>
        <translation>Versuche: xAPI-Statements (JSON)</translation>
    </message>
    <message>
        <source>What to export</source>
        <translation>Was exportiert wird</translation>
    </message>
    <message>
        <source>What Export writes: the gradebook in the layout a spreadsheet or a learning platform imports, or every attempt shown as an xAPI statement</source>
        <translation>Was „Exportieren“ schreibt: die Notenliste im Aufbau, den eine Tabellenkalkulation oder eine Lernplattform importiert, oder jeden angezeigten Versuch als xAPI-Statement</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Show the challenge</source>
        <translation>Aufgabe anzeigen</translation>
    </message>
    <message>
        <source>Show the student</source>
        <translation>Schüler anzeigen</translation>
    </message>
    <message>
        <source>Challenge:</source>
        <translation>Aufgabe:</translation>
    </message>
    <message>
        <source>Student:</source>
        <translation>Schüler:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Seat</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Time so far</source>
        <translation>Bisherige Zeit</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Zuletzt gesehen</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Attempts in progress</source>
        <translation>Laufende Versuche</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Diagnostic path (double-click an attempt):</source>
        <translation>Diagnoseweg (Versuch doppelklicken):</translation>
    </message>
    <message>
        <source>Guided tests run (the screen at the result):</source>
        <translation>Durchgeführte geführte Prüfungen (der Bildschirm beim Ergebnis):</translation>
    </message>
    <message>
        <source>Guided tests run</source>
        <translation>Durchgeführte geführte Prüfungen</translation>
    </message>
    <message>
        <source>Screen of the guided test run</source>
        <translation>Bildschirm der geführten Prüfung</translation>
    </message>
    <message>
        <source>Press Enter or double-click to see the screen at its full size</source>
        <translation>Drücken Sie die Eingabetaste oder doppelklicken Sie, um den Bildschirm in voller Größe zu sehen</translation>
    </message>
    <message>
        <source>The attempts of the class folder cannot be read from &quot;%1&quot;: %2

Check that the class folder can be reached from this computer and that you may read it, then choose Refresh.</source>
        <translation>Die Versuche des Klassenordners können nicht aus „%1“ gelesen werden: %2

Prüfen Sie, ob der Klassenordner von diesem Computer aus erreichbar ist und Sie ihn lesen dürfen, und wählen Sie dann „Aktualisieren“.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>%1 - the attempts cannot be read (no class key is set: the attempts are not checked)</source>
        <translation>%1 - die Versuche können nicht gelesen werden (kein Klassenschlüssel gesetzt: die Versuche werden nicht geprüft)</translation>
    </message>
    <message>
        <source>%1 - the attempts cannot be read</source>
        <translation>%1 - die Versuche können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 - 1 attempt (no class key is set: the attempts are not checked)</source>
        <translation>%1 - 1 Versuch (kein Klassenschlüssel gesetzt: die Versuche werden nicht geprüft)</translation>
    </message>
    <message>
        <source>%1 - 1 attempt</source>
        <translation>%1 - 1 Versuch</translation>
    </message>
    <message>
        <source>%1 - %2 attempts (no class key is set: the attempts are not checked)</source>
        <translation>%1 - %2 Versuche (kein Klassenschlüssel gesetzt: die Versuche werden nicht geprüft)</translation>
    </message>
    <message>
        <source>%1 - %2 attempts</source>
        <translation>%1 - %2 Versuche</translation>
    </message>
    <message>
        <source>The attempts folder cannot be read now: %1 The attempt shown was read before.</source>
        <translation>Der Ordner der Versuche kann jetzt nicht gelesen werden: %1 Der angezeigte Versuch wurde vorher gelesen.</translation>
    </message>
    <message>
        <source>The attempts folder cannot be read now: %1 The %2 attempts shown were read before.</source>
        <translation>Der Ordner der Versuche kann jetzt nicht gelesen werden: %1 Die %2 angezeigten Versuche wurden vorher gelesen.</translation>
    </message>
    <message>
        <source>The attempts folder could not be read: %1 No attempt is shown.</source>
        <translation>Der Ordner der Versuche konnte nicht gelesen werden: %1 Es wird kein Versuch angezeigt.</translation>
    </message>
    <message>
        <source>1 file of the folder could not be read and is left out.</source>
        <translation>1 Datei des Ordners konnte nicht gelesen werden und wird ausgelassen.</translation>
    </message>
    <message>
        <source>%1 files of the folder could not be read and are left out.</source>
        <translation>%1 Dateien des Ordners konnten nicht gelesen werden und werden ausgelassen.</translation>
    </message>
    <message>
        <source>(every challenge)</source>
        <translation>(alle Aufgaben)</translation>
    </message>
    <message>
        <source>(every student)</source>
        <translation>(alle Schüler)</translation>
    </message>
    <message>
        <source>%1 shown, %2 marked: changed or without a check</source>
        <translation>%1 angezeigt, %2 markiert: geändert oder ohne Prüfwert</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 angezeigt</translation>
    </message>
    <message>
        <source>Average score per challenge</source>
        <translation>Durchschnittliche Punktzahl je Aufgabe</translation>
    </message>
    <message>
        <source>Most frequent wrong answers: none</source>
        <translation>Häufigste falsche Antworten: keine</translation>
    </message>
    <message>
        <source>Most frequent wrong answers</source>
        <translation>Häufigste falsche Antworten</translation>
    </message>
    <message>
        <source> (no screen)</source>
        <translation> (kein Bildschirm)</translation>
    </message>
    <message>
        <source>The screen could not be written to &quot;%1&quot;.

%2</source>
        <translation>Der Bildschirm konnte nicht in „%1“ geschrieben werden.

%2</translation>
    </message>
    <message>
        <source>The screen could not be opened: no program on this computer shows &quot;%1&quot;.</source>
        <translation>Der Bildschirm konnte nicht geöffnet werden: Kein Programm auf diesem Computer zeigt „%1“ an.</translation>
    </message>
    <message>
        <source>No screen: the run came to no result.</source>
        <translation>Kein Bildschirm: Die Prüfung kam zu keinem Ergebnis.</translation>
    </message>
    <message>
        <source>The screen cannot be shown: its picture is damaged.</source>
        <translation>Der Bildschirm kann nicht angezeigt werden: Sein Bild ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>vor %1 s</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>vor %1 min</translation>
    </message>
    <message>
        <source>%1 h ago</source>
        <translation>vor %1 h</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Not seen for %1 min</source>
        <translation>Seit %1 min nicht gesehen</translation>
    </message>
    <message>
        <source>Not seen for %1 h</source>
        <translation>Seit %1 h nicht gesehen</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Arbeitet</translation>
    </message>
    <message>
        <source>the attempts in progress cannot be read now: %1</source>
        <translation>die laufenden Versuche können jetzt nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>no student has started a challenge yet.</source>
        <translation>noch kein Schüler hat eine Aufgabe begonnen.</translation>
    </message>
    <message>
        <source>1 student working</source>
        <translation>1 Schüler arbeitet</translation>
    </message>
    <message>
        <source>%1 students working</source>
        <translation>%1 Schüler arbeiten</translation>
    </message>
    <message>
        <source>1 student working, %1 not seen for %2 minutes or more</source>
        <translation>1 Schüler arbeitet, %1 seit %2 Minuten oder länger nicht gesehen</translation>
    </message>
    <message>
        <source>%1 students working, %2 not seen for %3 minutes or more</source>
        <translation>%1 Schüler arbeiten, %2 seit %3 Minuten oder länger nicht gesehen</translation>
    </message>
    <message>
        <source>%1 (a progress file cannot be read: %2)</source>
        <translation>%1 (eine Fortschrittsdatei kann nicht gelesen werden: %2)</translation>
    </message>
    <message>
        <source>%1 (%2 progress files cannot be read, the first: %3)</source>
        <translation>%1 (%2 Fortschrittsdateien können nicht gelesen werden, die erste: %3)</translation>
    </message>
    <message>
        <source>Working now: %1 - updated %2</source>
        <translation>Jetzt bei der Arbeit: %1 - aktualisiert %2</translation>
    </message>
    <message>
        <source>Export Statements</source>
        <translation>Statements exportieren</translation>
    </message>
    <message>
        <source>Export Gradebook</source>
        <translation>Notenliste exportieren</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON-Dateien (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>1 attempt written is marked: changed after it was handed in, or without a check.</source>
        <translation>1 geschriebener Versuch ist markiert: nach der Abgabe geändert oder ohne Prüfwert.</translation>
    </message>
    <message>
        <source>%1 attempts written are marked: changed after they were handed in, or without a check.</source>
        <translation>%1 geschriebene Versuche sind markiert: nach der Abgabe geändert oder ohne Prüfwert.</translation>
    </message>
    <message>
        <source>The file could not be saved to &quot;%1&quot;.

Error number: %2 - %3</source>
        <translation>Die Datei konnte nicht in „%1“ gespeichert werden.

Fehlernummer: %2 - %3</translation>
    </message>
    <message>
        <source>Saved to &quot;%1&quot;. Before importing it:

%2</source>
        <translation>In „%1“ gespeichert. Vor dem Import:

%2</translation>
    </message>
    <message>
        <source>%1  -  %2, %3  -  printed %4</source>
        <translation>%1  -  %2, %3  -  gedruckt %4</translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Beim Drucken auf Ihrem Drucker ist ein Problem aufgetreten.</translation>
    </message>
    <message>
        <source>You must login before you can see the class dashboard</source>
        <translation>Sie müssen sich anmelden, bevor Sie die Klassenübersicht sehen können</translation>
    </message>
    <message>
        <source>This computer has no class folder. Set one up with Tools &gt; Set Up Class..., or for this user alone in Tools &gt; Options.</source>
        <translation>Dieser Computer hat keinen Klassenordner. Richten Sie einen mit Extras &gt; Klasse einrichten... ein oder nur für diesen Benutzer unter Extras &gt; Optionen.</translation>
    </message>
</context>
<context>
    <name>frmClassSetup</name>
    <message>
        <source>Set Up Class</source>
        <translation>Klasse einrichten</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Klassenordner</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Browse for the class folder</source>
        <translation>Klassenordner suchen</translation>
    </message>
    <message>
        <source>Class &amp;folder:</source>
        <translation>&amp;Klassenordner:</translation>
    </message>
    <message>
        <source>Class key</source>
        <translation>Klassenschlüssel</translation>
    </message>
    <message>
        <source>&amp;New Key</source>
        <translation>&amp;Neuer Schlüssel</translation>
    </message>
    <message>
        <source>Make a new random class key</source>
        <translation>Einen neuen zufälligen Klassenschlüssel erzeugen</translation>
    </message>
    <message>
        <source>Class &amp;key:</source>
        <translation>Klassen&amp;schlüssel:</translation>
    </message>
    <message>
        <source>Instructor&apos;s password</source>
        <translation>Passwort der Lehrkraft</translation>
    </message>
    <message>
        <source>Instructor&apos;s password again</source>
        <translation>Passwort der Lehrkraft wiederholen</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>&amp;Wiederholung:</translation>
    </message>
    <message>
        <source>Wit&amp;hout an instructor&apos;s password (each user&apos;s own counts)</source>
        <translation>Kein Passwort der &amp;Lehrkraft (es gilt das eigene jedes Benutzers)</translation>
    </message>
    <message>
        <source>No instructor&apos;s password in the file</source>
        <translation>Kein Passwort der Lehrkraft in der Datei</translation>
    </message>
    <message>
        <source>&amp;Lock the room: users&apos; own password and class folder count for nothing</source>
        <translation>Raum sp&amp;erren: eigenes Passwort und eigener Klassenordner der Benutzer zählen nicht</translation>
    </message>
    <message>
        <source>Lock the room</source>
        <translation>Raum sperren</translation>
    </message>
    <message>
        <source>Student id</source>
        <translation>Schüler-ID</translation>
    </message>
    <message>
        <source>The computer account&apos;s name</source>
        <translation>Der Name des Benutzerkontos am Computer</translation>
    </message>
    <message>
        <source>An id each student types once</source>
        <translation>Eine ID, die jeder Schüler einmal eingibt</translation>
    </message>
    <message>
        <source>Student &amp;id:</source>
        <translation>Schüler-&amp;ID:</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>Prü&amp;fen</translation>
    </message>
    <message>
        <source>Check the values and the class folder</source>
        <translation>Die Werte und den Klassenordner prüfen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>Sch&amp;reiben</translation>
    </message>
    <message>
        <source>Write the classroom file</source>
        <translation>Die Klassenraumdatei schreiben</translation>
    </message>
    <message>
        <source>&amp;Make Folders</source>
        <translation>Ordner &amp;anlegen</translation>
    </message>
    <message>
        <source>Make the class folder&apos;s challenges and attempts folders</source>
        <translation>Die Ordner challenges und attempts im Klassenordner anlegen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>What the check found</source>
        <translation>Was die Prüfung ergab</translation>
    </message>
    <message>
        <source>The classroom file&apos;s text</source>
        <translation>Der Text der Klassenraumdatei</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opieren</translation>
    </message>
    <message>
        <source>Copy the file&apos;s text</source>
        <translation>Den Text der Datei kopieren</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the file&apos;s text as a file</source>
        <translation>Den Text der Datei als Datei speichern</translation>
    </message>
    <message>
        <source>Classroom file: %1 (not there yet)</source>
        <translation>Klassenraumdatei: %1 (noch nicht vorhanden)</translation>
    </message>
    <message>
        <source>Classroom file: %1 (cannot be used: %2)</source>
        <translation>Klassenraumdatei: %1 (nicht verwendbar: %2)</translation>
    </message>
    <message>
        <source>Classroom file: %1</source>
        <translation>Klassenraumdatei: %1</translation>
    </message>
    <message>
        <source>The file gives no instructor&apos;s password yet: type one twice.</source>
        <translation>Die Datei gibt noch kein Passwort der Lehrkraft an: Geben Sie eines zweimal ein.</translation>
    </message>
    <message>
        <source>The file gives an instructor&apos;s password: leave both boxes empty to keep it, or type a new one twice.</source>
        <translation>Die Datei gibt ein Passwort der Lehrkraft an: Lassen Sie beide Felder leer, um es zu behalten, oder geben Sie zweimal ein neues ein.</translation>
    </message>
    <message>
        <source>The classroom file cannot be made from these values:</source>
        <translation>Aus diesen Werten kann keine Klassenraumdatei erstellt werden:</translation>
    </message>
    <message>
        <source>The file&apos;s &amp;text, to copy or save and give to the administrator:</source>
        <translation>&amp;Text der Datei, zum Kopieren oder Speichern und Weitergeben an den Administrator:</translation>
    </message>
    <message>
        <source>Class Folder</source>
        <translation>Klassenordner</translation>
    </message>
    <message>
        <source>A new class key must be given to every seat of the class, and attempts handed in with the old key are marked as changed in the dashboard. Make a new key?</source>
        <translation>Ein neuer Klassenschlüssel muss an jeden Platz der Klasse verteilt werden, und mit dem alten Schlüssel abgegebene Versuche werden in der Klassenübersicht als geändert markiert. Neuen Schlüssel erzeugen?</translation>
    </message>
    <message>
        <source>The classroom file is as shown above. The check found:</source>
        <translation>Die Klassenraumdatei ist wie oben gezeigt. Die Prüfung ergab:</translation>
    </message>
    <message>
        <source>The values above (not written yet). The check found:</source>
        <translation>Die Werte oben (noch nicht geschrieben). Die Prüfung ergab:</translation>
    </message>
    <message>
        <source>Not written. %1

The values above, checked:</source>
        <translation>Nicht geschrieben. %1

Die Werte oben, geprüft:</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; is written. The program reads it when it starts: start it again on each seat for the new values to take effect. The check found:</source>
        <translation>Die Klassenraumdatei „%1“ ist geschrieben. Das Programm liest sie beim Start: Starten Sie es an jedem Platz neu, damit die neuen Werte gelten. Die Prüfung ergab:</translation>
    </message>
    <message>
        <source>The classroom file is written.</source>
        <translation>Die Klassenraumdatei ist geschrieben.</translation>
    </message>
    <message>
        <source>The class folder&apos;s folders are there. The check found:</source>
        <translation>Die Ordner des Klassenordners sind vorhanden. Die Prüfung ergab:</translation>
    </message>
    <message>
        <source>The classroom file&apos;s text is copied.</source>
        <translation>Der Text der Klassenraumdatei ist kopiert.</translation>
    </message>
    <message>
        <source>Save the Classroom File&apos;s Text As</source>
        <translation>Text der Klassenraumdatei speichern unter</translation>
    </message>
    <message>
        <source>Classroom files (*.conf);;All files (*)</source>
        <translation>Klassenraumdateien (*.conf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The text could not be saved to &quot;%1&quot;: %2</source>
        <translation>Der Text konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The classroom file&apos;s text is saved.</source>
        <translation>Der Text der Klassenraumdatei ist gespeichert.</translation>
    </message>
    <message>
        <source>You must login before you can set up a class</source>
        <translation>Sie müssen sich anmelden, bevor Sie eine Klasse einrichten können</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Login...</source>
        <translation>Anmelden...</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>&amp;User Name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;New Password:</source>
        <translation>&amp;Neues Passwort:</translation>
    </message>
    <message>
        <source>&amp;Repeat Password:</source>
        <translation>Passwort &amp;wiederholen:</translation>
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
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Checking the password...</source>
        <translation>Das Passwort wird geprüft...</translation>
    </message>
    <message>
        <source>Password check</source>
        <translation>Passwortprüfung</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Bereit...</translation>
    </message>
    <message>
        <source>Invalid Password, please try again!</source>
        <translation>Ungültiges Passwort, bitte versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>Password accepted, you now have access to the database and faults list...</source>
        <translation>Passwort angenommen, Sie haben jetzt Zugriff auf die Datenbank und die Fehlerliste...</translation>
    </message>
    <message>
        <source>The new passwords do not match, please try again...</source>
        <translation>Die neuen Passwörter stimmen nicht überein, bitte versuchen Sie es erneut...</translation>
    </message>
    <message>
        <source>The password of this room is set in the classroom configuration &quot;%1&quot; and cannot be changed here. Ask the administrator to change it there.</source>
        <translation>Das Passwort dieses Raums ist in der Klassenraumkonfiguration „%1“ festgelegt und kann hier nicht geändert werden. Bitten Sie den Administrator, es dort zu ändern.</translation>
    </message>
    <message>
        <source>New password has been set...</source>
        <translation>Das neue Passwort ist gesetzt...</translation>
    </message>
    <message>
        <source>The list of faults and database access is password protected. In this room the password is set by the administrator in the classroom configuration; ask your instructor.</source>
        <translation>Die Fehlerliste und der Zugriff auf die Datenbank sind durch ein Passwort geschützt. In diesem Raum legt der Administrator das Passwort in der Klassenraumkonfiguration fest; fragen Sie Ihre Lehrkraft.</translation>
    </message>
    <message>
        <source>The list of faults and database access is password protected - the password is initially set to &apos;gearcase&apos;. Click YES to change this and prevent &apos;students&apos; seeing the list of faults or changing the database!</source>
        <translation>Die Fehlerliste und der Zugriff auf die Datenbank sind durch ein Passwort geschützt - anfangs lautet das Passwort &apos;gearcase&apos;. Klicken Sie auf JA, um es zu ändern und zu verhindern, dass &apos;Schüler&apos; die Fehlerliste sehen oder die Datenbank ändern!</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Allow database and look up tables data to be edited</source>
        <translation>Bearbeiten der Datenbank und der Nachschlagetabellen erlauben</translation>
    </message>
    <message>
        <source>Show background picture</source>
        <translation>Hintergrundbild anzeigen</translation>
    </message>
    <message>
        <source>Show look up tables (hide ECU picture)</source>
        <translation>Nachschlagetabellen anzeigen (Bild des Steuergeräts ausblenden)</translation>
    </message>
    <message>
        <source>Show diagnostic screen at startup</source>
        <translation>Diagnosebildschirm beim Start anzeigen</translation>
    </message>
    <message>
        <source>Show faults screen at startup</source>
        <translation>Fehlerbildschirm beim Start anzeigen</translation>
    </message>
    <message>
        <source>Start engine when program starts</source>
        <translation>Motor beim Programmstart starten</translation>
    </message>
    <message>
        <source>Show status bar</source>
        <translation>Statusleiste anzeigen</translation>
    </message>
    <message>
        <source>Show tip of the day at startup</source>
        <translation>Tipp des Tages beim Start anzeigen</translation>
    </message>
    <message>
        <source>Display &apos;User Details&apos; at startup</source>
        <translation>&apos;Benutzerdaten&apos; beim Start anzeigen</translation>
    </message>
    <message>
        <source>Reset Trip computer at startup</source>
        <translation>Bordcomputer beim Start zurücksetzen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Theme:</source>
        <translation>&amp;Design:</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Projector (high contrast)</source>
        <translation>Beamer (hoher Kontrast)</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Class &amp;folder:</source>
        <translation>&amp;Klassenordner:</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Klassenordner</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>Browse for the class folder</source>
        <translation>Klassenordner suchen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; cannot be used (%2): no class folder can be set here.</source>
        <translation>Die Klassenraumdatei „%1“ ist nicht verwendbar (%2): Hier kann kein Klassenordner festgelegt werden.</translation>
    </message>
    <message>
        <source>Set by the classroom file &quot;%1&quot;, which locks it.</source>
        <translation>Festgelegt durch die Klassenraumdatei „%1“, die ihn sperrt.</translation>
    </message>
    <message>
        <source>Where this seat hands its attempts in and finds the class&apos;s challenges. Empty: no class.</source>
        <translation>Wo dieser Platz seine Versuche abgibt und die Aufgaben der Klasse findet. Leer: keine Klasse.</translation>
    </message>
    <message>
        <source>Where this seat hands its attempts in. Empty: the classroom file&apos;s &quot;%1&quot;.</source>
        <translation>Wo dieser Platz seine Versuche abgibt. Leer: der Ordner „%1“ aus der Klassenraumdatei.</translation>
    </message>
    <message>
        <source>Class Folder</source>
        <translation>Klassenordner</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; is not an absolute path: give the whole path, from the top folder.</source>
        <translation>Der Klassenordner „%1“ ist kein absoluter Pfad: Geben Sie den ganzen Pfad an, vom obersten Ordner aus.</translation>
    </message>
    <message>
        <source>The class folder cannot be used now:

%1

Attempts wait on this computer until it can. Keep this class folder?</source>
        <translation>Der Klassenordner kann jetzt nicht verwendet werden:

%1

Versuche warten auf diesem Computer, bis es geht. Diesen Klassenordner behalten?</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Spr&amp;ache:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Vantorel speaks the language you chose from its next start.</source>
        <translation>Vantorel spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>frmTip</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <source>Tip will appear here...</source>
        <translation>Hier erscheint der Tipp...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>Tipps beim &amp;Start zeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>That the %1 file holds no text? It cannot be shown.</source>
        <translation>dass die Datei %1 keinen Text enthält? Sie kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>That the %1 file could not be read? </source>
        <translation>dass die Datei %1 nicht gelesen werden konnte? </translation>
    </message>
    <message>
        <source>That the %1 file was not found? </source>
        <translation>dass die Datei %1 nicht gefunden wurde? </translation>
    </message>
</context>
<context>
    <name>frmUserDetails</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>User Details</source>
        <translation>Benutzerdaten</translation>
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
        <source>Ready...</source>
        <translation>Bereit...</translation>
    </message>
</context>
<context>
    <name>password</name>
    <message>
        <source>it is not of the form pbkdf2-sha256$ITERATIONS$SALT$HASH</source>
        <translation>er hat nicht die Form pbkdf2-sha256$ITERATIONS$SALT$HASH</translation>
    </message>
    <message>
        <source>its iterations &quot;%1&quot; are not a number from %2 to %3</source>
        <translation>seine Iterationen „%1“ sind keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>its salt is not base64 of at least 8 bytes</source>
        <translation>sein Salt ist kein Base64 von mindestens 8 Bytes</translation>
    </message>
    <message>
        <source>its hash is not base64 of 32 bytes</source>
        <translation>sein Hash ist kein Base64 von 32 Bytes</translation>
    </message>
</context>
</TS>
