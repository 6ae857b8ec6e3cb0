<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CCompareDlg</name>
    <message numerus="yes">
        <source>From the open image to %1, records matched by their offset: %n difference(s).</source>
        <translation>
            <numerusform>From the open image to %1, records matched by their offset: %n difference.</numerusform>
            <numerusform>From the open image to %1, records matched by their offset: %n differences.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From the open image to %1, records matched by service id, frequency and polarization, then by name: %n difference(s).</source>
        <translation>
            <numerusform>From the open image to %1, records matched by service id, frequency and polarization, then by name: %n difference.</numerusform>
            <numerusform>From the open image to %1, records matched by service id, frequency and polarization, then by name: %n differences.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CheckListDlg</name>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message numerus="yes">
        <source>The channel list has %n problem(s). Upgrade anyway?</source>
        <translation>
            <numerusform>The channel list has %n problems. Upgrade anyway?</numerusform>
            <numerusform>The channel list has %n problems. Upgrade anyway?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgramFlagsDlg</name>
    <message numerus="yes">
        <source>Edit %n program(s)</source>
        <translation>
            <numerusform>Edit %n program</numerusform>
            <numerusform>Edit %n programs</numerusform>
        </translation>
    </message>
</context>
</TS>
