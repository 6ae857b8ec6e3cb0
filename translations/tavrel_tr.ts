<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Table</source>
        <translation>Tablo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değişiklik</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Karşılaştırma</translation>
    </message>
    <message numerus="yes">
        <source>From the open image to %1, records matched by their offset: %n difference(s).</source>
        <translation>
            <numerusform>Açık görüntüden %1 dosyasına, kayıtlar konumlarına göre eşlendi: %n fark.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From the open image to %1, records matched by service id, frequency and polarization, then by name: %n difference(s).</source>
        <translation>
            <numerusform>Açık görüntüden %1 dosyasına, kayıtlar servis ID, frekans ve polarizasyona, sonra ada göre eşlendi: %n fark.</numerusform>
        </translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Farklar</translation>
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
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Sat: %1</source>
        <translation>Uydu: %1</translation>
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
        <translation>Radyo: %1</translation>
    </message>
    <message>
        <source>The bin file is not right!</source>
        <translation>bin dosyası hatalı!</translation>
    </message>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Önce bir dosya açın veya yedek alın!</translation>
    </message>
    <message>
        <source>Save Success!</source>
        <translation>Kaydedildi!</translation>
    </message>
    <message>
        <source>Save changes to the image?</source>
        <translation>Görüntüdeki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Find rows by number, name or service id (Ctrl+F)</source>
        <translation>Satırları numara, ad veya servis ID ile bul (Ctrl+F)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 is what the step did, such as &quot;delete 2 programs&quot;.</extracomment>
        <translation>Geri al: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 is what the step did, such as &quot;delete 2 programs&quot;.</extracomment>
        <translation>Yinele: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>The transponder belongs to no satellite, so no list shows it.</source>
        <translation>Transponder hiçbir uyduya ait değil, bu yüzden hiçbir listede görünmez.</translation>
    </message>
</context>
<context>
    <name>CheckListDlg</name>
    <message>
        <source>Remove duplicates</source>
        <translation>Kopyaları kaldır</translation>
    </message>
    <message>
        <source>Remove orphans</source>
        <translation>Sahipsizleri kaldır</translation>
    </message>
    <message>
        <source>Check list</source>
        <translation>Liste denetimi</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Bulgular</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <extracomment>%1 is &quot;3 errors&quot;, %2 is &quot;1 warning&quot;.</extracomment>
        <translation>Sorun bulunamadı.</translation>
    </message>
    <message>
        <source>%1 (error): %2</source>
        <translation>%1 (hata): %2</translation>
    </message>
    <message>
        <source>%1 (warning): %2</source>
        <translation>%1 (uyarı): %2</translation>
    </message>
    <message>
        <source>%1 and %2. Double-click a finding to show its record.</source>
        <translation>%1 ve %2. Kaydını görmek için bir bulguya çift tıklayın.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n hata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n uyarı</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>SatNO.</source>
        <translation>Uydu No</translation>
    </message>
    <message>
        <source>SatName</source>
        <translation>Uydu adı</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>ProgNO.</source>
        <translation>Kanal No</translation>
    </message>
    <message>
        <source>ProgName</source>
        <translation>Kanal adı</translation>
    </message>
    <message>
        <source>VideoPID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>AudioPID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCRPID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>ServiceID</source>
        <translation>Servis ID</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>ChildLock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmler</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>Çizgi film</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Spor</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Müzik</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Haberler</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Yetişkin</translation>
    </message>
    <message>
        <source>BissKey(Hex)</source>
        <translation>BISS anahtarı</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>LnbFreLow</source>
        <translation>LNB düşük</translation>
    </message>
    <message>
        <source>LnbFreHigh</source>
        <translation>LNB yüksek</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Lnb Type</source>
        <translation>LNB tipi</translation>
    </message>
    <message>
        <source>Lnb Power</source>
        <translation>LNB gücü</translation>
    </message>
    <message>
        <source>DiSEqC1.0</source>
        <translation>DiSEqC 1.0</translation>
    </message>
    <message>
        <source>22K</source>
        <translation>22K</translation>
    </message>
    <message>
        <source>DiSEqC1.2</source>
        <translation>DiSEqC 1.2</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12V</translation>
    </message>
    <message>
        <source>TPIndex</source>
        <translation>TP No</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>Sembol oranı</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>A box left grey keeps each program&apos;s own setting.</source>
        <translation>Gri bırakılan kutu her kanalın ayarını korur.</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Close Com</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Dump</source>
        <translation>Oku</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Service type</source>
        <translation>Servis türü</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Aktarım durumu</translation>
    </message>
    <message>
        <source>Xtal</source>
        <translation>Xtal</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>About Tavrel</source>
        <translation>Tavrel hakkında</translation>
    </message>
    <message>
        <source>The password shows as it is typed.</source>
        <translation>Parola yazılırken görünür.</translation>
    </message>
</context>
<context>
    <name>DiffText</name>
    <message>
        <source>satellites</source>
        <comment>table</comment>
        <translation>uydular</translation>
    </message>
    <message>
        <source>transponders</source>
        <comment>table</comment>
        <translation>transponderlar</translation>
    </message>
    <message>
        <source>tv</source>
        <comment>table</comment>
        <translation>tv</translation>
    </message>
    <message>
        <source>radio</source>
        <comment>table</comment>
        <translation>radyo</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>kaldırıldı</translation>
    </message>
    <message>
        <source>added</source>
        <translation>eklendi</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>taşındı</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>değişti</translation>
    </message>
    <message>
        <source>%1 polarization %2 on %3</source>
        <extracomment>A transponder: %1 its frequency, %2 its polarization, %3 its satellite&apos;s name.</extracomment>
        <translation>%1 polarizasyon %2, %3 üzerinde</translation>
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
        <translation>%1, %2 içinde:</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) differ(s)</source>
        <translation>
            <numerusform>%n bayt farklı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n range(s)</source>
        <translation>
            <numerusform>%n aralık</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more range(s)</source>
        <translation>
            <numerusform>ve %n aralık daha</numerusform>
        </translation>
    </message>
    <message>
        <source>Records not compared: the image or the flash does not decode.</source>
        <translation>Kayıtlar karşılaştırılmadı: görüntü veya flash çözülemiyor.</translation>
    </message>
    <message>
        <source>The records are the same; the bytes differ outside them.</source>
        <translation>Kayıtlar aynı; baytlar kayıtların dışında farklı.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) differ(s):</source>
        <translation>
            <numerusform>%n kayıt farklı:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more record(s)</source>
        <translation>
            <numerusform>ve %n kayıt daha</numerusform>
        </translation>
    </message>
    <message>
        <source>table</source>
        <comment>field</comment>
        <translation>tablo</translation>
    </message>
    <message>
        <source>position</source>
        <comment>field</comment>
        <translation>konum</translation>
    </message>
    <message>
        <source>offset</source>
        <comment>field</comment>
        <translation>ofset</translation>
    </message>
    <message>
        <source>name</source>
        <comment>field</comment>
        <translation>ad</translation>
    </message>
    <message>
        <source>sat_id</source>
        <comment>field</comment>
        <translation>uydu ID</translation>
    </message>
    <message>
        <source>tp_id</source>
        <comment>field</comment>
        <translation>transponder ID</translation>
    </message>
    <message>
        <source>satellite_position</source>
        <comment>field</comment>
        <translation>uydu konumu</translation>
    </message>
    <message>
        <source>satellite_name</source>
        <comment>field</comment>
        <translation>uydu adı</translation>
    </message>
    <message>
        <source>transponder_position</source>
        <comment>field</comment>
        <translation>transponder konumu</translation>
    </message>
    <message>
        <source>frequency</source>
        <comment>field</comment>
        <translation>frekans</translation>
    </message>
    <message>
        <source>polarization</source>
        <comment>field</comment>
        <translation>polarizasyon</translation>
    </message>
    <message>
        <source>symbol_rate</source>
        <comment>field</comment>
        <translation>sembol oranı</translation>
    </message>
    <message>
        <source>longitude</source>
        <comment>field</comment>
        <translation>boylam</translation>
    </message>
    <message>
        <source>lnb_low</source>
        <comment>field</comment>
        <translation>LNB düşük</translation>
    </message>
    <message>
        <source>lnb_high</source>
        <comment>field</comment>
        <translation>LNB yüksek</translation>
    </message>
    <message>
        <source>lnb_type</source>
        <comment>field</comment>
        <translation>LNB tipi</translation>
    </message>
    <message>
        <source>lnb_power</source>
        <comment>field</comment>
        <translation>LNB gücü</translation>
    </message>
    <message>
        <source>tone_22k</source>
        <comment>field</comment>
        <translation>22K</translation>
    </message>
    <message>
        <source>power_0_12v</source>
        <comment>field</comment>
        <translation>0/12V</translation>
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
        <translation>motor konumu</translation>
    </message>
    <message>
        <source>service_id</source>
        <comment>field</comment>
        <translation>servis ID</translation>
    </message>
    <message>
        <source>video_pid</source>
        <comment>field</comment>
        <translation>video PID</translation>
    </message>
    <message>
        <source>audio_pid</source>
        <comment>field</comment>
        <translation>ses PID</translation>
    </message>
    <message>
        <source>pcr_pid</source>
        <comment>field</comment>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>scramble</source>
        <comment>field</comment>
        <translation>şifreleme</translation>
    </message>
    <message>
        <source>track</source>
        <comment>field</comment>
        <translation>ses</translation>
    </message>
    <message>
        <source>child_lock</source>
        <comment>field</comment>
        <translation>çocuk kilidi</translation>
    </message>
    <message>
        <source>favorites</source>
        <comment>field</comment>
        <translation>favoriler</translation>
    </message>
    <message>
        <source>biss_key</source>
        <comment>field</comment>
        <translation>BISS anahtarı</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no value</comment>
        <translation>yok</translation>
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
        <translation>0 ile %1 arası</translation>
    </message>
    <message>
        <source>At most %1 bytes in code page %2</source>
        <translation>%2 kod sayfasında en çok %1 bayt</translation>
    </message>
    <message>
        <source>Up to %1 hex digits, blanks allowed</source>
        <translation>En çok %1 onaltılık rakam, boşluk olabilir</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Önce bir dosya açın veya yedek alın!</translation>
    </message>
    <message>
        <source>The bin file is not right!</source>
        <translation>bin dosyası hatalı!</translation>
    </message>
    <message>
        <source>The CSV is not imported; nothing changed.

%1</source>
        <translation>CSV içe aktarılmadı; hiçbir şey değişmedi.

%1</translation>
    </message>
    <message>
        <source>The CSV could not be applied; nothing changed.</source>
        <translation>CSV uygulanamadı; hiçbir şey değişmedi.</translation>
    </message>
    <message>
        <source>The CSV changes nothing.</source>
        <translation>CSV hiçbir şeyi değiştirmiyor.</translation>
    </message>
    <message>
        <source>The CSV lists another image&apos;s programs; they were matched by service id, frequency and polarization, then by name.</source>
        <translation>CSV başka bir görüntünün kanallarını listeliyor; servis ID, frekans ve polarizasyona, sonra ada göre eşlendiler.</translation>
    </message>
    <message>
        <source>These rows were not applied:
%1</source>
        <translation>Bu satırlar uygulanmadı:
%1</translation>
    </message>
    <message>
        <source>The two images hold the same channel list.</source>
        <translation>İki görüntüde aynı kanal listesi var.</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>Dosya %1&apos;den büyük.</translation>
    </message>
    <message>
        <source>import CSV</source>
        <comment>undo step</comment>
        <translation>CSV içe aktar</translation>
    </message>
</context>
<context>
    <name>FileReasonText</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>Bu bir adlandırılmış kanal, dosya değil</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>Bu bir aygıt, dosya değil</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>Bu bir soket, dosya değil</translation>
    </message>
    <message>
        <source>There is nothing to write</source>
        <translation>Yazılacak bir şey yok</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Normal bir dosya değil</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>satellite %1</source>
        <translation>uydu %1</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>transponder %1</translation>
    </message>
    <message>
        <source>TV program %1</source>
        <translation>TV kanalı %1</translation>
    </message>
    <message>
        <source>radio program %1</source>
        <translation>radyo kanalı %1</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot;</source>
        <translation>uydu %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>transponder %1 (id %2, %3 %4)</source>
        <extracomment>%1 is the transponder&apos;s number in the list; then its id, frequency and polarisation.</extracomment>
        <translation>transponder %1 (ID %2, %3 %4)</translation>
    </message>
    <message>
        <source>TV program %1 &quot;%2&quot;</source>
        <translation>TV kanalı %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>radio program %1 &quot;%2&quot;</source>
        <translation>radyo kanalı %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>satellite table</source>
        <translation>uydu tablosu</translation>
    </message>
    <message>
        <source>transponder table</source>
        <translation>transponder tablosu</translation>
    </message>
    <message>
        <source>TV table</source>
        <translation>TV tablosu</translation>
    </message>
    <message>
        <source>radio table</source>
        <translation>radyo tablosu</translation>
    </message>
    <message>
        <source>%1: satellite id %2 names no satellite</source>
        <translation>%1: uydu ID %2 hiçbir uyduyu göstermiyor</translation>
    </message>
    <message>
        <source>%1: transponder id %2 names no transponder</source>
        <translation>%1: transponder ID %2 hiçbir transponderı göstermiyor</translation>
    </message>
    <message>
        <source>%1: its id %2 is also that of %3</source>
        <translation>%1: ID %2 şununla aynı: %3</translation>
    </message>
    <message>
        <source>%1: its id is also that of %2</source>
        <translation>%1: ID şununla aynı: %2</translation>
    </message>
    <message>
        <source>%1: same satellite, transponder and service id %2 as %3</source>
        <translation>%1: uydu, transponder ve servis ID %2 şununla aynı: %3</translation>
    </message>
    <message>
        <source>%1: same satellite, frequency and polarisation as %2</source>
        <translation>%1: uydu, frekans ve polarizasyon şununla aynı: %2</translation>
    </message>
    <message>
        <source>%1: its record at %2 runs past the end of the image</source>
        <extracomment>%2 is the record&apos;s offset in the image, such as 0x0A1200.</extracomment>
        <translation>%1: %2 adresindeki kayıt görüntünün sonunu aşıyor</translation>
    </message>
    <message>
        <source>%1: its record at %2 lies inside the directory block</source>
        <extracomment>%2 is the record&apos;s offset in the image, such as 0x0A1200.</extracomment>
        <translation>%1: %2 adresindeki kayıt dizin bloğunun içinde</translation>
    </message>
    <message>
        <source>the TV and radio tables list %1 programs together; the receiver holds %2</source>
        <translation>TV ve radyo tabloları birlikte %1 kanal listeliyor; alıcı %2 kanal alır</translation>
    </message>
    <message>
        <source>the %1 runs past the end of the directory block</source>
        <extracomment>%1 is a table such as &quot;satellite table&quot;.</extracomment>
        <translation>%1 dizin bloğunun sonunu aşıyor</translation>
    </message>
    <message>
        <source>the %1 lists %2 records; it holds %3</source>
        <extracomment>%1 is a table such as &quot;satellite table&quot;.</extracomment>
        <translation>%1 %2 kayıt listeliyor; kapasitesi %3</translation>
    </message>
    <message>
        <source>%1: the name holds a control byte</source>
        <translation>%1: adda bir kontrol baytı var</translation>
    </message>
    <message>
        <source>%1: the name holds bytes that code page %2 cannot show</source>
        <translation>%1: adda kod sayfası %2 ile gösterilemeyen baytlar var</translation>
    </message>
    <message>
        <source>%1 has no transponders</source>
        <translation>%1: transponderı yok</translation>
    </message>
    <message>
        <source>%1 carries no programs</source>
        <translation>%1: kanalı yok</translation>
    </message>
    <message>
        <source>programs of no satellite</source>
        <translation>uydusu olmayan kanallar</translation>
    </message>
    <message>
        <source>programs of no transponder</source>
        <translation>transponderı olmayan kanallar</translation>
    </message>
    <message>
        <source>transponders of no satellite</source>
        <translation>uydusu olmayan transponderlar</translation>
    </message>
    <message>
        <source>satellite ids used twice</source>
        <translation>iki kez kullanılan uydu ID&apos;leri</translation>
    </message>
    <message>
        <source>transponder ids used twice</source>
        <translation>iki kez kullanılan transponder ID&apos;leri</translation>
    </message>
    <message>
        <source>duplicate programs</source>
        <translation>yinelenen kanallar</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>yinelenen transponderlar</translation>
    </message>
    <message>
        <source>entries past the end of the image</source>
        <translation>görüntünün sonunu aşan girdiler</translation>
    </message>
    <message>
        <source>entries inside the directory block</source>
        <translation>dizin bloğu içindeki girdiler</translation>
    </message>
    <message>
        <source>tables over their capacity</source>
        <translation>kapasitesini aşan tablolar</translation>
    </message>
    <message>
        <source>names with a control byte</source>
        <translation>kontrol baytı içeren adlar</translation>
    </message>
    <message>
        <source>names the code page cannot show</source>
        <translation>kod sayfasının gösteremediği adlar</translation>
    </message>
    <message>
        <source>satellites with no transponders</source>
        <translation>transponderı olmayan uydular</translation>
    </message>
    <message>
        <source>transponders with no programs</source>
        <translation>kanalı olmayan transponderlar</translation>
    </message>
    <message>
        <source>files shorter than their flash</source>
        <translation>flash&apos;ından kısa dosyalar</translation>
    </message>
    <message>
        <source>%1; kept: another transponder has its id</source>
        <translation>%1; tutuldu: başka bir transponder aynı ID&apos;ye sahip</translation>
    </message>
</context>
<context>
    <name>ImportProblemText</name>
    <message>
        <source>UTF-16 big-endian</source>
        <translation>UTF-16 big-endian</translation>
    </message>
    <message>
        <source>UTF-16 little-endian</source>
        <translation>UTF-16 little-endian</translation>
    </message>
    <message>
        <source>UTF-16 without a byte order mark</source>
        <translation>bayt sırası işareti olmayan UTF-16</translation>
    </message>
    <message>
        <source>code page %1</source>
        <translation>kod sayfası %1</translation>
    </message>
    <message>
        <source>the file is %1 and ends in the middle of a character</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-16 big-endian&quot;.</extracomment>
        <translation>dosya %1 ve bir karakterin ortasında bitiyor</translation>
    </message>
    <message>
        <source>the file is %1 and has a broken character at byte %2</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-16 big-endian&quot;; %2 the byte&apos;s offset in the file.</extracomment>
        <translation>dosya %1 ve %2. baytta bozuk bir karakter içeriyor</translation>
    </message>
    <message>
        <source>the file is in %1, an encoding import does not read; it reads UTF-8, UTF-16 with a byte order mark, and %2</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-32&quot;; %2 a code page, such as &quot;Windows-1251&quot;.</extracomment>
        <translation>dosya %1 kodlamasında, içe aktarma bu kodlamayı okumaz; UTF-8, bayt sırası işaretli UTF-16 ve %2 okur</translation>
    </message>
    <message>
        <source>row %1, column %2: a byte that is not UTF-8, in a file that begins with the UTF-8 byte order mark; save it as UTF-8 again</source>
        <translation>satır %1, sütun %2: UTF-8 bayt sırası işaretiyle başlayan bir dosyada UTF-8 olmayan bir bayt; dosyayı yeniden UTF-8 olarak kaydedin</translation>
    </message>
    <message>
        <source>row %1, column %2: a byte that is not UTF-8, in a file that holds UTF-8 characters elsewhere; save it as UTF-8 again</source>
        <translation>satır %1, sütun %2: başka yerlerinde UTF-8 karakterler bulunan bir dosyada UTF-8 olmayan bir bayt; dosyayı yeniden UTF-8 olarak kaydedin</translation>
    </message>
    <message>
        <source>read as %1: the file is not UTF-8</source>
        <extracomment>%1 is a code page, such as &quot;Windows-1251&quot;.</extracomment>
        <translation>%1 olarak okundu: dosya UTF-8 değil</translation>
    </message>
    <message>
        <source>row %1: a quoted field is not closed</source>
        <translation>satır %1: tırnak içindeki alan kapatılmamış</translation>
    </message>
    <message>
        <source>row %1: text follows a closing quote</source>
        <translation>satır %1: kapanış tırnağından sonra metin var</translation>
    </message>
    <message>
        <source>the CSV is empty</source>
        <translation>CSV boş</translation>
    </message>
    <message>
        <source>row %1: unknown column %2</source>
        <extracomment>%2 is a column heading of the CSV file, in quotes.</extracomment>
        <translation>satır %1: bilinmeyen sütun %2</translation>
    </message>
    <message>
        <source>row %1: the column %2 stands twice</source>
        <extracomment>%2 is a column heading of the CSV file, in quotes.</extracomment>
        <translation>satır %1: %2 sütunu iki kez var</translation>
    </message>
    <message>
        <source>row %1: the column &quot;table&quot; is missing</source>
        <extracomment>&quot;table&quot; is the heading the CSV file needs: keep it in English.</extracomment>
        <translation>satır %1: &quot;table&quot; sütunu eksik</translation>
    </message>
    <message>
        <source>row %1: more fields than the header has columns</source>
        <translation>satır %1: başlıktaki sütunlardan fazla alan var</translation>
    </message>
    <message>
        <source>row %1: unknown table %2</source>
        <extracomment>%2 is the CSV row&apos;s &quot;table&quot; field, in quotes.</extracomment>
        <translation>satır %1: bilinmeyen tablo %2</translation>
    </message>
    <message>
        <source>row %1: the offset %2 is not a number</source>
        <translation>satır %1: %2 ofseti bir sayı değil</translation>
    </message>
    <message>
        <source>the CSV lists no TV or radio program, and --delete-missing would delete them all</source>
        <extracomment>--delete-missing is an option of tavrel-cli: keep it as it is.</extracomment>
        <translation>CSV hiçbir TV ya da radyo kanalı listelemiyor ve --delete-missing hepsini silerdi</translation>
    </message>
    <message numerus="yes">
        <source>%n satellite and transponder rows are not applied; only TV and radio rows are</source>
        <translation>
            <numerusform>%n uydu ve transponder satırı uygulanmadı; yalnızca TV ve radyo satırları uygulanır</numerusform>
        </translation>
    </message>
    <message>
        <source>the column &quot;offset&quot; is missing; a list of another image is matched by reference</source>
        <extracomment>&quot;offset&quot; is a heading of the CSV file: keep it in English.</extracomment>
        <translation>&quot;offset&quot; sütunu eksik; başka bir görüntünün listesi referansa göre eşlenir</translation>
    </message>
    <message>
        <source>matching by reference needs the columns service_id, frequency and polarization, or name</source>
        <extracomment>service_id, frequency, polarization and name are headings of the CSV file: keep them in English.</extracomment>
        <translation>referansa göre eşleme için service_id, frequency ve polarization sütunları ya da name gerekir</translation>
    </message>
    <message>
        <source>row %1 %2: no radio program at offset %3</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes, %3 an offset such as 0x0A1200.</extracomment>
        <translation>satır %1 %2: %3 ofsetinde radyo kanalı yok</translation>
    </message>
    <message>
        <source>row %1 %2: no tv program at offset %3</source>
        <translation>satır %1 %2: %3 ofsetinde TV kanalı yok</translation>
    </message>
    <message>
        <source>row %1 %2: no such program in the image</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes.</extracomment>
        <translation>satır %1 %2: görüntüde böyle bir kanal yok</translation>
    </message>
    <message>
        <source>row %1 %2: several programs fit it; not applied</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes.</extracomment>
        <translation>satır %1 %2: birden çok kanal uyuyor; uygulanmadı</translation>
    </message>
    <message>
        <source>row %1 %2: the same program as row %3; not applied</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes, %3 an earlier row of the CSV.</extracomment>
        <translation>satır %1 %2: %3. satırla aynı kanal; uygulanmadı</translation>
    </message>
    <message>
        <source>row %1: the offset %2 stands twice (also in row %3)</source>
        <extracomment>%3 is an earlier row of the CSV.</extracomment>
        <translation>satır %1: %2 ofseti iki kez var (%3. satırda da)</translation>
    </message>
    <message>
        <source>row %1: the program at offset %2 has service id %3, not %4; a list of another image is matched by reference</source>
        <translation>satır %1: %2 ofsetindeki kanalın servis ID&apos;si %4 değil, %3; başka bir görüntünün listesi referansa göre eşlenir</translation>
    </message>
    <message>
        <source>row %1: the name %2 holds the control character %3; a name holds printable characters only</source>
        <extracomment>%3 is the character as an escape, such as <byte value="x1b"/>.</extracomment>
        <translation>satır %1: %2 adı %3 denetim karakterini içeriyor; ad yalnızca yazdırılabilir karakterler içerir</translation>
    </message>
    <message>
        <source>row %1: the name %2 has characters that code page %3 lacks</source>
        <translation>satır %1: %2 adında kod sayfası %3 içinde olmayan karakterler var</translation>
    </message>
    <message>
        <source>row %1: the name %2 takes %3 bytes in code page %4, more than the %5 that fit</source>
        <extracomment>%3 is the name&apos;s length in bytes, %4 a code page&apos;s number, %5 the bytes a name may take.</extracomment>
        <translation>satır %1: %2 adı kod sayfası %4 içinde %3 bayt tutuyor, sığan %5 bayttan fazla</translation>
    </message>
    <message>
        <source>row %1: child_lock is %2; it is 1 for locked or 0</source>
        <extracomment>child_lock is a heading of the CSV file: keep it in English.</extracomment>
        <translation>satır %1: child_lock %2; kilitli için 1 ya da 0 olur</translation>
    </message>
    <message>
        <source>row %1: favorites %2 names a group other than Movies, Music, Cartoons, News, Sport and Adult</source>
        <extracomment>&quot;favorites&quot; and the group names are what the CSV file holds: keep them in English.</extracomment>
        <translation>satır %1: favorites %2; Movies, Music, Cartoons, News, Sport ve Adult dışında bir grup adı veriyor</translation>
    </message>
    <message numerus="yes">
        <source>%1 differs in %n row(s); only table, offset, name, child_lock and favorites are applied</source>
        <extracomment>%1 is a heading of the CSV file; the headings after &quot;only&quot; are too: keep them in English.</extracomment>
        <translation>
            <numerusform>%1, %n satırda farklı; yalnızca table, offset, name, child_lock ve favorites uygulanır</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 is not number;name;ONID-TSID-SID</source>
        <extracomment>A line of a text list; number;name;ONID-TSID-SID is the form each line has.</extracomment>
        <translation>satır %1: %2, number;name;ONID-TSID-SID biçiminde değil</translation>
    </message>
    <message>
        <source>line %1: the number %2 is not a number</source>
        <translation>satır %1: %2 numarası bir sayı değil</translation>
    </message>
    <message>
        <source>line %1: the name %2 holds the control character %3</source>
        <extracomment>%3 is the character as an escape, such as <byte value="x1b"/>.</extracomment>
        <translation>satır %1: %2 adı %3 denetim karakterini içeriyor</translation>
    </message>
    <message>
        <source>line %1: %2 is not ONID-TSID-SID, three numbers joined by &apos;-&apos;</source>
        <translation>satır %1: %2, ONID-TSID-SID değil; &apos;-&apos; ile birleştirilmiş üç sayı olmalı</translation>
    </message>
    <message>
        <source>not a flash image: %1</source>
        <extracomment>%1 says why the image does not decode.</extracomment>
        <translation>flaş görüntüsü değil: %1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... ve %n tane daha</numerusform>
        </translation>
    </message>
    <message>
        <source>the image signature 6CGHLSWZ is missing</source>
        <translation>6CGHLSWZ görüntü imzası yok</translation>
    </message>
    <message>
        <source>the image signature stands at offset 4</source>
        <translation>görüntü imzası 4 ofsetinde duruyor</translation>
    </message>
    <message>
        <source>no directory magic 77 02 AB CD follows the signature</source>
        <translation>imzadan sonra 77 02 AB CD dizin işareti gelmiyor</translation>
    </message>
    <message>
        <source>no directory block ends in the block marker 19 85 10 19</source>
        <translation>hiçbir dizin bloğu 19 85 10 19 blok işaretiyle bitmiyor</translation>
    </message>
    <message>
        <source>the table lists more records than it holds</source>
        <translation>tablo alabileceğinden fazla kayıt listeliyor</translation>
    </message>
    <message>
        <source>the table runs past the end of the directory block</source>
        <translation>tablo dizin bloğunun sonunu aşıyor</translation>
    </message>
    <message>
        <source>the table lists a record that leaves the image</source>
        <translation>tablo görüntünün dışına taşan bir kayıt listeliyor</translation>
    </message>
    <message>
        <source>TV and radio tables together list more than %1 programs</source>
        <extracomment>%1 is the most programs a receiver holds.</extracomment>
        <translation>TV ve radyo tabloları birlikte %1&apos;den fazla kanal listeliyor</translation>
    </message>
    <message>
        <source>no problem</source>
        <translation>sorun yok</translation>
    </message>
    <message>
        <source>table %1: %2</source>
        <extracomment>%1 is a table, such as &quot;tv&quot;; %2 what is wrong with it.</extracomment>
        <translation>%1 tablosu: %2</translation>
    </message>
</context>
<context>
    <name>KeptDumpsDlg</name>
    <message>
        <source>Open</source>
        <comment>a kept dump, as an image</comment>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>Show folder</source>
        <translation>Klasörü göster</translation>
    </message>
    <message>
        <source>Kept dumps</source>
        <translation>Saklanan yedekler</translation>
    </message>
    <message>
        <source>No dumps are kept in %1 yet.</source>
        <translation>%1 içinde henüz saklanan yedek yok.</translation>
    </message>
    <message>
        <source>Every dump is kept in %1.</source>
        <translation>Her yedek %1 içinde saklanır.</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>Column headings: when a dump was kept, its size, whether it decodes, its satellites, TV and radio programs.</extracomment>
        <translation>Saklandı</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Decodes</source>
        <translation>Çözülür</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>evet</translation>
    </message>
    <message>
        <source>no</source>
        <translation>hayır</translation>
    </message>
    <message>
        <source>Apply as reference</source>
        <translation>Referans olarak uygula</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The locale&apos;s language</source>
        <translation>Sistem dili</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>Yeni dil bir sonraki açılışta görünür.</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Önce bir dosya açın veya yedek alın!</translation>
    </message>
    <message>
        <source>The channel list could not be rewritten; nothing was removed.</source>
        <translation>Kanal listesi yeniden yazılamadı; hiçbir şey kaldırılmadı.</translation>
    </message>
    <message numerus="yes">
        <source>The channel list has %n problem(s). Upgrade anyway?</source>
        <translation>
            <numerusform>Kanal listesinde %n sorun var. Yine de yüklensin mi?</numerusform>
        </translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Son dosya yok</translation>
    </message>
    <message>
        <source>%1
The file is no longer there. It was removed from the recent files.</source>
        <translation>%1
Dosya artık yok. Son dosyalardan kaldırıldı.</translation>
    </message>
    <message>
        <source>remove duplicates</source>
        <comment>undo step</comment>
        <translation>kopyaları kaldır</translation>
    </message>
    <message>
        <source>remove orphans</source>
        <comment>undo step</comment>
        <translation>sahipsizleri kaldır</translation>
    </message>
</context>
<context>
    <name>LoadersDlg</name>
    <message>
        <source>Loader blocks</source>
        <translation>Yükleyici blokları</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Blok</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bayt</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>Yer tutucu</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Kaynak</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>evet</translation>
    </message>
    <message>
        <source>no</source>
        <translation>hayır</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>yerleşik</translation>
    </message>
    <message>
        <source>These blocks cannot be used: %1</source>
        <translation>Bu bloklar kullanılamaz: %1</translation>
    </message>
    <message>
        <source>Placeholders are sent only to a pseudo-terminal, such as the virtual receiver&apos;s. Put the receiver maker&apos;s blocks in %1.</source>
        <translation>Yer tutucular yalnızca sanal alıcınınki gibi bir sözde uçbirime gönderilir. Alıcı üreticisinin bloklarını %1 içine koyun.</translation>
    </message>
    <message>
        <source>%1: not a folder of loader blocks</source>
        <extracomment>%1 is the folder given for the loader blocks.</extracomment>
        <translation>%1: yükleyici blokları klasörü değil</translation>
    </message>
    <message>
        <source>%1: more than %2 bytes, the receiver expects %2</source>
        <extracomment>%1 is a loader block&apos;s file; %2 the bytes it must hold.</extracomment>
        <translation>%1: %2 bayttan fazla, alıcı %2 bayt bekliyor</translation>
    </message>
    <message>
        <source>%1: %2 bytes, the receiver expects %3</source>
        <extracomment>%1 is a loader block&apos;s file; %2 the bytes it holds, %3 the bytes it must hold.</extracomment>
        <translation>%1: %2 bayt, alıcı %3 bayt bekliyor</translation>
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
        <translation>Dosya</translation>
    </message>
    <message>
        <source>open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>recent files</source>
        <translation>Son dosyalar</translation>
    </message>
    <message>
        <source>kept dumps...</source>
        <translation>Saklanan yedekler...</translation>
    </message>
    <message>
        <source>export CSV...</source>
        <translation>CSV olarak dışa aktar...</translation>
    </message>
    <message>
        <source>import CSV...</source>
        <translation>CSV içe aktar...</translation>
    </message>
    <message>
        <source>compare with...</source>
        <translation>Karşılaştır...</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Araçlar</translation>
    </message>
    <message>
        <source>upgrade</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>dump</source>
        <translation>Oku</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>Doğrula</translation>
    </message>
    <message>
        <source>ports...</source>
        <translation>Portlar...</translation>
    </message>
    <message>
        <source>check list...</source>
        <translation>Listeyi denetle...</translation>
    </message>
    <message>
        <source>loader blocks...</source>
        <translation>Yükleyici blokları...</translation>
    </message>
    <message>
        <source>advance</source>
        <translation>Gelişmiş mod</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>about</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>option</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Move to position...</source>
        <translation>Konuma taşı...</translation>
    </message>
    <message>
        <source>Set favourites...</source>
        <translation>Favorileri ayarla...</translation>
    </message>
    <message>
        <source>Set child lock...</source>
        <translation>Çocuk kilidi...</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Ada göre sırala</translation>
    </message>
    <message>
        <source>Sort by service id</source>
        <translation>Servis ID&apos;ye göre sırala</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>apply reference list...</source>
        <translation>Referans listesini uygula...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>reference list</source>
        <translation>Referans listesi</translation>
    </message>
</context>
<context>
    <name>PassWord</name>
    <message>
        <source>Name or PassWord is error!</source>
        <translation>Ad veya parola hatalı!</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Uyarı</translation>
    </message>
</context>
<context>
    <name>PortOpenError</name>
    <message>
        <source>open in this program</source>
        <translation>bu programda açık</translation>
    </message>
    <message>
        <source>Your user must be in the group that owns the device (%1): sudo usermod -aG %1 $USER, then log in again.</source>
        <translation>Kullanıcınız aygıtın sahibi olan grupta olmalı (%1): sudo usermod -aG %1 $USER, ardından yeniden oturum açın.</translation>
    </message>
    <message>
        <source>Your user is in the group %1, but this login session is not yet: log out and in again.</source>
        <translation>Kullanıcınız %1 grubunda, ancak bu oturum henüz değil: oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>Another program is using the port.</source>
        <translation>Portu başka bir program kullanıyor.</translation>
    </message>
    <message>
        <source>Another program is using the port: %1. Close it, then try again.</source>
        <extracomment>%1 names the programs, such as &quot;minicom (pid 4242)&quot;.</extracomment>
        <translation>Portu başka bir program kullanıyor: %1. Onu kapatıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>This is not a serial device.</source>
        <translation>Bu bir seri aygıt değil.</translation>
    </message>
</context>
<context>
    <name>PortsDlg</name>
    <message>
        <source>Serial ports</source>
        <translation>Seri portlar</translation>
    </message>
    <message>
        <source>Serial devices</source>
        <translation>Seri aygıtlar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Aygıt</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Choose the device this port opens. USB adapters are listed by their stable names, which stay the same on any socket.</source>
        <translation>Bu portun açacağı aygıtı seçin. USB adaptörleri, hangi yuvada olursa olsun değişmeyen kalıcı adlarıyla listelenir.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>TAVREL_COM%1 is set: %2 opens %3, whatever is chosen here.</source>
        <translation>TAVREL_COM%1 ayarlı: burada ne seçilirse seçilsin %2, %3 aygıtını açar.</translation>
    </message>
    <message>
        <source>%1 opens %2.</source>
        <extracomment>%1 is a port (COM1), %2 a device file.</extracomment>
        <translation>%1, %2 aygıtını açar.</translation>
    </message>
    <message>
        <source>ready</source>
        <comment>a serial device this user can open</comment>
        <translation>hazır</translation>
    </message>
</context>
<context>
    <name>ProgEditDlg</name>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>UnLocked</source>
        <translation>Açık</translation>
    </message>
</context>
<context>
    <name>ProgramFlagsDlg</name>
    <message numerus="yes">
        <source>Edit %n program(s)</source>
        <translation>
            <numerusform>%n kanalı düzenle</numerusform>
        </translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>UnLocked</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Değişmez</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>The list type is not right!</source>
        <translation>Liste türü hatalı!</translation>
    </message>
    <message>
        <source>Move sat index is wrong!</source>
        <translation>Uydu taşıma dizini yanlış!</translation>
    </message>
    <message>
        <source>Move TP index is wrong!</source>
        <translation>TP taşıma dizini yanlış!</translation>
    </message>
    <message>
        <source>Move Radio index is wrong!</source>
        <translation>Radyo taşıma dizini yanlış!</translation>
    </message>
    <message>
        <source>Move Tv index is wrong!</source>
        <translation>TV taşıma dizini yanlış!</translation>
    </message>
    <message>
        <source>Move radio under tp index is wrong!</source>
        <translation>TP altındaki radyo taşıma dizini yanlış!</translation>
    </message>
    <message>
        <source>Move tv under tp index is wrong!</source>
        <translation>TP altındaki TV taşıma dizini yanlış!</translation>
    </message>
    <message>
        <source>Are you sure to delete!</source>
        <translation>Silmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Hata!</translation>
    </message>
    <message>
        <source>Move the selected rows to position (1 to %1):</source>
        <translation>Seçili satırları şu konuma taşı (1 ile %1 arası):</translation>
    </message>
    <message numerus="yes">
        <source>delete %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n uyduyu sil</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n transponderı sil</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n kanalı sil</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n uyduyu taşı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n transponderı taşı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n kanalı taşı</numerusform>
        </translation>
    </message>
    <message>
        <source>edit satellite %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the satellite&apos;s name.</extracomment>
        <translation>%1 uydusunu düzenle</translation>
    </message>
    <message>
        <source>edit transponder %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the transponder&apos;s frequency in MHz.</extracomment>
        <translation>%1 transponderını düzenle</translation>
    </message>
    <message>
        <source>edit program %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the program&apos;s name.</extracomment>
        <translation>%1 kanalını düzenle</translation>
    </message>
    <message numerus="yes">
        <source>set favourites and child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n kanalın favorilerini ve çocuk kilidini ayarla</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favourites of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n kanalın favorilerini ayarla</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n kanalın çocuk kilidini ayarla</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by name</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n kanalı ada göre sırala</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by service id</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>%n kanalı servis ID&apos;ye göre sırala</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordList</name>
    <message>
        <source>SatNO.</source>
        <translation>No</translation>
    </message>
    <message>
        <source>SatName</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Longitude(E)</source>
        <translation>Boylam</translation>
    </message>
    <message>
        <source>LnbType</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>LnbPower</source>
        <translation>LNB gücü</translation>
    </message>
    <message>
        <source>LnbFreLow</source>
        <translation>LNB düşük</translation>
    </message>
    <message>
        <source>LnbFreHigh</source>
        <translation>LNB yük.</translation>
    </message>
    <message>
        <source>22K</source>
        <translation>22K</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12V</translation>
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
        <translation>Konum</translation>
    </message>
    <message>
        <source>TpNO.</source>
        <translation>TP No</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarite</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Sembol</translation>
    </message>
    <message>
        <source>ProgNO.</source>
        <translation>No</translation>
    </message>
    <message>
        <source>ProgName</source>
        <translation>Kanal adı</translation>
    </message>
    <message>
        <source>ServiceID</source>
        <translation>Servis ID</translation>
    </message>
    <message>
        <source>VideoPid</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>AudioPid</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PcrPid</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>ChildLock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>LNB Type is error!</source>
        <translation>LNB tipi hatalı!</translation>
    </message>
    <message>
        <source>LNB Power is error!</source>
        <translation>LNB gücü hatalı!</translation>
    </message>
    <message>
        <source>Tv number under sat is wrong!</source>
        <translation>Uydudaki TV kanalı sayısı yanlış!</translation>
    </message>
    <message>
        <source>Radio number under sat is wrong!</source>
        <translation>Uydudaki radyo kanalı sayısı yanlış!</translation>
    </message>
</context>
<context>
    <name>ReferenceCommands</name>
    <message>
        <source>The bin file is not right!</source>
        <translation>bin dosyası hatalı!</translation>
    </message>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Önce bir dosya açın veya yedek alın!</translation>
    </message>
    <message>
        <source>Apply reference list %1</source>
        <translation>%1 referans listesini uygula</translation>
    </message>
    <message>
        <source>The reference list could not be applied; nothing changed.</source>
        <translation>Referans listesi uygulanamadı; hiçbir şey değişmedi.</translation>
    </message>
</context>
<context>
    <name>ReferenceListWnd</name>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Bulunan</translation>
    </message>
    <message>
        <source>Reference list %1</source>
        <translation>Referans listesi %1</translation>
    </message>
    <message>
        <source>Reference rows</source>
        <translation>Referans satırları</translation>
    </message>
</context>
<context>
    <name>ReferencePreviewDlg</name>
    <message>
        <source>File...</source>
        <translation>Dosya...</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Sıra</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Adlar</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>Locks</source>
        <translation>Kilitler</translation>
    </message>
    <message>
        <source>Delete the programs the reference does not list</source>
        <translation>Referansta olmayan programları sil</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Show beside the list</source>
        <translation>Listenin yanında göster</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>Referans listesini uygula</translation>
    </message>
    <message>
        <source>Choose a kept dump or a file</source>
        <translation>Saklanan bir döküm ya da dosya seçin</translation>
    </message>
    <message>
        <source>Kept dump of %1 (%2 TV, %3 radio)</source>
        <translation>%1 tarihli döküm (%2 TV, %3 radyo)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>Servis kimliği</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Bulunan</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>Referans:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Uydu:</translation>
    </message>
    <message>
        <source>Carry:</source>
        <translation>Aktar:</translation>
    </message>
    <message>
        <source>Image, CSV or text list (*.bin *.csv *.txt) (*.bin *.csv *.txt);;All files (*)</source>
        <translation>Görüntü, CSV ya da metin listesi (*.bin *.csv *.txt) (*.bin *.csv *.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>The reference cannot be used:</source>
        <translation>Referans kullanılamıyor:</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>Dosya %1&apos;den büyük.</translation>
    </message>
    <message>
        <source>Reference rows</source>
        <translation>Referans satırları</translation>
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
        <translation>Radyo</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>TV ya da radyo</translation>
    </message>
    <message>
        <source>fits several programs</source>
        <translation>birden çok programa uyuyor</translation>
    </message>
    <message>
        <source>the program of No. %1</source>
        <translation>No. %1 ile aynı program</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>bulunamadı</translation>
    </message>
    <message>
        <source>%1: %2 not found, %3 fit several programs, %4 repeated</source>
        <translation>%1: %2 bulunamadı, %3 birden çok programa uyuyor, %4 yinelenen</translation>
    </message>
    <message>
        <source>%1: %2 matched, %3 not found, %4 fit several programs, %5 repeated; not in the reference: %6</source>
        <translation>%1: %2 eşleşti, %3 bulunamadı, %4 birden çok programa uyuyor, %5 yinelenen; referansta olmayan: %6</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>AllPrograms</source>
        <translation>Tüm kanallar</translation>
    </message>
    <message>
        <source>Satellite(%1)</source>
        <translation>Uydular (%1)</translation>
    </message>
</context>
<context>
    <name>TpEditDlg</name>
    <message>
        <source>Can&apos;t find the current sat no.!</source>
        <translation>Geçerli uydu numarası bulunamadı!</translation>
    </message>
</context>
<context>
    <name>TransferControl</name>
    <message>
        <source>idle...</source>
        <translation>boşta...</translation>
    </message>
    <message>
        <source>The transfer trace is not written: %1</source>
        <translation>Aktarım kaydı yazılmıyor: %1</translation>
    </message>
    <message>
        <source>Can&apos;t open port %1!</source>
        <translation>%1 portu açılamıyor!</translation>
    </message>
    <message>
        <source>Open Com</source>
        <comment>opens the serial port</comment>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Please reset the STB!</source>
        <translation>Alıcıyı resetleyin!</translation>
    </message>
    <message>
        <source>Reading...Please wait!</source>
        <translation>Okunuyor... Bekleyin!</translation>
    </message>
    <message>
        <source>Please open file first!</source>
        <translation>Önce bir dosya açın!</translation>
    </message>
    <message>
        <source>The receiver link was lost: %1</source>
        <translation>Alıcı bağlantısı koptu: %1</translation>
    </message>
    <message>
        <source>The receiver link was lost.
%1</source>
        <translation>Alıcı bağlantısı koptu.
%1</translation>
    </message>
    <message>
        <source>Dump kept in %1</source>
        <translation>Yedek şuraya kaydedildi: %1</translation>
    </message>
    <message>
        <source>The dump was not kept</source>
        <translation>Yedek kaydedilmedi</translation>
    </message>
    <message>
        <source>The dump could not be kept in %1.
%2</source>
        <translation>Yedek %1 içine kaydedilemedi.
%2</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>button: read the receiver&apos;s flash now</comment>
        <translation>Şimdi oku</translation>
    </message>
    <message>
        <source>Read to read!</source>
        <translation>Okumaya hazır!</translation>
    </message>
    <message>
        <source>Upgrading,Please wait!</source>
        <translation>Yükleniyor, bekleyin!</translation>
    </message>
    <message>
        <source>Verify: press Read when the receiver is ready.</source>
        <extracomment>&quot;Read&quot; is the caption the Dump button takes when the receiver is ready.</extracomment>
        <translation>Doğrulama: alıcı hazır olunca &quot;Şimdi oku&quot; düğmesine basın.</translation>
    </message>
    <message>
        <source>The receiver holds this image.</source>
        <translation>Alıcıdaki görüntü bununla aynı.</translation>
    </message>
    <message>
        <source>The receiver does not hold this image.</source>
        <translation>Alıcıdaki görüntü bundan farklı.</translation>
    </message>
    <message>
        <source>Upgrade finished. To check it, choose Tools &quot;verify&quot; and reset the receiver again.</source>
        <extracomment>&quot;Tools&quot; and &quot;verify&quot; are the menu and its item as the menu bar names them.</extracomment>
        <translation>Yükleme bitti. Denetlemek için Araçlar &quot;Doğrula&quot; seçin ve alıcıyı yeniden başlatın.</translation>
    </message>
    <message>
        <source>Can&apos;t open the port!</source>
        <translation>Port açılamıyor!</translation>
    </message>
    <message>
        <source>Can&apos;t open port!</source>
        <translation>Port açılamadı!</translation>
    </message>
    <message>
        <source>dump loader</source>
        <translation>okuma yükleyicisi</translation>
    </message>
    <message>
        <source>upgrade loader for 4M</source>
        <translation>4M için güncelleme yükleyicisi</translation>
    </message>
    <message>
        <source>upgrade loader for 8M</source>
        <translation>8M için güncelleme yükleyicisi</translation>
    </message>
    <message>
        <source>upgrade loader for 13.5M</source>
        <translation>13.5M için güncelleme yükleyicisi</translation>
    </message>
    <message>
        <source>upgrade loader for 16M</source>
        <translation>16M için güncelleme yükleyicisi</translation>
    </message>
    <message>
        <source>upgrade loader for 27M</source>
        <translation>27M için güncelleme yükleyicisi</translation>
    </message>
    <message>
        <source>stage-two image</source>
        <translation>ikinci aşama görüntüsü</translation>
    </message>
    <message>
        <source>the one built in</source>
        <translation>yerleşik olan</translation>
    </message>
    <message>
        <source>The %1 (%2) is a placeholder, not the receiver maker&apos;s block, and a receiver cannot run it. Put the maker&apos;s %3 in %4 or in /usr/share/tavrel/loaders, or name its folder in %5.</source>
        <extracomment>%1 is a block such as &quot;dump loader&quot;, %2 where it came from, %3 its file name, %4 and %5 where to put it.</extracomment>
        <translation>%1 (%2) bir yer tutucu; alıcı üreticisinin bloğu değil ve alıcı onu çalıştıramaz. Üreticinin %3 dosyasını %4 veya /usr/share/tavrel/loaders klasörüne koyun ya da klasörünü %5 içinde belirtin.</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>Check</source>
        <translation>Denetle</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>save</source>
        <extracomment>The title of the question whether to save changes.</extracomment>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>bin file (*.bin) (*.bin *.s);;All file (*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>bin dosyası (*.bin) (*.bin *.s);;Tüm dosyalar (*.*) (*)</translation>
    </message>
    <message>
        <source>Bin文件(*.bin) (*.bin);;所有文件(*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>bin dosyası (*.bin) (*.bin);;Tüm dosyalar (*.*) (*)</translation>
    </message>
    <message>
        <source>CSV file (*.csv) (*.csv);;All file (*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>CSV dosyası (*.csv) (*.csv);;Tüm dosyalar (*.*) (*)</translation>
    </message>
</context>
<context>
    <name>ValueNames</name>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Tekli</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>18V</source>
        <translation>18V</translation>
    </message>
    <message>
        <source>13V</source>
        <translation>13V</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmler</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Müzik</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>Çizgi film</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Haberler</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Spor</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Yetişkin</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
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
        <translation>Açık</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Polarisation: horizontal.</extracomment>
        <translation>Y</translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>Polarisation: vertical.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Audio track.</extracomment>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Sağ</translation>
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
        <translation>Tavrel Sürüm %1</translation>
    </message>
</context>
</TS>
