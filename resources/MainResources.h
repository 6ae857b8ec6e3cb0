#pragma once

#include "DialogTemplate.h"

// Ids of the main window's controls.
constexpr int IDC_OPEN_COM = 1086;
constexpr int IDC_PORT = 1004;
constexpr int IDC_XTAL = 1085;
constexpr int IDC_DUMP = 1016;
constexpr int IDC_UPGRADE = 1015;
constexpr int IDC_CANCEL = 1084;
constexpr int IDC_OPEN = 1017;
constexpr int IDC_SAVE = 1020;
constexpr int IDC_EXIT = 1083;
constexpr int IDC_RECORD_LIST = 1001;
constexpr int IDC_SAT_TREE = 1002;
constexpr int IDC_SAT_COUNT = 1007;
constexpr int IDC_TP_COUNT = 1008;
constexpr int IDC_TV_COUNT = 1009;
constexpr int IDC_RADIO_COUNT = 1010;
constexpr int IDC_COUNTER_FRAME = 1011;
constexpr int IDC_SERVICE_TAB = 1012;
constexpr int IDC_PROGRESS = 1079;
constexpr int IDC_LAMP_ON = 1081;
constexpr int IDC_LAMP_OFF = 1082;
constexpr int IDC_STATUS = 1087;
constexpr int IDC_PERCENT = 1088;
constexpr int IDC_TRANSFER_FRAME = 1013;
constexpr int IDC_FILTER = 1101;
constexpr int IDC_ABOUT_VERSION = 1102;

// Menu commands.
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_EXIT = 32773;
constexpr int ID_TOOLS_UPGRADE = 32774;
constexpr int ID_TOOLS_DUMP = 32775;
constexpr int ID_TOOLS_ADVANCE = 32787;
constexpr int ID_HELP_ABOUT = 32781;
constexpr int ID_HELP_LANGUAGE = 32782;
constexpr int ID_LIST_DELETE = 32786;
constexpr int ID_FILE_EXPORT_CSV = 32811;
constexpr int ID_FILE_IMPORT_CSV = 32812;
constexpr int ID_FILE_COMPARE = 32813;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_EDIT_REDO = 57644;
constexpr int ID_EDIT_FIND = 57636;
constexpr int ID_LIST_SET_FAVORITES = 32801;
constexpr int ID_LIST_SET_CHILD_LOCK = 32802;
constexpr int ID_LIST_SORT_BY_NAME = 32803;
constexpr int ID_LIST_SORT_BY_SERVICE_ID = 32804;
constexpr int ID_TOOLS_VERIFY = 32820;
constexpr int ID_TOOLS_PORTS = 32821;
constexpr int ID_TOOLS_CHECK = 32822;
constexpr int ID_FILE_KEPT_DUMPS = 32814;
constexpr int ID_FILE_RECENT = 32815;
constexpr int ID_LIST_MOVE_TO = 32805;
constexpr int ID_TOOLS_LOADERS = 32823;
constexpr int ID_FILE_APPLY_REFERENCE = 32816;
constexpr int ID_VIEW_REFERENCE_LIST = 32830;

constexpr int IDD_ABOUT = 100;
constexpr int IDD_MAIN = 102;
constexpr int IDR_MAIN_MENU = 129;
constexpr int IDR_LIST_MENU = 140;

// Resource paths of the pictures compiled into the program.
constexpr const char* ICON_APP = ":/tavrel/tavrel.png";      // icon 128
constexpr const char* BITMAP_LAMP_ON = ":/tavrel/lamp-green.png";  // bitmap 132
constexpr const char* BITMAP_LAMP_OFF = ":/tavrel/lamp-grey.png";  // bitmap 134

const DialogTemplate& MainDialogTemplate();
const DialogTemplate& AboutDialogTemplate();
const MenuTemplate& MainMenuTemplate();
const MenuTemplate& ListMenuTemplate();

// Makes the pictures of the static library's resource file available.
void InitTavrelResources();
