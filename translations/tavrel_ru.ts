<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнение</translation>
    </message>
    <message numerus="yes">
        <source>From the open image to %1, records matched by their offset: %n difference(s).</source>
        <translation>
            <numerusform>От открытого образа к %1, записи сопоставлены по смещению: %n различие.</numerusform>
            <numerusform>От открытого образа к %1, записи сопоставлены по смещению: %n различия.</numerusform>
            <numerusform>От открытого образа к %1, записи сопоставлены по смещению: %n различий.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From the open image to %1, records matched by service id, frequency and polarization, then by name: %n difference(s).</source>
        <translation>
            <numerusform>От открытого образа к %1, записи сопоставлены по SID, частоте и поляризации, затем по имени: %n различие.</numerusform>
            <numerusform>От открытого образа к %1, записи сопоставлены по SID, частоте и поляризации, затем по имени: %n различия.</numerusform>
            <numerusform>От открытого образа к %1, записи сопоставлены по SID, частоте и поляризации, затем по имени: %n различий.</numerusform>
        </translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Различия</translation>
    </message>
</context>
<context>
    <name>CTavrelDlg</name>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Sat: %1</source>
        <translation>Спут.: %1</translation>
    </message>
    <message>
        <source>TP: %1</source>
        <translation>ТП: %1</translation>
    </message>
    <message>
        <source>TV: %1</source>
        <translation>ТВ: %1</translation>
    </message>
    <message>
        <source>Radio: %1</source>
        <translation>Радио: %1</translation>
    </message>
    <message>
        <source>The bin file is not right!</source>
        <translation>Файл bin неверен!</translation>
    </message>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Сначала откройте файл или считайте дамп!</translation>
    </message>
    <message>
        <source>Save Success!</source>
        <translation>Сохранено!</translation>
    </message>
    <message>
        <source>Save changes to the image?</source>
        <translation>Сохранить изменения в образе?</translation>
    </message>
    <message>
        <source>Find rows by number, name or service id (Ctrl+F)</source>
        <translation>Поиск строк по номеру, имени или SID (Ctrl+F)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 is what the step did, such as &quot;delete 2 programs&quot;.</extracomment>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 is what the step did, such as &quot;delete 2 programs&quot;.</extracomment>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>The transponder belongs to no satellite, so no list shows it.</source>
        <translation>Транспондер не относится ни к одному спутнику, поэтому его нет ни в одном списке.</translation>
    </message>
</context>
<context>
    <name>CheckListDlg</name>
    <message>
        <source>Remove duplicates</source>
        <translation>Удалить дубликаты</translation>
    </message>
    <message>
        <source>Remove orphans</source>
        <translation>Удалить сироты</translation>
    </message>
    <message>
        <source>Check list</source>
        <translation>Проверка списка</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Находки</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <extracomment>%1 is &quot;3 errors&quot;, %2 is &quot;1 warning&quot;.</extracomment>
        <translation>Проблем не найдено.</translation>
    </message>
    <message>
        <source>%1 (error): %2</source>
        <translation>%1 (ошибка): %2</translation>
    </message>
    <message>
        <source>%1 (warning): %2</source>
        <translation>%1 (предупреждение): %2</translation>
    </message>
    <message>
        <source>%1 and %2. Double-click a finding to show its record.</source>
        <translation>%1 и %2. Дважды щёлкните находку, чтобы показать её запись.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n ошибка</numerusform>
            <numerusform>%n ошибки</numerusform>
            <numerusform>%n ошибок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n предупреждение</numerusform>
            <numerusform>%n предупреждения</numerusform>
            <numerusform>%n предупреждений</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>SatNO.</source>
        <translation>№ спут.</translation>
    </message>
    <message>
        <source>SatName</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>ProgNO.</source>
        <translation>№ канала</translation>
    </message>
    <message>
        <source>ProgName</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>VideoPID</source>
        <translation>Видео PID</translation>
    </message>
    <message>
        <source>AudioPID</source>
        <translation>Аудио PID</translation>
    </message>
    <message>
        <source>PCRPID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>ServiceID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Кодир.</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>ChildLock</source>
        <translation>Замок</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Фильмы</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>Мультики</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Спорт</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Новости</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Взрослые</translation>
    </message>
    <message>
        <source>BissKey(Hex)</source>
        <translation>Ключ BISS (hex)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>LnbFreLow</source>
        <translation>LNB нижн.</translation>
    </message>
    <message>
        <source>LnbFreHigh</source>
        <translation>LNB верхн.</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Lnb Type</source>
        <translation>Тип LNB</translation>
    </message>
    <message>
        <source>Lnb Power</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>DiSEqC1.0</source>
        <translation>DiSEqC 1.0</translation>
    </message>
    <message>
        <source>22K</source>
        <translation>22 кГц</translation>
    </message>
    <message>
        <source>DiSEqC1.2</source>
        <translation>DiSEqC 1.2</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12 В</translation>
    </message>
    <message>
        <source>TPIndex</source>
        <translation>№ ТП</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>Симв. скор.</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>A box left grey keeps each program&apos;s own setting.</source>
        <translation>Серый флажок оставляет настройку каждого канала.</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Close Com</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Dump</source>
        <translation>Считать</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Прошить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Service type</source>
        <translation>Тип сервиса</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>Ход передачи</translation>
    </message>
    <message>
        <source>Xtal</source>
        <translation>Xtal</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>About Tavrel</source>
        <translation>О программе Tavrel</translation>
    </message>
    <message>
        <source>The password shows as it is typed.</source>
        <translation>Пароль виден при вводе.</translation>
    </message>
</context>
<context>
    <name>DiffText</name>
    <message>
        <source>satellites</source>
        <comment>table</comment>
        <translation>спутники</translation>
    </message>
    <message>
        <source>transponders</source>
        <comment>table</comment>
        <translation>транспондеры</translation>
    </message>
    <message>
        <source>tv</source>
        <comment>table</comment>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>radio</source>
        <comment>table</comment>
        <translation>радио</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>удалена</translation>
    </message>
    <message>
        <source>added</source>
        <translation>добавлена</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>перемещена</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>изменена</translation>
    </message>
    <message>
        <source>%1 polarization %2 on %3</source>
        <extracomment>A transponder: %1 its frequency, %2 its polarization, %3 its satellite&apos;s name.</extracomment>
        <translation>%1 поляризация %2 на %3</translation>
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
        <translation>%1, в %2:</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) differ(s)</source>
        <translation>
            <numerusform>различается %n байт</numerusform>
            <numerusform>различаются %n байта</numerusform>
            <numerusform>различаются %n байтов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n range(s)</source>
        <translation>
            <numerusform>%n диапазоне</numerusform>
            <numerusform>%n диапазонах</numerusform>
            <numerusform>%n диапазонах</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more range(s)</source>
        <translation>
            <numerusform>и ещё %n диапазон</numerusform>
            <numerusform>и ещё %n диапазона</numerusform>
            <numerusform>и ещё %n диапазонов</numerusform>
        </translation>
    </message>
    <message>
        <source>Records not compared: the image or the flash does not decode.</source>
        <translation>Записи не сравнивались: образ или флеш-память не декодируется.</translation>
    </message>
    <message>
        <source>The records are the same; the bytes differ outside them.</source>
        <translation>Записи совпадают; байты различаются вне их.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) differ(s):</source>
        <translation>
            <numerusform>различается %n запись:</numerusform>
            <numerusform>различаются %n записи:</numerusform>
            <numerusform>различаются %n записей:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more record(s)</source>
        <translation>
            <numerusform>и ещё %n запись</numerusform>
            <numerusform>и ещё %n записи</numerusform>
            <numerusform>и ещё %n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>table</source>
        <comment>field</comment>
        <translation>таблица</translation>
    </message>
    <message>
        <source>position</source>
        <comment>field</comment>
        <translation>позиция</translation>
    </message>
    <message>
        <source>offset</source>
        <comment>field</comment>
        <translation>смещение</translation>
    </message>
    <message>
        <source>name</source>
        <comment>field</comment>
        <translation>имя</translation>
    </message>
    <message>
        <source>sat_id</source>
        <comment>field</comment>
        <translation>ID спутника</translation>
    </message>
    <message>
        <source>tp_id</source>
        <comment>field</comment>
        <translation>ID транспондера</translation>
    </message>
    <message>
        <source>satellite_position</source>
        <comment>field</comment>
        <translation>позиция спутника</translation>
    </message>
    <message>
        <source>satellite_name</source>
        <comment>field</comment>
        <translation>имя спутника</translation>
    </message>
    <message>
        <source>transponder_position</source>
        <comment>field</comment>
        <translation>позиция транспондера</translation>
    </message>
    <message>
        <source>frequency</source>
        <comment>field</comment>
        <translation>частота</translation>
    </message>
    <message>
        <source>polarization</source>
        <comment>field</comment>
        <translation>поляризация</translation>
    </message>
    <message>
        <source>symbol_rate</source>
        <comment>field</comment>
        <translation>символьная скорость</translation>
    </message>
    <message>
        <source>longitude</source>
        <comment>field</comment>
        <translation>долгота</translation>
    </message>
    <message>
        <source>lnb_low</source>
        <comment>field</comment>
        <translation>LNB нижний</translation>
    </message>
    <message>
        <source>lnb_high</source>
        <comment>field</comment>
        <translation>LNB верхний</translation>
    </message>
    <message>
        <source>lnb_type</source>
        <comment>field</comment>
        <translation>тип LNB</translation>
    </message>
    <message>
        <source>lnb_power</source>
        <comment>field</comment>
        <translation>питание LNB</translation>
    </message>
    <message>
        <source>tone_22k</source>
        <comment>field</comment>
        <translation>22 кГц</translation>
    </message>
    <message>
        <source>power_0_12v</source>
        <comment>field</comment>
        <translation>0/12 В</translation>
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
        <translation>позиция мотора</translation>
    </message>
    <message>
        <source>service_id</source>
        <comment>field</comment>
        <translation>SID</translation>
    </message>
    <message>
        <source>video_pid</source>
        <comment>field</comment>
        <translation>видео PID</translation>
    </message>
    <message>
        <source>audio_pid</source>
        <comment>field</comment>
        <translation>аудио PID</translation>
    </message>
    <message>
        <source>pcr_pid</source>
        <comment>field</comment>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>scramble</source>
        <comment>field</comment>
        <translation>кодирование</translation>
    </message>
    <message>
        <source>track</source>
        <comment>field</comment>
        <translation>звук</translation>
    </message>
    <message>
        <source>child_lock</source>
        <comment>field</comment>
        <translation>родительский замок</translation>
    </message>
    <message>
        <source>favorites</source>
        <comment>field</comment>
        <translation>избранное</translation>
    </message>
    <message>
        <source>biss_key</source>
        <comment>field</comment>
        <translation>ключ BISS</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no value</comment>
        <translation>нет</translation>
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
        <translation>От 0 до %1</translation>
    </message>
    <message>
        <source>At most %1 bytes in code page %2</source>
        <translation>Не более %1 байт в кодовой странице %2</translation>
    </message>
    <message>
        <source>Up to %1 hex digits, blanks allowed</source>
        <translation>До %1 шестнадцатеричных цифр, пробелы допустимы</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Сначала откройте файл или считайте дамп!</translation>
    </message>
    <message>
        <source>The bin file is not right!</source>
        <translation>Файл bin неверен!</translation>
    </message>
    <message>
        <source>The CSV is not imported; nothing changed.

%1</source>
        <translation>CSV не импортирован; ничего не изменилось.

%1</translation>
    </message>
    <message>
        <source>The CSV could not be applied; nothing changed.</source>
        <translation>CSV не удалось применить; ничего не изменилось.</translation>
    </message>
    <message>
        <source>The CSV changes nothing.</source>
        <translation>CSV ничего не меняет.</translation>
    </message>
    <message>
        <source>The CSV lists another image&apos;s programs; they were matched by service id, frequency and polarization, then by name.</source>
        <translation>В CSV перечислены каналы другого образа; они сопоставлены по SID, частоте и поляризации, затем по имени.</translation>
    </message>
    <message>
        <source>These rows were not applied:
%1</source>
        <translation>Эти строки не применены:
%1</translation>
    </message>
    <message>
        <source>The two images hold the same channel list.</source>
        <translation>В обоих образах одинаковый список каналов.</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>Файл больше %1.</translation>
    </message>
    <message>
        <source>import CSV</source>
        <comment>undo step</comment>
        <translation>импорт из CSV</translation>
    </message>
</context>
<context>
    <name>FileReasonText</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>Это именованный канал, а не файл</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>Это устройство, а не файл</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>Это сокет, а не файл</translation>
    </message>
    <message>
        <source>There is nothing to write</source>
        <translation>Нечего записывать</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Не обычный файл</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>satellite %1</source>
        <translation>спутник %1</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>транспондер %1</translation>
    </message>
    <message>
        <source>TV program %1</source>
        <translation>ТВ-канал %1</translation>
    </message>
    <message>
        <source>radio program %1</source>
        <translation>радиоканал %1</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot;</source>
        <translation>спутник %1 «%2»</translation>
    </message>
    <message>
        <source>transponder %1 (id %2, %3 %4)</source>
        <extracomment>%1 is the transponder&apos;s number in the list; then its id, frequency and polarisation.</extracomment>
        <translation>транспондер %1 (ID %2, %3 %4)</translation>
    </message>
    <message>
        <source>TV program %1 &quot;%2&quot;</source>
        <translation>ТВ-канал %1 «%2»</translation>
    </message>
    <message>
        <source>radio program %1 &quot;%2&quot;</source>
        <translation>радиоканал %1 «%2»</translation>
    </message>
    <message>
        <source>satellite table</source>
        <translation>таблица спутников</translation>
    </message>
    <message>
        <source>transponder table</source>
        <translation>таблица транспондеров</translation>
    </message>
    <message>
        <source>TV table</source>
        <translation>таблица ТВ</translation>
    </message>
    <message>
        <source>radio table</source>
        <translation>таблица радио</translation>
    </message>
    <message>
        <source>%1: satellite id %2 names no satellite</source>
        <translation>%1: ID спутника %2 не указывает ни на один спутник</translation>
    </message>
    <message>
        <source>%1: transponder id %2 names no transponder</source>
        <translation>%1: ID транспондера %2 не указывает ни на один транспондер</translation>
    </message>
    <message>
        <source>%1: its id %2 is also that of %3</source>
        <translation>%1: ID %2 такой же, как у: %3</translation>
    </message>
    <message>
        <source>%1: its id is also that of %2</source>
        <translation>%1: ID такой же, как у: %2</translation>
    </message>
    <message>
        <source>%1: same satellite, transponder and service id %2 as %3</source>
        <translation>%1: тот же спутник, транспондер и SID %2, что и у: %3</translation>
    </message>
    <message>
        <source>%1: same satellite, frequency and polarisation as %2</source>
        <translation>%1: тот же спутник, частота и поляризация, что и у: %2</translation>
    </message>
    <message>
        <source>%1: its record at %2 runs past the end of the image</source>
        <extracomment>%2 is the record&apos;s offset in the image, such as 0x0A1200.</extracomment>
        <translation>%1: запись по адресу %2 выходит за конец образа</translation>
    </message>
    <message>
        <source>%1: its record at %2 lies inside the directory block</source>
        <extracomment>%2 is the record&apos;s offset in the image, such as 0x0A1200.</extracomment>
        <translation>%1: запись по адресу %2 лежит внутри блока каталога</translation>
    </message>
    <message>
        <source>the TV and radio tables list %1 programs together; the receiver holds %2</source>
        <translation>таблицы ТВ и радио вместе содержат %1 каналов; приёмник вмещает %2</translation>
    </message>
    <message>
        <source>the %1 runs past the end of the directory block</source>
        <extracomment>%1 is a table such as &quot;satellite table&quot;.</extracomment>
        <translation>%1 выходит за конец блока каталога</translation>
    </message>
    <message>
        <source>the %1 lists %2 records; it holds %3</source>
        <extracomment>%1 is a table such as &quot;satellite table&quot;.</extracomment>
        <translation>%1 содержит %2 записей; вмещает %3</translation>
    </message>
    <message>
        <source>%1: the name holds a control byte</source>
        <translation>%1: имя содержит управляющий байт</translation>
    </message>
    <message>
        <source>%1: the name holds bytes that code page %2 cannot show</source>
        <translation>%1: имя содержит байты, которые кодовая страница %2 не может показать</translation>
    </message>
    <message>
        <source>%1 has no transponders</source>
        <translation>%1: нет транспондеров</translation>
    </message>
    <message>
        <source>%1 carries no programs</source>
        <translation>%1: нет каналов</translation>
    </message>
    <message>
        <source>programs of no satellite</source>
        <translation>каналы без спутника</translation>
    </message>
    <message>
        <source>programs of no transponder</source>
        <translation>каналы без транспондера</translation>
    </message>
    <message>
        <source>transponders of no satellite</source>
        <translation>транспондеры без спутника</translation>
    </message>
    <message>
        <source>satellite ids used twice</source>
        <translation>ID спутников, занятые дважды</translation>
    </message>
    <message>
        <source>transponder ids used twice</source>
        <translation>ID транспондеров, занятые дважды</translation>
    </message>
    <message>
        <source>duplicate programs</source>
        <translation>дубликаты каналов</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>дубликаты транспондеров</translation>
    </message>
    <message>
        <source>entries past the end of the image</source>
        <translation>записи за концом образа</translation>
    </message>
    <message>
        <source>entries inside the directory block</source>
        <translation>записи внутри блока каталога</translation>
    </message>
    <message>
        <source>tables over their capacity</source>
        <translation>таблицы сверх ёмкости</translation>
    </message>
    <message>
        <source>names with a control byte</source>
        <translation>имена с управляющим байтом</translation>
    </message>
    <message>
        <source>names the code page cannot show</source>
        <translation>имена вне кодовой страницы</translation>
    </message>
    <message>
        <source>satellites with no transponders</source>
        <translation>спутники без транспондеров</translation>
    </message>
    <message>
        <source>transponders with no programs</source>
        <translation>транспондеры без каналов</translation>
    </message>
    <message>
        <source>files shorter than their flash</source>
        <translation>файлы короче своей флеш-памяти</translation>
    </message>
    <message>
        <source>%1; kept: another transponder has its id</source>
        <translation>%1; оставлен: другой транспондер имеет тот же ID</translation>
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
        <translation>UTF-16 без метки порядка байтов</translation>
    </message>
    <message>
        <source>code page %1</source>
        <translation>кодовая страница %1</translation>
    </message>
    <message>
        <source>the file is %1 and ends in the middle of a character</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-16 big-endian&quot;.</extracomment>
        <translation>файл в кодировке %1 и обрывается посреди символа</translation>
    </message>
    <message>
        <source>the file is %1 and has a broken character at byte %2</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-16 big-endian&quot;; %2 the byte&apos;s offset in the file.</extracomment>
        <translation>файл в кодировке %1 и содержит испорченный символ в байте %2</translation>
    </message>
    <message>
        <source>the file is in %1, an encoding import does not read; it reads UTF-8, UTF-16 with a byte order mark, and %2</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-32&quot;; %2 a code page, such as &quot;Windows-1251&quot;.</extracomment>
        <translation>файл в кодировке %1, которую импорт не читает; он читает UTF-8, UTF-16 с меткой порядка байтов и %2</translation>
    </message>
    <message>
        <source>row %1, column %2: a byte that is not UTF-8, in a file that begins with the UTF-8 byte order mark; save it as UTF-8 again</source>
        <translation>строка %1, столбец %2: байт не в UTF-8, хотя файл начинается с метки порядка байтов UTF-8; сохраните его в UTF-8 заново</translation>
    </message>
    <message>
        <source>row %1, column %2: a byte that is not UTF-8, in a file that holds UTF-8 characters elsewhere; save it as UTF-8 again</source>
        <translation>строка %1, столбец %2: байт не в UTF-8, хотя в других местах файла есть символы UTF-8; сохраните его в UTF-8 заново</translation>
    </message>
    <message>
        <source>read as %1: the file is not UTF-8</source>
        <extracomment>%1 is a code page, such as &quot;Windows-1251&quot;.</extracomment>
        <translation>прочитан как %1: файл не в UTF-8</translation>
    </message>
    <message>
        <source>row %1: a quoted field is not closed</source>
        <translation>строка %1: поле в кавычках не закрыто</translation>
    </message>
    <message>
        <source>row %1: text follows a closing quote</source>
        <translation>строка %1: после закрывающей кавычки идёт текст</translation>
    </message>
    <message>
        <source>the CSV is empty</source>
        <translation>CSV пуст</translation>
    </message>
    <message>
        <source>row %1: unknown column %2</source>
        <extracomment>%2 is a column heading of the CSV file, in quotes.</extracomment>
        <translation>строка %1: неизвестный столбец %2</translation>
    </message>
    <message>
        <source>row %1: the column %2 stands twice</source>
        <extracomment>%2 is a column heading of the CSV file, in quotes.</extracomment>
        <translation>строка %1: столбец %2 указан дважды</translation>
    </message>
    <message>
        <source>row %1: the column &quot;table&quot; is missing</source>
        <extracomment>&quot;table&quot; is the heading the CSV file needs: keep it in English.</extracomment>
        <translation>строка %1: нет столбца &quot;table&quot;</translation>
    </message>
    <message>
        <source>row %1: more fields than the header has columns</source>
        <translation>строка %1: полей больше, чем столбцов в заголовке</translation>
    </message>
    <message>
        <source>row %1: unknown table %2</source>
        <extracomment>%2 is the CSV row&apos;s &quot;table&quot; field, in quotes.</extracomment>
        <translation>строка %1: неизвестная таблица %2</translation>
    </message>
    <message>
        <source>row %1: the offset %2 is not a number</source>
        <translation>строка %1: смещение %2 — не число</translation>
    </message>
    <message>
        <source>the CSV lists no TV or radio program, and --delete-missing would delete them all</source>
        <extracomment>--delete-missing is an option of tavrel-cli: keep it as it is.</extracomment>
        <translation>в CSV нет ни одного ТВ- или радиоканала, и --delete-missing удалил бы их все</translation>
    </message>
    <message numerus="yes">
        <source>%n satellite and transponder rows are not applied; only TV and radio rows are</source>
        <translation>
            <numerusform>%n строка спутников и транспондеров не применена; применяются только строки ТВ и радио</numerusform>
            <numerusform>%n строки спутников и транспондеров не применены; применяются только строки ТВ и радио</numerusform>
            <numerusform>%n строк спутников и транспондеров не применено; применяются только строки ТВ и радио</numerusform>
        </translation>
    </message>
    <message>
        <source>the column &quot;offset&quot; is missing; a list of another image is matched by reference</source>
        <extracomment>&quot;offset&quot; is a heading of the CSV file: keep it in English.</extracomment>
        <translation>нет столбца &quot;offset&quot;; список другого образа сопоставляется по эталону</translation>
    </message>
    <message>
        <source>matching by reference needs the columns service_id, frequency and polarization, or name</source>
        <extracomment>service_id, frequency, polarization and name are headings of the CSV file: keep them in English.</extracomment>
        <translation>для сопоставления по эталону нужны столбцы service_id, frequency и polarization или name</translation>
    </message>
    <message>
        <source>row %1 %2: no radio program at offset %3</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes, %3 an offset such as 0x0A1200.</extracomment>
        <translation>строка %1 %2: нет радиоканала по смещению %3</translation>
    </message>
    <message>
        <source>row %1 %2: no tv program at offset %3</source>
        <translation>строка %1 %2: нет ТВ-канала по смещению %3</translation>
    </message>
    <message>
        <source>row %1 %2: no such program in the image</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes.</extracomment>
        <translation>строка %1 %2: такого канала в образе нет</translation>
    </message>
    <message>
        <source>row %1 %2: several programs fit it; not applied</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes.</extracomment>
        <translation>строка %1 %2: подходят несколько каналов; не применена</translation>
    </message>
    <message>
        <source>row %1 %2: the same program as row %3; not applied</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes, %3 an earlier row of the CSV.</extracomment>
        <translation>строка %1 %2: тот же канал, что и в строке %3; не применена</translation>
    </message>
    <message>
        <source>row %1: the offset %2 stands twice (also in row %3)</source>
        <extracomment>%3 is an earlier row of the CSV.</extracomment>
        <translation>строка %1: смещение %2 указано дважды (также в строке %3)</translation>
    </message>
    <message>
        <source>row %1: the program at offset %2 has service id %3, not %4; a list of another image is matched by reference</source>
        <translation>строка %1: у канала по смещению %2 SID %3, а не %4; список другого образа сопоставляется по эталону</translation>
    </message>
    <message>
        <source>row %1: the name %2 holds the control character %3; a name holds printable characters only</source>
        <extracomment>%3 is the character as an escape, such as <byte value="x1b"/>.</extracomment>
        <translation>строка %1: имя %2 содержит управляющий символ %3; имя может содержать только печатные символы</translation>
    </message>
    <message>
        <source>row %1: the name %2 has characters that code page %3 lacks</source>
        <translation>строка %1: в имени %2 есть символы, которых нет в кодовой странице %3</translation>
    </message>
    <message>
        <source>row %1: the name %2 takes %3 bytes in code page %4, more than the %5 that fit</source>
        <extracomment>%3 is the name&apos;s length in bytes, %4 a code page&apos;s number, %5 the bytes a name may take.</extracomment>
        <translation>строка %1: имя %2 занимает %3 байт в кодовой странице %4, больше допустимых %5</translation>
    </message>
    <message>
        <source>row %1: child_lock is %2; it is 1 for locked or 0</source>
        <extracomment>child_lock is a heading of the CSV file: keep it in English.</extracomment>
        <translation>строка %1: child_lock равен %2; допустимо 1 (замок) или 0</translation>
    </message>
    <message>
        <source>row %1: favorites %2 names a group other than Movies, Music, Cartoons, News, Sport and Adult</source>
        <extracomment>&quot;favorites&quot; and the group names are what the CSV file holds: keep them in English.</extracomment>
        <translation>строка %1: favorites %2 называет группу, отличную от Movies, Music, Cartoons, News, Sport и Adult</translation>
    </message>
    <message numerus="yes">
        <source>%1 differs in %n row(s); only table, offset, name, child_lock and favorites are applied</source>
        <extracomment>%1 is a heading of the CSV file; the headings after &quot;only&quot; are too: keep them in English.</extracomment>
        <translation>
            <numerusform>%1 отличается в %n строке; применяются только table, offset, name, child_lock и favorites</numerusform>
            <numerusform>%1 отличается в %n строках; применяются только table, offset, name, child_lock и favorites</numerusform>
            <numerusform>%1 отличается в %n строках; применяются только table, offset, name, child_lock и favorites</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 is not number;name;ONID-TSID-SID</source>
        <extracomment>A line of a text list; number;name;ONID-TSID-SID is the form each line has.</extracomment>
        <translation>строка %1: %2 не в форме number;name;ONID-TSID-SID</translation>
    </message>
    <message>
        <source>line %1: the number %2 is not a number</source>
        <translation>строка %1: номер %2 — не число</translation>
    </message>
    <message>
        <source>line %1: the name %2 holds the control character %3</source>
        <extracomment>%3 is the character as an escape, such as <byte value="x1b"/>.</extracomment>
        <translation>строка %1: имя %2 содержит управляющий символ %3</translation>
    </message>
    <message>
        <source>line %1: %2 is not ONID-TSID-SID, three numbers joined by &apos;-&apos;</source>
        <translation>строка %1: %2 — не ONID-TSID-SID, три числа через &apos;-&apos;</translation>
    </message>
    <message>
        <source>not a flash image: %1</source>
        <extracomment>%1 says why the image does not decode.</extracomment>
        <translation>не образ флеш-памяти: %1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... и ещё %n</numerusform>
            <numerusform>... и ещё %n</numerusform>
            <numerusform>... и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>the image signature 6CGHLSWZ is missing</source>
        <translation>нет сигнатуры образа 6CGHLSWZ</translation>
    </message>
    <message>
        <source>the image signature stands at offset 4</source>
        <translation>сигнатура образа стоит по смещению 4</translation>
    </message>
    <message>
        <source>no directory magic 77 02 AB CD follows the signature</source>
        <translation>за сигнатурой не следует метка каталога 77 02 AB CD</translation>
    </message>
    <message>
        <source>no directory block ends in the block marker 19 85 10 19</source>
        <translation>ни один блок каталога не заканчивается маркером 19 85 10 19</translation>
    </message>
    <message>
        <source>the table lists more records than it holds</source>
        <translation>в таблице записей больше, чем она вмещает</translation>
    </message>
    <message>
        <source>the table runs past the end of the directory block</source>
        <translation>таблица выходит за конец блока каталога</translation>
    </message>
    <message>
        <source>the table lists a record that leaves the image</source>
        <translation>в таблице есть запись, выходящая за пределы образа</translation>
    </message>
    <message>
        <source>TV and radio tables together list more than %1 programs</source>
        <extracomment>%1 is the most programs a receiver holds.</extracomment>
        <translation>таблицы ТВ и радио вместе содержат больше %1 каналов</translation>
    </message>
    <message>
        <source>no problem</source>
        <translation>проблем нет</translation>
    </message>
    <message>
        <source>table %1: %2</source>
        <extracomment>%1 is a table, such as &quot;tv&quot;; %2 what is wrong with it.</extracomment>
        <translation>таблица %1: %2</translation>
    </message>
</context>
<context>
    <name>KeptDumpsDlg</name>
    <message>
        <source>Open</source>
        <comment>a kept dump, as an image</comment>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Show folder</source>
        <translation>Показать папку</translation>
    </message>
    <message>
        <source>Kept dumps</source>
        <translation>Сохранённые дампы</translation>
    </message>
    <message>
        <source>No dumps are kept in %1 yet.</source>
        <translation>В %1 пока нет сохранённых дампов.</translation>
    </message>
    <message>
        <source>Every dump is kept in %1.</source>
        <translation>Каждый дамп сохраняется в %1.</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>Column headings: when a dump was kept, its size, whether it decodes, its satellites, TV and radio programs.</extracomment>
        <translation>Сохранён</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Decodes</source>
        <translation>Читается</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Спутн.</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Apply as reference</source>
        <translation>Применить как эталон</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The locale&apos;s language</source>
        <translation>Язык системы</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>Новый язык появится при следующем запуске.</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Сначала откройте файл или считайте дамп!</translation>
    </message>
    <message>
        <source>The channel list could not be rewritten; nothing was removed.</source>
        <translation>Список каналов не удалось перезаписать; ничего не удалено.</translation>
    </message>
    <message numerus="yes">
        <source>The channel list has %n problem(s). Upgrade anyway?</source>
        <translation>
            <numerusform>В списке каналов %n проблема. Всё равно прошить?</numerusform>
            <numerusform>В списке каналов %n проблемы. Всё равно прошить?</numerusform>
            <numerusform>В списке каналов %n проблем. Всё равно прошить?</numerusform>
        </translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Нет недавних файлов</translation>
    </message>
    <message>
        <source>%1
The file is no longer there. It was removed from the recent files.</source>
        <translation>%1
Файла больше нет. Он удалён из недавних файлов.</translation>
    </message>
    <message>
        <source>remove duplicates</source>
        <comment>undo step</comment>
        <translation>удалить дубликаты</translation>
    </message>
    <message>
        <source>remove orphans</source>
        <comment>undo step</comment>
        <translation>удалить сироты</translation>
    </message>
</context>
<context>
    <name>LoadersDlg</name>
    <message>
        <source>Loader blocks</source>
        <translation>Блоки загрузчика</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Блок</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Байт</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>Заглушка</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Откуда</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>встроен</translation>
    </message>
    <message>
        <source>These blocks cannot be used: %1</source>
        <translation>Эти блоки нельзя использовать: %1</translation>
    </message>
    <message>
        <source>Placeholders are sent only to a pseudo-terminal, such as the virtual receiver&apos;s. Put the receiver maker&apos;s blocks in %1.</source>
        <translation>Заглушки отправляются только в псевдотерминал, например виртуального ресивера. Положите блоки производителя ресивера в %1.</translation>
    </message>
    <message>
        <source>%1: not a folder of loader blocks</source>
        <extracomment>%1 is the folder given for the loader blocks.</extracomment>
        <translation>%1: не папка с блоками загрузчика</translation>
    </message>
    <message>
        <source>%1: more than %2 bytes, the receiver expects %2</source>
        <extracomment>%1 is a loader block&apos;s file; %2 the bytes it must hold.</extracomment>
        <translation>%1: больше %2 байт, ресивер ожидает %2</translation>
    </message>
    <message>
        <source>%1: %2 bytes, the receiver expects %3</source>
        <extracomment>%1 is a loader block&apos;s file; %2 the bytes it holds, %3 the bytes it must hold.</extracomment>
        <translation>%1: %2 байт, ресивер ожидает %3</translation>
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
        <translation>Файл</translation>
    </message>
    <message>
        <source>open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>recent files</source>
        <translation>Недавние файлы</translation>
    </message>
    <message>
        <source>kept dumps...</source>
        <translation>Сохранённые дампы...</translation>
    </message>
    <message>
        <source>export CSV...</source>
        <translation>Экспорт в CSV...</translation>
    </message>
    <message>
        <source>import CSV...</source>
        <translation>Импорт из CSV...</translation>
    </message>
    <message>
        <source>compare with...</source>
        <translation>Сравнить с...</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>upgrade</source>
        <translation>Прошить</translation>
    </message>
    <message>
        <source>dump</source>
        <translation>Считать</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>ports...</source>
        <translation>Порты...</translation>
    </message>
    <message>
        <source>check list...</source>
        <translation>Проверить список...</translation>
    </message>
    <message>
        <source>loader blocks...</source>
        <translation>Блоки загрузчика...</translation>
    </message>
    <message>
        <source>advance</source>
        <translation>Расширенный режим</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>about</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>option</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Move to position...</source>
        <translation>Переместить на позицию...</translation>
    </message>
    <message>
        <source>Set favourites...</source>
        <translation>Избранное...</translation>
    </message>
    <message>
        <source>Set child lock...</source>
        <translation>Родительский замок...</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Сортировать по имени</translation>
    </message>
    <message>
        <source>Sort by service id</source>
        <translation>Сортировать по SID</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>apply reference list...</source>
        <translation>Применить эталонный список...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>reference list</source>
        <translation>Эталонный список</translation>
    </message>
</context>
<context>
    <name>PassWord</name>
    <message>
        <source>Name or PassWord is error!</source>
        <translation>Неверное имя или пароль!</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Предупреждение</translation>
    </message>
</context>
<context>
    <name>PortOpenError</name>
    <message>
        <source>open in this program</source>
        <translation>открыт в этой программе</translation>
    </message>
    <message>
        <source>Your user must be in the group that owns the device (%1): sudo usermod -aG %1 $USER, then log in again.</source>
        <translation>Пользователь должен входить в группу, которой принадлежит устройство (%1): sudo usermod -aG %1 $USER, затем войдите снова.</translation>
    </message>
    <message>
        <source>Your user is in the group %1, but this login session is not yet: log out and in again.</source>
        <translation>Пользователь входит в группу %1, но текущий сеанс ещё нет: выйдите и войдите снова.</translation>
    </message>
    <message>
        <source>Another program is using the port.</source>
        <translation>Порт занят другой программой.</translation>
    </message>
    <message>
        <source>Another program is using the port: %1. Close it, then try again.</source>
        <extracomment>%1 names the programs, such as &quot;minicom (pid 4242)&quot;.</extracomment>
        <translation>Порт занят другой программой: %1. Закройте её и повторите.</translation>
    </message>
    <message>
        <source>This is not a serial device.</source>
        <translation>Это не последовательное устройство.</translation>
    </message>
</context>
<context>
    <name>PortsDlg</name>
    <message>
        <source>Serial ports</source>
        <translation>Последовательные порты</translation>
    </message>
    <message>
        <source>Serial devices</source>
        <translation>Последовательные устройства</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Choose the device this port opens. USB adapters are listed by their stable names, which stay the same on any socket.</source>
        <translation>Выберите устройство, которое открывает этот порт. USB-адаптеры показаны под постоянными именами, которые не меняются от гнезда к гнезду.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>TAVREL_COM%1 is set: %2 opens %3, whatever is chosen here.</source>
        <translation>Задана TAVREL_COM%1: %2 открывает %3, что бы здесь ни было выбрано.</translation>
    </message>
    <message>
        <source>%1 opens %2.</source>
        <extracomment>%1 is a port (COM1), %2 a device file.</extracomment>
        <translation>%1 открывает %2.</translation>
    </message>
    <message>
        <source>ready</source>
        <comment>a serial device this user can open</comment>
        <translation>готов</translation>
    </message>
</context>
<context>
    <name>ProgEditDlg</name>
    <message>
        <source>Locked</source>
        <translation>Закрыт</translation>
    </message>
    <message>
        <source>UnLocked</source>
        <translation>Открыт</translation>
    </message>
</context>
<context>
    <name>ProgramFlagsDlg</name>
    <message numerus="yes">
        <source>Edit %n program(s)</source>
        <translation>
            <numerusform>Изменить %n канал</numerusform>
            <numerusform>Изменить %n канала</numerusform>
            <numerusform>Изменить %n каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Закрыт</translation>
    </message>
    <message>
        <source>UnLocked</source>
        <translation>Открыт</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Без изменений</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>The list type is not right!</source>
        <translation>Неверный тип списка!</translation>
    </message>
    <message>
        <source>Move sat index is wrong!</source>
        <translation>Неверный индекс перемещения спутника!</translation>
    </message>
    <message>
        <source>Move TP index is wrong!</source>
        <translation>Неверный индекс перемещения ТП!</translation>
    </message>
    <message>
        <source>Move Radio index is wrong!</source>
        <translation>Неверный индекс перемещения радио!</translation>
    </message>
    <message>
        <source>Move Tv index is wrong!</source>
        <translation>Неверный индекс перемещения ТВ!</translation>
    </message>
    <message>
        <source>Move radio under tp index is wrong!</source>
        <translation>Неверный индекс перемещения радио в ТП!</translation>
    </message>
    <message>
        <source>Move tv under tp index is wrong!</source>
        <translation>Неверный индекс перемещения ТВ в ТП!</translation>
    </message>
    <message>
        <source>Are you sure to delete!</source>
        <translation>Действительно удалить?</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Ошибка!</translation>
    </message>
    <message>
        <source>Move the selected rows to position (1 to %1):</source>
        <translation>Переместить выбранные строки на позицию (от 1 до %1):</translation>
    </message>
    <message numerus="yes">
        <source>delete %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>удалить %n спутник</numerusform>
            <numerusform>удалить %n спутника</numerusform>
            <numerusform>удалить %n спутников</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>удалить %n транспондер</numerusform>
            <numerusform>удалить %n транспондера</numerusform>
            <numerusform>удалить %n транспондеров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>удалить %n канал</numerusform>
            <numerusform>удалить %n канала</numerusform>
            <numerusform>удалить %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>переместить %n спутник</numerusform>
            <numerusform>переместить %n спутника</numerusform>
            <numerusform>переместить %n спутников</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>переместить %n транспондер</numerusform>
            <numerusform>переместить %n транспондера</numerusform>
            <numerusform>переместить %n транспондеров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>переместить %n канал</numerusform>
            <numerusform>переместить %n канала</numerusform>
            <numerusform>переместить %n каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>edit satellite %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the satellite&apos;s name.</extracomment>
        <translation>изменить спутник %1</translation>
    </message>
    <message>
        <source>edit transponder %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the transponder&apos;s frequency in MHz.</extracomment>
        <translation>изменить транспондер %1</translation>
    </message>
    <message>
        <source>edit program %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the program&apos;s name.</extracomment>
        <translation>изменить канал %1</translation>
    </message>
    <message numerus="yes">
        <source>set favourites and child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>избранное и родительский замок для %n канала</numerusform>
            <numerusform>избранное и родительский замок для %n каналов</numerusform>
            <numerusform>избранное и родительский замок для %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favourites of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>избранное для %n канала</numerusform>
            <numerusform>избранное для %n каналов</numerusform>
            <numerusform>избранное для %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>родительский замок для %n канала</numerusform>
            <numerusform>родительский замок для %n каналов</numerusform>
            <numerusform>родительский замок для %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by name</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>сортировать %n канал по имени</numerusform>
            <numerusform>сортировать %n канала по имени</numerusform>
            <numerusform>сортировать %n каналов по имени</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by service id</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>сортировать %n канал по SID</numerusform>
            <numerusform>сортировать %n канала по SID</numerusform>
            <numerusform>сортировать %n каналов по SID</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordList</name>
    <message>
        <source>SatNO.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>SatName</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Longitude(E)</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>LnbType</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>LnbPower</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>LnbFreLow</source>
        <translation>LNB нижн.</translation>
    </message>
    <message>
        <source>LnbFreHigh</source>
        <translation>LNB верх.</translation>
    </message>
    <message>
        <source>22K</source>
        <translation>22 кГц</translation>
    </message>
    <message>
        <source>0/12V</source>
        <translation>0/12 В</translation>
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
        <translation>Позиция</translation>
    </message>
    <message>
        <source>TpNO.</source>
        <translation>№ ТП</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Поляриз.</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Симв. ск.</translation>
    </message>
    <message>
        <source>ProgNO.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>ProgName</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>ServiceID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>VideoPid</source>
        <translation>Видео PID</translation>
    </message>
    <message>
        <source>AudioPid</source>
        <translation>Аудио PID</translation>
    </message>
    <message>
        <source>PcrPid</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Кодир.</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>ChildLock</source>
        <translation>Замок</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>LNB Type is error!</source>
        <translation>Ошибка типа LNB!</translation>
    </message>
    <message>
        <source>LNB Power is error!</source>
        <translation>Ошибка питания LNB!</translation>
    </message>
    <message>
        <source>Tv number under sat is wrong!</source>
        <translation>Неверное число ТВ-каналов у спутника!</translation>
    </message>
    <message>
        <source>Radio number under sat is wrong!</source>
        <translation>Неверное число радиоканалов у спутника!</translation>
    </message>
</context>
<context>
    <name>ReferenceCommands</name>
    <message>
        <source>The bin file is not right!</source>
        <translation>Файл bin неверен!</translation>
    </message>
    <message>
        <source>Please open file or dump first!</source>
        <translation>Сначала откройте файл или считайте дамп!</translation>
    </message>
    <message>
        <source>Apply reference list %1</source>
        <translation>Применить эталонный список %1</translation>
    </message>
    <message>
        <source>The reference list could not be applied; nothing changed.</source>
        <translation>Не удалось применить эталонный список; ничего не изменено.</translation>
    </message>
</context>
<context>
    <name>ReferenceListWnd</name>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Найдено</translation>
    </message>
    <message>
        <source>Reference list %1</source>
        <translation>Эталонный список %1</translation>
    </message>
    <message>
        <source>Reference rows</source>
        <translation>Строки эталонного списка</translation>
    </message>
</context>
<context>
    <name>ReferencePreviewDlg</name>
    <message>
        <source>File...</source>
        <translation>Файл...</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Порядок</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Имена</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Locks</source>
        <translation>Блокировки</translation>
    </message>
    <message>
        <source>Delete the programs the reference does not list</source>
        <translation>Удалить программы, которых нет в эталоне</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Show beside the list</source>
        <translation>Показать рядом со списком</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>Применить эталонный список</translation>
    </message>
    <message>
        <source>Choose a kept dump or a file</source>
        <translation>Выберите сохранённый дамп или файл</translation>
    </message>
    <message>
        <source>Kept dump of %1 (%2 TV, %3 radio)</source>
        <translation>Дамп от %1 (%2 ТВ, %3 радио)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Найдено</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>Эталон:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Спутник:</translation>
    </message>
    <message>
        <source>Carry:</source>
        <translation>Перенести:</translation>
    </message>
    <message>
        <source>Image, CSV or text list (*.bin *.csv *.txt) (*.bin *.csv *.txt);;All files (*)</source>
        <translation>Образ, CSV или текстовый список (*.bin *.csv *.txt) (*.bin *.csv *.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The reference cannot be used:</source>
        <translation>Эталон нельзя использовать:</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>Файл больше %1.</translation>
    </message>
    <message>
        <source>Reference rows</source>
        <translation>Строки эталонного списка</translation>
    </message>
</context>
<context>
    <name>ReferenceTexts</name>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>ТВ или радио</translation>
    </message>
    <message>
        <source>fits several programs</source>
        <translation>подходит нескольким программам</translation>
    </message>
    <message>
        <source>the program of No. %1</source>
        <translation>программа строки № %1</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не найдено</translation>
    </message>
    <message>
        <source>%1: %2 not found, %3 fit several programs, %4 repeated</source>
        <translation>%1: не найдено %2, подходят нескольким программам %3, повторов %4</translation>
    </message>
    <message>
        <source>%1: %2 matched, %3 not found, %4 fit several programs, %5 repeated; not in the reference: %6</source>
        <translation>%1: сопоставлено %2, не найдено %3, подходят нескольким программам %4, повторов %5; нет в эталоне: %6</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>AllPrograms</source>
        <translation>Все каналы</translation>
    </message>
    <message>
        <source>Satellite(%1)</source>
        <translation>Спутники (%1)</translation>
    </message>
</context>
<context>
    <name>TpEditDlg</name>
    <message>
        <source>Can&apos;t find the current sat no.!</source>
        <translation>Не найден номер текущего спутника!</translation>
    </message>
</context>
<context>
    <name>TransferControl</name>
    <message>
        <source>idle...</source>
        <translation>ожидание...</translation>
    </message>
    <message>
        <source>The transfer trace is not written: %1</source>
        <translation>Журнал обмена не записывается: %1</translation>
    </message>
    <message>
        <source>Can&apos;t open port %1!</source>
        <translation>Не удаётся открыть порт %1!</translation>
    </message>
    <message>
        <source>Open Com</source>
        <comment>opens the serial port</comment>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Please reset the STB!</source>
        <translation>Перезапуск STB!</translation>
    </message>
    <message>
        <source>Reading...Please wait!</source>
        <translation>Чтение, ждите!</translation>
    </message>
    <message>
        <source>Please open file first!</source>
        <translation>Сначала откройте файл!</translation>
    </message>
    <message>
        <source>The receiver link was lost: %1</source>
        <translation>Связь с ресивером потеряна: %1</translation>
    </message>
    <message>
        <source>The receiver link was lost.
%1</source>
        <translation>Связь с ресивером потеряна.
%1</translation>
    </message>
    <message>
        <source>Dump kept in %1</source>
        <translation>Дамп сохранён в %1</translation>
    </message>
    <message>
        <source>The dump was not kept</source>
        <translation>Дамп не сохранён</translation>
    </message>
    <message>
        <source>The dump could not be kept in %1.
%2</source>
        <translation>Не удалось сохранить дамп в %1.
%2</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>button: read the receiver&apos;s flash now</comment>
        <translation>Читать</translation>
    </message>
    <message>
        <source>Read to read!</source>
        <translation>Готов к чтению!</translation>
    </message>
    <message>
        <source>Upgrading,Please wait!</source>
        <translation>Прошивка, ждите!</translation>
    </message>
    <message>
        <source>Verify: press Read when the receiver is ready.</source>
        <extracomment>&quot;Read&quot; is the caption the Dump button takes when the receiver is ready.</extracomment>
        <translation>Проверка: нажмите «Читать», когда ресивер будет готов.</translation>
    </message>
    <message>
        <source>The receiver holds this image.</source>
        <translation>В ресивере этот образ.</translation>
    </message>
    <message>
        <source>The receiver does not hold this image.</source>
        <translation>В ресивере другой образ.</translation>
    </message>
    <message>
        <source>Upgrade finished. To check it, choose Tools &quot;verify&quot; and reset the receiver again.</source>
        <extracomment>&quot;Tools&quot; and &quot;verify&quot; are the menu and its item as the menu bar names them.</extracomment>
        <translation>Прошивка завершена. Чтобы проверить её, выберите Сервис «Проверить» и снова перезапустите ресивер.</translation>
    </message>
    <message>
        <source>Can&apos;t open the port!</source>
        <translation>Не удаётся открыть порт!</translation>
    </message>
    <message>
        <source>Can&apos;t open port!</source>
        <translation>Не удаётся открыть порт!</translation>
    </message>
    <message>
        <source>dump loader</source>
        <translation>загрузчик считывания</translation>
    </message>
    <message>
        <source>upgrade loader for 4M</source>
        <translation>загрузчик прошивки для 4M</translation>
    </message>
    <message>
        <source>upgrade loader for 8M</source>
        <translation>загрузчик прошивки для 8M</translation>
    </message>
    <message>
        <source>upgrade loader for 13.5M</source>
        <translation>загрузчик прошивки для 13.5M</translation>
    </message>
    <message>
        <source>upgrade loader for 16M</source>
        <translation>загрузчик прошивки для 16M</translation>
    </message>
    <message>
        <source>upgrade loader for 27M</source>
        <translation>загрузчик прошивки для 27M</translation>
    </message>
    <message>
        <source>stage-two image</source>
        <translation>образ второй ступени</translation>
    </message>
    <message>
        <source>the one built in</source>
        <translation>встроенный</translation>
    </message>
    <message>
        <source>The %1 (%2) is a placeholder, not the receiver maker&apos;s block, and a receiver cannot run it. Put the maker&apos;s %3 in %4 or in /usr/share/tavrel/loaders, or name its folder in %5.</source>
        <extracomment>%1 is a block such as &quot;dump loader&quot;, %2 where it came from, %3 its file name, %4 and %5 where to put it.</extracomment>
        <translation>%1 (%2) — заглушка, а не блок производителя приёмника; приёмник не может его выполнить. Положите файл %3 производителя в %4 или в /usr/share/tavrel/loaders либо укажите его папку в %5.</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>Check</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Прошить</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>save</source>
        <extracomment>The title of the question whether to save changes.</extracomment>
        <translation>Сохранение</translation>
    </message>
    <message>
        <source>bin file (*.bin) (*.bin *.s);;All file (*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>Файл bin (*.bin) (*.bin *.s);;Все файлы (*.*) (*)</translation>
    </message>
    <message>
        <source>Bin文件(*.bin) (*.bin);;所有文件(*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>Файл bin (*.bin) (*.bin);;Все файлы (*.*) (*)</translation>
    </message>
    <message>
        <source>CSV file (*.csv) (*.csv);;All file (*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>Файл CSV (*.csv) (*.csv);;Все файлы (*.*) (*)</translation>
    </message>
</context>
<context>
    <name>ValueNames</name>
    <message>
        <source>User</source>
        <translation>Польз.</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Одиночн.</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Универс.</translation>
    </message>
    <message>
        <source>18V</source>
        <translation>18 В</translation>
    </message>
    <message>
        <source>13V</source>
        <translation>13 В</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Фильмы</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>Мультики</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Новости</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Спорт</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>Взрослые</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл</translation>
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
        <translation>Вкл</translation>
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
        <translation>Левый</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Правый</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
</context>
<context>
    <name>VersionText</name>
    <message>
        <source>Tavrel Version %1</source>
        <translation>Tavrel, версия %1</translation>
    </message>
</context>
</TS>
