// Resource ids of Tessary. The numbers are fixed: dialogs, bitmaps and controls are looked up by
// them, and the window code refers to them only through these names. Plain #defines because the
// resource compiler reads this file too.
#pragma once

// --- icon, manifest ---------------------------------------------------------------------------
#define IDR_MAINFRAME 232

// --- cursors of the file list's header (32 x 32) ---------------------------------------------
#define IDC_CURSOR_COLUMN_RESIZE 145      // over a divider
#define IDC_CURSOR_COLUMN_OPEN 146        // over the divider of a column dragged to width 0

// --- skinned frame: main window pieces (widths x heights in pixels) ---------------------------
#define IDB_BORDER_TILE 164               // 4 x 4: left, right and bottom borders
#define IDB_CAPTION_TILE 150              // 2 x 40: caption filler
#define IDB_MAIN_ICON 233                 // 50 x 40: left piece with the icon area
#define IDB_MAIN_ICON_PRESSED 234         // 50 x 40
#define IDB_MAIN_ICON_HOVER 235           // 50 x 40
#define IDB_MAIN_TITLE 244                // 160 x 40: title picture
#define IDB_MAIN_BUTTONS 155              // 90 x 40: right piece, normal state, none highlighted
#define IDB_MAIN_BUTTONS_CLOSE 157        // close highlighted
#define IDB_MAIN_BUTTONS_MIN 159          // minimise highlighted
#define IDB_MAIN_BUTTONS_MAX 161          // maximise highlighted
#define IDB_MAIN_ZOOMED_BUTTONS 236       // maximised state (restore glyph), none highlighted
#define IDB_MAIN_ZOOMED_BUTTONS_RESTORE 237
#define IDB_MAIN_ZOOMED_BUTTONS_MIN 239
#define IDB_MAIN_ZOOMED_BUTTONS_CLOSE 241

// --- skinned frame: dialog pieces ---------------------------------------------------------------
#define IDB_DLG_CAPTION_LEFT 153          // 20 x 40
#define IDB_DLG_CLOSE 178                 // 90 x 40: right piece with the close button
#define IDB_DLG_CLOSE_HOVER 179
#define IDB_DLG_CLOSE_PRESSED 180

// Private system commands the drawn caption sends to the main window.
#define IDM_FRAME_MINIMIZE 0xFF01
#define IDM_FRAME_MAXIMIZE 0xFF02
#define IDM_FRAME_RESTORE 0xFF03
#define IDM_FRAME_CLOSE 0xFF04

// --- picture buttons of the main window (68 x 48 each) -----------------------------------------
#define IDB_ADD_NORMAL 213
#define IDB_ADD_HOVER 212
#define IDB_ADD_PRESSED 211
#define IDB_ADD_DISABLED 210
#define IDB_PREVIEW_NORMAL 197
#define IDB_PREVIEW_HOVER 196
#define IDB_PREVIEW_PRESSED 195
#define IDB_PREVIEW_DISABLED 194
#define IDB_APPLY_NORMAL 193
#define IDB_APPLY_HOVER 192
#define IDB_APPLY_PRESSED 191
#define IDB_APPLY_DISABLED 190
#define IDB_UNDO_NORMAL 201
#define IDB_UNDO_HOVER 200
#define IDB_UNDO_PRESSED 199
#define IDB_UNDO_DISABLED 198
#define IDB_HELP_NORMAL 209
#define IDB_HELP_HOVER 208
#define IDB_HELP_PRESSED 207
#define IDB_HELP_DISABLED 206
#define IDB_EXIT_NORMAL 217
#define IDB_EXIT_HOVER 216
#define IDB_EXIT_PRESSED 215
#define IDB_EXIT_DISABLED 214

// --- tab pictures (100 x 50) -------------------------------------------------------------------
#define IDB_TAB 218                       // a tab that is not selected
#define IDB_TAB_SELECTED 219              // the selected tab

// --- push buttons of the skinned dialogs (70 x 25) ----------------------------------------------
#define IDB_DLG_BUTTON 246
#define IDB_DLG_BUTTON_HOVER 247
#define IDB_DLG_BUTTON_PRESSED 248
#define IDB_DLG_BUTTON_DISABLED 249

// --- message dialogs ---------------------------------------------------------------------------
#define IDD_DLG_MSG 181
#define IDC_MSG_TEXT 1162
#define IDD_DLG_MSG_YESNO 226
#define IDC_MSG_YESNO_TEXT 1013

// --- about boxes -------------------------------------------------------------------------------
#define IDD_ABOUTBOX 100                  // the plain about box
#define IDD_DLG_ABOUT 224                 // the skinned about box
#define IDC_ABOUT_ICON 1301
#define IDC_ABOUT_PRODUCT 1302
#define IDC_ABOUT_RIGHTS 1303
#define IDC_ABOUT_CONTACT 1304

// --- progress windows of the add-files batches ---------------------------------------------------
#define IDD_DLG_PROGRESS 221              // drop batches
#define IDD_DLG_PROGRESS2 222             // pick batches
#define IDD_DLG_RENAME_PROGRESS 225       // long batches of renames
#define IDC_PROGRESS_BAR 1150
#define IDC_PROGRESS_PERCENT 1170
#define IDC_PROGRESS_TEXT 1305

// --- single-file rename ------------------------------------------------------------------------
#define IDD_RESTORE 132                   // its list is 1001 (IDC_FILE_LIST), its "返回" IDCANCEL
#define IDC_RESTORE_BUTTON 1015           // "还原"
#define IDD_EDIT_TAG 138                  // the tag editor: a check box, an input and a result per field
#define IDC_TAG_WRITE 1000                // "&Write Tag"; "&Back" is IDOK
#define IDC_TAG_TRIM_SPACES 1001          // never shown, nor is IDCANCEL
#define IDC_TAG_FILE_COUNT 1013
#define IDC_TAG_ARTIST 1020
#define IDC_TAG_TITLE 1022
#define IDC_TAG_ALBUM 1024
#define IDC_TAG_YEAR 1026
#define IDC_TAG_COMMENT 1028
#define IDC_TAG_GENRE 1030
#define IDC_TAG_CHECK_ARTIST 1054
#define IDC_TAG_TRACK_SPIN 1055
#define IDC_TAG_CHECK_TITLE 1056
#define IDC_TAG_CHECK_ALBUM 1057
#define IDC_TAG_CHECK_YEAR 1058
#define IDC_TAG_CHECK_TRACK 1059
#define IDC_TAG_CHECK_GENRE 1060
#define IDC_TAG_CHECK_COMMENT 1061
#define IDC_TAG_TRACK 1142
#define IDC_TAG_RESULT_ARTIST 1171
#define IDC_TAG_RESULT_TITLE 1172
#define IDC_TAG_RESULT_ALBUM 1173
#define IDC_TAG_RESULT_YEAR 1174
#define IDC_TAG_RESULT_TRACK 1175
#define IDC_TAG_RESULT_GENRE 1176
#define IDC_TAG_RESULT_COMMENT 1177
#define IDD_DLG_EDIT_ONE 223              // its edits are 1009 (the name) and 1010 (the new name)
#define IDC_EDIT_ONE_OLD_LABEL 1306
#define IDC_EDIT_ONE_NEW_LABEL 1307

// --- main window ---
#define IDS_MAIN_ABOUTBOX 101
#define IDD_TESSARY_DIALOG 102
#define IDR_LIST_MENU 133
// The parts of the rule pages created on first use (the Basic page is in the form itself).
#define IDD_PART_INSERT 300
#define IDD_PART_OBJECT 301               // the operation object of the Insert to Advanced pages
#define IDD_PART_DELETE 302
#define IDD_PART_REPLACE 303
#define IDD_PART_ADVANCED 304
#define IDD_PART_MP3 305

// The about item of the system menu (beside IDM_FRAME_*, the private commands above).
#define IDM_MAIN_ABOUTBOX 0x0010

#define IDC_FILE_LIST 1001
#define IDC_TAB 1002
#define IDC_CLEAR_LIST_SHORT 1004
#define IDC_NEW_EXT 1009
#define IDC_NEW_NAME 1010
#define IDC_DEL_COUNT 1015
#define IDC_GRP_INSERT 1016
#define IDC_GRP_BASIC 1017
#define IDC_INS_POS 1019
#define IDC_GRP_MP3 1038
#define IDC_MP3_STYLE 1041
#define IDC_MP3_TEMPLATE 1044
#define IDC_MP3_ARTIST 1045
#define IDC_MP3_TITLE 1046
#define IDC_MP3_YEAR 1047
#define IDC_APPLY 1048
#define IDC_MP3_GENRE 1049
#define IDC_MP3_ALBUM 1050
#define IDC_MP3_SEQ 1051
#define IDC_UNDO 1052
#define IDC_MP3_CLEAR 1053
#define IDC_DEL_COUNT_SPIN 1055
#define IDC_INS_TEXT 1059
#define IDC_INS_POS_SPIN 1061
#define IDC_DEL_POS_SPIN 1063
#define IDC_SEQ_START 1064
#define IDC_SEQ_STEP 1067
#define IDC_REP_FIND 1069
#define IDC_ADV_SEP 1070
#define IDC_SEQ_DIGITS 1071
#define IDC_INS_SEQ 1072
#define IDC_INS_INTO_NAME 1073
#define IDC_DEL_FROM_HEAD 1074
#define IDC_DEL_FROM_TAIL 1075
#define IDC_DEL_POS 1077
#define IDC_REP_WITH 1080
#define IDC_ADV_FROM 1081
#define IDC_ADV_TO 1082
#define IDC_ADV_REPL 1083
#define IDC_GRP_DELETE 1084
#define IDC_GRP_INS_POS 1085
#define IDC_GRP_SEQ 1086
#define IDC_GRP_REP_TEXT 1087
#define IDC_LBL_DEL_COUNT 1088
#define IDC_LBL_INS_TEXT 1089
#define IDC_LBL_INS_POS 1090
#define IDC_LBL_ADV_SEP 1091
#define IDC_LBL_SEQ_START 1092
#define IDC_LBL_SEQ_STEP 1093
#define IDC_LBL_SEQ_DIGITS 1094
#define IDC_LBL_REP_FIND 1095
#define IDC_LBL_REP_WITH 1096
#define IDC_LBL_DEL_POS 1097
#define IDC_LBL_ADV_TO 1099
#define IDC_LBL_ADV_REPL 1100
#define IDC_GRP_ADV 1101
#define IDC_GRP_REP_POS 1105
#define IDC_ADV_N 1106
#define IDC_ADV_INVERT 1107
#define IDC_ADV_MODE1 1108
#define IDC_ADV_MODE2 1109
#define IDC_REP_COUNT 1111
#define IDC_REP_POS 1112
#define IDC_REP_RUN 1113
#define IDC_REP_INVERT 1114
#define IDC_LBL_REP_COUNT 1116
#define IDC_LBL_REP_POS 1117
#define IDC_LBL_REP_RUN 1118
#define IDC_GRP_ADV_RANGE 1119
#define IDC_REP_FROM_HEAD 1122
#define IDC_REP_FROM_TAIL 1123
#define IDC_SEQ_START_SPIN 1124
#define IDC_SEQ_STEP_SPIN 1125
#define IDC_SEQ_DIGITS_SPIN 1126
#define IDC_REP_COUNT_SPIN 1127
#define IDC_REP_POS_SPIN 1128
#define IDC_ADV_N_SPIN 1129
#define IDC_ADV_FROM_SPIN 1130
#define IDC_ADV_TO_SPIN 1131
#define IDC_HELP_BUTTON 1132
#define IDC_PREVIEW 1133
#define IDC_BASIC_NEW_EXT 1134
#define IDC_BASIC_NEW_NAME 1135
#define IDC_BASIC_DEL_EXT 1136
#define IDC_REP_BY_TEXT 1137
#define IDC_REP_BY_POS 1138
#define IDC_INS_FROM_HEAD 1139
#define IDC_BASIC_SWAP 1140
// The Basic page's case change.
#define IDC_BASIC_CASE 1320
#define IDC_BASIC_CASE_MODE 1321
#define IDC_BASIC_CASE_OF 1322
// The Replace page's regular expressions.
#define IDC_REP_REGEX 1323
#define IDC_MP3_SHOW_TAG 1141
#define IDC_MP3_TRACK 1143
#define IDC_OBJ_NAME 1154
#define IDC_OBJ_EXT 1155
#define IDC_LBL_ADV_HEAD 1156
#define IDC_LBL_ADV_SEPS1 1157
#define IDC_LBL_ADV_FROM 1158
#define IDC_LBL_ADV_SEPS2 1159
#define IDC_INS_FROM_TAIL 1160
#define IDC_LBL_REP_MODE 1161
#define IDC_ADD_FILES 1164
#define IDC_EXIT 1165
#define IDC_GRP_OBJECT 1166
#define IDC_ADVANCED_DLG 1168
#define IDC_INS_CLEAR 1172
#define IDC_LBL_MP3_STYLE 1180
#define IDC_LBL_MP3_TEMPLATE 1181
// The Mp3 page's running number for /D.
#define IDC_LBL_MP3_SEQ_START 1310
#define IDC_MP3_SEQ_START 1311
#define IDC_MP3_SEQ_START_SPIN 1312
#define IDC_LBL_MP3_SEQ_STEP 1313
#define IDC_MP3_SEQ_STEP 1314
#define IDC_MP3_SEQ_STEP_SPIN 1315
#define IDC_LBL_MP3_SEQ_DIGITS 1316
#define IDC_MP3_SEQ_DIGITS 1317
#define IDC_MP3_SEQ_DIGITS_SPIN 1318
#define IDC_MOVE_UP 9000
#define IDC_MOVE_DOWN 9001

// The list's context menu.
#define ID_LIST_CLEAR 32800
#define ID_LIST_REMOVE_SELECTED 32808
#define ID_LIST_ADD_FILES 32811
#define ID_LIST_OPEN_FOLDER 32843
#define ID_LIST_OPEN_FILE 32849
#define ID_LIST_RENAME_ONE 32856
#define ID_LIST_REMOVE_UNSELECTED 32857
#define ID_LIST_EXPORT 32858
#define ID_LIST_REFRESH 32859
#define ID_LIST_IMPORT_NAMES 32860

// Commands no visible control sends; their handlers are kept for a menu bar or tool bar.
#define ID_QUIT_AT_ONCE 32780
#define ID_RECORDED_APPLY 32783
#define ID_RECORDED_UNDO 32786
#define ID_SAVE_RECORD 32787
#define ID_LOAD_RECORD 32789
#define ID_PLAIN_ABOUT 32784
#define ID_TOPMOST 32791
#define ID_RECORDED_APPLY_TB 32802
#define ID_SAVE_RECORD_TB 32805
#define ID_LOAD_RECORD_TB 32806
#define ID_RECORDED_UNDO_TB 32807
#define ID_CLEAR_LIST_TB 32809
#define ID_REMOVE_SELECTED_TB 32812
#define ID_CLEAR_LIST_MENU 32820
#define ID_REMOVE_SELECTED_MENU 32821
#define ID_BULK_TAG_EDIT 32848
#define ID_SHOW_TAG_MENU 32890          // "Show Tag" in the list's submenu
