#include "DialogBuilder.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QAction>
#include <QtGui/QFontMetrics>
#include <QtGui/QPixmap>
#include <QtGui/QRegularExpressionValidator>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTableView>
#include <QtWidgets/QTreeWidget>

#include <vector>

namespace {

int MulDiv(int value, int numerator, int denominator)
{
    return (value * numerator + denominator / 2) / denominator;
}

QString IdName(int id)
{
    return QString::number(id);
}

QString MenuText(const char* text)
{
    return QCoreApplication::translate("MenuTemplate", text);
}

// Controls that show no text of their own are named by their label.
bool NamedByLabel(const ControlTemplate& control)
{
    switch (control.cls) {
    case ControlClass::CheckBox:
        return !*control.caption;
    case ControlClass::Edit:
    case ControlClass::ComboDropDown:
    case ControlClass::ComboDropList:
    case ControlClass::ListView:
    case ControlClass::TreeView:
    case ControlClass::TabControl:
    case ControlClass::ProgressBar:
        return true;
    default:
        return false;
    }
}

// The index of the nearest static text on the control's left in the same
// row, or -1.
int LabelOf(std::span<const ControlTemplate> controls, const ControlTemplate& control)
{
    int label = -1;
    for (size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& candidate = controls[i];
        const bool sameRow = candidate.y < control.y + control.h && control.y < candidate.y + candidate.h;
        if (candidate.cls == ControlClass::StaticText && *candidate.caption && sameRow
            && candidate.x + candidate.w <= control.x && (label < 0 || candidate.x > controls[size_t(label)].x))
            label = int(i);
    }
    return label;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (width / 26 + 1) / 2;
    m_baseY = metrics.height();
}

int DialogUnits::ToPixelsX(int dlu) const
{
    return MulDiv(dlu, m_baseX, 4);
}

int DialogUnits::ToPixelsY(int dlu) const
{
    return MulDiv(dlu, m_baseY, 8);
}

QRect DialogUnits::ToPixels(int x, int y, int w, int h) const
{
    return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(w), ToPixelsY(h));
}

DialogBuilder::DialogBuilder(QWidget* page, Factory factory)
    : m_page(page)
    , m_factory(std::move(factory))
    , m_units(page->font())
{
}

QString TemplateText(const char* text)
{
    return text && *text ? QCoreApplication::translate("DialogTemplate", text) : QString();
}

QString DialogCaption(const DialogTemplate& dialog)
{
    return TemplateText(dialog.caption);
}

void DialogBuilder::Build(const DialogTemplate& dialog)
{
    const int pageWidth = m_units.ToPixelsX(dialog.w);
    m_page->setFixedSize(pageWidth, m_units.ToPixelsY(dialog.h));
    std::vector<QWidget*> frames;
    std::vector<QWidget*> created;
    for (const ControlTemplate& control : dialog.controls) {
        QWidget* widget = m_factory ? m_factory(control, m_page) : nullptr;
        if (!widget)
            widget = Create(control);
        if (control.id != ID_NONE)
            widget->setObjectName(IdName(control.id));
        if (control.style & STYLE_DISABLED)
            widget->setEnabled(false);

        QRect rect = m_units.ToPixels(control.x, control.y, control.w, control.h);
        // A combo box's height in a template includes its drop-down list.
        if (control.cls == ControlClass::ComboDropDown || control.cls == ControlClass::ComboDropList)
            rect.setHeight(widget->sizeHint().height());
        // Absolute positions are not mirrored by Qt; a right-to-left page mirrors them here.
        if (m_page->layoutDirection() == Qt::RightToLeft)
            rect.moveLeft(pageWidth - rect.x() - rect.width());
        widget->setGeometry(rect);
        // Tab leaves a list instead of walking its cells.
        if (auto* view = qobject_cast<QAbstractItemView*>(widget))
            view->setTabKeyNavigation(false);
        widget->show();
        if (control.cls == ControlClass::GroupBox)
            frames.push_back(widget);
        created.push_back(widget);
    }
    for (size_t i = 0; i < created.size(); ++i)
        Name(dialog.controls, i, created);
    // Frames are drawn behind what they frame and must not take its clicks.
    for (QWidget* frame : frames)
        frame->lower();
}

void DialogBuilder::Name(std::span<const ControlTemplate> controls, size_t index, const std::vector<QWidget*>& created)
{
    const ControlTemplate& control = controls[index];
    QWidget* widget = created[index];
    if (control.description)
        widget->setAccessibleDescription(TemplateText(control.description));
    if (control.name) {
        widget->setAccessibleName(TemplateText(control.name));
        return;
    }
    const int label = NamedByLabel(control) ? LabelOf(controls, control) : -1;
    if (label < 0)
        return;
    widget->setAccessibleName(TemplateText(controls[size_t(label)].caption));
    if (auto* text = qobject_cast<QLabel*>(created[size_t(label)]))
        text->setBuddy(widget);
}

QWidget* DialogBuilder::Create(const ControlTemplate& control)
{
    const bool picture = control.cls == ControlClass::StaticBitmap || control.cls == ControlClass::StaticIcon;
    const QString caption = picture ? QString::fromUtf8(control.caption) : TemplateText(control.caption);
    switch (control.cls) {
    case ControlClass::Button:
        return new QPushButton(caption, m_page);
    case ControlClass::DefaultButton: {
        auto* button = new QPushButton(caption, m_page);
        button->setDefault(true);
        return button;
    }
    case ControlClass::CheckBox:
        return new QCheckBox(caption, m_page);
    case ControlClass::Edit: {
        auto* edit = new QLineEdit(caption, m_page);
        if (control.style & STYLE_NUMBER)
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        if (control.style & STYLE_READONLY)
            edit->setReadOnly(true);
        if (control.style & STYLE_PASSWORD)
            edit->setEchoMode(QLineEdit::Password);
        return edit;
    }
    case ControlClass::ComboDropDown: {
        auto* combo = new QComboBox(m_page);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        return combo;
    }
    case ControlClass::ComboDropList:
        return new QComboBox(m_page);
    case ControlClass::StaticText: {
        auto* label = new QLabel(caption, m_page);
        label->setAlignment(Qt::AlignLeft | ((control.style & STYLE_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop));
        return label;
    }
    case ControlClass::StaticBitmap:
    case ControlClass::StaticIcon: {
        auto* label = new QLabel(m_page);
        QPixmap picture(caption);
        if (control.cls == ControlClass::StaticIcon)
            picture = picture.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        label->setPixmap(picture);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlClass::GroupBox:
        return new QGroupBox(caption, m_page);
    case ControlClass::ListView: {
        auto* view = new QTableView(m_page);
        view->verticalHeader()->hide();
        return view;
    }
    case ControlClass::TreeView: {
        auto* tree = new QTreeWidget(m_page);
        tree->setHeaderHidden(true);
        tree->setRootIsDecorated(true);
        return tree;
    }
    case ControlClass::TabControl:
        return new QTabBar(m_page);
    case ControlClass::ProgressBar: {
        auto* bar = new QProgressBar(m_page);
        bar->setTextVisible(false);
        return bar;
    }
    }
    return new QWidget(m_page);
}

QWidget* FindControl(const QWidget* root, int id)
{
    return root->findChild<QWidget*>(IdName(id));
}

namespace {

QAction* AddCommand(QMenu* menu, const MenuItemTemplate& item)
{
    if (!item.text)
        return menu->addSeparator();
    QAction* action = menu->addAction(MenuText(item.text));
    action->setObjectName(IdName(item.commandId));
    action->setData(item.commandId);
    return action;
}

} // namespace

QMenuBar* BuildMenuBar(const MenuTemplate& menu, QWidget* parent)
{
    auto* bar = new QMenuBar(parent);
    bar->setObjectName(IdName(menu.id));
    QMenu* popup = nullptr;
    for (const MenuItemTemplate& item : menu.items) {
        if (item.popup)
            popup = bar->addMenu(MenuText(item.popup));
        if (popup)
            AddCommand(popup, item);
    }
    return bar;
}

QMenu* BuildPopupMenu(const MenuTemplate& menu, QWidget* parent)
{
    QMenu* popup = nullptr;
    for (const MenuItemTemplate& item : menu.items) {
        if (item.popup) {
            if (popup)
                break;
            popup = new QMenu(MenuText(item.popup), parent);
            popup->setObjectName(IdName(menu.id));
        }
        if (popup)
            AddCommand(popup, item);
    }
    return popup;
}

QAction* FindMenuAction(const QWidget* root, int commandId)
{
    return root->findChild<QAction*>(IdName(commandId));
}
