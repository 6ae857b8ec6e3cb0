#pragma once

#include "DialogTemplate.h"

constexpr int IDD_SAT_EDIT = 136;
constexpr int IDD_TP_EDIT = 137;
constexpr int IDD_PROG_EDIT = 138;
constexpr int IDD_PASSWORD = 142;

// Program editor.
constexpr int IDC_PROG_SAT_NO = 1040;
constexpr int IDC_PROG_SAT_NAME = 1042;
constexpr int IDC_PROG_FREQUENCY = 1044;
constexpr int IDC_PROG_NO = 1046;
constexpr int IDC_PROG_NAME = 1048;
constexpr int IDC_PROG_VIDEO_PID = 1050;
constexpr int IDC_PROG_AUDIO_PID = 1052;
constexpr int IDC_PROG_PCR_PID = 1054;
constexpr int IDC_PROG_SERVICE_ID = 1056;
constexpr int IDC_PROG_SCRAMBLE = 1063;
constexpr int IDC_PROG_TRACK = 1062;
constexpr int IDC_PROG_CHILD_LOCK = 1061;
constexpr int IDC_PROG_MOVIES = 1066;
constexpr int IDC_PROG_MUSIC = 1068;
constexpr int IDC_PROG_CARTOONS = 1070;
constexpr int IDC_PROG_NEWS = 1072;
constexpr int IDC_PROG_SPORTS = 1074;
constexpr int IDC_PROG_ADULT = 1076;
constexpr int IDC_PROG_BISS_KEY = 1091;
constexpr int IDC_PROG_BISS_LABEL = 1088;
constexpr int IDC_PROG_BISS_FRAME = 1092;
constexpr int IDC_PROG_OK = 1077;
constexpr int IDC_PROG_CANCEL = 1078;

// The favourite group check boxes in the order of bits 1 to 6.
constexpr int IDC_PROG_FAVORITES[6] = {
    IDC_PROG_MOVIES, IDC_PROG_MUSIC, IDC_PROG_CARTOONS, IDC_PROG_NEWS, IDC_PROG_SPORTS, IDC_PROG_ADULT,
};

// Satellite editor.
constexpr int IDC_SATEDIT_NO = 1013;
constexpr int IDC_SATEDIT_NAME = 1015;
constexpr int IDC_SATEDIT_LONGITUDE = 1017;
constexpr int IDC_SATEDIT_LNB_LOW = 1027;
constexpr int IDC_SATEDIT_LNB_HIGH = 1029;
constexpr int IDC_SATEDIT_POSITION = 1023;
constexpr int IDC_SATEDIT_LNB_TYPE = 1025;
constexpr int IDC_SATEDIT_LNB_POWER = 1031;
constexpr int IDC_SATEDIT_DISEQC10 = 1033;
constexpr int IDC_SATEDIT_22K = 1035;
constexpr int IDC_SATEDIT_DISEQC12 = 1037;
constexpr int IDC_SATEDIT_012V = 1038;
constexpr int IDC_SATEDIT_OK = 1019;
constexpr int IDC_SATEDIT_CANCEL = 1040;

// Transponder editor.
constexpr int IDC_TPEDIT_SAT_NO = 1034;
constexpr int IDC_TPEDIT_SAT_NAME = 1035;
constexpr int IDC_TPEDIT_TP_INDEX = 1036;
constexpr int IDC_TPEDIT_FREQUENCY = 1037;
constexpr int IDC_TPEDIT_SYMBOL_RATE = 1038;
constexpr int IDC_TPEDIT_POLARIZATION = 1039;
constexpr int IDC_TPEDIT_OK = 1032;
constexpr int IDC_TPEDIT_CANCEL = 1033;

// Advanced-mode login.
constexpr int IDC_LOGIN_USER = 1094;
constexpr int IDC_LOGIN_PASSWORD = 1096;
constexpr int IDC_LOGIN_OK = 1095;
constexpr int IDC_LOGIN_CANCEL = 1097;

// Favourites and child lock of several programs at once.
constexpr int IDD_PROGRAM_FLAGS = 143;
constexpr int IDC_FLAGS_MOVIES = 1110;
constexpr int IDC_FLAGS_MUSIC = 1111;
constexpr int IDC_FLAGS_CARTOONS = 1112;
constexpr int IDC_FLAGS_NEWS = 1113;
constexpr int IDC_FLAGS_SPORTS = 1114;
constexpr int IDC_FLAGS_ADULT = 1115;
constexpr int IDC_FLAGS_CHILD_LOCK = 1116;
constexpr int IDC_FLAGS_OK = 1117;
constexpr int IDC_FLAGS_CANCEL = 1118;

// The favourite group check boxes in the order of bits 1 to 6.
constexpr int IDC_FLAGS_FAVORITES[6] = {
    IDC_FLAGS_MOVIES, IDC_FLAGS_MUSIC, IDC_FLAGS_CARTOONS, IDC_FLAGS_NEWS, IDC_FLAGS_SPORTS, IDC_FLAGS_ADULT,
};

const DialogTemplate& ProgEditDialogTemplate();
const DialogTemplate& ProgramFlagsDialogTemplate();
const DialogTemplate& SatEditDialogTemplate();
const DialogTemplate& TpEditDialogTemplate();
const DialogTemplate& PassWordDialogTemplate();
