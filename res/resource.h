// Resource and control identifiers of Talvex, shared by the resource script
// and the C++ sources. Plain macros, because windres reads this file too.
// Several dialogs reuse a control number with another meaning: each meaning
// gets its own name, so the code says which control it talks about.
#pragma once

// ---- Dialog templates -------------------------------------------------------
#define IDD_ABOUTBOX                    100
#define IDD_TALVEX_DIALOG               102
#define IDD_AUTO_COLOR                  129
#define IDD_HOT_KEY                     131
#define IDD_COLOR                       143
#define IDD_COLOR_SUB                   159
#define IDD_MONITOR_LIST                235
#define IDD_MESSAGE                     284
#define IDD_TUNORA_FUNCTIONS            307

// ---- Icons, menu, cursor ----------------------------------------------------
#define IDI_APP                         128
#define IDI_APP_NO_MONITOR              152
#define IDR_TRAY_MENU                   155
#define IDC_CURSOR_HAND                 1037

// ---- Tray-menu and system-menu commands -------------------------------------
#define ID_TRAY_EXIT                    32771
#define ID_TRAY_SETTING                 32772
#define ID_TRAY_MONITOR_LIST            32782
#define IDM_ABOUT                       0x0010
#define IDM_KEEP_ON_TOP                 0x0020

// ---- Bitmaps ----------------------------------------------------------------
// Temperature scale of the colour adjustment dialog: colour and grey, each
// for true-colour screens and for 256-colour screens.
#define IDB_COLOR_BAR                   156
#define IDB_COLOR_BAR_LOW               158
#define IDB_COLOR_BAR_GREY              180
#define IDB_COLOR_BAR_GREY_LOW          181
// Backgrounds: below 120 dpi / at 120 dpi and more.
#define IDB_BACK_AUTO_COLOR             204
#define IDB_BACK_COLOR                  205
#define IDB_BACK_HOT_KEY                207
#define IDB_BACK_COLOR_SUB              241
#define IDB_BACK_COLOR_LARGE            284
#define IDB_BACK_COLOR_SUB_LARGE        285
#define IDB_BACK_AUTO_COLOR_LARGE       287
#define IDB_BACK_HOT_KEY_LARGE          288
#define IDB_BACK_TUNORA                 309
#define IDB_BACK_TUNORA_LARGE           310
// The monitor picture beside the monitor lists of the pages.
#define IDB_MONITOR                     238
// Label images of the colour adjustment groups: enabled / disabled.
#define IDB_BRIGHTNESS                  213
#define IDB_BRIGHTNESS_OFF              214
#define IDB_GAIN_BLUE                   215
#define IDB_GAMMA                       216
#define IDB_GAIN_GREEN                  217
#define IDB_GAIN_BLUE_OFF               219
#define IDB_GAMMA_OFF                   220
#define IDB_GAIN_GREEN_OFF              221
#define IDB_GAIN_RED_OFF                223
#define IDB_GAIN_RED                    225
#define IDB_CONTRAST                    258
#define IDB_CONTRAST_OFF                261
#define IDB_CONTRAST_ENHANCER           262
#define IDB_CONTRAST_ENHANCER_OFF       263
#define IDB_BLACK_LEVEL_OFF             267
#define IDB_BLACK_LEVEL                 297
#define IDB_VELOCIS                     298
#define IDB_VELOCIS_OFF                 299
#define IDB_SATURATION                  301
#define IDB_HUE                         302
#define IDB_OVERDRIVE                   303
#define IDB_HUE_OFF                     304
#define IDB_SATURATION_OFF              305
#define IDB_OVERDRIVE_OFF               306
#define IDB_NOISE_REDUCTION             312
#define IDB_NOISE_REDUCTION_OFF         313

// ---- Strings ----------------------------------------------------------------
#define IDS_ABOUTBOX                    101
#define IDS_MUTEX_NAME                  102
#define IDS_VERSION                     103
#define IDS_NOTICE                      104
#define IDS_TRAY_ICON_FAILED            110
#define IDS_KEEP_ON_TOP                 111
#define IDS_TAB_HOT_KEY                 112
#define IDS_TAB_COLOR                   113
#define IDS_TAB_AUTO_COLOR              114
#define IDS_MONITOR                     115
#define IDS_WEB_ADDRESS                 116
#define IDS_HOTKEY_POWER                150
#define IDS_HOTKEY_MUTE                 151
#define IDS_HOTKEY_COLOR_MODE           152
#define IDS_HOTKEY_SCREEN_SIZE          153
#define IDS_HOTKEY_GLINTARA             154
#define IDS_F12_REFUSED                 160
#define IDS_HOTKEY_SAME_MODELS          161
#define IDS_RESET_CONFIRM               165
#define IDS_MODE_UNNAMED                200
#define IDS_MODE_USER1                  201
#define IDS_MODE_USER2                  202
#define IDS_MODE_USER3                  203
#define IDS_MODE_FPS1                   204
#define IDS_MODE_FPS2                   205
#define IDS_MODE_RTS                    206
#define IDS_MODE_WEB                    207
#define IDS_RESET_MODE_CHANGED          208
#define IDS_TEMPERATURE_OFF             210     // 210 + index for indexes 0..14
#define IDS_TEMPERATURE_4000K           211
#define IDS_TEMPERATURE_4500K           212
#define IDS_TEMPERATURE_5000K           213
#define IDS_TEMPERATURE_5500K           214
#define IDS_TEMPERATURE_6000K           215
#define IDS_TEMPERATURE_6500K           216
#define IDS_TEMPERATURE_7000K           217
#define IDS_TEMPERATURE_7500K           218
#define IDS_TEMPERATURE_8000K           219
#define IDS_TEMPERATURE_8500K           220
#define IDS_TEMPERATURE_9000K           221
#define IDS_TEMPERATURE_9300K           222
#define IDS_TEMPERATURE_9500K           223
#define IDS_TEMPERATURE_10000K          224
#define IDS_DATA_FILE_EXT               225
#define IDS_DATA_FILE_FILTER            226
#define IDS_IMPORT_REFUSED              228
#define IDS_EXPORT_REFUSED              229
#define IDS_OFF                         240
#define IDS_ON                          241
#define IDS_STANDARD                    242
#define IDS_ENHANCED                    243
#define IDS_ENABLE                      244
#define IDS_DISABLE                     245
#define IDS_VIDEO                       246
#define IDS_FULL_SCREEN                 247
#define IDS_MODE_NOT_CHANGE             250
#define IDS_SAVE_MODE_QUESTION          251
#define IDS_DELETE_MODE_QUESTION        252
#define IDS_DELETE_MODE_FAILED          253
#define IDS_NO_DESCRIPTION              254
#define IDS_MODE_CINEMA                 260
#define IDS_MODE_PAPER                  261
#define IDS_MODE_GAME_DARK              262
#define IDS_MODE_GAME_LIGHT             263
#define IDS_MODE_WEB_SRGB               264
#define IDS_MANUAL_INTRO                300
#define IDS_MANUAL_SETTING              302
#define IDS_MANUAL_COMPLETE             303
#define IDS_CLOSE                       304
#define IDS_NEXT                        305
#define IDS_MANUAL_START                306
#define IDS_MANUAL_STEP                 307
#define IDS_MANUAL_CAPTION              308
#define IDS_CANCEL                      309

// ---- Controls: main window (102) ---------------------------------------------
#define IDC_TAB                         1000
#define IDC_CLOSE                       1046

// ---- Controls: About box (100) ------------------------------------------------
#define IDC_ABOUT_VERSION               1159
#define IDC_ABOUT_NOTICE                1160

// ---- Controls shared by the three pages (143, 129, 131) -----------------------
#define IDC_MONITOR_PICTURE             1130
#define IDC_COMBO_MONITOR               1008
#define IDC_LINK                        1223

// ---- Controls: colour-mode page (143) -----------------------------------------
#define IDC_STATIC_MODE_SELECTION       1121
#define IDC_COMBO_COLOR_MODE            1010
#define IDC_STATIC_PARAMETER            1125
#define IDC_BTN_COLOR                   1047
#define IDC_BTN_TUNORA                  1048
#define IDC_BTN_IMPORT                  1233
#define IDC_BTN_EXPORT                  1234
#define IDC_CHECK_SAME_MODELS_COLOR     1257

// ---- Controls: Auto Color page (129) ------------------------------------------
#define IDC_CHECK_AUTO_COLOR            1029
#define IDC_STATIC_APPLICATION          1120
#define IDC_COMBO_APPLICATION           1007
#define IDC_STATIC_APPLICATION_MODE     1121
#define IDC_COMBO_APPLICATION_MODE      1010
#define IDC_BTN_REGISTER                1031
#define IDC_BTN_DELETE                  1030
#define IDC_COMBO_DEFAULT_MODE          1095

// ---- Controls: Hot Key page (131) ---------------------------------------------
// Hot-key control i is IDC_HOTKEY_FIRST + i, its label IDC_HOTKEY_LABEL_FIRST + i.
#define IDC_HOTKEY_FIRST                1094
#define IDC_HOTKEY_LAST                 1103
#define IDC_HOTKEY_LABEL_FIRST          1110
#define IDC_HOTKEY_LABEL_LAST           1119
#define IDC_CHECK_SAME_MODELS_HOTKEY    1231

// ---- Controls: colour adjustment dialog (159) ---------------------------------
#define IDC_BTN_RESET                   1080
#define IDC_COLOR_BAR                   1048
#define IDC_GROUP_TEMPERATURE           1161
#define IDC_GROUP_BRIGHTNESS            1162
#define IDC_GROUP_SATURATION            1163
#define IDC_GROUP_GAIN                  1165
#define IDC_GROUP_GAMMA                 1166
#define IDC_GROUP_CONTRAST_ENHANCER     1191
#define IDC_GROUP_CONTRAST              1193
#define IDC_GROUP_BLACK_LEVEL           1198
#define IDC_GROUP_VELOCIS               1199
#define IDC_GROUP_HUE                   1200
#define IDC_GROUP_OVERDRIVE             1204
#define IDC_GROUP_NOISE_REDUCTION       1236
#define IDC_PIC_BRIGHTNESS              1096
#define IDC_PIC_SATURATION              1097
#define IDC_PIC_GAIN_RED                1099
#define IDC_PIC_GAIN_GREEN              1100
#define IDC_PIC_GAIN_BLUE               1101
#define IDC_PIC_GAMMA                   1102
#define IDC_PIC_CONTRAST_ENHANCER       1192
#define IDC_PIC_CONTRAST                1194
#define IDC_PIC_HUE                     1203
#define IDC_PIC_OVERDRIVE               1205
#define IDC_PIC_BLACK_LEVEL             1227
#define IDC_PIC_VELOCIS                 1228
#define IDC_PIC_NOISE_REDUCTION         1230
#define IDC_SLIDER_BRIGHTNESS           1003
#define IDC_SLIDER_SATURATION           1004
#define IDC_SLIDER_GAIN_RED             1012
#define IDC_SLIDER_GAIN_GREEN           1014
#define IDC_SLIDER_GAIN_BLUE            1016
#define IDC_SLIDER_CONTRAST             1022
#define IDC_SLIDER_BLACK_LEVEL          1024
#define IDC_SLIDER_HUE                  1026
#define IDC_SLIDER_TEMPERATURE          1039
#define IDC_EDIT_BRIGHTNESS             1005
#define IDC_EDIT_SATURATION             1006
#define IDC_EDIT_GAIN_RED               1013
#define IDC_EDIT_GAIN_GREEN             1015
#define IDC_EDIT_GAIN_BLUE              1017
#define IDC_EDIT_TEMPERATURE            1018
#define IDC_EDIT_CONTRAST               1023
#define IDC_EDIT_BLACK_LEVEL            1025
#define IDC_EDIT_HUE                    1027
#define IDC_COMBO_GAMMA                 1229
#define IDC_COMBO_OVERDRIVE             1231
#define IDC_COMBO_NOISE_REDUCTION       1232
#define IDC_COMBO_CONTRAST_ENHANCER     1233
#define IDC_COMBO_VELOCIS               1234

// ---- Controls: monitor connection list (235) ----------------------------------
#define IDC_MONITOR_MESSAGE             1130
#define IDC_MONITOR_LIST                1153
#define IDC_MONITOR_HEADER              1156

// ---- Controls: message box (284) ----------------------------------------------
#define IDC_MESSAGE_ICON                1225
#define IDC_MESSAGE_TEXT                1226

// ---- Controls: enhancement-functions dialog (307) -----------------------------
#define IDC_GROUP_SENSORA               1237
#define IDC_GROUP_CRISORA               1238
#define IDC_GROUP_GLINTARA              1239
#define IDC_COMBO_SENSORA               1244
#define IDC_COMBO_CRISORA               1245
#define IDC_COMBO_GLINTARA              1246
#define IDC_COMBO_SKIN_TONE             1247
#define IDC_COMBO_TEXT_ENHANCER         1248
#define IDC_STATIC_CRISORA              1250
#define IDC_STATIC_SKIN_TONE            1251
#define IDC_STATIC_TEXT_ENHANCER        1256
