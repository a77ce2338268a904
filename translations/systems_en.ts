<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>telemetry::Status</name>
    <message numerus="yes">
        <source>Telemetry recording, %n sample...</source>
        <translation>
            <numerusform>Telemetry recording, %n sample...</numerusform>
            <numerusform>Telemetry recording, %n samples...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Telemetry recording, %n samples...</source>
        <translation>
            <numerusform>Telemetry recording, %n sample...</numerusform>
            <numerusform>Telemetry recording, %n samples...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Telemetry off, %n sample...</source>
        <translation>
            <numerusform>Telemetry off, %n sample...</numerusform>
            <numerusform>Telemetry off, %n samples...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Telemetry off, %n samples...</source>
        <translation>
            <numerusform>Telemetry off, %n sample...</numerusform>
            <numerusform>Telemetry off, %n samples...</numerusform>
        </translation>
    </message>
</context>
</TS>
