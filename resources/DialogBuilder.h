#pragma once

#include "DialogTemplate.h"

#include <QtCore/QRect>
#include <QtGui/QFont>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Converts dialog units to pixels with a font's metrics, the way Windows
// does: a horizontal unit is a quarter of the average character width, a
// vertical unit an eighth of the character height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int ToPixelsX(int dlu) const;
    int ToPixelsY(int dlu) const;
    QRect ToPixels(int x, int y, int w, int h) const;

    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

private:
    int m_baseX;
    int m_baseY;
};

// A text of a template in the user's language.
QString TemplateText(const char* text);
QString DialogCaption(const DialogTemplate& dialog);

// Creates the controls of a dialog template as children of one widget.
// Every control with an id gets that id as its object name ("1001"), so
// code and tests find it with FindControl.
class DialogBuilder {
public:
    // Returns the widget for a control, or null to let the builder make the
    // standard one; lets a window put its own list or tree class in place.
    using Factory = std::function<QWidget*(const ControlTemplate&, QWidget* parent)>;

    explicit DialogBuilder(QWidget* page, Factory factory = {});

    // Creates the controls in template order (the order of the Tab key) and
    // fixes the page's size to the template's. A right-to-left page gets the
    // template mirrored.
    void Build(const DialogTemplate& dialog);

    const DialogUnits& Units() const { return m_units; }

private:
    QWidget* Create(const ControlTemplate& control);
    // Gives a control its accessible name: its own from the template, or
    // that of the label on its left, which becomes the label's buddy.
    static void Name(std::span<const ControlTemplate> controls, size_t index, const std::vector<QWidget*>& created);

    QWidget* m_page;
    Factory m_factory;
    DialogUnits m_units;
};

QWidget* FindControl(const QWidget* root, int id);

template <typename T>
T* FindControl(const QWidget* root, int id)
{
    return qobject_cast<T*>(FindControl(root, id));
}

// Builds a menu bar (or a popup list, see BuildPopupMenu) from a menu
// template; each action's object name and data are its command id.
QMenuBar* BuildMenuBar(const MenuTemplate& menu, QWidget* parent);
// The first popup of a menu template, as a context menu.
QMenu* BuildPopupMenu(const MenuTemplate& menu, QWidget* parent);
QAction* FindMenuAction(const QWidget* root, int commandId);
