<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>frmHelp</name>
    <message numerus="yes">
        <source>&quot;%1&quot; found in %n page(s):</source>
        <translation>
            <numerusform>&quot;%1&quot; found in %n page:</numerusform>
            <numerusform>&quot;%1&quot; found in %n pages:</numerusform>
        </translation>
    </message>
</context>
</TS>
