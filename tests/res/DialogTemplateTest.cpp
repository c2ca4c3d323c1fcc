// The dialog templates: layouts and styles as the windows expect them, the
// Japanese templates holding the same controls, and every template creating
// a real dialog with all its controls.
#include "DialogTemplate.h"
#include "ResourceReader.h"
#include "res/resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

constexpr short kAny = -1;              // a coordinate the layout leaves open
constexpr DWORD kNoId = 0xFFFFFFFF;     // the icon static of the About box

struct Expected {
    DWORD id;
    const wchar_t* className;
    short x, y, cx, cy;
    const wchar_t* text;                // nullptr: any
};

struct Layout {
    UINT dialog;
    short cx, cy;
    const wchar_t* caption;             // nullptr: a child page without caption
    std::vector<Expected> controls;
};

const UINT kDialogs[] = {IDD_ABOUTBOX, IDD_TALVEX_DIALOG, IDD_AUTO_COLOR, IDD_HOT_KEY, IDD_COLOR,
                         IDD_COLOR_SUB, IDD_MONITOR_LIST, IDD_MESSAGE, IDD_TUNORA_FUNCTIONS};

std::vector<Layout> EnglishLayouts()
{
    const wchar_t* link = nullptr;
    std::vector<Layout> all = {
        {IDD_ABOUTBOX, 335, 43, L"About Talvex",
         {{kNoId, L"Static", 8, 13, 18, 17, nullptr},
          {IDC_ABOUT_VERSION, L"Static", 40, 11, 236, 8, nullptr},
          {IDC_ABOUT_NOTICE, L"Static", 40, 24, 288, 8, nullptr},
          {IDOK, L"Button", 279, 7, 49, 11, L"OK"}}},
        {IDD_TALVEX_DIALOG, 303, 271, L"Talvex",
         {{IDC_TAB, L"SysTabControl32", 7, 5, 289, 235, nullptr},
          {IDC_CLOSE, L"Button", 118, 250, 65, 15, L"&Close"}}},
        {IDD_AUTO_COLOR, 286, 219, nullptr,
         {{IDC_CHECK_AUTO_COLOR, L"Button", 11, 25, 257, 10, L"Activate &Auto Color"},
          {IDC_STATIC_APPLICATION, L"Static", 18, 55, 257, 8, L"Application Selection"},
          {IDC_COMBO_APPLICATION, L"ComboBox", 18, 69, 249, 79, nullptr},
          {IDC_STATIC_APPLICATION_MODE, L"Static", 18, 86, 257, 8, L"Color mode for selected application"},
          {IDC_COMBO_APPLICATION_MODE, L"ComboBox", 18, 99, 148, 94, nullptr},
          {IDC_BTN_REGISTER, L"Button", 171, 98, 46, 13, L"&Register"},
          {IDC_BTN_DELETE, L"Button", 221, 98, 46, 13, L"&Delete"},
          {IDC_COMBO_DEFAULT_MODE, L"ComboBox", 18, 137, 249, 94, nullptr},
          {IDC_LINK, L"Static", 212, 209, 68, 8, link}}},
        {IDD_HOT_KEY, 286, 219, nullptr,
         {{IDC_MONITOR_PICTURE, L"Static", 64, 36, kAny, kAny, nullptr},
          {IDC_COMBO_MONITOR, L"ComboBox", 87, 38, 137, 87, nullptr},
          {IDC_CHECK_SAME_MODELS_HOTKEY, L"Button", 19, 198, 136, 10, L"Apply to the same models"},
          {IDC_LINK, L"Static", 212, 209, 68, 8, link}}},
        {IDD_COLOR, 286, 219, nullptr,
         {{IDC_MONITOR_PICTURE, L"Static", 64, 36, kAny, kAny, nullptr},
          {IDC_COMBO_MONITOR, L"ComboBox", 87, 38, 137, 87, nullptr},
          {IDC_STATIC_MODE_SELECTION, L"Static", 18, 78, 165, 8, L"Mode Selection"},
          {IDC_COMBO_COLOR_MODE, L"ComboBox", 36, 93, 214, 82, nullptr},
          {IDC_STATIC_PARAMETER, L"Static", 18, 107, 165, 8, L"Parameter Adjustment"},
          {IDC_BTN_COLOR, L"Button", 36, 121, 105, 12, L"C&olor..."},
          {IDC_BTN_TUNORA, L"Button", 145, 121, 105, 12, L"Tunora &Functions..."},
          {IDC_BTN_IMPORT, L"Button", 36, 137, 105, 12, L"&Import..."},
          {IDC_BTN_EXPORT, L"Button", 145, 137, 105, 12, L"&Export..."},
          {IDC_CHECK_SAME_MODELS_COLOR, L"Button", 19, 198, 136, 10, L"Apply to the same models"},
          {IDC_LINK, L"Static", 212, 209, 68, 8, link}}},
        {IDD_COLOR_SUB, 295, 272, L"Color Adjustment",
         {{IDC_GROUP_TEMPERATURE, L"Button", 7, 5, 281, 35, L"Color Temperature"},
          {IDC_COLOR_BAR, L"Static", 32, 16, 196, 4, nullptr},
          {IDC_SLIDER_TEMPERATURE, L"msctls_trackbar32", 28, 22, 205, 14, nullptr},
          {IDC_EDIT_TEMPERATURE, L"Edit", 236, 22, kAny, kAny, nullptr},
          {IDC_GROUP_BRIGHTNESS, L"Button", 7, 42, 138, kAny, L"Brightness"},
          {IDC_GROUP_CONTRAST, L"Button", 7, 73, 138, kAny, L"Contrast"},
          {IDC_GROUP_BLACK_LEVEL, L"Button", 6, 109, kAny, kAny, L"Black Level"},
          {IDC_GROUP_GAMMA, L"Button", 7, 140, 138, kAny, L"Gamma"},
          {IDC_GROUP_CONTRAST_ENHANCER, L"Button", 7, 176, 138, kAny, L"ContrastEnhancer"},
          {IDC_GROUP_VELOCIS, L"Button", 7, 207, 138, kAny, L"Velocis"},
          {IDC_GROUP_SATURATION, L"Button", 150, 42, 138, kAny, L"Saturation"},
          {IDC_GROUP_HUE, L"Button", 150, 73, 138, kAny, L"Hue"},
          {IDC_GROUP_GAIN, L"Button", 150, 109, 138, 61, L"Gain"},
          {IDC_GROUP_OVERDRIVE, L"Button", 150, 176, 138, kAny, L"Overdrive"},
          {IDC_GROUP_NOISE_REDUCTION, L"Button", 150, 207, 138, kAny, L"Noise Reduction"},
          {IDC_PIC_GAIN_RED, L"Static", kAny, 119, 15, 14, nullptr},
          {IDC_PIC_GAIN_GREEN, L"Static", kAny, 135, 15, 14, nullptr},
          {IDC_PIC_GAIN_BLUE, L"Static", kAny, 151, 15, 14, nullptr},
          {IDC_SLIDER_BRIGHTNESS, L"msctls_trackbar32", kAny, kAny, 80, kAny, nullptr},
          {IDC_EDIT_BRIGHTNESS, L"Edit", kAny, kAny, 23, 12, nullptr},
          {IDOK, L"Button", 56, 254, 50, 12, L"OK"},
          {IDCANCEL, L"Button", 122, 254, 50, 12, L"Cancel"},
          {IDC_BTN_RESET, L"Button", 188, 254, 50, 12, L"&Reset"}}},
        {IDD_MONITOR_LIST, 239, 127, L"Monitor Connection List",
         {{IDOK, L"Button", 116, 106, 63, 14, L""},
          {IDCANCEL, L"Button", 183, 106, 49, 14, L""},
          {IDC_MONITOR_MESSAGE, L"Static", 19, 16, 200, 34, L""},
          {IDC_MONITOR_LIST, L"ListBox", 20, 65, 199, 31, nullptr},
          {IDC_MONITOR_HEADER, L"Static", 35, 53, 134, 8, L"Monitor       /  Model     /  Serial No."}}},
        {IDD_MESSAGE, 239, 58, L"Talvex",
         {{IDOK, L"Button", 94, 37, 50, 14, L"OK"},
          {IDC_MESSAGE_ICON, L"Static", 7, 7, 20, 20, nullptr},
          {IDC_MESSAGE_TEXT, L"Static", 41, 12, 191, 15, L"Selected Tonalis mode is only applied to KT5830R."}}},
        {IDD_TUNORA_FUNCTIONS, 221, 183, L"Tunora Functions",
         {{IDOK, L"Button", 20, 164, 50, 12, L"OK"},
          {IDCANCEL, L"Button", 86, 164, 50, 12, L"Cancel"},
          {IDC_BTN_RESET, L"Button", 152, 164, 50, 12, L"&Reset"},
          {IDC_GROUP_SENSORA, L"Button", 7, 7, 207, 30, L"Sensora"},
          {IDC_COMBO_SENSORA, L"ComboBox", 16, 19, 190, 67, nullptr},
          {IDC_GROUP_CRISORA, L"Button", 7, 43, 207, 63, L"Crisora Settings"},
          {IDC_STATIC_CRISORA, L"Static", 16, 56, 70, 8, L"Crisora :"},
          {IDC_COMBO_CRISORA, L"ComboBox", 92, 54, 114, 67, nullptr},
          {IDC_STATIC_SKIN_TONE, L"Static", 16, 73, 70, 8, L"Skin Tone Enhancer :"},
          {IDC_COMBO_SKIN_TONE, L"ComboBox", 92, 71, 114, 67, nullptr},
          {IDC_STATIC_TEXT_ENHANCER, L"Static", 16, 90, 70, 8, L"Text Enhancer :"},
          {IDC_COMBO_TEXT_ENHANCER, L"ComboBox", 92, 88, 114, 67, nullptr},
          {IDC_GROUP_GLINTARA, L"Button", 7, 112, 207, 30, L"Glintara 2"},
          {IDC_COMBO_GLINTARA, L"ComboBox", 16, 124, 190, 67, nullptr}}},
    };
    // The hot-key grid: control i and its label, left column then right.
    static const short rowsLabel[] = {78, 100, 122, 144, 165}, rowsKey[] = {86, 108, 130, 152, 173};
    for (Layout& layout : all) {
        if (layout.dialog != IDD_HOT_KEY)
            continue;
        for (int i = 0; i < 10; ++i) {
            short x = i < 5 ? 18 : 146;
            layout.controls.push_back({DWORD(IDC_HOTKEY_LABEL_FIRST + i), L"Static", x, rowsLabel[i % 5], 120, 8, nullptr});
            layout.controls.push_back({DWORD(IDC_HOTKEY_FIRST + i), L"msctls_hotkey32", x, rowsKey[i % 5], 121, 11, nullptr});
        }
    }
    return all;
}

DialogTemplate Load(UINT dialog, LANGID language)
{
    return DialogTemplate(ResourceReader(language).Data(reinterpret_cast<LPCWSTR>(RT_DIALOG), dialog));
}

std::wstring Lower(std::wstring text)
{
    for (wchar_t& c : text)
        c = towlower(c);
    return text;
}

// id -> class of every control, to compare the two languages.
std::map<DWORD, std::wstring> Controls(const DialogTemplate& dialog)
{
    std::map<DWORD, std::wstring> out;
    for (const DialogItem& item : dialog.items)
        out[item.id] = Lower(item.className);
    return out;
}

bool IsSkinnedButton(const DialogItem& item)
{
    return (item.style & BS_TYPEMASK) == BS_OWNERDRAW && (item.style & BS_FLAT) &&
           (item.style & WS_TABSTOP) && (item.style & WS_VISIBLE);
}

INT_PTR CALLBACK Quiet(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class DialogCreation : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES | ICC_HOTKEY_CLASS | ICC_TAB_CLASSES};
        InitCommonControlsEx(&init);
    }
};

} // namespace

TEST(DialogTemplates, EnglishLayoutsMatchTheGivenUnits)
{
    for (const Layout& layout : EnglishLayouts()) {
        DialogTemplate dialog = Load(layout.dialog, ResourceReader::English());
        SCOPED_TRACE("dialog " + std::to_string(layout.dialog));
        EXPECT_EQ(dialog.cx, layout.cx);
        EXPECT_EQ(dialog.cy, layout.cy);
        if (layout.caption) {
            EXPECT_EQ(dialog.caption, layout.caption);
        }
        for (const Expected& want : layout.controls) {
            const DialogItem* item = dialog.Item(want.id);
            ASSERT_NE(item, nullptr) << "control " << want.id;
            EXPECT_EQ(Lower(item->className), Lower(want.className)) << "control " << want.id;
            for (auto [got, expected] : {std::pair{item->x, want.x}, {item->y, want.y},
                                         {item->cx, want.cx}, {item->cy, want.cy}}) {
                if (expected != kAny) {
                    EXPECT_EQ(got, expected) << "control " << want.id;
                }
            }
            if (want.text) {
                EXPECT_EQ(item->text, want.text) << "control " << want.id;
            }
        }
    }
}

TEST(DialogTemplates, WindowStylesAndFonts)
{
    const DWORD popup = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    for (LANGID language : {ResourceReader::English(), ResourceReader::Japanese()}) {
        for (UINT id : kDialogs) {
            DialogTemplate dialog = Load(id, language);
            SCOPED_TRACE("dialog " + std::to_string(id) + " language " + std::to_string(language));
            EXPECT_FALSE(dialog.style & WS_VISIBLE);
            bool page = id == IDD_AUTO_COLOR || id == IDD_HOT_KEY || id == IDD_COLOR;
            if (page) {
                EXPECT_TRUE(dialog.style & WS_CHILD);
                EXPECT_FALSE(dialog.style & WS_CAPTION);
            } else {
                EXPECT_EQ(dialog.style & popup, popup);
            }
            bool systemMenu = id == IDD_ABOUTBOX || id == IDD_TALVEX_DIALOG || id == IDD_MESSAGE;
            if (!page) {
                EXPECT_EQ(bool(dialog.style & WS_SYSMENU), systemMenu);
            }
            EXPECT_EQ(bool(dialog.exStyle & WS_EX_APPWINDOW), id == IDD_TALVEX_DIALOG);
            bool japanese = language == ResourceReader::Japanese();
            bool tahoma = id == IDD_MESSAGE && !japanese;
            EXPECT_EQ(dialog.fontName, tahoma ? L"Tahoma" : japanese ? L"MS UI Gothic" : L"Arial");
            EXPECT_EQ(dialog.pointSize, tahoma ? 8 : 9);
        }
    }
}

TEST(DialogTemplates, JapaneseTemplatesHoldTheSameControls)
{
    for (UINT id : kDialogs) {
        DialogTemplate english = Load(id, ResourceReader::English());
        DialogTemplate japanese = Load(id, ResourceReader::Japanese());
        EXPECT_EQ(Controls(japanese), Controls(english)) << "dialog " << id;
    }
}

TEST(DialogTemplates, JapaneseSizesThePartsGive)
{
    DialogTemplate main = Load(IDD_TALVEX_DIALOG, ResourceReader::Japanese());
    EXPECT_EQ(main.cx, 305);
    EXPECT_EQ(main.cy, 336);
    const DialogItem* tab = main.Item(IDC_TAB);
    const DialogItem* close = main.Item(IDC_CLOSE);
    ASSERT_TRUE(tab && close);
    EXPECT_EQ((std::vector<short>{tab->x, tab->y, tab->cx, tab->cy}), (std::vector<short>{7, 5, 291, 296}));
    EXPECT_EQ((std::vector<short>{close->x, close->y, close->cx, close->cy}),
              (std::vector<short>{120, 311, 65, 18}));
    for (UINT page : {IDD_AUTO_COLOR, IDD_HOT_KEY, IDD_COLOR}) {
        DialogTemplate dialog = Load(page, ResourceReader::Japanese());
        EXPECT_EQ(dialog.cx, 286) << "page " << page;
        EXPECT_EQ(dialog.cy, 277) << "page " << page;
    }
    DialogTemplate sub = Load(IDD_COLOR_SUB, ResourceReader::Japanese());
    EXPECT_EQ(sub.cx, 283);
    EXPECT_EQ(sub.cy, 336);
}

TEST(DialogTemplates, ControlStylesTheWindowsRelyOn)
{
    for (LANGID language : {ResourceReader::English(), ResourceReader::Japanese()}) {
        bool japanese = language == ResourceReader::Japanese();
        // Every push button of the program but the message box's is skinned.
        const std::pair<UINT, std::vector<DWORD>> skinned[] = {
            {IDD_ABOUTBOX, {IDOK}}, {IDD_TALVEX_DIALOG, {IDC_CLOSE}},
            {IDD_AUTO_COLOR, {IDC_BTN_REGISTER, IDC_BTN_DELETE}},
            {IDD_COLOR, {IDC_BTN_COLOR, IDC_BTN_TUNORA, IDC_BTN_IMPORT, IDC_BTN_EXPORT}},
            {IDD_COLOR_SUB, {IDOK, IDCANCEL, IDC_BTN_RESET}}, {IDD_MONITOR_LIST, {IDOK, IDCANCEL}},
            {IDD_TUNORA_FUNCTIONS, {IDOK, IDCANCEL, IDC_BTN_RESET}}};
        for (const auto& [dialog, buttons] : skinned)
            for (DWORD button : buttons) {
                DialogTemplate owner = Load(dialog, language);
                const DialogItem* item = owner.Item(button);
                ASSERT_NE(item, nullptr);
                EXPECT_TRUE(IsSkinnedButton(*item)) << "dialog " << dialog << " button " << button;
            }
        DialogTemplate about = Load(IDD_ABOUTBOX, language), message = Load(IDD_MESSAGE, language);
        EXPECT_TRUE(about.Item(IDOK)->style & WS_GROUP);
        EXPECT_TRUE(about.Item(IDC_ABOUT_VERSION)->style & SS_NOPREFIX);
        EXPECT_EQ(message.Item(IDOK)->style & BS_TYPEMASK, DWORD(BS_DEFPUSHBUTTON));

        for (UINT page : {IDD_AUTO_COLOR, IDD_HOT_KEY, IDD_COLOR}) {
            DialogTemplate dialog = Load(page, language);
            const DialogItem* link = dialog.Item(IDC_LINK);
            ASSERT_NE(link, nullptr);
            EXPECT_EQ(link->style & SS_TYPEMASK, DWORD(SS_CENTER));
            EXPECT_TRUE(link->style & WS_GROUP);
            for (const DialogItem& item : dialog.items)
                if (Lower(item.className) == L"combobox") {
                    EXPECT_EQ(item.style & (CBS_DROPDOWNLIST | CBS_SORT), DWORD(CBS_DROPDOWNLIST))
                        << "page " << page << " combo " << item.id;
                }
        }
        DialogTemplate monitors = Load(IDD_MONITOR_LIST, language);
        const DialogItem* list = monitors.Item(IDC_MONITOR_LIST);
        const DWORD listStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
        EXPECT_EQ(list->style & listStyle, listStyle);
        EXPECT_EQ(bool(list->style & LBS_SORT), !japanese) << "only the English list sorts";
        EXPECT_TRUE(list->exStyle & WS_EX_STATICEDGE);
        EXPECT_EQ(monitors.Item(IDC_MONITOR_MESSAGE)->style & SS_TYPEMASK, DWORD(SS_LEFTNOWORDWRAP));
        DialogTemplate main = Load(IDD_TALVEX_DIALOG, language);
        const DialogItem* tab = main.Item(IDC_TAB);
        EXPECT_EQ(tab->style & (TCS_BUTTONS | TCS_MULTILINE | WS_TABSTOP), DWORD(TCS_BUTTONS | WS_TABSTOP));
    }
}

TEST(DialogTemplates, PicturesNamedByTheStatics)
{
    const std::pair<DWORD, UINT> labels[] = {
        {IDC_PIC_BRIGHTNESS, IDB_BRIGHTNESS}, {IDC_PIC_CONTRAST, IDB_CONTRAST},
        {IDC_PIC_BLACK_LEVEL, IDB_BLACK_LEVEL}, {IDC_PIC_GAMMA, IDB_GAMMA},
        {IDC_PIC_GAIN_RED, IDB_GAIN_RED}, {IDC_PIC_GAIN_GREEN, IDB_GAIN_GREEN},
        {IDC_PIC_GAIN_BLUE, IDB_GAIN_BLUE}, {IDC_PIC_CONTRAST_ENHANCER, IDB_CONTRAST_ENHANCER},
        {IDC_PIC_VELOCIS, IDB_VELOCIS}, {IDC_PIC_SATURATION, IDB_SATURATION},
        {IDC_PIC_HUE, IDB_HUE}, {IDC_PIC_OVERDRIVE, IDB_OVERDRIVE},
        {IDC_PIC_NOISE_REDUCTION, IDB_NOISE_REDUCTION}};
    for (LANGID language : {ResourceReader::English(), ResourceReader::Japanese()}) {
        DialogTemplate sub = Load(IDD_COLOR_SUB, language);
        for (auto [control, bitmap] : labels) {
            const DialogItem* item = sub.Item(control);
            ASSERT_NE(item, nullptr) << control;
            EXPECT_EQ(item->style & SS_TYPEMASK, DWORD(SS_BITMAP)) << control;
            EXPECT_EQ(item->textOrdinal, bitmap) << control;
        }
        EXPECT_FALSE(sub.Item(IDC_COLOR_BAR)->style & WS_VISIBLE);
        for (DWORD edit : {IDC_EDIT_TEMPERATURE, IDC_EDIT_BRIGHTNESS, IDC_EDIT_CONTRAST, IDC_EDIT_BLACK_LEVEL,
                           IDC_EDIT_GAIN_RED, IDC_EDIT_GAIN_GREEN, IDC_EDIT_GAIN_BLUE, IDC_EDIT_SATURATION,
                           IDC_EDIT_HUE})
            EXPECT_EQ(sub.Item(edit)->style & (ES_READONLY | ES_CENTER), DWORD(ES_READONLY | ES_CENTER));
        for (UINT page : {IDD_HOT_KEY, IDD_COLOR}) {
            DialogTemplate dialog = Load(page, language);
            const DialogItem* picture = dialog.Item(IDC_MONITOR_PICTURE);
            EXPECT_EQ(picture->style & (SS_TYPEMASK | SS_REALSIZEIMAGE), DWORD(SS_BITMAP | SS_REALSIZEIMAGE));
            EXPECT_EQ(picture->textOrdinal, IDB_MONITOR);
        }
        DialogTemplate about = Load(IDD_ABOUTBOX, language);
        const DialogItem* icon = about.Item(kNoId);
        EXPECT_EQ(icon->style & SS_TYPEMASK, DWORD(SS_ICON));
        EXPECT_EQ(icon->textOrdinal, IDI_APP);
    }
}

TEST_F(DialogCreation, EveryTemplateCreatesWithAllItsControls)
{
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 800, 800, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    for (LANGID language : {ResourceReader::English(), ResourceReader::Japanese()}) {
        for (UINT id : kDialogs) {
            std::vector<BYTE> bytes = ResourceReader(language).Data(reinterpret_cast<LPCWSTR>(RT_DIALOG), id);
            HWND dialog = CreateDialogIndirectParamW(GetModuleHandleA(nullptr),
                                                     reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
                                                     owner, Quiet, 0);
            ASSERT_NE(dialog, nullptr) << "dialog " << id << " language " << language;
            for (const DialogItem& item : DialogTemplate(bytes).items) {
                if (item.id == kNoId)
                    continue;
                HWND control = GetDlgItem(dialog, int(item.id));
                ASSERT_NE(control, nullptr) << "dialog " << id << " control " << item.id;
                wchar_t name[64] = {};
                GetClassNameW(control, name, 64);
                EXPECT_EQ(Lower(name), Lower(item.className)) << "dialog " << id << " control " << item.id;
                if ((item.style & SS_TYPEMASK) == SS_BITMAP && Lower(item.className) == L"static") {
                    EXPECT_NE(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0), 0)
                        << "dialog " << id << " picture " << item.id;
                }
            }
            DestroyWindow(dialog);
        }
    }
    DestroyWindow(owner);
}
