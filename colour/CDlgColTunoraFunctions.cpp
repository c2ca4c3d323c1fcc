#include "colour/CDlgColTunoraFunctions.h"

#include "controls/PageBackground.h"
#include "colour/ColorTables.h"
#include "device/MonitorFeatures.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/ForegroundWindow.h"
#include "shell/Messages.h"

IMPLEMENT_DYNAMIC(CDlgColTunoraFunctions, CDialog)

namespace {

constexpr UINT PollPeriodMs = 500;
constexpr COLORREF White = RGB(255, 255, 255);

struct OptionRow {
    WORD wValue;
    UINT nStringId;
};
const OptionRow SensoraOptions[] = {{0, IDS_FULL_SCREEN}, {1, IDS_VIDEO}};
const OptionRow EnableDisableOptions[] = {{0, IDS_DISABLE}, {1, IDS_ENABLE}};

struct GlintaraRow {
    short nMode;
    int nRow;   // of GlintaraLevelTable
};
const GlintaraRow GlintaraRowByMode[] = {
    {22, 0}, {23, 0}, {33, 0}, {34, 0}, {44, 1}, {45, 1}, {46, 0},
};

// The five functions in the order they are restored and copied.
struct TunoraFunction {
    ColorSlot slot;
    FeatureAddress feature;
    DWORD dwBit;
};
const TunoraFunction Functions[] = {
    {ColorSlot::Sensora, FEATURE_SENSORA, MF_SENSORA},
    {ColorSlot::Crisora, FEATURE_CRISORA, MF_CRISORA},
    {ColorSlot::SkinTone, FEATURE_SKIN_TONE, MF_SKIN_TONE},
    {ColorSlot::TextEnhancer, FEATURE_TEXT_ENHANCER, MF_TEXT_ENHANCER},
    {ColorSlot::Glintara, FEATURE_GLINTARA, MF_GLINTARA},
};

// The group boxes and labels take the dialog's background and white text.
const int LabelIds[] = {IDC_GROUP_SENSORA, IDC_GROUP_CRISORA, IDC_GROUP_GLINTARA,
                        IDC_STATIC_CRISORA, IDC_STATIC_SKIN_TONE, IDC_STATIC_TEXT_ENHANCER};

WORD ValueOf(const CMonitorColor& state, ColorSlot slot)
{
    return state.m_wValue[CMonitorColor::Index(slot)];
}

bool ValidOf(const CMonitorColor& state, ColorSlot slot)
{
    return state.m_bValid[CMonitorColor::Index(slot)] != 0;
}

WORD Word(const BYTE (&bytes)[FeatureValueSize])
{
    return static_cast<WORD>(bytes[0] | (bytes[1] << 8));
}

// The bytes a function is written with: the text enhancer's second byte is
// its flag, which the program always sends as 0.
void FunctionBytes(const FeatureAddress& feature, WORD value, BYTE (&bytes)[FeatureValueSize])
{
    bytes[0] = LOBYTE(value);
    bytes[1] = feature == FEATURE_TEXT_ENHANCER ? 0 : HIBYTE(value);
}

// Reads one function into a record's value and maximum (a failed read gives
// 0 and 0); byte 1 of the text enhancer goes to its flag.
bool ReadSlot(CHIDMonitor& channel, CMonitorColor& state, ColorSlot slot, const FeatureAddress& feature)
{
    BYTE bytes[FeatureValueSize] = {};
    WORD maximum = 0;
    const bool read = channel.GetFeature(bytes, FeatureValueSize, feature, &maximum);
    state.Max(slot) = maximum;
    if (slot == ColorSlot::TextEnhancer) {
        state.Value(slot) = bytes[0];
        state.m_byTextEnhancerFlag = bytes[1];
    } else {
        state.Value(slot) = Word(bytes);
    }
    return read;
}

} // namespace

BEGIN_MESSAGE_MAP(CDlgColTunoraFunctions, CDialog)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_BTN_RESET, &CDlgColTunoraFunctions::OnBnClickedReset)
    ON_WM_CTLCOLOR()
    ON_WM_DEVICECHANGE()
    ON_CBN_SELCHANGE(IDC_COMBO_SENSORA, &CDlgColTunoraFunctions::OnCbnSelchangeSensora)
    ON_CBN_SELCHANGE(IDC_COMBO_CRISORA, &CDlgColTunoraFunctions::OnCbnSelchangeCrisora)
    ON_CBN_SELCHANGE(IDC_COMBO_SKIN_TONE, &CDlgColTunoraFunctions::OnCbnSelchangeSkinTone)
    ON_CBN_SELCHANGE(IDC_COMBO_TEXT_ENHANCER, &CDlgColTunoraFunctions::OnCbnSelchangeTextEnhancer)
    ON_CBN_SELCHANGE(IDC_COMBO_GLINTARA, &CDlgColTunoraFunctions::OnCbnSelchangeGlintara)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CDlgColTunoraFunctions::CDlgColTunoraFunctions(CWnd* pParent)
    : CDialog(IDD_TUNORA_FUNCTIONS, pParent), m_sizeBrush(0, 0), m_nTimerID(0), m_bSnapshotTaken(false)
{
    m_savedColor.ClearValid();
    m_ownColor.ClearValid();
}

CDlgColTunoraFunctions::~CDlgColTunoraFunctions() = default;

int CDlgColTunoraFunctions::GlintaraRowOf(short mode)
{
    for (const GlintaraRow& row : GlintaraRowByMode) {
        if (row.nMode == mode)
            return row.nRow;
    }
    return -1;
}

void CDlgColTunoraFunctions::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_SENSORA, m_cmbSensora);
    DDX_Control(pDX, IDC_COMBO_CRISORA, m_cmbCrisora);
    DDX_Control(pDX, IDC_COMBO_GLINTARA, m_cmbGlintara);
    DDX_Control(pDX, IDC_COMBO_SKIN_TONE, m_cmbSkinTone);
    DDX_Control(pDX, IDC_COMBO_TEXT_ENHANCER, m_cmbTextEnhancer);
}

CMonitorColor& CDlgColTunoraFunctions::Current()
{
    return theApp.m_pCurColor ? *theApp.m_pCurColor : m_ownColor;
}

// A mode outside the monitor's table has an empty mask.
DWORD CDlgColTunoraFunctions::CurrentMaskOf(short mode) const
{
    const CMonitorStatus* current = theApp.m_StatusAll.GetCurrent();
    return current ? ModeFeatureMask(current->m_Caps.dwModeFeatures, mode) : 0;
}

BOOL CDlgColTunoraFunctions::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_sizeBrush = theApp.LoadDpiBitmapBrush(m_hWnd, &m_brBack, IDB_BACK_TUNORA, IDB_BACK_TUNORA_LARGE);

    AttachSkinnedButtons(this, {{&m_btnReset, IDC_BTN_RESET}, {&m_btnOK, IDOK}, {&m_btnCancel, IDCANCEL}});

    BringToForeground(m_hWnd);
    m_own.Take();
    LoadFromMonitor();
    m_nTimerID = SetTimer(IDT_TUNORA_POLL, PollPeriodMs);
    theApp.m_hWndTunora = m_hWnd;
    theApp.m_hWndReport = m_hWnd;
    return TRUE;
}

// Every user action starts here: the dialog acts only on the monitor it
// opened on.
bool CDlgColTunoraFunctions::BeginAction()
{
    return m_own.BeginAction(*this, *this);
}

bool CDlgColTunoraFunctions::IsMonitorAlive()
{
    const DWORD device = theApp.m_StatusAll.m_hCurDevice;
    if (device == 0)
        return false;
    SetHandle(device);
    return IsMonitorAnswering();
}

bool CDlgColTunoraFunctions::LoadFromMonitor()
{
    if (!IsMonitorAlive())
        return false;
    CMonitorColor& current = Current();
    ReadTunoraState(current);
    m_savedColor = current;
    m_bSnapshotTaken = true;
    FillComboLists();
    SelectCurrentValues(current);
    if (ValidOf(current, ColorSlot::Mode))
        UpdateControlStates(current);
    else
        DisableFunctionLists();   // without the mode nothing says what it allows
    SyncSameModels();
    return true;
}

void CDlgColTunoraFunctions::ReadTunoraState(CMonitorColor& state)
{
    CWaitCursor wait;
    state.Valid(ColorSlot::Mode) = ReadSlot(*this, state, ColorSlot::Mode, FEATURE_COLOR_MODE);
    for (const TunoraFunction& function : Functions)
        state.Valid(function.slot) = ReadSlot(*this, state, function.slot, function.feature);
}

void CDlgColTunoraFunctions::FillComboLists()
{
    auto fill = [](CComboBox& combo, const OptionRow* rows, int count) {
        combo.ResetContent();
        for (int i = 0; i < count; ++i) {
            CString text;
            text.LoadString(rows[i].nStringId);
            combo.AddString(text);
            combo.SetItemData(i, rows[i].wValue);
        }
    };
    fill(m_cmbSensora, SensoraOptions, 2);
    m_cmbCrisora.ResetContent();
    for (int i = 0; i < 6; ++i) {
        m_cmbCrisora.AddString(LevelTable[i].pszLabel);
        m_cmbCrisora.SetItemData(i, LevelTable[i].wValue);
    }
    fill(m_cmbSkinTone, EnableDisableOptions, 2);
    fill(m_cmbTextEnhancer, EnableDisableOptions, 2);
    FillGlintaraList(static_cast<short>(ValueOf(Current(), ColorSlot::Mode)));
}

void CDlgColTunoraFunctions::FillGlintaraList(short mode)
{
    m_cmbGlintara.ResetContent();
    const int row = GlintaraRowOf(mode);
    if (row < 0)
        return;
    for (int i = 0; i < 6; ++i) {
        m_cmbGlintara.AddString(GlintaraLevelTable[row][i].pszLabel);
        m_cmbGlintara.SetItemData(i, GlintaraLevelTable[row][i].wValue);
    }
}

void CDlgColTunoraFunctions::SelectByValue(CComboBox& combo, int valid, short value)
{
    if (valid) {
        const DWORD_PTR wanted = static_cast<WORD>(value);
        for (int i = 0; i < combo.GetCount(); ++i) {
            if (combo.GetItemData(i) == wanted) {
                combo.SetCurSel(i);
                return;
            }
        }
    }
    combo.SetCurSel(-1);
}

// The two enhancers show "Disable" while Crisora is off; a text-enhancer
// flag of 1 shows it too.
void CDlgColTunoraFunctions::ShowTextEnhancer(const CMonitorColor& state, short crisora)
{
    const bool shown = state.m_byTextEnhancerFlag != 1 && crisora != 0;
    SelectByValue(m_cmbTextEnhancer, ValidOf(state, ColorSlot::TextEnhancer),
                  shown ? static_cast<short>(ValueOf(state, ColorSlot::TextEnhancer)) : 0);
}

void CDlgColTunoraFunctions::SelectCurrentValues(const CMonitorColor& state)
{
    const short crisora = static_cast<short>(ValueOf(state, ColorSlot::Crisora));
    SelectByValue(m_cmbSensora, ValidOf(state, ColorSlot::Sensora), static_cast<short>(ValueOf(state, ColorSlot::Sensora)));
    SelectByValue(m_cmbCrisora, ValidOf(state, ColorSlot::Crisora), crisora);
    SelectByValue(m_cmbSkinTone, ValidOf(state, ColorSlot::SkinTone),
                  crisora != 0 ? static_cast<short>(ValueOf(state, ColorSlot::SkinTone)) : 0);
    ShowTextEnhancer(state, crisora);
    SelectByValue(m_cmbGlintara, ValidOf(state, ColorSlot::Glintara), static_cast<short>(ValueOf(state, ColorSlot::Glintara)));
}

void CDlgColTunoraFunctions::UpdateControlStates(const CMonitorColor& state)
{
    if (theApp.m_StatusAll.m_arMonitors.GetSize() == 0)
        return;
    const DWORD mask = CurrentMaskOf(static_cast<short>(ValueOf(state, ColorSlot::Mode)));
    const bool crisoraOn = ValueOf(state, ColorSlot::Crisora) != 0;
    auto usable = [&](ColorSlot slot, DWORD bit) { return ValidOf(state, slot) && (mask & bit) != 0; };
    m_cmbSensora.EnableWindow(usable(ColorSlot::Sensora, MF_SENSORA));
    m_cmbCrisora.EnableWindow(usable(ColorSlot::Crisora, MF_CRISORA));
    m_cmbSkinTone.EnableWindow(usable(ColorSlot::SkinTone, MF_SKIN_TONE) && crisoraOn);
    m_cmbTextEnhancer.EnableWindow(usable(ColorSlot::TextEnhancer, MF_TEXT_ENHANCER) &&
                                   state.m_byTextEnhancerFlag == 0 && crisoraOn);
    m_cmbGlintara.EnableWindow(usable(ColorSlot::Glintara, MF_GLINTARA));
}

void CDlgColTunoraFunctions::DisableFunctionLists()
{
    for (CComboBox* combo : {&m_cmbSensora, &m_cmbCrisora, &m_cmbSkinTone, &m_cmbTextEnhancer, &m_cmbGlintara})
        combo->EnableWindow(FALSE);
}

// A Crisora level decides what the two enhancers show: both are read again.
void CDlgColTunoraFunctions::RefreshDependentValues(short crisora)
{
    CMonitorColor& current = Current();
    ReadSlot(*this, current, ColorSlot::SkinTone, FEATURE_SKIN_TONE);
    SelectByValue(m_cmbSkinTone, ValidOf(current, ColorSlot::SkinTone),
                  crisora != 0 ? static_cast<short>(ValueOf(current, ColorSlot::SkinTone)) : 0);
    ReadSlot(*this, current, ColorSlot::TextEnhancer, FEATURE_TEXT_ENHANCER);
    ShowTextEnhancer(current, crisora);
}

void CDlgColTunoraFunctions::OnCbnSelchangeSensora()
{
    OnFunctionChanged(m_cmbSensora, FEATURE_SENSORA, MF_SENSORA);
}

void CDlgColTunoraFunctions::OnCbnSelchangeCrisora()
{
    OnFunctionChanged(m_cmbCrisora, FEATURE_CRISORA, MF_CRISORA);
}

void CDlgColTunoraFunctions::OnCbnSelchangeSkinTone()
{
    OnFunctionChanged(m_cmbSkinTone, FEATURE_SKIN_TONE, MF_SKIN_TONE);
}

void CDlgColTunoraFunctions::OnCbnSelchangeTextEnhancer()
{
    OnFunctionChanged(m_cmbTextEnhancer, FEATURE_TEXT_ENHANCER, MF_TEXT_ENHANCER);
}

void CDlgColTunoraFunctions::OnCbnSelchangeGlintara()
{
    OnFunctionChanged(m_cmbGlintara, FEATURE_GLINTARA, MF_GLINTARA);
}

// The choice goes to the monitor only; the current record follows the
// monitor's reports. A monitor that stopped answering ends the dialog, but
// the same-model monitors still get the choice.
void CDlgColTunoraFunctions::OnFunctionChanged(CComboBox& combo, const FeatureAddress& feature, DWORD bit)
{
    if (!BeginAction())
        return;
    const int item = combo.GetCurSel();
    if (item < 0)
        return;   // no item chosen: no value to send
    BYTE bytes[FeatureValueSize] = {};
    FunctionBytes(feature, static_cast<WORD>(combo.GetItemData(item)), bytes);
    SetFeature(bytes, FeatureValueSize, feature);
    if (feature == FEATURE_CRISORA) {
        CMonitorColor& current = Current();
        if (ReadSlot(*this, current, ColorSlot::Crisora, FEATURE_CRISORA)) {
            RefreshDependentValues(static_cast<short>(ValueOf(current, ColorSlot::Crisora)));
            UpdateControlStates(current);
        }
    }
    SetFeatureOnSameModels(bit, bytes, FeatureValueSize, feature.usage, feature.usagePage);
}

// The monitor's reset of the functions; the new values arrive as reports.
void CDlgColTunoraFunctions::OnBnClickedReset()
{
    if (!BeginAction())
        return;
    CWaitCursor wait;
    const BYTE command = ResetTunoraFunctions;
    SetFeature(&command, 1, FEATURE_RESET);
    ResetSameModels();
}

void CDlgColTunoraFunctions::OnOK()
{
    // A silent monitor's end with 0 gives way to the end with OK below.
    if (!BeginAction())
        return;
    {
        CWaitCursor wait;
        const BYTE commit[FeatureValueSize] = {};
        SetFeature(commit, FeatureValueSize, FEATURE_COMMIT);
        CommitSameModels();
    }
    EndDialog(IDOK);
}

void CDlgColTunoraFunctions::OnCancel()
{
    if (!BeginAction())
        return;
    {
        CWaitCursor wait;
        // Without a snapshot there is nothing to put back, and the page's
        // record stays as it is.
        if (m_bSnapshotTaken) {
            RestoreTunoraState(m_savedColor);
            Current() = m_savedColor;
        }
        const BYTE commit[FeatureValueSize] = {};
        SetFeature(commit, FeatureValueSize, FEATURE_COMMIT);
        RestoreSameModels();
    }
    EndDialog(IDCANCEL);
}

// Every saved function the mode allows is written, changed or not.
void CDlgColTunoraFunctions::RestoreTunoraState(const CMonitorColor& saved)
{
    if (theApp.m_StatusAll.m_arMonitors.GetSize() == 0)
        return;
    CWaitCursor wait;
    BYTE bytes[FeatureValueSize] = {};
    if (ValidOf(saved, ColorSlot::Mode)) {
        FunctionBytes(FEATURE_COLOR_MODE, ValueOf(saved, ColorSlot::Mode), bytes);
        SetFeature(bytes, FeatureValueSize, FEATURE_COLOR_MODE);
    }
    const DWORD mask = CurrentMaskOf(static_cast<short>(ValueOf(saved, ColorSlot::Mode)));
    for (const TunoraFunction& function : Functions) {
        if (!ValidOf(saved, function.slot) || !(mask & function.dwBit))
            continue;
        FunctionBytes(function.feature, ValueOf(saved, function.slot), bytes);
        SetFeature(bytes, FeatureValueSize, function.feature);
    }
}

// Writes only the functions whose value on the monitor differs.
void CDlgColTunoraFunctions::CopyStateToMonitor(CMonitorStatus& monitor, const CMonitorColor& state, bool withMode)
{
    BYTE bytes[FeatureValueSize] = {};
    if (withMode && ValidOf(state, ColorSlot::Mode)) {
        FunctionBytes(FEATURE_COLOR_MODE, ValueOf(state, ColorSlot::Mode), bytes);
        SetFeature(bytes, FeatureValueSize, FEATURE_COLOR_MODE);
    }
    const DWORD mask = ModeFeatureMask(monitor.m_Caps.dwModeFeatures, static_cast<short>(ValueOf(state, ColorSlot::Mode)));
    for (const TunoraFunction& function : Functions) {
        if (!ValidOf(state, function.slot) || !(mask & function.dwBit))
            continue;
        BYTE read[FeatureValueSize] = {};
        if (!GetFeature(read, FeatureValueSize, function.feature))
            continue;
        const WORD onMonitor = function.slot == ColorSlot::TextEnhancer ? read[0] : Word(read);
        if (onMonitor == ValueOf(state, function.slot))
            continue;
        FunctionBytes(function.feature, ValueOf(state, function.slot), bytes);
        SetFeature(bytes, FeatureValueSize, function.feature);
    }
}

// The snapshot's mode decides who takes part, so without a snapshot nobody
// does.
bool CDlgColTunoraFunctions::SameModelsOn() const
{
    return theApp.m_bApplySameModels == 1 && m_bSnapshotTaken && ValidOf(m_savedColor, ColorSlot::Mode);
}

// Every same-model step walks the monitors kept at opening that are still
// in the dialog's mode. A monitor silent or in another mode at opening takes
// no part, also when it was switched to this mode since.
void CDlgColTunoraFunctions::ForEachKeptInMode(const SameModelColors::Step& step)
{
    if (!SameModelsOn())
        return;
    SameModelWalk walk(theApp.m_StatusAll, *this, m_own.Identity());
    m_sameModelColors.ForEachInMode(walk, ValueOf(m_savedColor, ColorSlot::Mode), step);
}

// Each other monitor of the model that answers in the dialog's mode is kept
// with its own state, and brought to the dialog's functions where its own
// were read: a function it did not answer could not be given back on Cancel.
void CDlgColTunoraFunctions::SyncSameModels()
{
    if (!SameModelsOn())
        return;
    CWaitCursor wait;
    const WORD savedMode = ValueOf(m_savedColor, ColorSlot::Mode);
    SameModelWalk(theApp.m_StatusAll, *this, m_own.Identity()).ForEach([&](CMonitorStatus& monitor, WORD) {
        ReadTunoraState(monitor.m_Color);
        if (!ValidOf(monitor.m_Color, ColorSlot::Mode) || ValueOf(monitor.m_Color, ColorSlot::Mode) != savedMode)
            return;
        m_sameModelColors.Keep(monitor, monitor.m_Color);
        CopyStateToMonitor(monitor, SameModelColors::ReadByBoth(m_savedColor, monitor.m_Color), false);
    });
}

void CDlgColTunoraFunctions::SetFeatureOnSameModels(DWORD bit, const BYTE* buffer, short length, BYTE usage,
                                                    WORD usagePage)
{
    const WORD savedMode = ValueOf(m_savedColor, ColorSlot::Mode);
    ForEachKeptInMode([&](CMonitorStatus& monitor, const CMonitorColor& kept) {
        if (SameModelColors::Takes(monitor, kept, savedMode, bit, usage, usagePage))
            SetFeature(buffer, length, usage, usagePage);
    });
}

void CDlgColTunoraFunctions::ResetSameModels()
{
    ForEachKeptInMode([&](CMonitorStatus&, const CMonitorColor&) {
        const BYTE command = ResetTunoraFunctions;
        SetFeature(&command, 1, FEATURE_RESET);
    });
}

void CDlgColTunoraFunctions::CommitSameModels()
{
    ForEachKeptInMode([&](CMonitorStatus&, const CMonitorColor&) {
        const BYTE commit[FeatureValueSize] = {};
        SetFeature(commit, FeatureValueSize, FEATURE_COMMIT);
    });
}

// Each monitor gets back its own state as kept at opening.
void CDlgColTunoraFunctions::RestoreSameModels()
{
    CWaitCursor wait;
    ForEachKeptInMode([&](CMonitorStatus& monitor, const CMonitorColor& kept) {
        CopyStateToMonitor(monitor, kept, true);
        const BYTE commit[FeatureValueSize] = {};
        SetFeature(commit, FeatureValueSize, FEATURE_COMMIT);
    });
}

// What a run of reports changes, shown once after the last of them: each
// list ends as one update per report would leave it.
struct CDlgColTunoraFunctions::ReportView {
    enum class SkinTone { Untouched, AsReported, ByCrisora };
    bool glintaraFilled = false;
    bool glintaraShown = false;
    bool sensoraShown = false;
    bool crisoraShown = false;
    SkinTone skinTone = SkinTone::Untouched;
    bool textShown = false;
    bool states = false;
    // A Crisora report reads both enhancers again, once for the run; a
    // report of one of them after it stands over that read.
    bool readSkinTone = false;
    bool readText = false;
    bool skinToneAfterRead = false;
    bool textAfterRead = false;
    WORD skinToneReported = 0;
    BYTE textReported = 0;
    BYTE textFlagReported = 0;
};

// Every record queued for the dialog is taken at its message, and the lists
// are updated once for all of them; validity stays as read. A record the
// queue no longer holds is not ours to read.
void CDlgColTunoraFunctions::OnHidReport()
{
    ReportView view;
    const bool own = m_own.IsCurrent();
    for (const HidReport& report : theApp.TakeReportsFor(m_hWnd)) {
        if (own && report.hDevice == theApp.m_StatusAll.m_hCurDevice)
            ApplyReport(report, view);
    }
    ShowReports(view);
}

void CDlgColTunoraFunctions::ApplyReport(const HidReport& report, ReportView& view)
{
    const WORD value = LOWORD(report.value);
    if (FEATURE_COLOR_MODE.Is(report.usagePage, report.usage)) {
        Current().Value(ColorSlot::Mode) = value;
        view.glintaraFilled = true;    // filled again for the mode, left without a selection
        view.glintaraShown = false;
        view.states = true;
        return;
    }
    for (const TunoraFunction& function : Functions) {
        if (function.feature.Is(report.usagePage, report.usage))
            OnFunctionReport(function.slot, value, view);
    }
}

// A skin-tone report shows its value as it is, whatever Crisora says.
void CDlgColTunoraFunctions::OnFunctionReport(ColorSlot slot, WORD value, ReportView& view)
{
    CMonitorColor& current = Current();
    if (slot == ColorSlot::TextEnhancer) {
        current.Value(slot) = LOBYTE(value);
        current.m_byTextEnhancerFlag = HIBYTE(value);
        view.textShown = true;
        view.textAfterRead = view.readText;
        view.textReported = LOBYTE(value);
        view.textFlagReported = HIBYTE(value);
    } else {
        current.Value(slot) = value;
    }
    if (slot == ColorSlot::Sensora)
        view.sensoraShown = true;
    else if (slot == ColorSlot::Glintara)
        view.glintaraShown = true;
    else if (slot == ColorSlot::SkinTone) {
        view.skinTone = ReportView::SkinTone::AsReported;
        view.skinToneAfterRead = view.readSkinTone;
        view.skinToneReported = value;
    } else if (slot == ColorSlot::Crisora) {
        view.crisoraShown = true;
        view.readSkinTone = view.readText = true;
        view.skinToneAfterRead = view.textAfterRead = false;
        view.skinTone = ReportView::SkinTone::ByCrisora;
        view.textShown = true;
    }
    if (slot != ColorSlot::Sensora && slot != ColorSlot::SkinTone)
        view.states = true;
}

void CDlgColTunoraFunctions::ShowReports(const ReportView& view)
{
    CMonitorColor& current = Current();
    const short crisora = static_cast<short>(ValueOf(current, ColorSlot::Crisora));
    if (view.readSkinTone) {
        ReadSlot(*this, current, ColorSlot::SkinTone, FEATURE_SKIN_TONE);
        if (view.skinToneAfterRead)
            current.Value(ColorSlot::SkinTone) = view.skinToneReported;
    }
    if (view.readText) {
        ReadSlot(*this, current, ColorSlot::TextEnhancer, FEATURE_TEXT_ENHANCER);
        if (view.textAfterRead) {
            current.Value(ColorSlot::TextEnhancer) = view.textReported;
            current.m_byTextEnhancerFlag = view.textFlagReported;
        }
    }
    if (view.glintaraFilled)
        FillGlintaraList(static_cast<short>(ValueOf(current, ColorSlot::Mode)));
    auto show = [&](CComboBox& combo, ColorSlot slot, WORD shown) {
        SelectByValue(combo, ValidOf(current, slot), static_cast<short>(shown));
    };
    if (view.sensoraShown)
        show(m_cmbSensora, ColorSlot::Sensora, ValueOf(current, ColorSlot::Sensora));
    if (view.crisoraShown)
        show(m_cmbCrisora, ColorSlot::Crisora, ValueOf(current, ColorSlot::Crisora));
    const WORD skinTone = ValueOf(current, ColorSlot::SkinTone);
    if (view.skinTone == ReportView::SkinTone::AsReported)
        show(m_cmbSkinTone, ColorSlot::SkinTone, skinTone);
    else if (view.skinTone == ReportView::SkinTone::ByCrisora)
        show(m_cmbSkinTone, ColorSlot::SkinTone, crisora != 0 ? skinTone : 0);
    if (view.textShown)
        ShowTextEnhancer(current, crisora);
    if (view.glintaraShown)
        show(m_cmbGlintara, ColorSlot::Glintara, ValueOf(current, ColorSlot::Glintara));
    if (view.states)
        UpdateControlStates(current);
}

LRESULT CDlgColTunoraFunctions::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HIDREPORT)
        OnHidReport();
    else if (message == UM_CLOSE_SUBDIALOG)
        EndDialog(static_cast<int>(SubDialogClosedFromOutside));
    return CDialog::WindowProc(message, wParam, lParam);
}

void CDlgColTunoraFunctions::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == m_nTimerID)
        m_own.Poll(*this, *this);
    CDialog::OnTimer(nIDEvent);
}

BOOL CDlgColTunoraFunctions::OnDeviceChange(UINT nEventType, DWORD_PTR dwData)
{
    (void)nEventType;
    (void)dwData;
    m_own.OnDeviceChange(*this, *this);
    return TRUE;
}

void CDlgColTunoraFunctions::OnDestroy()
{
    CDialog::OnDestroy();
    KillTimer(m_nTimerID);
    theApp.m_hWndTunora = nullptr;
    theApp.m_hWndReport = nullptr;
    // The records still queued for the dialog would stay for good.
    theApp.DiscardReportsFor(m_hWnd);
}

HBRUSH CDlgColTunoraFunctions::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const HBRUSH standard = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_EDIT || nCtlColor == CTLCOLOR_LISTBOX)
        return standard;
    const int id = pWnd && pWnd != this ? pWnd->GetDlgCtrlID() : 0;
    bool label = false;
    for (int labelId : LabelIds)
        label = label || id == labelId;
    if (label) {
        AlignBackgroundBrush(*this, m_brBack, m_sizeBrush, pDC, *pWnd);
        pDC->SetTextColor(White);
    } else {
        m_brBack.UnrealizeObject();
        pDC->SetBrushOrg(0, 0);
    }
    pDC->SetBkMode(TRANSPARENT);
    return m_brBack;
}
