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
    <name>DiffText</name>
    <message numerus="yes">
        <source>%n byte(s) differ(s)</source>
        <translation>
            <numerusform>%n byte differs</numerusform>
            <numerusform>%n bytes differ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n range(s)</source>
        <translation>
            <numerusform>%n range</numerusform>
            <numerusform>%n ranges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more range(s)</source>
        <translation>
            <numerusform>and %n more range</numerusform>
            <numerusform>and %n more ranges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) differ(s):</source>
        <translation>
            <numerusform>%n record differs:</numerusform>
            <numerusform>%n records differ:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more record(s)</source>
        <translation>
            <numerusform>and %n more record</numerusform>
            <numerusform>and %n more records</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportProblemText</name>
    <message numerus="yes">
        <source>%n satellite and transponder rows are not applied; only TV and radio rows are</source>
        <translation>
            <numerusform>%n satellite and transponder rows are not applied; only TV and radio rows are</numerusform>
            <numerusform>%n satellite and transponder rows are not applied; only TV and radio rows are</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 differs in %n row(s); only table, offset, name, child_lock and favorites are applied</source>
        <extracomment>%1 is a heading of the CSV file; the headings after &quot;only&quot; are too: keep them in English.</extracomment>
        <translation>
            <numerusform>%1 differs in %n row; only table, offset, name, child_lock and favorites are applied</numerusform>
            <numerusform>%1 differs in %n rows; only table, offset, name, child_lock and favorites are applied</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... and %n more</numerusform>
            <numerusform>... and %n more</numerusform>
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
<context>
    <name>RecordCommands</name>
    <message numerus="yes">
        <source>delete %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>delete %n satellite</numerusform>
            <numerusform>delete %n satellites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>delete %n transponder</numerusform>
            <numerusform>delete %n transponders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>delete %n program</numerusform>
            <numerusform>delete %n programs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>move %n satellite</numerusform>
            <numerusform>move %n satellites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>move %n transponder</numerusform>
            <numerusform>move %n transponders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>move %n program</numerusform>
            <numerusform>move %n programs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favourites and child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>set favourites and child lock of %n program</numerusform>
            <numerusform>set favourites and child lock of %n programs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favourites of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>set favourites of %n program</numerusform>
            <numerusform>set favourites of %n programs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>set child lock of %n program</numerusform>
            <numerusform>set child lock of %n programs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by name</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>sort %n program by name</numerusform>
            <numerusform>sort %n programs by name</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by service id</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>sort %n program by service id</numerusform>
            <numerusform>sort %n programs by service id</numerusform>
        </translation>
    </message>
</context>
</TS>
