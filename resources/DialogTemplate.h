#pragma once

#include <span>

// Dialog templates as tables: every control with its id and its rectangle in
// dialog units, so that the windows keep the arrangement they were drawn with
// whatever font the desktop uses.
//
// Their texts are English and marked for translation in the contexts
// "DialogTemplate" and "MenuTemplate"; the builder translates them as it
// creates the widgets.

enum class ControlClass {
    Button,
    DefaultButton,
    CheckBox,
    Edit,
    ComboDropDown,
    ComboDropList,
    StaticText,
    StaticBitmap,
    StaticIcon,
    GroupBox,
    ListView,
    TreeView,
    TabControl,
    ProgressBar,
};

// Style flags a control may carry besides its class.
enum ControlStyle : unsigned {
    STYLE_NONE = 0,
    STYLE_BORDER = 1u << 0,
    STYLE_VCENTER = 1u << 1,     // static text centred vertically
    STYLE_NUMBER = 1u << 2,      // edit accepts digits only
    STYLE_DISABLED = 1u << 3,
    STYLE_MULTISELECT = 1u << 4, // list view: several rows at once
    STYLE_READONLY = 1u << 5,
    STYLE_PASSWORD = 1u << 6,
};

constexpr int ID_NONE = -1;

struct ControlTemplate {
    int id;               // ID_NONE for controls nobody addresses
    ControlClass cls;
    const char* caption;  // text, or a resource path for bitmaps and icons
    int x, y, w, h;       // dialog units
    unsigned style;
    // What a screen reader calls a control that no label on its left names.
    const char* name = nullptr;
    // What a screen reader adds where the name alone would mislead.
    const char* description = nullptr;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int w, h;             // dialog units
    std::span<const ControlTemplate> controls;
};

struct MenuItemTemplate {
    const char* popup;    // non-null starts a new popup with this title
    const char* text;     // null: a separator
    int commandId;
};

struct MenuTemplate {
    int id;
    std::span<const MenuItemTemplate> items;
};
