<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Table</source>
        <translation>الجدول</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>التغيير</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>المقارنة</translation>
    </message>
    <message numerus="yes">
        <source>From the open image to %1, records matched by their offset: %n difference(s).</source>
        <translation>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب موضعها: لا اختلافات.</numerusform>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب موضعها: اختلاف واحد.</numerusform>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب موضعها: اختلافان.</numerusform>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب موضعها: %n اختلافات.</numerusform>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب موضعها: %n اختلافًا.</numerusform>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب موضعها: %n اختلاف.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From the open image to %1, records matched by service id, frequency and polarization, then by name: %n difference(s).</source>
        <translation>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب رقم الخدمة والتردد والاستقطاب ثم الاسم: لا اختلافات.</numerusform>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب رقم الخدمة والتردد والاستقطاب ثم الاسم: اختلاف واحد.</numerusform>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب رقم الخدمة والتردد والاستقطاب ثم الاسم: اختلافان.</numerusform>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب رقم الخدمة والتردد والاستقطاب ثم الاسم: %n اختلافات.</numerusform>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب رقم الخدمة والتردد والاستقطاب ثم الاسم: %n اختلافًا.</numerusform>
            <numerusform>من الصورة المفتوحة إلى %1، مع مطابقة السجلات حسب رقم الخدمة والتردد والاستقطاب ثم الاسم: %n اختلاف.</numerusform>
        </translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>الاختلافات</translation>
    </message>
</context>
<context>
    <name>CTavrelDlg</name>
    <message>
        <source>TV</source>
        <translation>تلفاز</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Sat: %1</source>
        <translation>أقمار: %1</translation>
    </message>
    <message>
        <source>TP: %1</source>
        <translation>TP: %1</translation>
    </message>
    <message>
        <source>TV: %1</source>
        <translation>تلفاز: %1</translation>
    </message>
    <message>
        <source>Radio: %1</source>
        <translation>راديو: %1</translation>
    </message>
    <message>
        <source>The bin file is not right!</source>
        <translation>ملف bin غير صحيح!</translation>
    </message>
    <message>
        <source>Please open file or dump first!</source>
        <translation>افتح ملفًا أو اقرأ من الجهاز أولًا!</translation>
    </message>
    <message>
        <source>Save Success!</source>
        <translation>تم الحفظ!</translation>
    </message>
    <message>
        <source>Save changes to the image?</source>
        <translation>حفظ التغييرات في الصورة؟</translation>
    </message>
    <message>
        <source>Find rows by number, name or service id (Ctrl+F)</source>
        <translation>ابحث عن الصفوف بالرقم أو الاسم أو رقم الخدمة (Ctrl+F)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 is what the step did, such as &quot;delete 2 programs&quot;.</extracomment>
        <translation>تراجع: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 is what the step did, such as &quot;delete 2 programs&quot;.</extracomment>
        <translation>إعادة: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>The transponder belongs to no satellite, so no list shows it.</source>
        <translation>الترانسبوندر لا يتبع أي قمر، لذا لا تعرضه أي قائمة.</translation>
    </message>
</context>
<context>
    <name>CheckListDlg</name>
    <message>
        <source>Remove duplicates</source>
        <translation>إزالة المكرر</translation>
    </message>
    <message>
        <source>Remove orphans</source>
        <translation>إزالة اليتيمة</translation>
    </message>
    <message>
        <source>Check list</source>
        <translation>فحص القائمة</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <extracomment>%1 is &quot;3 errors&quot;, %2 is &quot;1 warning&quot;.</extracomment>
        <translation>لم يُعثر على مشكلات.</translation>
    </message>
    <message>
        <source>%1 (error): %2</source>
        <translation>%1 (خطأ): %2</translation>
    </message>
    <message>
        <source>%1 (warning): %2</source>
        <translation>%1 (تحذير): %2</translation>
    </message>
    <message>
        <source>%1 and %2. Double-click a finding to show its record.</source>
        <translation>%1 و%2. انقر نقرًا مزدوجًا على نتيجة لعرض سجلها.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>لا أخطاء</numerusform>
            <numerusform>خطأ واحد</numerusform>
            <numerusform>خطآن</numerusform>
            <numerusform>%n أخطاء</numerusform>
            <numerusform>%n خطأً</numerusform>
            <numerusform>%n خطأ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>لا تحذيرات</numerusform>
            <numerusform>تحذير واحد</numerusform>
            <numerusform>تحذيران</numerusform>
            <numerusform>%n تحذيرات</numerusform>
            <numerusform>%n تحذيرًا</numerusform>
            <numerusform>%n تحذير</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>SatNO.</source>
        <translation>رقم القمر</translation>
    </message>
    <message>
        <source>SatName</source>
        <translation>اسم القمر</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>ProgNO.</source>
        <translation>رقم القناة</translation>
    </message>
    <message>
        <source>ProgName</source>
        <translation>اسم القناة</translation>
    </message>
    <message>
        <source>VideoPID</source>
        <translation>PID فيديو</translation>
    </message>
    <message>
        <source>AudioPID</source>
        <translation>PID صوت</translation>
    </message>
    <message>
        <source>PCRPID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>ServiceID</source>
        <translation>رقم الخدمة</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>مشفّرة</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>ChildLock</source>
        <translation>قفل الأطفال</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>أفلام</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>كرتون</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>رياضة</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>موسيقى</translation>
    </message>
    <message>
        <source>News</source>
        <translation>أخبار</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>للكبار</translation>
    </message>
    <message>
        <source>BissKey(Hex)</source>
        <translation>مفتاح BISS</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>LnbFreLow</source>
        <translation>LNB منخفض</translation>
    </message>
    <message>
        <source>LnbFreHigh</source>
        <translation>LNB مرتفع</translation>
    </message>
    <message>
        <source>Postion</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Lnb Type</source>
        <translation>نوع LNB</translation>
    </message>
    <message>
        <source>Lnb Power</source>
        <translation>تغذية LNB</translation>
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
        <translation>رقم TP</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>معدل الترميز</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>A box left grey keeps each program&apos;s own setting.</source>
        <translation>المربع الرمادي يُبقي إعداد كل قناة كما هو.</translation>
    </message>
    <message>
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>PassWord</source>
        <translation>كلمة السر</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>الترانسبوندر</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة السر</translation>
    </message>
    <message>
        <source>Close Com</source>
        <translation>إغلاق المنفذ</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>Dump</source>
        <translation>قراءة</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>كتابة</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Service type</source>
        <translation>نوع الخدمة</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>تقدّم النقل</translation>
    </message>
    <message>
        <source>Xtal</source>
        <translation>Xtal</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>تصفية</translation>
    </message>
    <message>
        <source>About Tavrel</source>
        <translation>حول Tavrel</translation>
    </message>
    <message>
        <source>The password shows as it is typed.</source>
        <translation>تظهر كلمة المرور أثناء كتابتها.</translation>
    </message>
</context>
<context>
    <name>DiffText</name>
    <message>
        <source>satellites</source>
        <comment>table</comment>
        <translation>الأقمار</translation>
    </message>
    <message>
        <source>transponders</source>
        <comment>table</comment>
        <translation>الترانسبوندرات</translation>
    </message>
    <message>
        <source>tv</source>
        <comment>table</comment>
        <translation>التلفزيون</translation>
    </message>
    <message>
        <source>radio</source>
        <comment>table</comment>
        <translation>الراديو</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>محذوف</translation>
    </message>
    <message>
        <source>added</source>
        <translation>مضاف</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>منقول</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>معدّل</translation>
    </message>
    <message>
        <source>%1 polarization %2 on %3</source>
        <extracomment>A transponder: %1 its frequency, %2 its polarization, %3 its satellite&apos;s name.</extracomment>
        <translation>%1 استقطاب %2 على %3</translation>
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
        <translation>%1، في %2:</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s) differ(s)</source>
        <translation>
            <numerusform>لا بايتات مختلفة</numerusform>
            <numerusform>بايت واحد مختلف</numerusform>
            <numerusform>بايتان مختلفان</numerusform>
            <numerusform>%n بايتات مختلفة</numerusform>
            <numerusform>%n بايتًا مختلفًا</numerusform>
            <numerusform>%n بايت مختلف</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n range(s)</source>
        <translation>
            <numerusform>لا نطاقات</numerusform>
            <numerusform>نطاق واحد</numerusform>
            <numerusform>نطاقين</numerusform>
            <numerusform>%n نطاقات</numerusform>
            <numerusform>%n نطاقًا</numerusform>
            <numerusform>%n نطاق</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more range(s)</source>
        <translation>
            <numerusform>ولا نطاقات أخرى</numerusform>
            <numerusform>ونطاق آخر</numerusform>
            <numerusform>ونطاقان آخران</numerusform>
            <numerusform>و%n نطاقات أخرى</numerusform>
            <numerusform>و%n نطاقًا آخر</numerusform>
            <numerusform>و%n نطاق آخر</numerusform>
        </translation>
    </message>
    <message>
        <source>Records not compared: the image or the flash does not decode.</source>
        <translation>لم تُقارن السجلات: تعذّر فك ترميز الصورة أو الذاكرة الوميضية.</translation>
    </message>
    <message>
        <source>The records are the same; the bytes differ outside them.</source>
        <translation>السجلات متطابقة؛ البايتات تختلف خارجها.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) differ(s):</source>
        <translation>
            <numerusform>لا سجلات مختلفة:</numerusform>
            <numerusform>سجل واحد مختلف:</numerusform>
            <numerusform>سجلان مختلفان:</numerusform>
            <numerusform>%n سجلات مختلفة:</numerusform>
            <numerusform>%n سجلًا مختلفًا:</numerusform>
            <numerusform>%n سجل مختلف:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more record(s)</source>
        <translation>
            <numerusform>ولا سجلات أخرى</numerusform>
            <numerusform>وسجل آخر</numerusform>
            <numerusform>وسجلان آخران</numerusform>
            <numerusform>و%n سجلات أخرى</numerusform>
            <numerusform>و%n سجلًا آخر</numerusform>
            <numerusform>و%n سجل آخر</numerusform>
        </translation>
    </message>
    <message>
        <source>table</source>
        <comment>field</comment>
        <translation>الجدول</translation>
    </message>
    <message>
        <source>position</source>
        <comment>field</comment>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>offset</source>
        <comment>field</comment>
        <translation>الإزاحة</translation>
    </message>
    <message>
        <source>name</source>
        <comment>field</comment>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>sat_id</source>
        <comment>field</comment>
        <translation>معرّف القمر</translation>
    </message>
    <message>
        <source>tp_id</source>
        <comment>field</comment>
        <translation>معرّف الترانسبوندر</translation>
    </message>
    <message>
        <source>satellite_position</source>
        <comment>field</comment>
        <translation>موضع القمر</translation>
    </message>
    <message>
        <source>satellite_name</source>
        <comment>field</comment>
        <translation>اسم القمر</translation>
    </message>
    <message>
        <source>transponder_position</source>
        <comment>field</comment>
        <translation>موضع الترانسبوندر</translation>
    </message>
    <message>
        <source>frequency</source>
        <comment>field</comment>
        <translation>التردد</translation>
    </message>
    <message>
        <source>polarization</source>
        <comment>field</comment>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>symbol_rate</source>
        <comment>field</comment>
        <translation>معدل الترميز</translation>
    </message>
    <message>
        <source>longitude</source>
        <comment>field</comment>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>lnb_low</source>
        <comment>field</comment>
        <translation>LNB منخفض</translation>
    </message>
    <message>
        <source>lnb_high</source>
        <comment>field</comment>
        <translation>LNB مرتفع</translation>
    </message>
    <message>
        <source>lnb_type</source>
        <comment>field</comment>
        <translation>نوع LNB</translation>
    </message>
    <message>
        <source>lnb_power</source>
        <comment>field</comment>
        <translation>تغذية LNB</translation>
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
        <translation>موضع المحرك</translation>
    </message>
    <message>
        <source>service_id</source>
        <comment>field</comment>
        <translation>رقم الخدمة</translation>
    </message>
    <message>
        <source>video_pid</source>
        <comment>field</comment>
        <translation>PID فيديو</translation>
    </message>
    <message>
        <source>audio_pid</source>
        <comment>field</comment>
        <translation>PID صوت</translation>
    </message>
    <message>
        <source>pcr_pid</source>
        <comment>field</comment>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>scramble</source>
        <comment>field</comment>
        <translation>التشفير</translation>
    </message>
    <message>
        <source>track</source>
        <comment>field</comment>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>child_lock</source>
        <comment>field</comment>
        <translation>قفل الأطفال</translation>
    </message>
    <message>
        <source>favorites</source>
        <comment>field</comment>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>biss_key</source>
        <comment>field</comment>
        <translation>مفتاح BISS</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no value</comment>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <extracomment>A field that changed: %1 the field, %2 its value before, %3 after.</extracomment>
        <translation>%1: %2 ← %3</translation>
    </message>
</context>
<context>
    <name>EditorFields</name>
    <message>
        <source>0 to %1</source>
        <translation>من 0 إلى %1</translation>
    </message>
    <message>
        <source>At most %1 bytes in code page %2</source>
        <translation>%1 بايت على الأكثر في صفحة الترميز %2</translation>
    </message>
    <message>
        <source>Up to %1 hex digits, blanks allowed</source>
        <translation>حتى %1 رقمًا سداسيًا عشريًا، والمسافات مسموحة</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Please open file or dump first!</source>
        <translation>افتح ملفًا أو اقرأ من الجهاز أولًا!</translation>
    </message>
    <message>
        <source>The bin file is not right!</source>
        <translation>ملف bin غير صحيح!</translation>
    </message>
    <message>
        <source>The CSV is not imported; nothing changed.

%1</source>
        <translation>لم يُستورد ملف CSV؛ لم يتغير شيء.

%1</translation>
    </message>
    <message>
        <source>The CSV could not be applied; nothing changed.</source>
        <translation>تعذّر تطبيق ملف CSV؛ لم يتغير شيء.</translation>
    </message>
    <message>
        <source>The CSV changes nothing.</source>
        <translation>ملف CSV لا يغيّر شيئًا.</translation>
    </message>
    <message>
        <source>The CSV lists another image&apos;s programs; they were matched by service id, frequency and polarization, then by name.</source>
        <translation>يسرد ملف CSV قنوات صورة أخرى؛ طوبقت حسب رقم الخدمة والتردد والاستقطاب ثم الاسم.</translation>
    </message>
    <message>
        <source>These rows were not applied:
%1</source>
        <translation>لم تُطبَّق هذه الصفوف:
%1</translation>
    </message>
    <message>
        <source>The two images hold the same channel list.</source>
        <translation>تحمل الصورتان قائمة القنوات نفسها.</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>الملف أكبر من %1.</translation>
    </message>
    <message>
        <source>import CSV</source>
        <comment>undo step</comment>
        <translation>استيراد CSV</translation>
    </message>
</context>
<context>
    <name>FileReasonText</name>
    <message>
        <source>Is a named pipe, not a file</source>
        <translation>هذا أنبوب مسمّى وليس ملفًا</translation>
    </message>
    <message>
        <source>Is a device, not a file</source>
        <translation>هذا جهاز وليس ملفًا</translation>
    </message>
    <message>
        <source>Is a socket, not a file</source>
        <translation>هذا مقبس وليس ملفًا</translation>
    </message>
    <message>
        <source>There is nothing to write</source>
        <translation>لا يوجد ما يُكتب</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>satellite %1</source>
        <translation>القمر الصناعي %1</translation>
    </message>
    <message>
        <source>transponder %1</source>
        <translation>الترانسبوندر %1</translation>
    </message>
    <message>
        <source>TV program %1</source>
        <translation>القناة التلفزيونية %1</translation>
    </message>
    <message>
        <source>radio program %1</source>
        <translation>القناة الإذاعية %1</translation>
    </message>
    <message>
        <source>satellite %1 &quot;%2&quot;</source>
        <translation>القمر الصناعي %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>transponder %1 (id %2, %3 %4)</source>
        <extracomment>%1 is the transponder&apos;s number in the list; then its id, frequency and polarisation.</extracomment>
        <translation>الترانسبوندر %1 (المعرف %2، %3 %4)</translation>
    </message>
    <message>
        <source>TV program %1 &quot;%2&quot;</source>
        <translation>القناة التلفزيونية %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>radio program %1 &quot;%2&quot;</source>
        <translation>القناة الإذاعية %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>satellite table</source>
        <translation>جدول الأقمار</translation>
    </message>
    <message>
        <source>transponder table</source>
        <translation>جدول الترانسبوندرات</translation>
    </message>
    <message>
        <source>TV table</source>
        <translation>جدول التلفزيون</translation>
    </message>
    <message>
        <source>radio table</source>
        <translation>جدول الراديو</translation>
    </message>
    <message>
        <source>%1: satellite id %2 names no satellite</source>
        <translation>%1: معرف القمر %2 لا يدل على أي قمر</translation>
    </message>
    <message>
        <source>%1: transponder id %2 names no transponder</source>
        <translation>%1: معرف الترانسبوندر %2 لا يدل على أي ترانسبوندر</translation>
    </message>
    <message>
        <source>%1: its id %2 is also that of %3</source>
        <translation>%1: معرفه %2 هو أيضًا معرف %3</translation>
    </message>
    <message>
        <source>%1: its id is also that of %2</source>
        <translation>%1: معرفه هو أيضًا معرف %2</translation>
    </message>
    <message>
        <source>%1: same satellite, transponder and service id %2 as %3</source>
        <translation>%1: نفس القمر والترانسبوندر ورقم الخدمة %2 مثل %3</translation>
    </message>
    <message>
        <source>%1: same satellite, frequency and polarisation as %2</source>
        <translation>%1: نفس القمر والتردد والاستقطاب مثل %2</translation>
    </message>
    <message>
        <source>%1: its record at %2 runs past the end of the image</source>
        <extracomment>%2 is the record&apos;s offset in the image, such as 0x0A1200.</extracomment>
        <translation>%1: سجله عند %2 يتجاوز نهاية الصورة</translation>
    </message>
    <message>
        <source>%1: its record at %2 lies inside the directory block</source>
        <extracomment>%2 is the record&apos;s offset in the image, such as 0x0A1200.</extracomment>
        <translation>%1: سجله عند %2 يقع داخل كتلة الدليل</translation>
    </message>
    <message>
        <source>the TV and radio tables list %1 programs together; the receiver holds %2</source>
        <translation>جدولا التلفزيون والراديو يضمان معًا %1 قناة؛ يتسع المستقبل لـ %2</translation>
    </message>
    <message>
        <source>the %1 runs past the end of the directory block</source>
        <extracomment>%1 is a table such as &quot;satellite table&quot;.</extracomment>
        <translation>%1 يتجاوز نهاية كتلة الدليل</translation>
    </message>
    <message>
        <source>the %1 lists %2 records; it holds %3</source>
        <extracomment>%1 is a table such as &quot;satellite table&quot;.</extracomment>
        <translation>%1 يضم %2 سجلًا؛ سعته %3</translation>
    </message>
    <message>
        <source>%1: the name holds a control byte</source>
        <translation>%1: الاسم يحوي بايت تحكم</translation>
    </message>
    <message>
        <source>%1: the name holds bytes that code page %2 cannot show</source>
        <translation>%1: الاسم يحوي بايتات لا تعرضها صفحة الترميز %2</translation>
    </message>
    <message>
        <source>%1 has no transponders</source>
        <translation>%1 بلا ترانسبوندرات</translation>
    </message>
    <message>
        <source>%1 carries no programs</source>
        <translation>%1 بلا قنوات</translation>
    </message>
    <message>
        <source>programs of no satellite</source>
        <translation>قنوات بلا قمر</translation>
    </message>
    <message>
        <source>programs of no transponder</source>
        <translation>قنوات بلا ترانسبوندر</translation>
    </message>
    <message>
        <source>transponders of no satellite</source>
        <translation>ترانسبوندرات بلا قمر</translation>
    </message>
    <message>
        <source>satellite ids used twice</source>
        <translation>معرفات أقمار مكررة</translation>
    </message>
    <message>
        <source>transponder ids used twice</source>
        <translation>معرفات ترانسبوندرات مكررة</translation>
    </message>
    <message>
        <source>duplicate programs</source>
        <translation>قنوات مكررة</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>ترانسبوندرات مكررة</translation>
    </message>
    <message>
        <source>entries past the end of the image</source>
        <translation>مدخلات بعد نهاية الصورة</translation>
    </message>
    <message>
        <source>entries inside the directory block</source>
        <translation>مدخلات داخل كتلة الدليل</translation>
    </message>
    <message>
        <source>tables over their capacity</source>
        <translation>جداول فوق سعتها</translation>
    </message>
    <message>
        <source>names with a control byte</source>
        <translation>أسماء فيها بايت تحكم</translation>
    </message>
    <message>
        <source>names the code page cannot show</source>
        <translation>أسماء لا تعرضها صفحة الترميز</translation>
    </message>
    <message>
        <source>satellites with no transponders</source>
        <translation>أقمار بلا ترانسبوندرات</translation>
    </message>
    <message>
        <source>transponders with no programs</source>
        <translation>ترانسبوندرات بلا قنوات</translation>
    </message>
    <message>
        <source>files shorter than their flash</source>
        <translation>ملفات أقصر من ذاكرتها الوميضية</translation>
    </message>
    <message>
        <source>%1; kept: another transponder has its id</source>
        <translation>%1؛ أُبقي: ترانسبوندر آخر له نفس المعرف</translation>
    </message>
</context>
<context>
    <name>ImportProblemText</name>
    <message>
        <source>UTF-16 big-endian</source>
        <translation>UTF-16 ذي الترتيب الأكبر أولًا</translation>
    </message>
    <message>
        <source>UTF-16 little-endian</source>
        <translation>UTF-16 ذي الترتيب الأصغر أولًا</translation>
    </message>
    <message>
        <source>UTF-16 without a byte order mark</source>
        <translation>UTF-16 بلا علامة ترتيب البايتات</translation>
    </message>
    <message>
        <source>code page %1</source>
        <translation>صفحة الترميز %1</translation>
    </message>
    <message>
        <source>the file is %1 and ends in the middle of a character</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-16 big-endian&quot;.</extracomment>
        <translation>الملف بترميز %1 وينتهي في منتصف حرف</translation>
    </message>
    <message>
        <source>the file is %1 and has a broken character at byte %2</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-16 big-endian&quot;; %2 the byte&apos;s offset in the file.</extracomment>
        <translation>الملف بترميز %1 وفيه حرف تالف عند البايت %2</translation>
    </message>
    <message>
        <source>the file is in %1, an encoding import does not read; it reads UTF-8, UTF-16 with a byte order mark, and %2</source>
        <extracomment>%1 is an encoding, such as &quot;UTF-32&quot;; %2 a code page, such as &quot;Windows-1251&quot;.</extracomment>
        <translation>الملف بترميز %1، وهو ترميز لا يقرؤه الاستيراد؛ يقرأ الاستيراد UTF-8 وUTF-16 مع علامة ترتيب البايتات و%2</translation>
    </message>
    <message>
        <source>row %1, column %2: a byte that is not UTF-8, in a file that begins with the UTF-8 byte order mark; save it as UTF-8 again</source>
        <translation>الصف %1، العمود %2: بايت ليس UTF-8 في ملف يبدأ بعلامة ترتيب البايتات لـ UTF-8؛ احفظه بترميز UTF-8 من جديد</translation>
    </message>
    <message>
        <source>row %1, column %2: a byte that is not UTF-8, in a file that holds UTF-8 characters elsewhere; save it as UTF-8 again</source>
        <translation>الصف %1، العمود %2: بايت ليس UTF-8 في ملف يحوي أحرف UTF-8 في مواضع أخرى؛ احفظه بترميز UTF-8 من جديد</translation>
    </message>
    <message>
        <source>read as %1: the file is not UTF-8</source>
        <extracomment>%1 is a code page, such as &quot;Windows-1251&quot;.</extracomment>
        <translation>قُرئ بترميز %1: الملف ليس UTF-8</translation>
    </message>
    <message>
        <source>row %1: a quoted field is not closed</source>
        <translation>الصف %1: حقل بين علامتي تنصيص غير مغلق</translation>
    </message>
    <message>
        <source>row %1: text follows a closing quote</source>
        <translation>الصف %1: نص يلي علامة التنصيص الختامية</translation>
    </message>
    <message>
        <source>the CSV is empty</source>
        <translation>ملف CSV فارغ</translation>
    </message>
    <message>
        <source>row %1: unknown column %2</source>
        <extracomment>%2 is a column heading of the CSV file, in quotes.</extracomment>
        <translation>الصف %1: عمود غير معروف %2</translation>
    </message>
    <message>
        <source>row %1: the column %2 stands twice</source>
        <extracomment>%2 is a column heading of the CSV file, in quotes.</extracomment>
        <translation>الصف %1: العمود %2 مكرر</translation>
    </message>
    <message>
        <source>row %1: the column &quot;table&quot; is missing</source>
        <extracomment>&quot;table&quot; is the heading the CSV file needs: keep it in English.</extracomment>
        <translation>الصف %1: العمود &quot;table&quot; مفقود</translation>
    </message>
    <message>
        <source>row %1: more fields than the header has columns</source>
        <translation>الصف %1: حقول أكثر من أعمدة الترويسة</translation>
    </message>
    <message>
        <source>row %1: unknown table %2</source>
        <extracomment>%2 is the CSV row&apos;s &quot;table&quot; field, in quotes.</extracomment>
        <translation>الصف %1: جدول غير معروف %2</translation>
    </message>
    <message>
        <source>row %1: the offset %2 is not a number</source>
        <translation>الصف %1: الإزاحة %2 ليست رقمًا</translation>
    </message>
    <message>
        <source>the CSV lists no TV or radio program, and --delete-missing would delete them all</source>
        <extracomment>--delete-missing is an option of tavrel-cli: keep it as it is.</extracomment>
        <translation>لا يسرد ملف CSV أي قناة تلفزيونية أو إذاعية، وكان --delete-missing سيحذفها كلها</translation>
    </message>
    <message numerus="yes">
        <source>%n satellite and transponder rows are not applied; only TV and radio rows are</source>
        <translation>
            <numerusform>لا صفوف للأقمار والترانسبوندرات؛ تُطبَّق صفوف التلفزيون والراديو فقط</numerusform>
            <numerusform>لم يُطبَّق صف واحد للأقمار والترانسبوندرات؛ تُطبَّق صفوف التلفزيون والراديو فقط</numerusform>
            <numerusform>لم يُطبَّق صفّان للأقمار والترانسبوندرات؛ تُطبَّق صفوف التلفزيون والراديو فقط</numerusform>
            <numerusform>لم تُطبَّق %n صفوف للأقمار والترانسبوندرات؛ تُطبَّق صفوف التلفزيون والراديو فقط</numerusform>
            <numerusform>لم يُطبَّق %n صفًا للأقمار والترانسبوندرات؛ تُطبَّق صفوف التلفزيون والراديو فقط</numerusform>
            <numerusform>لم يُطبَّق %n صف للأقمار والترانسبوندرات؛ تُطبَّق صفوف التلفزيون والراديو فقط</numerusform>
        </translation>
    </message>
    <message>
        <source>the column &quot;offset&quot; is missing; a list of another image is matched by reference</source>
        <extracomment>&quot;offset&quot; is a heading of the CSV file: keep it in English.</extracomment>
        <translation>العمود &quot;offset&quot; مفقود؛ قائمة صورة أخرى تُطابق حسب المرجع</translation>
    </message>
    <message>
        <source>matching by reference needs the columns service_id, frequency and polarization, or name</source>
        <extracomment>service_id, frequency, polarization and name are headings of the CSV file: keep them in English.</extracomment>
        <translation>المطابقة حسب المرجع تحتاج الأعمدة service_id وfrequency وpolarization، أو name</translation>
    </message>
    <message>
        <source>row %1 %2: no radio program at offset %3</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes, %3 an offset such as 0x0A1200.</extracomment>
        <translation>الصف %1 %2: لا قناة إذاعية عند الإزاحة %3</translation>
    </message>
    <message>
        <source>row %1 %2: no tv program at offset %3</source>
        <translation>الصف %1 %2: لا قناة تلفزيونية عند الإزاحة %3</translation>
    </message>
    <message>
        <source>row %1 %2: no such program in the image</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes.</extracomment>
        <translation>الصف %1 %2: لا توجد هذه القناة في الصورة</translation>
    </message>
    <message>
        <source>row %1 %2: several programs fit it; not applied</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes.</extracomment>
        <translation>الصف %1 %2: تطابقه عدة قنوات؛ لم يُطبَّق</translation>
    </message>
    <message>
        <source>row %1 %2: the same program as row %3; not applied</source>
        <extracomment>%1 is the CSV row, %2 the program&apos;s name in quotes, %3 an earlier row of the CSV.</extracomment>
        <translation>الصف %1 %2: القناة نفسها في الصف %3؛ لم يُطبَّق</translation>
    </message>
    <message>
        <source>row %1: the offset %2 stands twice (also in row %3)</source>
        <extracomment>%3 is an earlier row of the CSV.</extracomment>
        <translation>الصف %1: الإزاحة %2 مكررة (في الصف %3 أيضًا)</translation>
    </message>
    <message>
        <source>row %1: the program at offset %2 has service id %3, not %4; a list of another image is matched by reference</source>
        <translation>الصف %1: رقم الخدمة للقناة عند الإزاحة %2 هو %3 وليس %4؛ قائمة صورة أخرى تُطابق حسب المرجع</translation>
    </message>
    <message>
        <source>row %1: the name %2 holds the control character %3; a name holds printable characters only</source>
        <extracomment>%3 is the character as an escape, such as <byte value="x1b"/>.</extracomment>
        <translation>الصف %1: الاسم %2 يحوي محرف التحكم %3؛ لا يحوي الاسم إلا محارف قابلة للطباعة</translation>
    </message>
    <message>
        <source>row %1: the name %2 has characters that code page %3 lacks</source>
        <translation>الصف %1: في الاسم %2 محارف لا تحويها صفحة الترميز %3</translation>
    </message>
    <message>
        <source>row %1: the name %2 takes %3 bytes in code page %4, more than the %5 that fit</source>
        <extracomment>%3 is the name&apos;s length in bytes, %4 a code page&apos;s number, %5 the bytes a name may take.</extracomment>
        <translation>الصف %1: الاسم %2 يشغل %3 بايت في صفحة الترميز %4، أكثر من %5 تتسع لها</translation>
    </message>
    <message>
        <source>row %1: child_lock is %2; it is 1 for locked or 0</source>
        <extracomment>child_lock is a heading of the CSV file: keep it in English.</extracomment>
        <translation>الصف %1: قيمة child_lock هي %2؛ وهي 1 للقفل أو 0</translation>
    </message>
    <message>
        <source>row %1: favorites %2 names a group other than Movies, Music, Cartoons, News, Sport and Adult</source>
        <extracomment>&quot;favorites&quot; and the group names are what the CSV file holds: keep them in English.</extracomment>
        <translation>الصف %1: favorites %2 يسمّي مجموعة غير Movies وMusic وCartoons وNews وSport وAdult</translation>
    </message>
    <message numerus="yes">
        <source>%1 differs in %n row(s); only table, offset, name, child_lock and favorites are applied</source>
        <extracomment>%1 is a heading of the CSV file; the headings after &quot;only&quot; are too: keep them in English.</extracomment>
        <translation>
            <numerusform>%1 لا يختلف في أي صف؛ تُطبَّق table وoffset وname وchild_lock وfavorites فقط</numerusform>
            <numerusform>%1 يختلف في صف واحد؛ تُطبَّق table وoffset وname وchild_lock وfavorites فقط</numerusform>
            <numerusform>%1 يختلف في صفّين؛ تُطبَّق table وoffset وname وchild_lock وfavorites فقط</numerusform>
            <numerusform>%1 يختلف في %n صفوف؛ تُطبَّق table وoffset وname وchild_lock وfavorites فقط</numerusform>
            <numerusform>%1 يختلف في %n صفًا؛ تُطبَّق table وoffset وname وchild_lock وfavorites فقط</numerusform>
            <numerusform>%1 يختلف في %n صف؛ تُطبَّق table وoffset وname وchild_lock وfavorites فقط</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2 is not number;name;ONID-TSID-SID</source>
        <extracomment>A line of a text list; number;name;ONID-TSID-SID is the form each line has.</extracomment>
        <translation>السطر %1: %2 ليس بالشكل number;name;ONID-TSID-SID</translation>
    </message>
    <message>
        <source>line %1: the number %2 is not a number</source>
        <translation>السطر %1: الرقم %2 ليس عددًا</translation>
    </message>
    <message>
        <source>line %1: the name %2 holds the control character %3</source>
        <extracomment>%3 is the character as an escape, such as <byte value="x1b"/>.</extracomment>
        <translation>السطر %1: الاسم %2 يحوي محرف التحكم %3</translation>
    </message>
    <message>
        <source>line %1: %2 is not ONID-TSID-SID, three numbers joined by &apos;-&apos;</source>
        <translation>السطر %1: %2 ليس ONID-TSID-SID، أي ثلاثة أعداد يصل بينها &apos;-&apos;</translation>
    </message>
    <message>
        <source>not a flash image: %1</source>
        <extracomment>%1 says why the image does not decode.</extracomment>
        <translation>ليست صورة ذاكرة فلاش: %1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... ولا شيء آخر</numerusform>
            <numerusform>... وواحد آخر</numerusform>
            <numerusform>... واثنان آخران</numerusform>
            <numerusform>... و%n أخرى</numerusform>
            <numerusform>... و%n أخرى</numerusform>
            <numerusform>... و%n أخرى</numerusform>
        </translation>
    </message>
    <message>
        <source>the image signature 6CGHLSWZ is missing</source>
        <translation>توقيع الصورة 6CGHLSWZ مفقود</translation>
    </message>
    <message>
        <source>the image signature stands at offset 4</source>
        <translation>توقيع الصورة يقع عند الإزاحة 4</translation>
    </message>
    <message>
        <source>no directory magic 77 02 AB CD follows the signature</source>
        <translation>لا تلي التوقيعَ علامةُ الدليل 77 02 AB CD</translation>
    </message>
    <message>
        <source>no directory block ends in the block marker 19 85 10 19</source>
        <translation>لا توجد كتلة دليل تنتهي بعلامة الكتلة 19 85 10 19</translation>
    </message>
    <message>
        <source>the table lists more records than it holds</source>
        <translation>يسرد الجدول سجلات أكثر مما يتسع له</translation>
    </message>
    <message>
        <source>the table runs past the end of the directory block</source>
        <translation>يتجاوز الجدول نهاية كتلة الدليل</translation>
    </message>
    <message>
        <source>the table lists a record that leaves the image</source>
        <translation>يسرد الجدول سجلًا يخرج عن الصورة</translation>
    </message>
    <message>
        <source>TV and radio tables together list more than %1 programs</source>
        <extracomment>%1 is the most programs a receiver holds.</extracomment>
        <translation>جدولا التلفزيون والراديو يضمان معًا أكثر من %1 قناة</translation>
    </message>
    <message>
        <source>no problem</source>
        <translation>لا مشكلة</translation>
    </message>
    <message>
        <source>table %1: %2</source>
        <extracomment>%1 is a table, such as &quot;tv&quot;; %2 what is wrong with it.</extracomment>
        <translation>الجدول %1: %2</translation>
    </message>
</context>
<context>
    <name>KeptDumpsDlg</name>
    <message>
        <source>Open</source>
        <comment>a kept dump, as an image</comment>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>مقارنة</translation>
    </message>
    <message>
        <source>Show folder</source>
        <translation>عرض المجلد</translation>
    </message>
    <message>
        <source>Kept dumps</source>
        <translation>النسخ المحفوظة</translation>
    </message>
    <message>
        <source>No dumps are kept in %1 yet.</source>
        <translation>لا توجد نسخ محفوظة في %1 بعد.</translation>
    </message>
    <message>
        <source>Every dump is kept in %1.</source>
        <translation>تُحفظ كل نسخة في %1.</translation>
    </message>
    <message>
        <source>Kept</source>
        <extracomment>Column headings: when a dump was kept, its size, whether it decodes, its satellites, TV and radio programs.</extracomment>
        <translation>الحفظ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Decodes</source>
        <translation>قابلة للقراءة</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>قمر</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفاز</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>no</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Apply as reference</source>
        <translation>تطبيق كمرجع</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The locale&apos;s language</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>تظهر اللغة الجديدة عند التشغيل التالي.</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Please open file or dump first!</source>
        <translation>افتح ملفًا أو اقرأ من الجهاز أولًا!</translation>
    </message>
    <message>
        <source>The channel list could not be rewritten; nothing was removed.</source>
        <translation>تعذّرت إعادة كتابة قائمة القنوات؛ لم يُحذف شيء.</translation>
    </message>
    <message numerus="yes">
        <source>The channel list has %n problem(s). Upgrade anyway?</source>
        <translation>
            <numerusform>لا مشكلات في قائمة القنوات. هل تريد الكتابة على أي حال؟</numerusform>
            <numerusform>في قائمة القنوات مشكلة واحدة. هل تريد الكتابة على أي حال؟</numerusform>
            <numerusform>في قائمة القنوات مشكلتان. هل تريد الكتابة على أي حال؟</numerusform>
            <numerusform>في قائمة القنوات %n مشكلات. هل تريد الكتابة على أي حال؟</numerusform>
            <numerusform>في قائمة القنوات %n مشكلة. هل تريد الكتابة على أي حال؟</numerusform>
            <numerusform>في قائمة القنوات %n مشكلة. هل تريد الكتابة على أي حال؟</numerusform>
        </translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>لا ملفات حديثة</translation>
    </message>
    <message>
        <source>%1
The file is no longer there. It was removed from the recent files.</source>
        <translation>%1
لم يعد الملف موجودًا. أُزيل من الملفات الأخيرة.</translation>
    </message>
    <message>
        <source>remove duplicates</source>
        <comment>undo step</comment>
        <translation>إزالة المكرر</translation>
    </message>
    <message>
        <source>remove orphans</source>
        <comment>undo step</comment>
        <translation>إزالة اليتيمة</translation>
    </message>
</context>
<context>
    <name>LoadersDlg</name>
    <message>
        <source>Loader blocks</source>
        <translation>كتل المحمّل</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>الكتلة</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>بايت</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Placeholder</source>
        <translation>بديل مؤقت</translation>
    </message>
    <message>
        <source>From</source>
        <translation>المصدر</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>no</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>مدمج</translation>
    </message>
    <message>
        <source>These blocks cannot be used: %1</source>
        <translation>لا يمكن استخدام هذه الكتل: %1</translation>
    </message>
    <message>
        <source>Placeholders are sent only to a pseudo-terminal, such as the virtual receiver&apos;s. Put the receiver maker&apos;s blocks in %1.</source>
        <translation>تُرسل البدائل المؤقتة إلى طرفية وهمية فقط، مثل طرفية الجهاز الافتراضي. ضع كتل الشركة المصنّعة في %1.</translation>
    </message>
    <message>
        <source>%1: not a folder of loader blocks</source>
        <extracomment>%1 is the folder given for the loader blocks.</extracomment>
        <translation>%1: ليس مجلد كتل المحمّل</translation>
    </message>
    <message>
        <source>%1: more than %2 bytes, the receiver expects %2</source>
        <extracomment>%1 is a loader block&apos;s file; %2 the bytes it must hold.</extracomment>
        <translation>%1: أكثر من %2 بايت، ويتوقع جهاز الاستقبال %2</translation>
    </message>
    <message>
        <source>%1: %2 bytes, the receiver expects %3</source>
        <extracomment>%1 is a loader block&apos;s file; %2 the bytes it holds, %3 the bytes it must hold.</extracomment>
        <translation>%1: %2 بايت، ويتوقع جهاز الاستقبال %3</translation>
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
        <translation>ملف</translation>
    </message>
    <message>
        <source>open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>recent files</source>
        <translation>الملفات الأخيرة</translation>
    </message>
    <message>
        <source>kept dumps...</source>
        <translation>النسخ المحفوظة...</translation>
    </message>
    <message>
        <source>export CSV...</source>
        <translation>تصدير CSV...</translation>
    </message>
    <message>
        <source>import CSV...</source>
        <translation>استيراد CSV...</translation>
    </message>
    <message>
        <source>compare with...</source>
        <translation>مقارنة مع...</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>أدوات</translation>
    </message>
    <message>
        <source>upgrade</source>
        <translation>كتابة إلى الجهاز</translation>
    </message>
    <message>
        <source>dump</source>
        <translation>قراءة من الجهاز</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>تحقّق</translation>
    </message>
    <message>
        <source>ports...</source>
        <translation>المنافذ...</translation>
    </message>
    <message>
        <source>check list...</source>
        <translation>فحص القائمة...</translation>
    </message>
    <message>
        <source>loader blocks...</source>
        <translation>كتل المحمّل...</translation>
    </message>
    <message>
        <source>advance</source>
        <translation>الوضع المتقدّم</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>about</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <source>option</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Move to position...</source>
        <translation>نقل إلى الموضع...</translation>
    </message>
    <message>
        <source>Set favourites...</source>
        <translation>تعيين المفضلة...</translation>
    </message>
    <message>
        <source>Set child lock...</source>
        <translation>تعيين قفل الأطفال...</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>ترتيب حسب الاسم</translation>
    </message>
    <message>
        <source>Sort by service id</source>
        <translation>ترتيب حسب رقم الخدمة</translation>
    </message>
    <message>
        <source>language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>apply reference list...</source>
        <translation>تطبيق قائمة مرجعية...</translation>
    </message>
    <message>
        <source>View</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>reference list</source>
        <translation>القائمة المرجعية</translation>
    </message>
</context>
<context>
    <name>PassWord</name>
    <message>
        <source>Name or PassWord is error!</source>
        <translation>الاسم أو كلمة السر خاطئة!</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>تحذير</translation>
    </message>
</context>
<context>
    <name>PortOpenError</name>
    <message>
        <source>open in this program</source>
        <translation>مفتوح في هذا البرنامج</translation>
    </message>
    <message>
        <source>Your user must be in the group that owns the device (%1): sudo usermod -aG %1 $USER, then log in again.</source>
        <translation>يجب أن يكون مستخدمك في المجموعة المالكة للجهاز (%1): sudo usermod -aG %1 $USER، ثم سجّل الدخول مجددًا.</translation>
    </message>
    <message>
        <source>Your user is in the group %1, but this login session is not yet: log out and in again.</source>
        <translation>مستخدمك في المجموعة %1، لكن جلسة الدخول هذه ليست بعد: سجّل الخروج ثم الدخول مجددًا.</translation>
    </message>
    <message>
        <source>Another program is using the port.</source>
        <translation>برنامج آخر يستخدم المنفذ.</translation>
    </message>
    <message>
        <source>Another program is using the port: %1. Close it, then try again.</source>
        <extracomment>%1 names the programs, such as &quot;minicom (pid 4242)&quot;.</extracomment>
        <translation>برنامج آخر يستخدم المنفذ: %1. أغلقه ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>This is not a serial device.</source>
        <translation>هذا ليس جهازًا تسلسليًا.</translation>
    </message>
</context>
<context>
    <name>PortsDlg</name>
    <message>
        <source>Serial ports</source>
        <translation>المنافذ التسلسلية</translation>
    </message>
    <message>
        <source>Serial devices</source>
        <translation>الأجهزة التسلسلية</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>الجهاز</translation>
    </message>
    <message>
        <source>State</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>المنفذ:</translation>
    </message>
    <message>
        <source>Choose the device this port opens. USB adapters are listed by their stable names, which stay the same on any socket.</source>
        <translation>اختر الجهاز الذي يفتحه هذا المنفذ. تُعرض محوّلات USB بأسمائها الثابتة التي لا تتغير مهما كان المقبس.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>الافتراضي</translation>
    </message>
    <message>
        <source>TAVREL_COM%1 is set: %2 opens %3, whatever is chosen here.</source>
        <translation>المتغير TAVREL_COM%1 مضبوط: يفتح %2 الجهاز %3 مهما اختير هنا.</translation>
    </message>
    <message>
        <source>%1 opens %2.</source>
        <extracomment>%1 is a port (COM1), %2 a device file.</extracomment>
        <translation>%1 يفتح %2.</translation>
    </message>
    <message>
        <source>ready</source>
        <comment>a serial device this user can open</comment>
        <translation>جاهز</translation>
    </message>
</context>
<context>
    <name>ProgEditDlg</name>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>UnLocked</source>
        <translation>مفتوحة</translation>
    </message>
</context>
<context>
    <name>ProgramFlagsDlg</name>
    <message numerus="yes">
        <source>Edit %n program(s)</source>
        <translation>
            <numerusform>تحرير لا قنوات</numerusform>
            <numerusform>تحرير قناة واحدة</numerusform>
            <numerusform>تحرير قناتين</numerusform>
            <numerusform>تحرير %n قنوات</numerusform>
            <numerusform>تحرير %n قناة</numerusform>
            <numerusform>تحرير %n قناة</numerusform>
        </translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>UnLocked</source>
        <translation>مفتوحة</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>دون تغيير</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>The list type is not right!</source>
        <translation>نوع القائمة غير صحيح!</translation>
    </message>
    <message>
        <source>Move sat index is wrong!</source>
        <translation>فهرس نقل القمر خاطئ!</translation>
    </message>
    <message>
        <source>Move TP index is wrong!</source>
        <translation>فهرس نقل الترانسبوندر خاطئ!</translation>
    </message>
    <message>
        <source>Move Radio index is wrong!</source>
        <translation>فهرس نقل الراديو خاطئ!</translation>
    </message>
    <message>
        <source>Move Tv index is wrong!</source>
        <translation>فهرس نقل التلفاز خاطئ!</translation>
    </message>
    <message>
        <source>Move radio under tp index is wrong!</source>
        <translation>فهرس نقل الراديو تحت الترانسبوندر خاطئ!</translation>
    </message>
    <message>
        <source>Move tv under tp index is wrong!</source>
        <translation>فهرس نقل التلفاز تحت الترانسبوندر خاطئ!</translation>
    </message>
    <message>
        <source>Are you sure to delete!</source>
        <translation>هل تريد الحذف فعلًا؟</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>خطأ!</translation>
    </message>
    <message>
        <source>Move the selected rows to position (1 to %1):</source>
        <translation>انقل الصفوف المحددة إلى الموضع (من 1 إلى %1):</translation>
    </message>
    <message numerus="yes">
        <source>delete %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>حذف لا أقمار</numerusform>
            <numerusform>حذف قمر واحد</numerusform>
            <numerusform>حذف قمرين</numerusform>
            <numerusform>حذف %n أقمار</numerusform>
            <numerusform>حذف %n قمرًا</numerusform>
            <numerusform>حذف %n قمر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>حذف لا ترانسبوندرات</numerusform>
            <numerusform>حذف ترانسبوندر واحد</numerusform>
            <numerusform>حذف ترانسبوندرين</numerusform>
            <numerusform>حذف %n ترانسبوندرات</numerusform>
            <numerusform>حذف %n ترانسبوندر</numerusform>
            <numerusform>حذف %n ترانسبوندر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>delete %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>حذف لا قنوات</numerusform>
            <numerusform>حذف قناة واحدة</numerusform>
            <numerusform>حذف قناتين</numerusform>
            <numerusform>حذف %n قنوات</numerusform>
            <numerusform>حذف %n قناة</numerusform>
            <numerusform>حذف %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n satellite(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>نقل لا أقمار</numerusform>
            <numerusform>نقل قمر واحد</numerusform>
            <numerusform>نقل قمرين</numerusform>
            <numerusform>نقل %n أقمار</numerusform>
            <numerusform>نقل %n قمرًا</numerusform>
            <numerusform>نقل %n قمر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n transponder(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>نقل لا ترانسبوندرات</numerusform>
            <numerusform>نقل ترانسبوندر واحد</numerusform>
            <numerusform>نقل ترانسبوندرين</numerusform>
            <numerusform>نقل %n ترانسبوندرات</numerusform>
            <numerusform>نقل %n ترانسبوندر</numerusform>
            <numerusform>نقل %n ترانسبوندر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>نقل لا قنوات</numerusform>
            <numerusform>نقل قناة واحدة</numerusform>
            <numerusform>نقل قناتين</numerusform>
            <numerusform>نقل %n قنوات</numerusform>
            <numerusform>نقل %n قناة</numerusform>
            <numerusform>نقل %n قناة</numerusform>
        </translation>
    </message>
    <message>
        <source>edit satellite %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the satellite&apos;s name.</extracomment>
        <translation>تحرير القمر الصناعي %1</translation>
    </message>
    <message>
        <source>edit transponder %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the transponder&apos;s frequency in MHz.</extracomment>
        <translation>تحرير الترانسبوندر %1</translation>
    </message>
    <message>
        <source>edit program %1</source>
        <comment>undo step</comment>
        <extracomment>An undo step; %1 is the program&apos;s name.</extracomment>
        <translation>تحرير القناة %1</translation>
    </message>
    <message numerus="yes">
        <source>set favourites and child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>تعيين المفضلة وقفل الأطفال لـلا قنوات</numerusform>
            <numerusform>تعيين المفضلة وقفل الأطفال لـقناة واحدة</numerusform>
            <numerusform>تعيين المفضلة وقفل الأطفال لـقناتين</numerusform>
            <numerusform>تعيين المفضلة وقفل الأطفال لـ%n قنوات</numerusform>
            <numerusform>تعيين المفضلة وقفل الأطفال لـ%n قناة</numerusform>
            <numerusform>تعيين المفضلة وقفل الأطفال لـ%n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favourites of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>تعيين المفضلة لـلا قنوات</numerusform>
            <numerusform>تعيين المفضلة لـقناة واحدة</numerusform>
            <numerusform>تعيين المفضلة لـقناتين</numerusform>
            <numerusform>تعيين المفضلة لـ%n قنوات</numerusform>
            <numerusform>تعيين المفضلة لـ%n قناة</numerusform>
            <numerusform>تعيين المفضلة لـ%n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set child lock of %n program(s)</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>تعيين قفل الأطفال لـلا قنوات</numerusform>
            <numerusform>تعيين قفل الأطفال لـقناة واحدة</numerusform>
            <numerusform>تعيين قفل الأطفال لـقناتين</numerusform>
            <numerusform>تعيين قفل الأطفال لـ%n قنوات</numerusform>
            <numerusform>تعيين قفل الأطفال لـ%n قناة</numerusform>
            <numerusform>تعيين قفل الأطفال لـ%n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by name</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>ترتيب لا قنوات حسب الاسم</numerusform>
            <numerusform>ترتيب قناة واحدة حسب الاسم</numerusform>
            <numerusform>ترتيب قناتين حسب الاسم</numerusform>
            <numerusform>ترتيب %n قنوات حسب الاسم</numerusform>
            <numerusform>ترتيب %n قناة حسب الاسم</numerusform>
            <numerusform>ترتيب %n قناة حسب الاسم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n program(s) by service id</source>
        <comment>undo step</comment>
        <translation>
            <numerusform>ترتيب لا قنوات حسب رقم الخدمة</numerusform>
            <numerusform>ترتيب قناة واحدة حسب رقم الخدمة</numerusform>
            <numerusform>ترتيب قناتين حسب رقم الخدمة</numerusform>
            <numerusform>ترتيب %n قنوات حسب رقم الخدمة</numerusform>
            <numerusform>ترتيب %n قناة حسب رقم الخدمة</numerusform>
            <numerusform>ترتيب %n قناة حسب رقم الخدمة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordList</name>
    <message>
        <source>SatNO.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>SatName</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Longitude(E)</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>LnbType</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>LnbPower</source>
        <translation>تغذية</translation>
    </message>
    <message>
        <source>LnbFreLow</source>
        <translation>LNB منخفض</translation>
    </message>
    <message>
        <source>LnbFreHigh</source>
        <translation>LNB مرتفع</translation>
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
        <translation>الموضع</translation>
    </message>
    <message>
        <source>TpNO.</source>
        <translation>رقم TP</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>معدل الترميز</translation>
    </message>
    <message>
        <source>ProgNO.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>ProgName</source>
        <translation>اسم القناة</translation>
    </message>
    <message>
        <source>ServiceID</source>
        <translation>رقم الخدمة</translation>
    </message>
    <message>
        <source>VideoPid</source>
        <translation>PID فيديو</translation>
    </message>
    <message>
        <source>AudioPid</source>
        <translation>PID صوت</translation>
    </message>
    <message>
        <source>PcrPid</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>مشفّرة</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>ChildLock</source>
        <translation>القفل</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>LNB Type is error!</source>
        <translation>نوع LNB خاطئ!</translation>
    </message>
    <message>
        <source>LNB Power is error!</source>
        <translation>تغذية LNB خاطئة!</translation>
    </message>
    <message>
        <source>Tv number under sat is wrong!</source>
        <translation>عدد القنوات التلفزيونية تحت القمر خاطئ!</translation>
    </message>
    <message>
        <source>Radio number under sat is wrong!</source>
        <translation>عدد قنوات الراديو تحت القمر خاطئ!</translation>
    </message>
</context>
<context>
    <name>ReferenceCommands</name>
    <message>
        <source>The bin file is not right!</source>
        <translation>ملف bin غير صحيح!</translation>
    </message>
    <message>
        <source>Please open file or dump first!</source>
        <translation>افتح ملفًا أو اقرأ من الجهاز أولًا!</translation>
    </message>
    <message>
        <source>Apply reference list %1</source>
        <translation>تطبيق القائمة المرجعية %1</translation>
    </message>
    <message>
        <source>The reference list could not be applied; nothing changed.</source>
        <translation>تعذّر تطبيق القائمة المرجعية؛ لم يتغير شيء.</translation>
    </message>
</context>
<context>
    <name>ReferenceListWnd</name>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>المطابق</translation>
    </message>
    <message>
        <source>Reference list %1</source>
        <translation>القائمة المرجعية %1</translation>
    </message>
    <message>
        <source>Reference rows</source>
        <translation>صفوف القائمة المرجعية</translation>
    </message>
</context>
<context>
    <name>ReferencePreviewDlg</name>
    <message>
        <source>File...</source>
        <translation>ملف...</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>الترتيب</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>الأسماء</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Locks</source>
        <translation>الأقفال</translation>
    </message>
    <message>
        <source>Delete the programs the reference does not list</source>
        <translation>حذف البرامج غير المدرجة في المرجع</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Show beside the list</source>
        <translation>عرض بجانب القائمة</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>تطبيق قائمة مرجعية</translation>
    </message>
    <message>
        <source>Choose a kept dump or a file</source>
        <translation>اختر تفريغًا محفوظًا أو ملفًا</translation>
    </message>
    <message>
        <source>Kept dump of %1 (%2 TV, %3 radio)</source>
        <translation>تفريغ %1 (%2 تلفزيون، %3 راديو)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Service id</source>
        <translation>معرّف الخدمة</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>المطابق</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>المرجع:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>القمر الصناعي:</translation>
    </message>
    <message>
        <source>Carry:</source>
        <translation>نقل:</translation>
    </message>
    <message>
        <source>Image, CSV or text list (*.bin *.csv *.txt) (*.bin *.csv *.txt);;All files (*)</source>
        <translation>صورة أو CSV أو قائمة نصية (*.bin *.csv *.txt) (*.bin *.csv *.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>The reference cannot be used:</source>
        <translation>لا يمكن استخدام المرجع:</translation>
    </message>
    <message>
        <source>The file is larger than %1.</source>
        <translation>الملف أكبر من %1.</translation>
    </message>
    <message>
        <source>Reference rows</source>
        <translation>صفوف القائمة المرجعية</translation>
    </message>
</context>
<context>
    <name>ReferenceTexts</name>
    <message>
        <source>TV</source>
        <translation>تلفاز</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>تلفزيون أو راديو</translation>
    </message>
    <message>
        <source>fits several programs</source>
        <translation>يطابق عدة برامج</translation>
    </message>
    <message>
        <source>the program of No. %1</source>
        <translation>برنامج الرقم %1</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>غير موجود</translation>
    </message>
    <message>
        <source>%1: %2 not found, %3 fit several programs, %4 repeated</source>
        <translation>%1: %2 غير موجود، %3 يطابق عدة برامج، %4 مكرر</translation>
    </message>
    <message>
        <source>%1: %2 matched, %3 not found, %4 fit several programs, %5 repeated; not in the reference: %6</source>
        <translation>%1: %2 مطابق، %3 غير موجود، %4 يطابق عدة برامج، %5 مكرر؛ ليس في المرجع: %6</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>AllPrograms</source>
        <translation>كل القنوات</translation>
    </message>
    <message>
        <source>Satellite(%1)</source>
        <translation>الأقمار (%1)</translation>
    </message>
</context>
<context>
    <name>TpEditDlg</name>
    <message>
        <source>Can&apos;t find the current sat no.!</source>
        <translation>تعذّر العثور على رقم القمر الحالي!</translation>
    </message>
</context>
<context>
    <name>TransferControl</name>
    <message>
        <source>idle...</source>
        <translation>في الانتظار...</translation>
    </message>
    <message>
        <source>The transfer trace is not written: %1</source>
        <translation>لا يُكتب سجل النقل: %1</translation>
    </message>
    <message>
        <source>Can&apos;t open port %1!</source>
        <translation>تعذّر فتح المنفذ %1!</translation>
    </message>
    <message>
        <source>Open Com</source>
        <comment>opens the serial port</comment>
        <translation>فتح المنفذ</translation>
    </message>
    <message>
        <source>Please reset the STB!</source>
        <translation>أعد تشغيل الجهاز!</translation>
    </message>
    <message>
        <source>Reading...Please wait!</source>
        <translation>جارٍ القراءة... انتظر!</translation>
    </message>
    <message>
        <source>Please open file first!</source>
        <translation>افتح ملفًا أولًا!</translation>
    </message>
    <message>
        <source>The receiver link was lost: %1</source>
        <translation>انقطع الاتصال بجهاز الاستقبال: %1</translation>
    </message>
    <message>
        <source>The receiver link was lost.
%1</source>
        <translation>انقطع الاتصال بجهاز الاستقبال.
%1</translation>
    </message>
    <message>
        <source>Dump kept in %1</source>
        <translation>حُفظت النسخة المقروءة في %1</translation>
    </message>
    <message>
        <source>The dump was not kept</source>
        <translation>لم تُحفظ النسخة المقروءة</translation>
    </message>
    <message>
        <source>The dump could not be kept in %1.
%2</source>
        <translation>تعذّر حفظ النسخة المقروءة في %1.
%2</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>button: read the receiver&apos;s flash now</comment>
        <translation>ابدأ القراءة</translation>
    </message>
    <message>
        <source>Read to read!</source>
        <translation>جاهز للقراءة!</translation>
    </message>
    <message>
        <source>Upgrading,Please wait!</source>
        <translation>جارٍ الكتابة... انتظر!</translation>
    </message>
    <message>
        <source>Verify: press Read when the receiver is ready.</source>
        <extracomment>&quot;Read&quot; is the caption the Dump button takes when the receiver is ready.</extracomment>
        <translation>التحقق: اضغط «ابدأ القراءة» عندما يكون جهاز الاستقبال جاهزًا.</translation>
    </message>
    <message>
        <source>The receiver holds this image.</source>
        <translation>جهاز الاستقبال يحمل هذه الصورة.</translation>
    </message>
    <message>
        <source>The receiver does not hold this image.</source>
        <translation>جهاز الاستقبال لا يحمل هذه الصورة.</translation>
    </message>
    <message>
        <source>Upgrade finished. To check it, choose Tools &quot;verify&quot; and reset the receiver again.</source>
        <extracomment>&quot;Tools&quot; and &quot;verify&quot; are the menu and its item as the menu bar names them.</extracomment>
        <translation>انتهت الكتابة. للتحقق منها اختر أدوات «تحقّق» ثم أعد تشغيل جهاز الاستقبال.</translation>
    </message>
    <message>
        <source>Can&apos;t open the port!</source>
        <translation>تعذّر فتح المنفذ!</translation>
    </message>
    <message>
        <source>Can&apos;t open port!</source>
        <translation>تعذّر فتح المنفذ!</translation>
    </message>
    <message>
        <source>dump loader</source>
        <translation>محمّل القراءة</translation>
    </message>
    <message>
        <source>upgrade loader for 4M</source>
        <translation>محمّل الترقية لـ 4M</translation>
    </message>
    <message>
        <source>upgrade loader for 8M</source>
        <translation>محمّل الترقية لـ 8M</translation>
    </message>
    <message>
        <source>upgrade loader for 13.5M</source>
        <translation>محمّل الترقية لـ 13.5M</translation>
    </message>
    <message>
        <source>upgrade loader for 16M</source>
        <translation>محمّل الترقية لـ 16M</translation>
    </message>
    <message>
        <source>upgrade loader for 27M</source>
        <translation>محمّل الترقية لـ 27M</translation>
    </message>
    <message>
        <source>stage-two image</source>
        <translation>صورة المرحلة الثانية</translation>
    </message>
    <message>
        <source>the one built in</source>
        <translation>المدمج</translation>
    </message>
    <message>
        <source>The %1 (%2) is a placeholder, not the receiver maker&apos;s block, and a receiver cannot run it. Put the maker&apos;s %3 in %4 or in /usr/share/tavrel/loaders, or name its folder in %5.</source>
        <extracomment>%1 is a block such as &quot;dump loader&quot;, %2 where it came from, %3 its file name, %4 and %5 where to put it.</extracomment>
        <translation>%1 (%2) كتلة بديلة وليست كتلة صانع المستقبل، ولا يستطيع المستقبل تشغيلها. ضع الملف %3 من الصانع في %4 أو في /usr/share/tavrel/loaders، أو سمِّ مجلده في %5.</translation>
    </message>
</context>
<context>
    <name>UserPrompts</name>
    <message>
        <source>Check</source>
        <translation>فحص</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>كتابة</translation>
    </message>
    <message>
        <source>Waring</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>save</source>
        <extracomment>The title of the question whether to save changes.</extracomment>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>bin file (*.bin) (*.bin *.s);;All file (*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>ملف bin (*.bin) (*.bin *.s);;كل الملفات (*.*) (*)</translation>
    </message>
    <message>
        <source>Bin文件(*.bin) (*.bin);;所有文件(*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>ملف bin (*.bin) (*.bin);;كل الملفات (*.*) (*)</translation>
    </message>
    <message>
        <source>CSV file (*.csv) (*.csv);;All file (*.*) (*)</source>
        <extracomment>File dialog filters: keep the patterns in parentheses and the &quot;;;&quot; between filters.</extracomment>
        <translation>ملف CSV (*.csv) (*.csv);;كل الملفات (*.*) (*)</translation>
    </message>
</context>
<context>
    <name>ValueNames</name>
    <message>
        <source>User</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>مفرد</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>عالمي</translation>
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
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>أفلام</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>موسيقى</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>كرتون</translation>
    </message>
    <message>
        <source>News</source>
        <translation>أخبار</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>رياضة</translation>
    </message>
    <message>
        <source>Adult</source>
        <translation>للكبار</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
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
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Polarisation: horizontal.</extracomment>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>Polarisation: vertical.</extracomment>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Audio track.</extracomment>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ستيريو</translation>
    </message>
</context>
<context>
    <name>VersionText</name>
    <message>
        <source>Tavrel Version %1</source>
        <translation>Tavrel الإصدار %1</translation>
    </message>
</context>
</TS>
