#include "DialogBuilder.h"

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

void DialogBuilder::Build(const DialogTemplate& dialog)
{
    m_page->setFixedSize(m_units.ToPixelsX(dialog.w), m_units.ToPixelsY(dialog.h));
    std::vector<QWidget*> frames;
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
        widget->setGeometry(rect);
        widget->show();
        if (control.cls == ControlClass::GroupBox)
            frames.push_back(widget);
    }
    // Frames are drawn behind what they frame and must not take its clicks.
    for (QWidget* frame : frames)
        frame->lower();
}

QWidget* DialogBuilder::Create(const ControlTemplate& control)
{
    const QString caption = QString::fromUtf8(control.caption);
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
    QAction* action = menu->addAction(QString::fromUtf8(item.text));
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
            popup = bar->addMenu(QString::fromUtf8(item.popup));
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
            popup = new QMenu(QString::fromUtf8(item.popup), parent);
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
