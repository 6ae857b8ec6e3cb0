#include "EditorResources.h"

#include <QtCore/QtGlobal>

namespace {

using enum ControlClass;

constexpr unsigned LABEL = STYLE_VCENTER;
constexpr unsigned NUMBER = STYLE_NUMBER;
constexpr unsigned SHOWN_ONLY = STYLE_DISABLED;

constexpr ControlTemplate PROG_EDIT_CONTROLS[] = {
    { ID_NONE, GroupBox, "", 7, 6, 335, 88, STYLE_NONE },
    { 1041, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "SatNO."), 14, 18, 38, 13, LABEL },
    { IDC_PROG_SAT_NO, Edit, "", 54, 18, 72, 13, SHOWN_ONLY },
    { 1043, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "SatName"), 14, 36, 38, 13, LABEL },
    { IDC_PROG_SAT_NAME, Edit, "", 54, 36, 72, 13, SHOWN_ONLY },
    { 1045, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Frequency"), 14, 54, 38, 13, LABEL },
    { IDC_PROG_FREQUENCY, Edit, "", 54, 54, 72, 13, SHOWN_ONLY },
    { 1047, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "ProgNO."), 14, 72, 38, 13, LABEL },
    { IDC_PROG_NO, Edit, "", 54, 72, 72, 13, SHOWN_ONLY },
    { 1049, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "ProgName"), 132, 18, 36, 13, LABEL },
    { IDC_PROG_NAME, Edit, "", 170, 18, 62, 13, STYLE_NONE },
    { 1051, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "VideoPID"), 132, 36, 36, 13, LABEL },
    { IDC_PROG_VIDEO_PID, Edit, "", 170, 36, 62, 13, NUMBER },
    { 1053, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "AudioPID"), 132, 54, 36, 13, LABEL },
    { IDC_PROG_AUDIO_PID, Edit, "", 170, 54, 62, 13, NUMBER },
    { 1055, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "PCRPID"), 132, 72, 36, 13, LABEL },
    { IDC_PROG_PCR_PID, Edit, "", 170, 72, 62, 13, NUMBER },
    { 1057, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "ServiceID"), 240, 18, 38, 13, LABEL },
    { IDC_PROG_SERVICE_ID, Edit, "", 280, 18, 54, 13, NUMBER },
    { 1058, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Scramble"), 240, 36, 38, 13, LABEL },
    { IDC_PROG_SCRAMBLE, Edit, "", 280, 36, 54, 13, SHOWN_ONLY },
    { 1059, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Track"), 240, 54, 38, 13, LABEL },
    { IDC_PROG_TRACK, ComboDropList, "", 280, 54, 54, 60, STYLE_NONE },
    { 1060, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "ChildLock"), 240, 72, 38, 13, LABEL },
    { IDC_PROG_CHILD_LOCK, ComboDropList, "", 280, 72, 54, 40, STYLE_NONE },

    { ID_NONE, GroupBox, "", 7, 98, 335, 42, STYLE_NONE },
    { 1065, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Movies"), 24, 108, 40, 12, LABEL },
    { IDC_PROG_MOVIES, CheckBox, "", 66, 108, 12, 12, STYLE_NONE },
    { 1069, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Cartoons"), 134, 108, 40, 12, LABEL },
    { IDC_PROG_CARTOONS, CheckBox, "", 176, 108, 12, 12, STYLE_NONE },
    { 1073, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Sports"), 244, 108, 40, 12, LABEL },
    { IDC_PROG_SPORTS, CheckBox, "", 286, 108, 12, 12, STYLE_NONE },
    { 1067, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Music"), 24, 124, 40, 12, LABEL },
    { IDC_PROG_MUSIC, CheckBox, "", 66, 124, 12, 12, STYLE_NONE },
    { 1071, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "News"), 134, 124, 40, 12, LABEL },
    { IDC_PROG_NEWS, CheckBox, "", 176, 124, 12, 12, STYLE_NONE },
    { 1075, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Adult"), 244, 124, 40, 12, LABEL },
    { IDC_PROG_ADULT, CheckBox, "", 286, 124, 12, 12, STYLE_NONE },

    { IDC_PROG_BISS_FRAME, GroupBox, "", 7, 144, 335, 26, STYLE_NONE },
    { IDC_PROG_BISS_LABEL, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "BissKey(Hex)"), 24, 152, 52, 13, LABEL },
    { IDC_PROG_BISS_KEY, Edit, "", 78, 152, 150, 13, STYLE_NONE },

    { IDC_PROG_OK, DefaultButton, QT_TRANSLATE_NOOP("DialogTemplate", "OK"), 222, 177, 50, 14, STYLE_NONE },
    { IDC_PROG_CANCEL, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Cancel"), 284, 177, 50, 14, STYLE_NONE },
};

constexpr ControlTemplate SAT_EDIT_CONTROLS[] = {
    { ID_NONE, GroupBox, "", 7, 6, 213, 128, STYLE_NONE },
    { 1014, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "SatNO."), 14, 18, 42, 13, LABEL },
    { IDC_SATEDIT_NO, Edit, "", 58, 18, 52, 13, SHOWN_ONLY | NUMBER },
    { 1016, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "SatName"), 14, 36, 42, 13, LABEL },
    { IDC_SATEDIT_NAME, Edit, "", 58, 36, 52, 13, STYLE_NONE },
    { 1018, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Longitude"), 14, 54, 42, 13, LABEL },
    { IDC_SATEDIT_LONGITUDE, Edit, "", 58, 54, 52, 13, NUMBER },
    { 1028, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "LnbFreLow"), 14, 72, 42, 13, LABEL },
    { IDC_SATEDIT_LNB_LOW, Edit, "", 58, 72, 52, 13, NUMBER },
    { 1030, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "LnbFreHigh"), 14, 90, 42, 13, LABEL },
    { IDC_SATEDIT_LNB_HIGH, Edit, "", 58, 90, 52, 13, NUMBER },
    { 1024, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Postion"), 14, 108, 42, 13, LABEL },
    { IDC_SATEDIT_POSITION, Edit, "", 58, 108, 52, 13, NUMBER },
    { 1026, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Lnb Type"), 118, 18, 38, 13, LABEL },
    { IDC_SATEDIT_LNB_TYPE, ComboDropList, "", 158, 18, 56, 60, STYLE_NONE },
    { 1034, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Lnb Power"), 118, 36, 38, 13, LABEL },
    { IDC_SATEDIT_LNB_POWER, ComboDropList, "", 158, 36, 56, 60, STYLE_NONE },
    { 1020, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "DiSEqC1.0"), 118, 54, 38, 13, LABEL },
    { IDC_SATEDIT_DISEQC10, ComboDropList, "", 158, 54, 56, 80, STYLE_NONE },
    { 1032, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "22K"), 118, 72, 38, 13, LABEL },
    { IDC_SATEDIT_22K, ComboDropList, "", 158, 72, 56, 40, STYLE_NONE },
    { 1022, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "DiSEqC1.2"), 118, 90, 38, 13, LABEL },
    { IDC_SATEDIT_DISEQC12, ComboDropList, "", 158, 90, 56, 40, STYLE_NONE },
    { 1036, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "0/12V"), 118, 108, 38, 13, LABEL },
    { IDC_SATEDIT_012V, ComboDropList, "", 158, 108, 56, 40, STYLE_NONE },
    { IDC_SATEDIT_OK, DefaultButton, QT_TRANSLATE_NOOP("DialogTemplate", "OK"), 50, 143, 50, 14, STYLE_NONE },
    { IDC_SATEDIT_CANCEL, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Cancel"), 127, 143, 50, 14, STYLE_NONE },
};

constexpr ControlTemplate TP_EDIT_CONTROLS[] = {
    { ID_NONE, GroupBox, "", 7, 6, 219, 76, STYLE_NONE },
    { 1026, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "SatNO."), 14, 20, 36, 13, LABEL },
    { IDC_TPEDIT_SAT_NO, Edit, "", 52, 20, 54, 13, SHOWN_ONLY },
    { 1027, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "SatName"), 14, 38, 36, 13, LABEL },
    { IDC_TPEDIT_SAT_NAME, Edit, "", 52, 38, 54, 13, SHOWN_ONLY },
    { 1028, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "TPIndex"), 14, 56, 36, 13, LABEL },
    { IDC_TPEDIT_TP_INDEX, Edit, "", 52, 56, 54, 13, SHOWN_ONLY },
    { 1029, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Freq"), 114, 20, 48, 13, LABEL },
    { IDC_TPEDIT_FREQUENCY, Edit, "", 164, 20, 54, 13, NUMBER },
    { 1030, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "SymbolRate"), 114, 38, 48, 13, LABEL },
    { IDC_TPEDIT_SYMBOL_RATE, Edit, "", 164, 38, 54, 13, NUMBER },
    { 1031, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Polarisation"), 114, 56, 48, 13, LABEL },
    { IDC_TPEDIT_POLARIZATION, ComboDropList, "", 164, 56, 54, 40, STYLE_NONE },
    { IDC_TPEDIT_OK, DefaultButton, QT_TRANSLATE_NOOP("DialogTemplate", "OK"), 52, 92, 50, 14, STYLE_NONE },
    { IDC_TPEDIT_CANCEL, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Cancel"), 130, 92, 50, 14, STYLE_NONE },
};

constexpr ControlTemplate PROGRAM_FLAGS_CONTROLS[] = {
    { ID_NONE, GroupBox, QT_TRANSLATE_NOOP("DialogTemplate", "Favourites"), 7, 4, 206, 44, STYLE_NONE },
    { IDC_FLAGS_MOVIES, CheckBox, QT_TRANSLATE_NOOP("DialogTemplate", "Movies"), 16, 16, 60, 12, STYLE_NONE },
    { IDC_FLAGS_CARTOONS, CheckBox, QT_TRANSLATE_NOOP("DialogTemplate", "Cartoons"), 82, 16, 60, 12, STYLE_NONE },
    { IDC_FLAGS_SPORTS, CheckBox, QT_TRANSLATE_NOOP("DialogTemplate", "Sports"), 148, 16, 60, 12, STYLE_NONE },
    { IDC_FLAGS_MUSIC, CheckBox, QT_TRANSLATE_NOOP("DialogTemplate", "Music"), 16, 31, 60, 12, STYLE_NONE },
    { IDC_FLAGS_NEWS, CheckBox, QT_TRANSLATE_NOOP("DialogTemplate", "News"), 82, 31, 60, 12, STYLE_NONE },
    { IDC_FLAGS_ADULT, CheckBox, QT_TRANSLATE_NOOP("DialogTemplate", "Adult"), 148, 31, 60, 12, STYLE_NONE },
    { ID_NONE, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "ChildLock"), 16, 56, 40, 13, LABEL },
    { IDC_FLAGS_CHILD_LOCK, ComboDropList, "", 60, 56, 70, 50, STYLE_NONE },
    { ID_NONE, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "A box left grey keeps each program's own setting."), 7, 76, 206, 10, STYLE_NONE },
    { IDC_FLAGS_OK, DefaultButton, QT_TRANSLATE_NOOP("DialogTemplate", "OK"), 100, 92, 50, 14, STYLE_NONE },
    { IDC_FLAGS_CANCEL, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Cancel"), 160, 92, 50, 14, STYLE_NONE },
};

constexpr ControlTemplate PASSWORD_CONTROLS[] = {
    { ID_NONE, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "User"), 20, 16, 40, 13, LABEL },
    { IDC_LOGIN_USER, Edit, "", 64, 16, 100, 13, STYLE_NONE },
    { ID_NONE, StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "PassWord"), 20, 36, 40, 13, LABEL },
    { IDC_LOGIN_PASSWORD, Edit, "", 64, 36, 100, 13, STYLE_NONE, nullptr,
      QT_TRANSLATE_NOOP("DialogTemplate", "The password shows as it is typed.") },
    { IDC_LOGIN_OK, DefaultButton, QT_TRANSLATE_NOOP("DialogTemplate", "OK"), 30, 64, 50, 14, STYLE_NONE },
    { IDC_LOGIN_CANCEL, Button, QT_TRANSLATE_NOOP("DialogTemplate", "Cancel"), 106, 64, 50, 14, STYLE_NONE },
};

} // namespace

const DialogTemplate& ProgEditDialogTemplate()
{
    static const DialogTemplate dialog { IDD_PROG_EDIT, QT_TRANSLATE_NOOP("DialogTemplate", "Program"), 349, 199, PROG_EDIT_CONTROLS };
    return dialog;
}

const DialogTemplate& ProgramFlagsDialogTemplate()
{
    static const DialogTemplate dialog { IDD_PROGRAM_FLAGS, QT_TRANSLATE_NOOP("DialogTemplate", "Programs"), 220, 114, PROGRAM_FLAGS_CONTROLS };
    return dialog;
}

const DialogTemplate& SatEditDialogTemplate()
{
    static const DialogTemplate dialog { IDD_SAT_EDIT, QT_TRANSLATE_NOOP("DialogTemplate", "Satellite"), 227, 166, SAT_EDIT_CONTROLS };
    return dialog;
}

const DialogTemplate& TpEditDialogTemplate()
{
    static const DialogTemplate dialog { IDD_TP_EDIT, QT_TRANSLATE_NOOP("DialogTemplate", "Transponder"), 233, 116, TP_EDIT_CONTROLS };
    return dialog;
}

const DialogTemplate& PassWordDialogTemplate()
{
    static const DialogTemplate dialog { IDD_PASSWORD, QT_TRANSLATE_NOOP("DialogTemplate", "Password"), 186, 90, PASSWORD_CONTROLS };
    return dialog;
}
