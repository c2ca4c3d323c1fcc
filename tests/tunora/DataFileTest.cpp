// Colour-data files through the colour-mode page's "&Export..." and
// "&Import..." buttons: what a file holds, which files are refused, how the
// values reach the monitors, and file errors.
#include "TunoraTest.h"

#include "colour/ColorDataRecord.h"
#include "device/MonitorFeatures.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

namespace {

// Monitors 1 and 4 are of one model; 3 has its code but another name and a
// smaller brightness range; 2 has the name of 1 but another code.
const char FileScenario[] = R"(
profile a
  model "PANEL-A"
  code PANELA01
  modes 22 23 24 40
  start-mode 23
  mask 22 0x4F
  mask 23 0x4F
  mask 24 0x4F
  mask 40 0x8003
  default temperature 15 mode 23
  default brightness 60 mode 23
  default contrast 40 mode 23
  default gain-red 200 mode 23
end
profile other
  model "PANEL-A"
  code PANELA02
  modes 22 23 24
  start-mode 23
  mask 23 0x4F
end
profile half
  model "PANEL-A2"
  code PANELA01
  modes 22 23 24
  start-mode 22
  mask 22 0x4F
  mask 23 0x4F
  mask 24 0x4F
  maximum brightness 50
  default brightness 25
end
monitor 1 a A0000001 display 1
monitor 2 other C0000001 display 1
monitor 3 half H0000001 display 1
monitor 4 a A0000002 display 1
)";

// Two monitors of one model code whose modes carry the enhancement
// functions; the second offers lower Crisora and Glintara levels.
const char FunctionsFileScenario[] = R"(
profile f
  model "PANEL-F"
  code PANELF01
  modes 22
  mask 22 0x2650080
  default contrast-enhancer 2 mode 22
  default noise-reduction 1 mode 22
  default sensora 1 mode 22
  default crisora 4 mode 22
  default skin-tone 1 mode 22
  default glintara 3 mode 22
end
profile low
  model "PANEL-F"
  code PANELF01
  modes 22
  mask 22 0x2650080
  maximum crisora 3
  maximum glintara 2
end
monitor 1 f F0000001 display 1
monitor 2 low F0000002 display 1
)";

class DataFileTest : public TunoraTest {
protected:
    void SetUp() override
    {
        TunoraTest::SetUp();
        char folder[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, folder);
        m_folder = folder;
        m_path = m_folder + "tunora-" + std::to_string(::GetCurrentProcessId()) + ".dat";
        Forget();
        m_seams->fileDialog = [this](OPENFILENAMEA& ofn, BOOL open) {
            m_dialogs.push_back({open, ofn.Flags, ofn.lpstrDefExt ? ofn.lpstrDefExt : "",
                                 ofn.lpstrInitialDir ? ofn.lpstrInitialDir : "",
                                 ofn.lpstrFilter ? std::string(ofn.lpstrFilter, 24) : ""});
            if (!m_choose)
                return FALSE;
            std::strncpy(ofn.lpstrFile, m_path.c_str(), ofn.nMaxFile - 1);
            return TRUE;
        };
    }
    void TearDown() override
    {
        Forget();
        TunoraTest::TearDown();
    }
    void Forget()
    {
        ::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(m_path.c_str());
    }

    void Export() { Press(IDC_BTN_EXPORT); }
    void Import() { Press(IDC_BTN_IMPORT); }
    void Press(int id)
    {
        Page().SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
        Pump();
    }

    std::vector<BYTE> FileBytes() const
    {
        std::ifstream file(m_path, std::ios::binary);
        return std::vector<BYTE>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    // The record's bytes cut to length, or followed by zeros up to it.
    void WriteFile(const ColorDataRecord& record, UINT length = ColorDataRecord::Size)
    {
        std::vector<BYTE> bytes(std::max(length, ColorDataRecord::Size));
        record.ToBytes(*reinterpret_cast<BYTE(*)[ColorDataRecord::Size]>(bytes.data()));
        std::ofstream file(m_path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), length);
    }
    // Files an export may leave beside the chosen one.
    int Temporaries() const
    {
        WIN32_FIND_DATAA found{};
        const HANDLE find = ::FindFirstFileA((m_folder + "tvx*.tmp").c_str(), &found);
        int count = find != INVALID_HANDLE_VALUE;
        while (count && ::FindNextFileA(find, &found))
            ++count;
        if (count)
            ::FindClose(find);
        return count;
    }
    // A file of monitor 1's model with brightness 80 of 100 and, beside
    // temperature 15, a red gain of 100 of 200.
    static ColorDataRecord Valid(short mode = 23)
    {
        ColorDataRecord record;
        record.Clear();
        record.SetHeader("Talvex V1.0x");
        record.SetModel("PANELA01");
        record.nMode = mode;
        record.dwFeatureMask = 0x4F;
        record.slots[0] = {1, 15, 15};
        record.slots[1] = {1, 80, 100};
        record.slots[5] = {1, 100, 200};
        return record;
    }
    std::string Text(UINT id) const
    {
        CString text;
        text.LoadString(id);
        return text.str();
    }

    struct DialogSeen {
        BOOL open;
        DWORD flags;
        std::string defExt, initialDir, filter;
    };
    std::vector<DialogSeen> m_dialogs;
    std::string m_folder, m_path;
    bool m_choose = true;
};

using ExportTest = DataFileTest;
using ImportTest = DataFileTest;

TEST_F(ExportTest, UserModeSlotsByTheMaskWithValuesAndMaxima)
{
    Start(FileScenario);
    Export();
    ASSERT_EQ(m_dialogs.size(), 1u);
    EXPECT_FALSE(m_dialogs[0].open);
    EXPECT_EQ(m_dialogs[0].flags, 0x880006u);
    EXPECT_EQ(m_dialogs[0].defExt, "dat");
    EXPECT_EQ(m_dialogs[0].filter, std::string("Data File(*.dat)\0*.dat\0\0", 24));
    char documents[MAX_PATH] = {};
    ::SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE);
    EXPECT_EQ(m_dialogs[0].initialDir, documents);

    const std::vector<BYTE> bytes = FileBytes();
    ASSERT_EQ(bytes.size(), 204u);
    ColorDataRecord record;
    record.FromBytes(bytes.data(), 204);
    EXPECT_EQ(record.Header(), "Talvex V1.0x");
    EXPECT_EQ(record.Model(), "PANELA01");
    EXPECT_EQ(record.nMode, 23);
    EXPECT_EQ(record.dwFeatureMask, 0x4Fu);
    const std::vector<std::vector<int>> expected{
        {1, 15, 15}, {1, 60, 100}, {1, 40, 100}, {0, 0, 0}, {1, 4, 252}, {1, 200, 255}, {1, 204, 255}, {1, 204, 255}};
    for (int i = 0; i < ColorDataRecord::SlotCount; ++i) {
        const ColorDataSlot& slot = record.slots[i];
        const std::vector<int> want = i < 8 ? expected[i] : std::vector<int>{0, 0, 0};
        EXPECT_EQ((std::vector<int>{int(slot.bPresent), slot.nValue, slot.nMax}), want) << "slot " << i;
    }
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()) + 12, 24), std::string(24, '\0'));
    EXPECT_TRUE(Trace({"KvSetFeature"}).empty()) << "export only reads";
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(Main().m_hWnd, IDC_CLOSE));
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(ExportTest, RefusedOutsideTheUserModes)
{
    Start(FileScenario);
    PickMode(40);
    Export();
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].first, Text(IDS_EXPORT_REFUSED));
    EXPECT_EQ(m_messages[0].second, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(FileBytes().empty());

    // The monitor left the user mode shown in the list: its own mode decides.
    PickMode(23);
    Sim("set 1 mode 40 quiet");
    m_messages.clear();
    Export();
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].first, Text(IDS_EXPORT_REFUSED));
    EXPECT_TRUE(FileBytes().empty());

    // A file that could never be imported, or would hold no value, is not
    // written: one chosen to be overwritten stays as it was.
    PickMode(23);
    WriteFile(Valid());
    const std::vector<BYTE> kept = FileBytes();
    for (const char* feature : {"temperature", "brightness", "contrast", "gamma", "gain-red", "gain-green", "gain-blue"})
        Sim(std::string("fault 1 read ") + feature);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt == 1) {   // values read, but no model code
            Sim("fault clear 1");
            Sim("fault 1 read model-code");
            Rebuild();
        }
        m_messages.clear();
        Export();
        ASSERT_EQ(m_messages.size(), 1u) << attempt;
        EXPECT_EQ(m_messages[0].first, Text(IDS_EXPORT_REFUSED));
        EXPECT_EQ(FileBytes(), kept) << attempt;
    }

    // A cancelled file dialog ends the export before any check.
    m_choose = false;
    m_messages.clear();
    Export();
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_dialogs.size(), 5u);
}

TEST_F(ImportTest, FilesThatDoNotFitAreRefusedWithoutWrites)
{
    Start(FileScenario);
    ClickSameModels();
    std::vector<ColorDataRecord> refused(3, Valid());
    refused[0].SetHeader("talvex V1.0x");
    refused[1].SetModel("PANELA02");
    refused[2].dwFeatureMask = 0x4E;
    // Cut off inside the model code, after the red gain, and one byte long.
    const UINT lengths[] = {40, 100, ColorDataRecord::Size + 1};
    for (size_t i = 0; i < refused.size() + std::size(lengths); ++i) {
        if (i < refused.size())
            WriteFile(refused[i]);
        else
            WriteFile(Valid(), lengths[i - refused.size()]);
        m_messages.clear();
        Import();
        ASSERT_EQ(m_messages.size(), 1u) << "file " << i;
        EXPECT_EQ(m_messages[0].first, Text(IDS_IMPORT_REFUSED)) << "file " << i;
        EXPECT_EQ(m_messages[0].second, static_cast<UINT>(MB_ICONEXCLAMATION));
    }
    EXPECT_TRUE(Trace({"KvSetFeature"}).empty()) << "no monitor of the model code";
    // A fitting file, but no user mode selected: nothing goes in either.
    WriteFile(Valid());
    PickMode(40);
    Sim("trace clear");
    m_messages.clear();
    Import();
    EXPECT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(Trace({"KvSetFeature"}).empty());
    EXPECT_EQ(m_dialogs.back().flags, 0x881804u);
    EXPECT_TRUE(m_dialogs.back().open);
}

TEST_F(ImportTest, ValuesGoToTheSelectedModeScaledAndCommittedLast)
{
    Start(FileScenario);
    PickMode(24);
    WriteFile(Valid(22));   // mode 22's mask is mode 24's too
    Sim("trace clear");
    Import();
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(Stored(1, FEATURE_BRIGHTNESS, 24), 80);
    EXPECT_EQ(Stored(1, FEATURE_GAIN_RED, 24), 127);   // 100 of 200 on 255
    EXPECT_EQ(Stored(1, FEATURE_BRIGHTNESS, 22), 50) << "mode 22 keeps its values";
    const std::vector<std::string> writes = Trace({"KvSetFeature", "monitor=1 "});
    ASSERT_FALSE(writes.empty());
    EXPECT_NE(writes.back().find("0xFF01:0xA0"), std::string::npos);
    EXPECT_EQ(SelectedMode(), 24);

    // The same values once more: nothing changes, the commit still comes.
    Sim("trace clear");
    Import();
    EXPECT_EQ(Trace({"KvSetFeature", "monitor=1 "}).size(), 1u);

}

TEST_F(ImportTest, SameModelCodesFollowUntilOneDoesNotAnswer)
{
    Start(FileScenario);
    ClickSameModels();
    WriteFile(Valid());
    Sim("fault 3 read mode");
    Import();
    EXPECT_EQ(Stored(1, FEATURE_BRIGHTNESS, 23), 80);
    EXPECT_EQ(Stored(2, FEATURE_BRIGHTNESS, 23), 50) << "another model code";
    EXPECT_EQ(Stored(3, FEATURE_BRIGHTNESS, 23), 25) << "does not answer";
    EXPECT_EQ(Stored(4, FEATURE_BRIGHTNESS, 23), 60) << "after the one that does not answer";
    EXPECT_EQ(Page().GetHandle(), Handle(1));

    Sim("fault clear");
    Import();
    EXPECT_EQ(Stored(3, FEATURE_BRIGHTNESS, 23), 40) << "80 of 100 on a range of 50";
    EXPECT_EQ(Stored(3, FEATURE_COLOR_MODE), 23) << "brought into the selected mode";
    EXPECT_EQ(Stored(4, FEATURE_BRIGHTNESS, 23), 80);
    EXPECT_EQ(Stored(2, FEATURE_BRIGHTNESS, 23), 50);
}

// The slots of the enhancement functions, the contrast enhancer and the
// noise reduction go out and come back as they are; a value above what a
// monitor of the model code offers is not sent to it.
TEST_F(ImportTest, FunctionSlotsGoOutAndComeBackWithinEachMonitorsRange)
{
    Start(FunctionsFileScenario);
    Export();
    const std::vector<BYTE> bytes = FileBytes();
    ASSERT_EQ(bytes.size(), 204u);
    ColorDataRecord record;
    record.FromBytes(bytes.data(), 204);
    EXPECT_EQ(record.dwFeatureMask, 0x2650080u);
    const std::map<int, std::vector<int>> expected{
        {8, {1, 2, 2}}, {13, {1, 1, 1}}, {14, {1, 1, 1}}, {15, {1, 4, 5}}, {16, {1, 1, 1}}, {18, {1, 3, 5}}};
    for (int i = 0; i < ColorDataRecord::SlotCount; ++i) {
        const ColorDataSlot& slot = record.slots[i];
        const auto want = expected.count(i) ? expected.at(i) : std::vector<int>{0, 0, 0};
        EXPECT_EQ((std::vector<int>{int(slot.bPresent), slot.nValue, slot.nMax}), want) << "slot " << i;
    }

    const FeatureAddress features[] = {FEATURE_CONTRAST_ENHANCER, FEATURE_NOISE_REDUCTION, FEATURE_SENSORA,
                                       FEATURE_CRISORA, FEATURE_SKIN_TONE, FEATURE_GLINTARA};
    for (const char* name : {"contrast-enhancer", "noise-reduction", "sensora", "crisora", "skin-tone", "glintara"})
        Sim(std::string("set 1 ") + name + " 0 quiet");
    ClickSameModels();
    Sim("trace clear");
    Import();
    EXPECT_TRUE(m_messages.empty());
    std::vector<int> first, second;
    for (const FeatureAddress& feature : features) {
        first.push_back(Stored(1, feature, 22));
        second.push_back(Stored(2, feature, 22));
    }
    EXPECT_EQ(first, (std::vector<int>{2, 1, 1, 4, 1, 3}));
    EXPECT_EQ(second, (std::vector<int>{2, 1, 1, 0, 1, 0}));
    EXPECT_TRUE(Trace({"KvSetFeature", "monitor=2 ", "0xFF01:0xAA"}).empty()) << "Crisora 4 of at most 3";
    EXPECT_TRUE(Trace({"KvSetFeature", "monitor=2 ", "0xFF01:0xAD"}).empty()) << "Glintara 3 of at most 2";
}

TEST_F(ImportTest, FileErrorsAndReadOnlyFiles)
{
    Start(FileScenario);
    Import();   // no such file
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_FALSE(m_messages[0].first.empty());
    EXPECT_NE(m_messages[0].first, Text(IDS_IMPORT_REFUSED));
    EXPECT_TRUE(Trace({"KvSetFeature"}).empty());

    // Importing only reads the file.
    WriteFile(Valid());
    ::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY);
    m_messages.clear();
    Import();
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(Stored(1, FEATURE_BRIGHTNESS, 23), 80);

    // An export onto it, or onto a folder of its name, fails at the end:
    // what was there stays, and nothing is left beside it.
    const std::vector<BYTE> kept = FileBytes();
    const int temporaries = Temporaries();
    m_messages.clear();
    Export();
    EXPECT_EQ(FileBytes(), kept);
    Forget();
    ASSERT_TRUE(::CreateDirectoryA(m_path.c_str(), nullptr));
    Export();
    EXPECT_TRUE(::RemoveDirectoryA(m_path.c_str()));
    ASSERT_EQ(m_messages.size(), 2u);
    for (const auto& message : m_messages)
        EXPECT_NE(message.first, Text(IDS_EXPORT_REFUSED));
    EXPECT_EQ(Temporaries(), temporaries);
}

} // namespace
