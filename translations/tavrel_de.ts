<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message numerus="yes">
        <source>From the open image to %1, records matched by their offset: %n difference(s).</source>
        <translation>
            <numerusform>Vom offenen Abbild zu %1, Einträge nach ihrem Offset zugeordnet: %n Unterschied.</numerusform>
            <numerusform>Vom offenen Abbild zu %1, Einträge nach ihrem Offset zugeordnet: %n Unterschiede.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From the open image to %1, records matched by service id, frequency and polarization, then by name: %n difference(s).</source>
        <translation>
            <numerusform>Vom offenen Abbild zu %1, Einträge nach Service-ID, Frequenz und Polarisation, dann nach Name zugeordnet: %n Unterschied.</numerusform>
            <numerusform>Vom offenen Abbild zu %1, Einträge nach Service-ID, Frequenz und Polarisation, dann nach Name zugeordnet: %n Unterschiede.</numerusform>
        </translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
</context>
<context>
    <name>CTavrelDlg</name>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Sat: %1</source>
        <translation>Sat: %1</translation>
    </message>
    <message>
        <source>TP: %1</source>
        <translation>TP: %1</translation>
    </message>
    <message>
        <source>TV: %1</source>
        <translation>TV: %1</translation>
    </message>
    <message>
        <source>Radio: %1</source>
        <translation>Radio: %1</translation>
    </message>
    <message>
        <source>The bin file is not right!</source>
        <translation>Die bin-Datei ist fehlerhaft!</translation>
    </message>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Bitte zuerst eine Datei öffnen oder auslesen!</translation>
    </message>
    <message>
        <source>Save Success!</source>
        <translation>Gespeichert!</translation>
    </message>
    <message>
        <source>Save changes to the image?</source>
        <translation>Änderungen am Abbild speichern?</translation>
    </message>
    <message>
        <source>Find rows by number, name or service id (Ctrl+F)</source>
        <translation>Zeilen nach Nummer, Name oder Service-ID suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 is what the step did, such as &quot;delete 2 programs&quot;.</extracomment>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 is what the step did, such as &quot;delete 2 programs&quot;.</extracomment>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>The transponder belongs to no satellite, so no list shows it.</source>
        <translation>Der Transponder gehört zu keinem Satelliten, daher zeigt ihn keine Liste.</translation>
    </message>
</context>
<context>
    <name>CheckListDlg</name>
    <message>
        <source>Remove duplicates</source>
        <translation>Duplikate entfernen</translation>
    </message>
    <message>
        <source>Remove orphans</source>
        <translation>Verwaiste entfernen</translation>
    </message>
    <message>
        <source>Check list</source>
        <translation>Liste prüfen</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <extracomment>%1 is &quot;3 errors&quot;, %2 is &quot;1 warning&quot;.</extracomment>
        <translation>Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>%1 (error): %2</source>
        <translation>%1 (Fehler): %2</translation>
    </message>
    <message>
        <source>%1 (warning): %2</source>
        <translation>%1 (Warnung): %2</translation>
    </message>
    <message>
        <source>%1 and %2. Double-click a finding to show its record.</source>
        <translation>%1 und %2. Doppelklick auf einen Befund zeigt seinen Eintrag.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>SatNO.</source>
        <translation>Sat-Nr.</translation>
    </message>
    <message>
        <source>SatName</source>
        <translation>Sat-Name</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>ProgNO.</source>
        <translation>Prog.-Nr.</translation>
    </message>
    <message>
        <source>ProgName</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>VideoPID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>AudioPID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCRPID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>ServiceID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Verschl.</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Tonspur</translation>
    </message>
    <message>
        <source>ChildLock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>Trickfilme</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>News</source>
        <translation>News</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Ab 18</translation>
    </message>
    <message>
        <source>BissKey(Hex)</source>
        <translation>BISS-Key (Hex)</translation>
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
        <source>Longitude</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>LnbFreLow</source>
        <translation>LNB tief</translation>
    </message>
    <message>
        <source>LnbFreHigh</source>
        <translation>LNB hoch</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Lnb Type</source>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>Lnb Power</source>
        <translation>LNB-Strom</translation>
    </message>
    <message>
        <source>DiSEqC1.0</source>
        <translation>DiSEqC 1.0</translation>
    </message>
    <message>
        <source>22K</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>DiSEqC1.2</source>
        <translation>DiSEqC 1.2</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12 V</translation>
    </message>
    <message>
        <source>TPIndex</source>
        <translation>TP-Nr.</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>A box left grey keeps each program&apos;s own setting.</source>
        <translation>Ein graues Kästchen ändert nichts.</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Close Com</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Dump</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Flashen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Service type</source>
        <translation>Diensttyp</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Xtal</source>
        <translation>Xtal</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>About Tavrel</source>
        <translation>Über Tavrel</translation>
    </message>
    <message>
        <source>The password shows as it is typed.</source>
        <translation>Das Passwort ist beim Tippen sichtbar.</translation>
    </message>
</context>
<context>
    <name>DiffText</name>
    <message>
        <source>satellites</source>
        <comment>table</comment>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>transponders</source>
        <comment>table</comment>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>tv</source>
        <comment>table</comment>
        <translation>TV</translation>
    </message>
    <message>
        <source>radio</source>
        <comment>table</comment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>%1 polarization %2 on %3</source>
        <extracomment>A transponder: %1 its frequency, %2 its polarization, %3 its satellite&apos;s name.</extracomment>
        <translation>%1 Polarisation %2 auf %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4</source>
        <extracomment>%1 table, %2 what happened, %3 the position, %4 the record.</extracomment>
        <translation>%1: %2 %3 %4</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4: %5</source>
        <extracomment>%1 table, %2 what happened, %3 the position, %4 the record, %5 its changed fields.</extracomment>
        <translation>%1: %2 %3 %4: %5</translation>
    </message>
    <message>
        <source>%1, in %2:</source>
        <extracomment>%1 is &quot;3 bytes differ&quot;, %2 is &quot;2 ranges&quot;.</extracomment>
        <translation>%1, in %2:</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) differ(s)</source>
        <translation>
            <numerusform>%n Byte weicht ab</numerusform>
            <numerusform>%n Bytes weichen ab</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n range(s)</source>
        <translation>
            <numerusform>%n Bereich</numerusform>
            <numerusform>%n Bereichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more range(s)</source>
        <translation>
            <numerusform>und %n weiterer Bereich</numerusform>
            <numerusform>und %n weitere Bereiche</numerusform>
        </translation>
    </message>
    <message>
        <source>Records not compared: the image or the flash does not decode.</source>
        <translation>Datensätze nicht verglichen: Abbild oder Flash lässt sich nicht dekodieren.</translation>
    </message>
    <message>
        <source>The records are the same; the bytes differ outside them.</source>
        <translation>Die Datensätze sind gleich; die Bytes weichen außerhalb davon ab.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) differ(s):</source>
        <translation>
            <numerusform>%n Datensatz weicht ab:</numerusform>
            <numerusform>%n Datensätze weichen ab:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more record(s)</source>
        <translation>
            <numerusform>und %n weiterer Datensatz</numerusform>
            <numerusform>und %n weitere Datensätze</numerusform>
        </translation>
    </message>
    <message>
        <source>table</source>
        <comment>field</comment>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>position</source>
        <comment>field</comment>
        <translation>Position</translation>
    </message>
    <message>
        <source>offset</source>
        <comment>field</comment>
        <translation>Offset</translation>
    </message>
    <message>
        <source>name</source>
        <comment>field</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>sat_id</source>
        <comment>field</comment>
        <translation>Satelliten-ID</translation>
    </message>
    <message>
        <source>tp_id</source>
        <comment>field</comment>
        <translation>Transponder-ID</translation>
    </message>
    <message>
        <source>satellite_position</source>
        <comment>field</comment>
        <translation>Satellitenposition</translation>
    </message>
    <message>
        <source>satellite_name</source>
        <comment>field</comment>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <source>transponder_position</source>
        <comment>field</comment>
        <translation>Transponderposition</translation>
    </message>
    <message>
        <source>frequency</source>
        <comment>field</comment>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>polarization</source>
        <comment>field</comment>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>symbol_rate</source>
        <comment>field</comment>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>longitude</source>
        <comment>field</comment>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>lnb_low</source>
        <comment>field</comment>
        <translation>LNB tief</translation>
    </message>
    <message>
        <source>lnb_high</source>
        <comment>field</comment>
        <translation>LNB hoch</translation>
    </message>
    <message>
        <source>lnb_type</source>
        <comment>field</comment>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>lnb_power</source>
        <comment>field</comment>
        <translation>LNB-Strom</translation>
    </message>
    <message>
        <source>tone_22k</source>
        <comment>field</comment>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>power_0_12v</source>
        <comment>field</comment>
        <translation>0/12 V</translation>
    </message>
    <message>
        <source>diseqc_10</source>
        <comment>field</comment>
        <translation>DiSEqC 1.0</translation>
    </message>
    <message>
        <source>diseqc_12</source>
        <comment>field</comment>
        <translation>DiSEqC 1.2</translation>
    </message>
    <message>
        <source>motor_position</source>
        <comment>field</comment>
        <translation>Motorposition</translation>
    </message>
    <message>
        <source>service_id</source>
        <comment>field</comment>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>video_pid</source>
        <comment>field</comment>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>audio_pid</source>
        <comment>field</comment>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>pcr_pid</source>
        <comment>field</comment>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>scramble</source>
        <comment>field</comment>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>track</source>
        <comment>field</comment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>child_lock</source>
        <comment>field</comment>
        <translation>Kindersicherung</translation>
    </message>
    <message>
        <source>favorites</source>
        <comment>field</comment>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>biss_key</source>
        <comment>field</comment>
        <translation>BISS-Key</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no value</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <extracomment>A field that changed: %1 the field, %2 its value before, %3 after.</extracomment>
        <translation>%1: %2 → %3</translation>
    </message>
</context>
<context>
    <name>EditorFields</name>
    <message>
        <source>0 to %1</source>
        <translation>0 bis %1</translation>
    </message>
    <message>
        <source>At most %1 bytes in code page %2</source>
        <translation>Höchstens %1 Bytes in Codepage %2</translation>
    </message>
    <message>
        <source>Up to %1 hex digits, blanks allowed</source>
        <translation>Bis zu %1 Hex-Ziffern, Leerzeichen erlaubt</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Bitte zuerst eine Datei öffnen oder auslesen!</translation>
    </message>
    <message>
        <source>The bin file is not right!</source>
        <translation>Die bin-Datei ist fehlerhaft!</translation>
    </message>
    <message>
        <source>The CSV is not imported; nothing changed.

%1</source>
        <translation>Die CSV wurde nicht importiert; nichts wurde geändert.

%1</translation>
    </message>
    <message>
        <source>The CSV could not be applied; nothing changed.</source>
        <translation>Die CSV konnte nicht angewandt werden; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The CSV changes nothing.</source>
        <translation>Die CSV ändert nichts.</translation>
    </message>
    <message>
        <source>The CSV lists another image&apos;s programs; they were matched by service id, frequency and polarization, then by name.</source>
        <translation>Die CSV listet die Programme eines anderen Abbilds; sie wurden nach Service-ID, Frequenz und Polarisation, dann nach Name zugeordnet.</translation>
    </message>
    <message>
        <source>These rows were not applied:
%1</source>
        <translation>Diese Zeilen wurden nicht angewandt:
%1</translation>
    </message>
    <message>
        <source>The two images hold the same channel list.</source>
        <translation>Beide Abbilder enthalten dieselbe Kanalliste.</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>Die Datei ist größer als %1.</translation>
    </message>
    <message>
        <source>import CSV</source>
        <comment>undo step</comment>
        <translation>CSV importieren</translation>
    </message>
</context>
<context>
    <name>FileReasonText</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>Ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>Ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>Ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>There is nothing to write</source>
        <translation>Es gibt nichts zu schreiben</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>satellite %1</source>
        <translation>Satellit %1</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>Transponder %1</translation>
    </message>
    <message>
        <source>TV program %1</source>
        <translation>TV-Programm %1</translation>
    </message>
    <message>
        <source>radio program %1</source>
        <translation>Radioprogramm %1</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot;</source>
        <translation>Satellit %1 „%2“</translation>
    </message>
    <message>
        <source>transponder %1 (id %2, %3 %4)</source>
        <extracomment>%1 is the transponder&apos;s number in the list; then its id, frequency and polarisation.</extracomment>
        <translation>Transponder %1 (ID %2, %3 %4)</translation>
    </message>
    <message>
        <source>TV program %1 &quot;%2&quot;</source>
        <translation>TV-Programm %1 „%2“</translation>
    </message>
    <message>
        <source>radio program %1 &quot;%2&quot;</source>
        <translation>Radioprogramm %1 „%2“</translation>
    </message>
    <message>
        <source>satellite table</source>
        <translation>Satellitentabelle</translation>
    </message>
    <message>
        <source>transponder table</source>
        <translation>Transpondertabelle</translation>
    </message>
    <message>
        <source>TV table</source>
        <translation>TV-Tabelle</translation>
    </message>
    <message>
        <source>radio table</source>
        <translation>Radiotabelle</translation>
    </message>
    <message>
        <source>%1: satellite id %2 names no satellite</source>
        <translation>%1: Satelliten-ID %2 nennt keinen Satelliten</translation>
    </message>
    <message>
        <source>%1: transponder id %2 names no transponder</source>
        <translation>%1: Transponder-ID %2 nennt keinen Transponder</translation>
    </message>
    <message>
        <source>%1: its id %2 is also that of %3</source>
        <translation>%1: ID %2 hat auch %3</translation>
    </message>
    <message>
        <source>%1: its id is also that of %2</source>
        <translation>%1: dieselbe ID hat auch %2</translation>
    </message>
    <message>
        <source>%1: same satellite, transponder and service id %2 as %3</source>
        <translation>%1: gleicher Satellit, Transponder und Service-ID %2 wie %3</translation>
    </message>
    <message>
        <source>%1: same satellite, frequency and polarisation as %2</source>
        <translation>%1: gleicher Satellit, Frequenz und Polarisation wie %2</translation>
    </message>
    <message>
        <source>%1: its record at %2 runs past the end of the image</source>
        <extracomment>%2 is the record&apos;s offset in the image, such as 0x0A1200.</extracomment>
        <translation>%1: der Datensatz bei %2 reicht über das Ende des Abbilds</translation>
    </message>
    <message>
        <source>%1: its record at %2 lies inside the directory block</source>
        <extracomment>%2 is the record&apos;s offset in the image, such as 0x0A1200.</extracomment>
        <translation>%1: der Datensatz bei %2 liegt im Verzeichnisblock</translation>
    </message>
    <message>
        <source>the TV and radio tables list %1 programs together; the receiver holds %2</source>
        <translation>TV- und Radiotabelle führen zusammen %1 Programme; der Receiver fasst %2</translation>
    </message>
    <message>
        <source>the %1 runs past the end of the directory block</source>
        <extracomment>%1 is a table such as &quot;satellite table&quot;.</extracomment>
        <translation>%1 reicht über das Ende des Verzeichnisblocks</translation>
    </message>
    <message>
        <source>the %1 lists %2 records; it holds %3</source>
        <extracomment>%1 is a table such as &quot;satellite table&quot;.</extracomment>
        <translation>%1 führt %2 Datensätze; sie fasst %3</translation>
    </message>
    <message>
        <source>%1: the name holds a control byte</source>
        <translation>%1: der Name enthält ein Steuerbyte</translation>
    </message>
    <message>
        <source>%1: the name holds bytes that code page %2 cannot show</source>
        <translation>%1: der Name enthält Bytes, die Codepage %2 nicht darstellen kann</translation>
    </message>
    <message>
        <source>%1 has no transponders</source>
        <translation>%1 hat keine Transponder</translation>
    </message>
    <message>
        <source>%1 carries no programs</source>
        <translation>%1 hat keine Programme</translation>
    </message>
    <message>
        <source>programs of no satellite</source>
        <translation>Programme ohne Satellit</translation>
    </message>
    <message>
        <source>programs of no transponder</source>
        <translation>Programme ohne Transponder</translation>
    </message>
    <message>
        <source>transponders of no satellite</source>
        <translation>Transponder ohne Satellit</translation>
    </message>
    <message>
        <source>satellite ids used twice</source>
        <translation>doppelt vergebene Satelliten-IDs</translation>
    </message>
    <message>
        <source>transponder ids used twice</source>
        <translation>doppelt vergebene Transponder-IDs</translation>
    </message>
    <message>
        <source>duplicate programs</source>
        <translation>doppelte Programme</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>doppelte Transponder</translation>
    </message>
    <message>
        <source>entries past the end of the image</source>
        <translation>Einträge hinter dem Ende des Abbilds</translation>
    </message>
    <message>
        <source>entries inside the directory block</source>
        <translation>Einträge im Verzeichnisblock</translation>
    </message>
    <message>
        <source>tables over their capacity</source>
        <translation>Tabellen über ihrer Kapazität</translation>
    </message>
    <message>
        <source>names with a control byte</source>
        <translation>Namen mit Steuerbyte</translation>
    </message>
    <message>
        <source>names the code page cannot show</source>
        <translation>Namen außerhalb der Codepage</translation>
    </message>
    <message>
        <source>satellites with no transponders</source>
        <translation>Satelliten ohne Transponder</translation>
    </message>
    <message>
        <source>transponders with no programs</source>
        <translation>Transponder ohne Programme</translation>
    </message>
    <message>
        <source>files shorter than their flash</source>
        <translation>Dateien kürzer als ihr Flash</translation>
    </message>
    <message>
        <source>%1; kept: another transponder has its id</source>
        <translation>%1; behalten: ein anderer Transponder hat dieselbe ID</translation>
    </message>
</context>
<context>
    <name>ImportProblemText</name>
    <message>
        <source>UTF-16 big-endian</source>
        <translation>UTF-16 Big-Endian</translation>
    </message>
    <message>
        <source>UTF-16 little-endian</source>
        <translation>UTF-16 Little-Endian</translation>
    </message>
    <message>
        <source>UTF-16 without a byte order mark</source>
        <translation>UTF-16 ohne Byte-Order-Mark</translation>
    </message>
    <message>
        <source>code page %1</source>
        <translation>Codepage %1</translation>
    </message>
    <message>
        <source>the file is %1 and ends in the middle of a character</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-16 big-endian&quot;.</extracomment>
        <translation>die Datei ist %1 und endet mitten in einem Zeichen</translation>
    </message>
    <message>
        <source>the file is %1 and has a broken character at byte %2</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-16 big-endian&quot;; %2 the byte&apos;s offset in the file.</extracomment>
        <translation>die Datei ist %1 und hat ein defektes Zeichen bei Byte %2</translation>
    </message>
    <message>
        <source>the file is in %1, an encoding import does not read; it reads UTF-8, UTF-16 with a byte order mark, and %2</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-32&quot;; %2 a code page, such as &quot;Windows-1251&quot;.</extracomment>
        <translation>die Datei ist in %1, einer Kodierung, die der Import nicht liest; er liest UTF-8, UTF-16 mit Byte-Order-Mark und %2</translation>
    </message>
    <message>
        <source>row %1, column %2: a byte that is not UTF-8, in a file that begins with the UTF-8 byte order mark; save it as UTF-8 again</source>
        <translation>Zeile %1, Spalte %2: ein Byte, das kein UTF-8 ist, in einer Datei, die mit der UTF-8-Byte-Order-Mark beginnt; speichern Sie sie erneut als UTF-8</translation>
    </message>
    <message>
        <source>row %1, column %2: a byte that is not UTF-8, in a file that holds UTF-8 characters elsewhere; save it as UTF-8 again</source>
        <translation>Zeile %1, Spalte %2: ein Byte, das kein UTF-8 ist, in einer Datei, die an anderer Stelle UTF-8-Zeichen enthält; speichern Sie sie erneut als UTF-8</translation>
    </message>
    <message>
        <source>read as %1: the file is not UTF-8</source>
        <extracomment>%1 is a code page, such as &quot;Windows-1251&quot;.</extracomment>
        <translation>als %1 gelesen: die Datei ist kein UTF-8</translation>
    </message>
    <message>
        <source>row %1: a quoted field is not closed</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>row %1: text follows a closing quote</source>
        <translation>Zeile %1: auf ein schließendes Anführungszeichen folgt Text</translation>
    </message>
    <message>
        <source>the CSV is empty</source>
        <translation>die CSV ist leer</translation>
    </message>
    <message>
        <source>row %1: unknown column %2</source>
        <extracomment>%2 is a column heading of the CSV file, in quotes.</extracomment>
        <translation>Zeile %1: unbekannte Spalte %2</translation>
    </message>
    <message>
        <source>row %1: the column %2 stands twice</source>
        <extracomment>%2 is a column heading of the CSV file, in quotes.</extracomment>
        <translation>Zeile %1: die Spalte %2 steht zweimal da</translation>
    </message>
    <message>
        <source>row %1: the column &quot;table&quot; is missing</source>
        <extracomment>&quot;table&quot; is the heading the CSV file needs: keep it in English.</extracomment>
        <translation>Zeile %1: die Spalte &quot;table&quot; fehlt</translation>
    </message>
    <message>
        <source>row %1: more fields than the header has columns</source>
        <translation>Zeile %1: mehr Felder, als die Kopfzeile Spalten hat</translation>
    </message>
    <message>
        <source>row %1: unknown table %2</source>
        <extracomment>%2 is the CSV row&apos;s &quot;table&quot; field, in quotes.</extracomment>
        <translation>Zeile %1: unbekannte Tabelle %2</translation>
    </message>
    <message>
        <source>row %1: the offset %2 is not a number</source>
        <translation>Zeile %1: der Offset %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>the CSV lists no TV or radio program, and --delete-missing would delete them all</source>
        <extracomment>--delete-missing is an option of tavrel-cli: keep it as it is.</extracomment>
        <translation>die CSV listet kein TV- oder Radioprogramm, und --delete-missing würde sie alle löschen</translation>
    </message>
    <message numerus="yes">
        <source>%n satellite and transponder rows are not applied; only TV and radio rows are</source>
        <translation>
            <numerusform>%n Satelliten- und Transponderzeile wird nicht angewandt; nur TV- und Radiozeilen werden es</numerusform>
            <numerusform>%n Satelliten- und Transponderzeilen werden nicht angewandt; nur TV- und Radiozeilen werden es</numerusform>
        </translation>
    </message>
    <message>
        <source>the column &quot;offset&quot; is missing; a list of another image is matched by reference</source>
        <extracomment>&quot;offset&quot; is a heading of the CSV file: keep it in English.</extracomment>
        <translation>die Spalte &quot;offset&quot; fehlt; die Liste eines anderen Abbilds wird nach Referenz zugeordnet</translation>
    </message>
    <message>
        <source>matching by reference needs the columns service_id, frequency and polarization, or name</source>
        <extracomment>service_id, frequency, polarization and name are headings of the CSV file: keep them in English.</extracomment>
        <translation>die Zuordnung nach Referenz braucht die Spalten service_id, frequency und polarization oder name</translation>
    </message>
    <message>
        <source>row %1 %2: no radio program at offset %3</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes, %3 an offset such as 0x0A1200.</extracomment>
        <translation>Zeile %1 %2: kein Radioprogramm bei Offset %3</translation>
    </message>
    <message>
        <source>row %1 %2: no tv program at offset %3</source>
        <translation>Zeile %1 %2: kein TV-Programm bei Offset %3</translation>
    </message>
    <message>
        <source>row %1 %2: no such program in the image</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes.</extracomment>
        <translation>Zeile %1 %2: kein solches Programm im Abbild</translation>
    </message>
    <message>
        <source>row %1 %2: several programs fit it; not applied</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes.</extracomment>
        <translation>Zeile %1 %2: mehrere Programme passen; nicht angewandt</translation>
    </message>
    <message>
        <source>row %1 %2: the same program as row %3; not applied</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes, %3 an earlier row of the CSV.</extracomment>
        <translation>Zeile %1 %2: dasselbe Programm wie Zeile %3; nicht angewandt</translation>
    </message>
    <message>
        <source>row %1: the offset %2 stands twice (also in row %3)</source>
        <extracomment>%3 is an earlier row of the CSV.</extracomment>
        <translation>Zeile %1: der Offset %2 steht zweimal da (auch in Zeile %3)</translation>
    </message>
    <message>
        <source>row %1: the program at offset %2 has service id %3, not %4; a list of another image is matched by reference</source>
        <translation>Zeile %1: das Programm bei Offset %2 hat die Service-ID %3, nicht %4; die Liste eines anderen Abbilds wird nach Referenz zugeordnet</translation>
    </message>
    <message>
        <source>row %1: the name %2 holds the control character %3; a name holds printable characters only</source>
        <extracomment>%3 is the character as an escape, such as <byte value="x1b"/>.</extracomment>
        <translation>Zeile %1: der Name %2 enthält das Steuerzeichen %3; ein Name enthält nur druckbare Zeichen</translation>
    </message>
    <message>
        <source>row %1: the name %2 has characters that code page %3 lacks</source>
        <translation>Zeile %1: der Name %2 hat Zeichen, die Codepage %3 nicht kennt</translation>
    </message>
    <message>
        <source>row %1: the name %2 takes %3 bytes in code page %4, more than the %5 that fit</source>
        <extracomment>%3 is the name&apos;s length in bytes, %4 a code page&apos;s number, %5 the bytes a name may take.</extracomment>
        <translation>Zeile %1: der Name %2 belegt %3 Bytes in Codepage %4, mehr als die %5, die passen</translation>
    </message>
    <message>
        <source>row %1: child_lock is %2; it is 1 for locked or 0</source>
        <extracomment>child_lock is a heading of the CSV file: keep it in English.</extracomment>
        <translation>Zeile %1: child_lock ist %2; es ist 1 für gesperrt oder 0</translation>
    </message>
    <message>
        <source>row %1: favorites %2 names a group other than Movies, Music, Cartoons, News, Sport and Adult</source>
        <extracomment>&quot;favorites&quot; and the group names are what the CSV file holds: keep them in English.</extracomment>
        <translation>Zeile %1: favorites %2 nennt eine andere Gruppe als Movies, Music, Cartoons, News, Sport und Adult</translation>
    </message>
    <message numerus="yes">
        <source>%1 differs in %n row(s); only table, offset, name, child_lock and favorites are applied</source>
        <extracomment>%1 is a heading of the CSV file; the headings after &quot;only&quot; are too: keep them in English.</extracomment>
        <translation>
            <numerusform>%1 weicht in %n Zeile ab; nur table, offset, name, child_lock und favorites werden angewandt</numerusform>
            <numerusform>%1 weicht in %n Zeilen ab; nur table, offset, name, child_lock und favorites werden angewandt</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 is not number;name;ONID-TSID-SID</source>
        <extracomment>A line of a text list; number;name;ONID-TSID-SID is the form each line has.</extracomment>
        <translation>Zeile %1: %2 hat nicht die Form number;name;ONID-TSID-SID</translation>
    </message>
    <message>
        <source>line %1: the number %2 is not a number</source>
        <translation>Zeile %1: die Nummer %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>line %1: the name %2 holds the control character %3</source>
        <extracomment>%3 is the character as an escape, such as <byte value="x1b"/>.</extracomment>
        <translation>Zeile %1: der Name %2 enthält das Steuerzeichen %3</translation>
    </message>
    <message>
        <source>line %1: %2 is not ONID-TSID-SID, three numbers joined by &apos;-&apos;</source>
        <translation>Zeile %1: %2 ist nicht ONID-TSID-SID, drei Zahlen, verbunden durch &apos;-&apos;</translation>
    </message>
    <message>
        <source>not a flash image: %1</source>
        <extracomment>%1 says why the image does not decode.</extracomment>
        <translation>kein Flash-Abbild: %1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weiteres</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>the image signature 6CGHLSWZ is missing</source>
        <translation>die Abbildsignatur 6CGHLSWZ fehlt</translation>
    </message>
    <message>
        <source>the image signature stands at offset 4</source>
        <translation>die Abbildsignatur steht bei Offset 4</translation>
    </message>
    <message>
        <source>no directory magic 77 02 AB CD follows the signature</source>
        <translation>auf die Signatur folgt keine Verzeichniskennung 77 02 AB CD</translation>
    </message>
    <message>
        <source>no directory block ends in the block marker 19 85 10 19</source>
        <translation>kein Verzeichnisblock endet mit der Blockmarke 19 85 10 19</translation>
    </message>
    <message>
        <source>the table lists more records than it holds</source>
        <translation>die Tabelle führt mehr Datensätze, als sie fasst</translation>
    </message>
    <message>
        <source>the table runs past the end of the directory block</source>
        <translation>die Tabelle reicht über das Ende des Verzeichnisblocks</translation>
    </message>
    <message>
        <source>the table lists a record that leaves the image</source>
        <translation>die Tabelle führt einen Datensatz, der aus dem Abbild hinausragt</translation>
    </message>
    <message>
        <source>TV and radio tables together list more than %1 programs</source>
        <extracomment>%1 is the most programs a receiver holds.</extracomment>
        <translation>TV- und Radiotabelle führen zusammen mehr als %1 Programme</translation>
    </message>
    <message>
        <source>no problem</source>
        <translation>kein Problem</translation>
    </message>
    <message>
        <source>table %1: %2</source>
        <extracomment>%1 is a table, such as &quot;tv&quot;; %2 what is wrong with it.</extracomment>
        <translation>Tabelle %1: %2</translation>
    </message>
</context>
<context>
    <name>KeptDumpsDlg</name>
    <message>
        <source>Open</source>
        <comment>a kept dump, as an image</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Show folder</source>
        <translation>Ordner zeigen</translation>
    </message>
    <message>
        <source>Kept dumps</source>
        <translation>Aufbewahrte Dumps</translation>
    </message>
    <message>
        <source>No dumps are kept in %1 yet.</source>
        <translation>In %1 sind noch keine Dumps aufbewahrt.</translation>
    </message>
    <message>
        <source>Every dump is kept in %1.</source>
        <translation>Jeder Dump wird in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>Column headings: when a dump was kept, its size, whether it decodes, its satellites, TV and radio programs.</extracomment>
        <translation>Aufbewahrt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Decodes</source>
        <translation>Lesbar</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Apply as reference</source>
        <translation>Als Referenz anwenden</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The locale&apos;s language</source>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Bitte zuerst eine Datei öffnen oder auslesen!</translation>
    </message>
    <message>
        <source>The channel list could not be rewritten; nothing was removed.</source>
        <translation>Die Kanalliste konnte nicht neu geschrieben werden; nichts wurde entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>The channel list has %n problem(s). Upgrade anyway?</source>
        <translation>
            <numerusform>Die Kanalliste hat %n Problem. Trotzdem flashen?</numerusform>
            <numerusform>Die Kanalliste hat %n Probleme. Trotzdem flashen?</numerusform>
        </translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>%1
The file is no longer there. It was removed from the recent files.</source>
        <translation>%1
Die Datei ist nicht mehr da. Sie wurde aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>remove duplicates</source>
        <comment>undo step</comment>
        <translation>Duplikate entfernen</translation>
    </message>
    <message>
        <source>remove orphans</source>
        <comment>undo step</comment>
        <translation>Verwaiste entfernen</translation>
    </message>
</context>
<context>
    <name>LoadersDlg</name>
    <message>
        <source>Loader blocks</source>
        <translation>Loader-Blöcke</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>These blocks cannot be used: %1</source>
        <translation>Diese Blöcke sind nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>Placeholders are sent only to a pseudo-terminal, such as the virtual receiver&apos;s. Put the receiver maker&apos;s blocks in %1.</source>
        <translation>Platzhalter gehen nur an ein Pseudoterminal wie das des virtuellen Receivers. Legen Sie die Blöcke des Receiverherstellers in %1.</translation>
    </message>
    <message>
        <source>%1: not a folder of loader blocks</source>
        <extracomment>%1 is the folder given for the loader blocks.</extracomment>
        <translation>%1: kein Ordner mit Loader-Blöcken</translation>
    </message>
    <message>
        <source>%1: more than %2 bytes, the receiver expects %2</source>
        <extracomment>%1 is a loader block&apos;s file; %2 the bytes it must hold.</extracomment>
        <translation>%1: mehr als %2 Bytes, der Receiver erwartet %2</translation>
    </message>
    <message>
        <source>%1: %2 bytes, the receiver expects %3</source>
        <extracomment>%1 is a loader block&apos;s file; %2 the bytes it holds, %3 the bytes it must hold.</extracomment>
        <translation>%1: %2 Bytes, der Receiver erwartet %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a loader block&apos;s file or folder; %2 why it cannot be read.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>MenuTemplate</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>recent files</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>kept dumps...</source>
        <translation>Aufbewahrte Dumps...</translation>
    </message>
    <message>
        <source>export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>import CSV...</source>
        <translation>CSV importieren...</translation>
    </message>
    <message>
        <source>compare with...</source>
        <translation>Vergleichen mit...</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>upgrade</source>
        <translation>Flashen</translation>
    </message>
    <message>
        <source>dump</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>ports...</source>
        <translation>Ports...</translation>
    </message>
    <message>
        <source>check list...</source>
        <translation>Liste prüfen...</translation>
    </message>
    <message>
        <source>loader blocks...</source>
        <translation>Loader-Blöcke...</translation>
    </message>
    <message>
        <source>advance</source>
        <translation>Erweiterter Modus</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>about</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move to position...</source>
        <translation>An Position verschieben...</translation>
    </message>
    <message>
        <source>Set favourites...</source>
        <translation>Favoriten setzen...</translation>
    </message>
    <message>
        <source>Set child lock...</source>
        <translation>Kindersicherung setzen...</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Nach Name sortieren</translation>
    </message>
    <message>
        <source>Sort by service id</source>
        <translation>Nach Service-ID sortieren</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>apply reference list...</source>
        <translation>Referenzliste anwenden...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>reference list</source>
        <translation>Referenzliste</translation>
    </message>
</context>
<context>
    <name>PassWord</name>
    <message>
        <source>Name or PassWord is error!</source>
        <translation>Name oder Passwort ist falsch!</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>PortOpenError</name>
    <message>
        <source>open in this program</source>
        <translation>in diesem Programm geöffnet</translation>
    </message>
    <message>
        <source>Your user must be in the group that owns the device (%1): sudo usermod -aG %1 $USER, then log in again.</source>
        <translation>Ihr Benutzer muss in der Gruppe des Geräts sein (%1): sudo usermod -aG %1 $USER, dann neu anmelden.</translation>
    </message>
    <message>
        <source>Your user is in the group %1, but this login session is not yet: log out and in again.</source>
        <translation>Ihr Benutzer ist in der Gruppe %1, diese Sitzung aber noch nicht: ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>Another program is using the port.</source>
        <translation>Ein anderes Programm benutzt den Port.</translation>
    </message>
    <message>
        <source>Another program is using the port: %1. Close it, then try again.</source>
        <extracomment>%1 names the programs, such as &quot;minicom (pid 4242)&quot;.</extracomment>
        <translation>Ein anderes Programm benutzt den Port: %1. Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>This is not a serial device.</source>
        <translation>Dies ist kein serielles Gerät.</translation>
    </message>
</context>
<context>
    <name>PortsDlg</name>
    <message>
        <source>Serial ports</source>
        <translation>Serielle Ports</translation>
    </message>
    <message>
        <source>Serial devices</source>
        <translation>Serielle Geräte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Choose the device this port opens. USB adapters are listed by their stable names, which stay the same on any socket.</source>
        <translation>Wählen Sie das Gerät, das dieser Port öffnet. USB-Adapter stehen unter ihren festen Namen, die an jeder Buchse gleich bleiben.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>TAVREL_COM%1 is set: %2 opens %3, whatever is chosen here.</source>
        <translation>TAVREL_COM%1 ist gesetzt: %2 öffnet %3, gleich was hier gewählt ist.</translation>
    </message>
    <message>
        <source>%1 opens %2.</source>
        <extracomment>%1 is a port (COM1), %2 a device file.</extracomment>
        <translation>%1 öffnet %2.</translation>
    </message>
    <message>
        <source>ready</source>
        <comment>a serial device this user can open</comment>
        <translation>bereit</translation>
    </message>
</context>
<context>
    <name>ProgEditDlg</name>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>UnLocked</source>
        <translation>Frei</translation>
    </message>
</context>
<context>
    <name>ProgramFlagsDlg</name>
    <message numerus="yes">
        <source>Edit %n program(s)</source>
        <translation>
            <numerusform>%n Programm bearbeiten</numerusform>
            <numerusform>%n Programme bearbeiten</numerusform>
        </translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>UnLocked</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>The list type is not right!</source>
        <translation>Der Listentyp ist falsch!</translation>
    </message>
    <message>
        <source>Move sat index is wrong!</source>
        <translation>Der Verschiebeindex des Satelliten ist falsch!</translation>
    </message>
    <message>
        <source>Move TP index is wrong!</source>
        <translation>Der Verschiebeindex des Transponders ist falsch!</translation>
    </message>
    <message>
        <source>Move Radio index is wrong!</source>
        <translation>Der Verschiebeindex der Radioprogramme ist falsch!</translation>
    </message>
    <message>
        <source>Move Tv index is wrong!</source>
        <translation>Der Verschiebeindex der TV-Programme ist falsch!</translation>
    </message>
    <message>
        <source>Move radio under tp index is wrong!</source>
        <translation>Der Verschiebeindex der Radioprogramme des Transponders ist falsch!</translation>
    </message>
    <message>
        <source>Move tv under tp index is wrong!</source>
        <translation>Der Verschiebeindex der TV-Programme des Transponders ist falsch!</translation>
    </message>
    <message>
        <source>Are you sure to delete!</source>
        <translation>Wirklich löschen?</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Move the selected rows to position (1 to %1):</source>
        <translation>Ausgewählte Zeilen an Position verschieben (1 bis %1):</translation>
    </message>
    <message numerus="yes">
        <source>delete %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n Satellit löschen</numerusform>
            <numerusform>%n Satelliten löschen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n Transponder löschen</numerusform>
            <numerusform>%n Transponder löschen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n Programm löschen</numerusform>
            <numerusform>%n Programme löschen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n Satellit verschieben</numerusform>
            <numerusform>%n Satelliten verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n Transponder verschieben</numerusform>
            <numerusform>%n Transponder verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n Programm verschieben</numerusform>
            <numerusform>%n Programme verschieben</numerusform>
        </translation>
    </message>
    <message>
        <source>edit satellite %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the satellite&apos;s name.</extracomment>
        <translation>Satellit %1 bearbeiten</translation>
    </message>
    <message>
        <source>edit transponder %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the transponder&apos;s frequency in MHz.</extracomment>
        <translation>Transponder %1 bearbeiten</translation>
    </message>
    <message>
        <source>edit program %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the program&apos;s name.</extracomment>
        <translation>Programm %1 bearbeiten</translation>
    </message>
    <message numerus="yes">
        <source>set favourites and child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>Favoriten und Kindersicherung von %n Programm setzen</numerusform>
            <numerusform>Favoriten und Kindersicherung von %n Programmen setzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favourites of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>Favoriten von %n Programm setzen</numerusform>
            <numerusform>Favoriten von %n Programmen setzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>Kindersicherung von %n Programm setzen</numerusform>
            <numerusform>Kindersicherung von %n Programmen setzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by name</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n Programm nach Name sortieren</numerusform>
            <numerusform>%n Programme nach Name sortieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by service id</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n Programm nach Service-ID sortieren</numerusform>
            <numerusform>%n Programme nach Service-ID sortieren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordList</name>
    <message>
        <source>SatNO.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>SatName</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Longitude(E)</source>
        <translation>Länge (O)</translation>
    </message>
    <message>
        <source>LnbType</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>LnbPower</source>
        <translation>LNB-Strom</translation>
    </message>
    <message>
        <source>LnbFreLow</source>
        <translation>LNB tief</translation>
    </message>
    <message>
        <source>LnbFreHigh</source>
        <translation>LNB hoch</translation>
    </message>
    <message>
        <source>22K</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12 V</translation>
    </message>
    <message>
        <source>DiSEqC1.0</source>
        <translation>DiSEqC 1.0</translation>
    </message>
    <message>
        <source>DiSEqC1.2En</source>
        <translation>DiSEqC 1.2</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>TpNO.</source>
        <translation>TP-Nr.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisat.</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>ProgNO.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>ProgName</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>ServiceID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>VideoPid</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>AudioPid</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PcrPid</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Verschl.</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>ChildLock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>LNB Type is error!</source>
        <translation>LNB-Typ ist fehlerhaft!</translation>
    </message>
    <message>
        <source>LNB Power is error!</source>
        <translation>LNB-Strom ist fehlerhaft!</translation>
    </message>
    <message>
        <source>Tv number under sat is wrong!</source>
        <translation>Die Zahl der TV-Programme des Satelliten ist falsch!</translation>
    </message>
    <message>
        <source>Radio number under sat is wrong!</source>
        <translation>Die Zahl der Radioprogramme des Satelliten ist falsch!</translation>
    </message>
</context>
<context>
    <name>ReferenceCommands</name>
    <message>
        <source>The bin file is not right!</source>
        <translation>Die bin-Datei ist fehlerhaft!</translation>
    </message>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Bitte zuerst eine Datei öffnen oder auslesen!</translation>
    </message>
    <message>
        <source>Apply reference list %1</source>
        <translation>Referenzliste %1 anwenden</translation>
    </message>
    <message>
        <source>The reference list could not be applied; nothing changed.</source>
        <translation>Die Referenzliste konnte nicht angewendet werden; nichts wurde geändert.</translation>
    </message>
</context>
<context>
    <name>ReferenceListWnd</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Reference list %1</source>
        <translation>Referenzliste %1</translation>
    </message>
    <message>
        <source>Reference rows</source>
        <translation>Referenzzeilen</translation>
    </message>
</context>
<context>
    <name>ReferencePreviewDlg</name>
    <message>
        <source>File...</source>
        <translation>Datei...</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Locks</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Delete the programs the reference does not list</source>
        <translation>Programme löschen, die die Referenz nicht enthält</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Show beside the list</source>
        <translation>Neben der Liste zeigen</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>Referenzliste anwenden</translation>
    </message>
    <message>
        <source>Choose a kept dump or a file</source>
        <translation>Aufbewahrten Dump oder Datei wählen</translation>
    </message>
    <message>
        <source>Kept dump of %1 (%2 TV, %3 radio)</source>
        <translation>Dump vom %1 (%2 TV, %3 Radio)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>Referenz:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Satellit:</translation>
    </message>
    <message>
        <source>Carry:</source>
        <translation>Übernehmen:</translation>
    </message>
    <message>
        <source>Image, CSV or text list (*.bin *.csv *.txt) (*.bin *.csv *.txt);;All files (*)</source>
        <translation>Abbild, CSV oder Textliste (*.bin *.csv *.txt) (*.bin *.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The reference cannot be used:</source>
        <translation>Die Referenz ist nicht verwendbar:</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>Die Datei ist größer als %1.</translation>
    </message>
    <message>
        <source>Reference rows</source>
        <translation>Referenzzeilen</translation>
    </message>
</context>
<context>
    <name>ReferenceTexts</name>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>TV oder Radio</translation>
    </message>
    <message>
        <source>fits several programs</source>
        <translation>passt zu mehreren Programmen</translation>
    </message>
    <message>
        <source>the program of No. %1</source>
        <translation>das Programm von Nr. %1</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>%1: %2 not found, %3 fit several programs, %4 repeated</source>
        <translation>%1: %2 nicht gefunden, %3 passen zu mehreren Programmen, %4 wiederholt</translation>
    </message>
    <message>
        <source>%1: %2 matched, %3 not found, %4 fit several programs, %5 repeated; not in the reference: %6</source>
        <translation>%1: %2 zugeordnet, %3 nicht gefunden, %4 passen zu mehreren Programmen, %5 wiederholt; nicht in der Referenz: %6</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>AllPrograms</source>
        <translation>Alle Programme</translation>
    </message>
    <message>
        <source>Satellite(%1)</source>
        <translation>Satelliten (%1)</translation>
    </message>
</context>
<context>
    <name>TpEditDlg</name>
    <message>
        <source>Can&apos;t find the current sat no.!</source>
        <translation>Die Nummer des aktuellen Satelliten fehlt!</translation>
    </message>
</context>
<context>
    <name>TransferControl</name>
    <message>
        <source>idle...</source>
        <translation>bereit...</translation>
    </message>
    <message>
        <source>The transfer trace is not written: %1</source>
        <translation>Das Übertragungsprotokoll wird nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Can&apos;t open port %1!</source>
        <translation>Port %1 lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>Open Com</source>
        <comment>opens the serial port</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Please reset the STB!</source>
        <translation>Gerät neu starten!</translation>
    </message>
    <message>
        <source>Reading...Please wait!</source>
        <translation>Lese... Bitte warten!</translation>
    </message>
    <message>
        <source>Please open file first!</source>
        <translation>Bitte zuerst eine Datei öffnen!</translation>
    </message>
    <message>
        <source>The receiver link was lost: %1</source>
        <translation>Die Verbindung zum Receiver ist abgerissen: %1</translation>
    </message>
    <message>
        <source>The receiver link was lost.
%1</source>
        <translation>Die Verbindung zum Receiver ist abgerissen.
%1</translation>
    </message>
    <message>
        <source>Dump kept in %1</source>
        <translation>Auslesung gespeichert in %1</translation>
    </message>
    <message>
        <source>The dump was not kept</source>
        <translation>Die Auslesung wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>The dump could not be kept in %1.
%2</source>
        <translation>Die Auslesung konnte nicht in %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>button: read the receiver&apos;s flash now</comment>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Read to read!</source>
        <translation>Bereit zum Lesen!</translation>
    </message>
    <message>
        <source>Upgrading,Please wait!</source>
        <translation>Flashe... Bitte warten!</translation>
    </message>
    <message>
        <source>Verify: press Read when the receiver is ready.</source>
        <extracomment>&quot;Read&quot; is the caption the Dump button takes when the receiver is ready.</extracomment>
        <translation>Prüfen: „Lesen“ drücken, sobald der Receiver bereit ist.</translation>
    </message>
    <message>
        <source>The receiver holds this image.</source>
        <translation>Der Receiver enthält dieses Abbild.</translation>
    </message>
    <message>
        <source>The receiver does not hold this image.</source>
        <translation>Der Receiver enthält nicht dieses Abbild.</translation>
    </message>
    <message>
        <source>Upgrade finished. To check it, choose Tools &quot;verify&quot; and reset the receiver again.</source>
        <extracomment>&quot;Tools&quot; and &quot;verify&quot; are the menu and its item as the menu bar names them.</extracomment>
        <translation>Flashen beendet. Zum Prüfen Extras „Prüfen“ wählen und den Receiver erneut starten.</translation>
    </message>
    <message>
        <source>Can&apos;t open the port!</source>
        <translation>Der Port lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>Can&apos;t open port!</source>
        <translation>Port lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>dump loader</source>
        <translation>Auslese-Loader</translation>
    </message>
    <message>
        <source>upgrade loader for 4M</source>
        <translation>Upgrade-Loader für 4M</translation>
    </message>
    <message>
        <source>upgrade loader for 8M</source>
        <translation>Upgrade-Loader für 8M</translation>
    </message>
    <message>
        <source>upgrade loader for 13.5M</source>
        <translation>Upgrade-Loader für 13.5M</translation>
    </message>
    <message>
        <source>upgrade loader for 16M</source>
        <translation>Upgrade-Loader für 16M</translation>
    </message>
    <message>
        <source>upgrade loader for 27M</source>
        <translation>Upgrade-Loader für 27M</translation>
    </message>
    <message>
        <source>stage-two image</source>
        <translation>Stage-Two-Abbild</translation>
    </message>
    <message>
        <source>the one built in</source>
        <translation>der eingebaute</translation>
    </message>
    <message>
        <source>The %1 (%2) is a placeholder, not the receiver maker&apos;s block, and a receiver cannot run it. Put the maker&apos;s %3 in %4 or in /usr/share/tavrel/loaders, or name its folder in %5.</source>
        <extracomment>%1 is a block such as &quot;dump loader&quot;, %2 where it came from, %3 its file name, %4 and %5 where to put it.</extracomment>
        <translation>Der %1 (%2) ist ein Platzhalter, nicht der Block des Receiver-Herstellers, und ein Receiver kann ihn nicht ausführen. Legen Sie die Datei %3 des Herstellers in %4 oder in /usr/share/tavrel/loaders ab, oder nennen Sie ihren Ordner in %5.</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Flashen</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>save</source>
        <extracomment>The title of the question whether to save changes.</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>bin file (*.bin) (*.bin *.s);;All file (*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>bin-Datei (*.bin) (*.bin *.s);;Alle Dateien (*.*) (*)</translation>
    </message>
    <message>
        <source>Bin文件(*.bin) (*.bin);;所有文件(*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>bin-Datei (*.bin) (*.bin);;Alle Dateien (*.*) (*)</translation>
    </message>
    <message>
        <source>CSV file (*.csv) (*.csv);;All file (*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>CSV-Datei (*.csv) (*.csv);;Alle Dateien (*.*) (*)</translation>
    </message>
</context>
<context>
    <name>ValueNames</name>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>18V</source>
        <translation>18 V</translation>
    </message>
    <message>
        <source>13V</source>
        <translation>13 V</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>Trickfilme</translation>
    </message>
    <message>
        <source>News</source>
        <translation>News</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Ab 18</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>DiSEqC1</source>
        <translation>DiSEqC 1</translation>
    </message>
    <message>
        <source>DiSEqC2</source>
        <translation>DiSEqC 2</translation>
    </message>
    <message>
        <source>DiSEqC3</source>
        <translation>DiSEqC 3</translation>
    </message>
    <message>
        <source>DiSEqC4</source>
        <translation>DiSEqC 4</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Polarisation: horizontal.</extracomment>
        <translation>H</translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>Polarisation: vertical.</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Audio track.</extracomment>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
</context>
<context>
    <name>VersionText</name>
    <message>
        <source>Tavrel Version %1</source>
        <translation>Tavrel Version %1</translation>
    </message>
</context>
</TS>
