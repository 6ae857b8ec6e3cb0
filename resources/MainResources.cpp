#include "MainResources.h"

#include <QtCore/QtGlobal>

#include <QtCore/QDir>

namespace {

using enum ControlClass;

constexpr ControlTemplate MAIN_CONTROLS[] = {
    { IDC_OPEN_COM, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Close Com"), 24, 14, 50, 14, STYLE_NONE },
    { IDC_PORT, ComboDropDown, "", 95, 14, 40, 30, STYLE_NONE,
      QT_TRANSLATE_NOOP("DialogTemplate", "Port") },
    { IDC_XTAL, ComboDropDown, "", 158, 14, 40, 30, STYLE_NONE },
    { IDC_DUMP, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Dump"), 210, 14, 50, 14, STYLE_NONE },
    { IDC_UPGRADE, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Upgrade"), 265, 14, 50, 14, STYLE_NONE },
    { IDC_CANCEL, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Cancel"), 320, 14, 50, 14, STYLE_NONE },
    { IDC_OPEN, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Open"), 380, 14, 50, 14, STYLE_NONE },
    { IDC_SAVE, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Save"), 435, 14, 50, 14, STYLE_NONE },
    { IDC_EXIT, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Exit"), 490, 14, 50, 14, STYLE_NONE },
    { IDC_SERVICE_TAB, TabControl, "", 48, 49, 85, 13, STYLE_NONE,
      QT_TRANSLATE_NOOP("DialogTemplate", "Service type") },
    { IDC_SAT_TREE, TreeView, "", 20, 62, 115, 263, STYLE_BORDER,
      QT_TRANSLATE_NOOP("DialogTemplate", "Satellites") },
    { IDC_SAT_COUNT, StaticText, "", 24, 336, 40, 14, STYLE_NONE },
    { IDC_TP_COUNT, StaticText, "", 79, 336, 40, 14, STYLE_NONE },
    { IDC_TV_COUNT, StaticText, "", 134, 336, 40, 14, STYLE_NONE },
    { IDC_RADIO_COUNT, StaticText, "", 189, 336, 46, 14, STYLE_NONE },
    { IDC_COUNTER_FRAME, GroupBox, "", 19, 329, 219, 26, STYLE_NONE },
    { IDC_PROGRESS, ProgressBar, "", 319, 336, 198, 14, STYLE_BORDER,
      QT_TRANSLATE_NOOP("DialogTemplate", "Transfer progress") },
    { IDC_LAMP_ON, StaticBitmap, BITMAP_LAMP_ON, 84, 16, 11, 10, STYLE_NONE },
    { IDC_LAMP_OFF, StaticBitmap, BITMAP_LAMP_OFF, 84, 16, 11, 10, STYLE_NONE },
    { ID_NONE, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Xtal"), 144, 18, 14, 8, STYLE_NONE },
    { ID_NONE, GroupBox, "", 20, 5, 181, 27, STYLE_NONE },
    { ID_NONE, GroupBox, "", 206, 5, 166, 27, STYLE_NONE },
    { ID_NONE, GroupBox, "", 377, 5, 165, 27, STYLE_NONE },
    { IDC_STATUS, StaticText, "", 245, 336, 72, 12, STYLE_VCENTER },
    { IDC_PERCENT, StaticText, "", 519, 337, 21, 12, STYLE_NONE },
    { IDC_TRANSFER_FRAME, GroupBox, "", 241, 329, 304, 26, STYLE_NONE },
    { IDC_FILTER, Edit, "", 144, 34, 399, 12, STYLE_NONE,
      QT_TRANSLATE_NOOP("DialogTemplate", "Filter") },
    { IDC_RECORD_LIST, ListView, "", 144, 47, 399, 278, STYLE_BORDER | STYLE_MULTISELECT,
      QT_TRANSLATE_NOOP("DialogTemplate", "Programs") },
};

constexpr ControlTemplate ABOUT_CONTROLS[] = {
    { ID_NONE, StaticIcon, ICON_APP, 11, 17, 20, 20, STYLE_NONE },
    { IDC_ABOUT_VERSION, StaticText, "Tavrel Version 1.007", 40, 10, 119, 8, STYLE_NONE },
    { 1, DefaultButton, QT_TRANSLATE_NOOP("DialogTemplate", "OK"), 178, 7, 50, 16, STYLE_NONE },
};

constexpr MenuItemTemplate MAIN_MENU[] = {
    { QT_TRANSLATE_NOOP("MenuTemplate", "File"), QT_TRANSLATE_NOOP("MenuTemplate", "open"), ID_FILE_OPEN },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "save"), ID_FILE_SAVE },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "recent files"), ID_FILE_RECENT },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "kept dumps..."), ID_FILE_KEPT_DUMPS },
    { nullptr, nullptr, 0 },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "export CSV..."), ID_FILE_EXPORT_CSV },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "import CSV..."), ID_FILE_IMPORT_CSV },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "compare with..."), ID_FILE_COMPARE },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "apply reference list..."), ID_FILE_APPLY_REFERENCE },
    { nullptr, nullptr, 0 },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "exit"), ID_FILE_EXIT },
    { QT_TRANSLATE_NOOP("MenuTemplate", "Edit"), QT_TRANSLATE_NOOP("MenuTemplate", "Undo"), ID_EDIT_UNDO },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "Redo"), ID_EDIT_REDO },
    { nullptr, nullptr, 0 },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "Find"), ID_EDIT_FIND },
    { QT_TRANSLATE_NOOP("MenuTemplate", "View"), QT_TRANSLATE_NOOP("MenuTemplate", "reference list"),
        ID_VIEW_REFERENCE_LIST },
    { QT_TRANSLATE_NOOP("MenuTemplate", "Tools"), QT_TRANSLATE_NOOP("MenuTemplate", "upgrade"), ID_TOOLS_UPGRADE },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "dump"), ID_TOOLS_DUMP },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "verify"), ID_TOOLS_VERIFY },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "ports..."), ID_TOOLS_PORTS },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "check list..."), ID_TOOLS_CHECK },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "loader blocks..."), ID_TOOLS_LOADERS },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "advance"), ID_TOOLS_ADVANCE },
    { QT_TRANSLATE_NOOP("MenuTemplate", "Help"), QT_TRANSLATE_NOOP("MenuTemplate", "about"), ID_HELP_ABOUT },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "language"), ID_HELP_LANGUAGE },
};

constexpr MenuItemTemplate LIST_MENU[] = {
    { QT_TRANSLATE_NOOP("MenuTemplate", "option"), QT_TRANSLATE_NOOP("MenuTemplate", "delete"), ID_LIST_DELETE },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "Move to position..."), ID_LIST_MOVE_TO },
    { nullptr, nullptr, 0 },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "Set favourites..."), ID_LIST_SET_FAVORITES },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "Set child lock..."), ID_LIST_SET_CHILD_LOCK },
    { nullptr, nullptr, 0 },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "Sort by name"), ID_LIST_SORT_BY_NAME },
    { nullptr, QT_TRANSLATE_NOOP("MenuTemplate", "Sort by service id"), ID_LIST_SORT_BY_SERVICE_ID },
};

} // namespace

const DialogTemplate& MainDialogTemplate()
{
    static const DialogTemplate dialog { IDD_MAIN, "Tavrel", 563, 371, MAIN_CONTROLS };
    return dialog;
}

const DialogTemplate& AboutDialogTemplate()
{
    static const DialogTemplate dialog { IDD_ABOUT, QT_TRANSLATE_NOOP("DialogTemplate", "About Tavrel"), 235, 55, ABOUT_CONTROLS };
    return dialog;
}

const MenuTemplate& MainMenuTemplate()
{
    static const MenuTemplate menu { IDR_MAIN_MENU, MAIN_MENU };
    return menu;
}

const MenuTemplate& ListMenuTemplate()
{
    static const MenuTemplate menu { IDR_LIST_MENU, LIST_MENU };
    return menu;
}

void InitTavrelResources()
{
    Q_INIT_RESOURCE(tavrel);
}
