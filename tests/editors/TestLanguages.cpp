#include "CAboutDlg.h"
#include "CCompareDlg.h"
#include "CReportListCtrl.h"
#include "CTavrelApp.h"
#include "CheckListDlg.h"
#include "CodePageText.h"
#include "DiffText.h"
#include "FlashVerify.h"
#include "KeptDumpsDlg.h"
#include "Language.h"
#include "LoaderSet.h"
#include "LoadersDlg.h"
#include "MainResources.h"
#include "ModalDriver.h"
#include "PassWord.h"
#include "PortOpenError.h"
#include "PortsDlg.h"
#include "SerialPorts.h"
#include "PrivateSettings.h"
#include "ProgEditDlg.h"
#include "ProgramFlagsDlg.h"
#include "RecordCommands.h"
#include "ReferenceListWnd.h"
#include "ReferencePreviewDlg.h"
#include "SatEditDlg.h"
#include "TestImages.h"
#include "TpEditDlg.h"
#include "WindowFixture.h"

#include <QtCore/QTemporaryDir>
#include <QtCore/QTranslator>
#include <QtGui/QAccessible>
#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyleOptionComboBox>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTreeWidget>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <map>

namespace {

// The pixels a widget's text needs beyond its width; 0 when it fits or has none.
int Overflow(const QWidget& widget)
{
    const QFontMetrics metrics(widget.font());
    QStyle& style = *widget.style();
    if (auto* button = qobject_cast<const QPushButton*>(&widget)) {
        const int margins = style.pixelMetric(QStyle::PM_ButtonMargin) + 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth);
        return metrics.horizontalAdvance(button->text()) + margins - button->width();
    }
    if (auto* box = qobject_cast<const QCheckBox*>(&widget))
        return box->text().isEmpty() ? 0 : box->sizeHint().width() - box->width();
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty())
            return 0;
        if (label->wordWrap())
            return label->heightForWidth(label->width()) > label->height() ? 1 : 0;
        if (label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
            return label->sizeHint().width() - label->width();
        return metrics.tightBoundingRect(label->text()).right() + 1 - label->contentsRect().width();
    }
    if (auto* frame = qobject_cast<const QGroupBox*>(&widget))
        return frame->title().isEmpty() ? 0 : frame->minimumSizeHint().width() - frame->width();
    if (auto* tabs = qobject_cast<const QTabBar*>(&widget)) {
        int needed = 0;
        for (int i = 0; i < tabs->count(); ++i)
            needed += metrics.horizontalAdvance(tabs->tabText(i)) + style.pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
        return needed - tabs->width();
    }
    if (auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const int room = style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
        int overflow = 0;
        for (int i = 0; i < combo->count(); ++i)
            overflow = std::max(overflow, metrics.horizontalAdvance(combo->itemText(i)) - room);
        return overflow;
    }
    if (auto* header = qobject_cast<const QHeaderView*>(&widget)) {
        if (header->orientation() != Qt::Horizontal || !header->model())
            return 0;
        int overflow = 0;
        for (int i = 0; i < header->count(); ++i) {
            if (header->isSectionHidden(i) || header->sectionSize(i) == 0)
                continue;
            const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
            const int needed = metrics.horizontalAdvance(text) + 2 * style.pixelMetric(QStyle::PM_HeaderMargin);
            overflow = std::max(overflow, needed - header->sectionSize(i));
        }
        return overflow;
    }
    return 0;
}

bool TakesFocus(const QWidget& widget, const QWidget& window)
{
    return (widget.focusPolicy() & Qt::TabFocus) && widget.isVisibleTo(&window) && widget.isEnabled()
        && !widget.focusProxy();
}

QString Describe(const QWidget& widget)
{
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(widget.metaObject()->className()), widget.objectName(), widget.property("text").toString());
}

} // namespace

// The window and every dialog in each language: no text is cut off, a
// screen reader hears a name for every control, and the Tab key reaches
// every control. Arabic mirrors the window and keeps its arrangement.
class TestLanguages : public QObject, protected WindowFixture {
    Q_OBJECT

private:
    QString m_language;
    QTranslator m_translator;
    std::map<QString, QStringList> m_faults;

    void Use(const QString& language)
    {
        QCoreApplication::removeTranslator(&m_translator);
        m_language = language;
        if (language != QLatin1String("en")) {
            QVERIFY2(m_translator.load(QStringLiteral(":/i18n/tavrel_%1.qm").arg(language)), qPrintable(language));
            QCoreApplication::installTranslator(&m_translator);
        }
        QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
    }

    // Checks one window as shown: what it finds is kept for the row's verdict.
    void Check(QWidget& window)
    {
        QStringList& faults = m_faults[window.windowTitle()];
        QList<QWidget*> focusable;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(&window))
                continue;
            if (const int overflow = Overflow(*widget); overflow > 0)
                faults << QStringLiteral("%1 clipped by %2 px").arg(Describe(*widget)).arg(overflow);
            if (!TakesFocus(*widget, window))
                continue;
            focusable << widget;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
                faults << QStringLiteral("%1 has no accessible name").arg(Describe(*widget));
        }
        if (focusable.isEmpty())
            return;
        // Keys go to the window's focus widget, active or not, as the Tab key would.
        focusable.first()->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> reached;
        for (int i = 0; i < 3 * focusable.size() && window.focusWidget(); ++i) {
            reached.insert(window.focusWidget());
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        }
        for (QWidget* widget : focusable) {
            if (!reached.contains(widget))
                faults << QStringLiteral("%1 not reached by Tab").arg(Describe(*widget));
        }
    }

    // Runs the next modal dialog of type T that `open` brings up through the check.
    template <typename T>
    void CheckModal(const std::function<void()>& open)
    {
        ModalDriver<T> driver([this](T& dialog) { Check(dialog); });
        open();
        QVERIFY2(driver.Ran(), T::staticMetaObject.className());
    }

    void CheckShown(QDialog&& dialog)
    {
        dialog.show();
        dialog.activateWindow();
        Check(dialog);
    }

    void EditRow(int row)
    {
        m_dialog->RecordList()->SetItemSelected(row, true);
        m_dialog->Records().OnListDblClk(row);
    }

private slots:
    void initTestCase()
    {
        ChooseAnsiCodePage(1252);
    }

    void cleanup()
    {
        CloseWindow();
        Use(QStringLiteral("en"));
    }

    void everyWindowFitsAndIsNamedAndReachable_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : { "en", "ru", "zh_CN", "tr", "ar", "de" })
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void everyWindowFitsAndIsNamedAndReachable()
    {
        QFETCH(QString, language);
        Use(language);
        m_faults.clear();
        OpenFreshWindow();
        const QString path = m_dir->filePath(QStringLiteral("open.bin"));
        QVERIFY(WriteBytes(path, SmallImage().Build()));
        QVERIFY(m_dialog->OpenImage(path));
        m_dialog->activateWindow();
        Check(*m_dialog);
        // What the transfer row shows only while a port is open or a transfer
        // runs. Some English texts overrun their label already: a translation
        // may not overrun it further.
        const struct {
            int control;
            const char* text;
            const char* disambiguation;
        } transferTexts[] = {
            { IDC_OPEN_COM, "Open Com", "opens the serial port" },
            { IDC_DUMP, "Read", "button: read the receiver's flash now" },
            { IDC_STATUS, "Please reset the STB!", nullptr },
            { IDC_STATUS, "Reading...Please wait!", nullptr },
            { IDC_STATUS, "Read to read!", nullptr },
            { IDC_STATUS, "Upgrading,Please wait!", nullptr },
        };
        for (const auto& [control, text, disambiguation] : transferTexts) {
            QWidget& widget = *m_dialog->Control(control);
            const QVariant shown = widget.property("text");
            widget.setProperty("text", QString::fromLatin1(text));
            const int english = std::max(0, Overflow(widget));
            widget.setProperty("text", QCoreApplication::translate("TransferControl", text, disambiguation));
            if (const int overflow = Overflow(widget); overflow > english)
                m_faults[m_dialog->windowTitle()] << QStringLiteral("%1 clipped by %2 px more than in English").arg(Describe(widget)).arg(overflow - english);
            widget.setProperty("text", shown);
        }
        // The filter finds its columns by their translated headings.
        m_dialog->Filter()->setText(QStringLiteral("Two"));
        QCOMPARE(m_dialog->RecordList()->GetItemCount(), 1);
        m_dialog->Filter()->clear();

        auto& tree = *SatTree();
        CheckModal<ProgEditDlg>([this] { EditRow(0); });
        CheckModal<ProgramFlagsDlg>([this] {
            m_dialog->RecordList()->SetItemSelected(1, true);
            m_dialog->Records().OnListCommand(ID_LIST_SET_FAVORITES);
        });
        tree.setCurrentItem(tree.topLevelItem(1));
        Check(*m_dialog);
        CheckModal<SatEditDlg>([this] { EditRow(0); });
        tree.setCurrentItem(tree.topLevelItem(1)->child(0));
        Check(*m_dialog);
        CheckModal<TpEditDlg>([this] { EditRow(0); });
        CheckModal<PassWord>([this] { m_dialog->OnAdvance(); });

        CheckShown(CAboutDlg(m_dialog.get()));
        CheckShown(PortsDlg(app().m_Ports, 1, 4, m_dialog.get()));
        CheckShown(CheckListDlg(m_dialog.get()));
        CheckShown(KeptDumpsDlg(DumpArchive(m_dir->path().toStdString()), true, m_dialog.get()));
        CheckShown(CCompareDlg(ChannelDiff(), path, m_dialog.get()));
        CheckShown(LoadersDlg(LoaderSet::BuiltIn(), m_dialog.get()));
        ReferencePreviewDlg preview(app().Document(), {}, m_dialog.get());
        preview.ChooseFile(path);
        QVERIFY(preview.Plan());
        ReferenceListWnd referenceWindow(m_dialog.get());
        referenceWindow.Fill(*preview.List(), *preview.Plan(), QStringLiteral("open.bin"));
        referenceWindow.show();
        Check(referenceWindow);
        CheckShown(std::move(preview));

        QStringList faults;
        for (const auto& [window, found] : m_faults) {
            for (const QString& fault : found)
                faults << window + QStringLiteral(": ") + fault;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void languageIsTheChosenOneOrTheLocales_data()
    {
        QTest::addColumn<QStringList>("environment"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LANG") << QStringList { "", "", "", "de_DE.UTF-8" } << QStringLiteral("") << QStringLiteral("de_DE");
        QTest::newRow("LC_ALL first") << QStringList { "", "ru_RU.UTF-8", "tr_TR", "de_DE" } << QStringLiteral("") << QStringLiteral("ru_RU");
        QTest::newRow("LC_MESSAGES") << QStringList { "", "", "tr_TR.UTF-8", "de_DE" } << QStringLiteral("") << QStringLiteral("tr_TR");
        QTest::newRow("LANGUAGE list") << QStringList { "zh_CN:en", "", "", "de_DE.UTF-8" } << QStringLiteral("") << QStringLiteral("zh_CN");
        QTest::newRow("C ignores LANGUAGE") << QStringList { "ar", "C", "", "de_DE" } << QStringLiteral("") << QStringLiteral("");
        QTest::newRow("modifier") << QStringList { "", "", "", "sr_RS@latin" } << QStringLiteral("") << QStringLiteral("sr_RS");
        QTest::newRow("none") << QStringList { "", "", "", "" } << QStringLiteral("") << QStringLiteral("");
        QTest::newRow("chosen wins") << QStringList { "", "", "", "de_DE.UTF-8" } << QStringLiteral("ar") << QStringLiteral("ar");
    }

    void languageIsTheChosenOneOrTheLocales()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        const char* names[] = { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" };
        std::map<const char*, QByteArray> kept;
        for (size_t i = 0; i < std::size(names); ++i) {
            kept[names[i]] = qgetenv(names[i]);
            qputenv(names[i], environment[int(i)].toLocal8Bit());
        }
        Language::Choose(chosen);
        const QString current = Language::Current();
        Language::Choose(QString());
        for (const auto& [name, value] : kept)
            qputenv(name, value);
        QCOMPARE(current, expected);
    }

    // The window words a port problem from its parts; in English it must
    // read as the command line's words do.
    void portProblemsReadInEnglishAsTheCommandLineSaysThem()
    {
        const QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("ttyS9"));
        QVERIFY(WriteBytes(device, std::vector<uint8_t>(1)));
        for (const int error : { EACCES, EBUSY, ENOTTY, ENOENT }) {
            const PortProblem problem = ExplainPortFailure(device.toStdString(), error);
            QVERIFY(problem.adviceKind != PortProblem::Advice::None || error == ENOENT);
            QCOMPARE(PortProblemAdvice(problem), QString::fromStdString(problem.advice));
            QCOMPARE(PortProblemReason(problem), QString::fromStdString(problem.reason));
        }
    }

    // As the port problems: a verification the window words itself.
    void verificationsReadInEnglishAsTheCommandLineWordsThem()
    {
        ImageBuilder other = SmallImage();
        other.AddTransponder(MakeTransponder(13, 2, 12100));
        other.AddTv(MakeProgram(1, 10, 104, "Four", 0x104), 0x7F);
        const std::vector<uint8_t> image = SmallImage().Build();
        std::vector<uint8_t> renamed = other.Build();
        std::vector<uint8_t> garbage = image;
        garbage[0] ^= 0xFF;
        for (const std::vector<uint8_t>* flash : { &renamed, &garbage }) {
            const FlashVerification verification = VerifyFlash(image, *flash, AnsiCodePageText());
            QVERIFY(!verification.Same());
            QCOMPARE(DiffText::Verification(verification, 2),
                QString::fromStdString(VerificationText(verification, 2, 2)).trimmed());
        }
    }

    void arabicMirrorsTheWindowAndKeepsItsArrangement()
    {
        const auto controls = [this] {
            const QWidget* page = m_dialog->Control(IDC_RECORD_LIST)->parentWidget();
            return page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        };
        OpenFreshWindow();
        std::map<QString, QRect> leftToRight;
        for (const QWidget* control : controls())
            leftToRight[control->objectName()] = control->geometry();
        const QSize size = m_dialog->size();
        const int pageWidth = m_dialog->Control(IDC_RECORD_LIST)->parentWidget()->width();

        Use(QStringLiteral("ar"));
        NewWindow();
        QVERIFY(m_dialog->isRightToLeft());
        QCOMPARE(m_dialog->size(), size);
        QCOMPARE(m_dialog->minimumSize(), m_dialog->maximumSize());
        for (const QWidget* control : controls()) {
            if (control->objectName().isEmpty())
                continue;
            const QRect rect = leftToRight.at(control->objectName());
            QCOMPARE(control->geometry(), QRect(pageWidth - rect.x() - rect.width(), rect.y(), rect.width(), rect.height()));
        }
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateSettings settings;
    CTavrelApp app(argc, argv);
    TestLanguages test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestLanguages.moc"
