#include "colour/CDlgColorSub.h"

#include "controls/PageBackground.h"
#include "colour/ColorStatusTransfer.h"
#include "colour/ColorTables.h"
#include "colour/SameModelWalk.h"
#include "colour/TemperatureSteps.h"
#include "device/MonitorFeatures.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/ForegroundWindow.h"
#include "shell/Messages.h"

#include <algorithm>

namespace {

constexpr UINT PollPeriodMs = 500;
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF ValueBoxColour = 0xDCE4E4;
constexpr COLORREF FrameShadow = 0x404040;
constexpr COLORREF FrameLight = 0xFFFFFF;
// Below this colour depth the colour bar has pictures of its own.
constexpr int FullColourBits = 16;
constexpr int GainPageSize = 51;
constexpr int HuePageSize = 4;
constexpr short SliderWriteSize = FeatureSliderSize;

using S = ColorSlot;
using Rule = ColorValueText::Rule;

// Thumb codes that write; the page and end keys write at the end of scroll.
bool WritesValue(UINT code)
{
    return code == SB_LINELEFT || code == SB_LINERIGHT || code == SB_THUMBPOSITION || code == SB_THUMBTRACK ||
           code == SB_ENDSCROLL;
}

bool IsGroupBox(int id)
{
    static const int groups[] = {IDC_GROUP_BRIGHTNESS, IDC_GROUP_SATURATION, IDC_GROUP_GAIN,
                                 IDC_GROUP_GAMMA, IDC_GROUP_CONTRAST_ENHANCER, IDC_GROUP_CONTRAST,
                                 IDC_GROUP_BLACK_LEVEL, IDC_GROUP_VELOCIS, IDC_GROUP_HUE,
                                 IDC_GROUP_OVERDRIVE, IDC_GROUP_NOISE_REDUCTION, IDC_GROUP_TEMPERATURE};
    return std::find(std::begin(groups), std::end(groups), id) != std::end(groups);
}

void PackLittleEndian(DWORD value, BYTE (&bytes)[SliderWriteSize])
{
    for (int i = 0; i < SliderWriteSize; ++i)
        bytes[i] = static_cast<BYTE>(value >> (8 * i));
}

} // namespace

// One slider with its value box and text; its page size is fixed or a
// fraction of the monitor's maximum.
struct CDlgColorSub::SliderGroup {
    int sliderId;
    int editId;
    ColorSlot slot;
    Rule rule;
    int pageSize;
    int pageDivisor;
    CSliderCtrl CDlgColorSub::*slider;
    CEdit CDlgColorSub::*edit;
    CString CDlgColorSub::*text;
};

// In the order the groups are enabled.
const CDlgColorSub::SliderGroup CDlgColorSub::s_sliders[] = {
    {IDC_SLIDER_TEMPERATURE, IDC_EDIT_TEMPERATURE, S::Temperature, Rule::Temperature, 1, 0,
     &CDlgColorSub::m_sliderTemperature, &CDlgColorSub::m_editTemperature, &CDlgColorSub::m_strTemperature},
    {IDC_SLIDER_BRIGHTNESS, IDC_EDIT_BRIGHTNESS, S::Brightness, Rule::Percentage, 0, 5,
     &CDlgColorSub::m_sliderBrightness, &CDlgColorSub::m_editBrightness, &CDlgColorSub::m_strBrightness},
    {IDC_SLIDER_CONTRAST, IDC_EDIT_CONTRAST, S::Contrast, Rule::Percentage, 0, 5,
     &CDlgColorSub::m_sliderContrast, &CDlgColorSub::m_editContrast, &CDlgColorSub::m_strContrast},
    {IDC_SLIDER_BLACK_LEVEL, IDC_EDIT_BLACK_LEVEL, S::BlackLevel, Rule::Percentage, 0, 5,
     &CDlgColorSub::m_sliderBlackLevel, &CDlgColorSub::m_editBlackLevel, &CDlgColorSub::m_strBlackLevel},
    {IDC_SLIDER_GAIN_RED, IDC_EDIT_GAIN_RED, S::GainR, Rule::Percentage, GainPageSize, 0,
     &CDlgColorSub::m_sliderGainRed, &CDlgColorSub::m_editGainRed, &CDlgColorSub::m_strGainRed},
    {IDC_SLIDER_GAIN_GREEN, IDC_EDIT_GAIN_GREEN, S::GainG, Rule::Percentage, GainPageSize, 0,
     &CDlgColorSub::m_sliderGainGreen, &CDlgColorSub::m_editGainGreen, &CDlgColorSub::m_strGainGreen},
    {IDC_SLIDER_GAIN_BLUE, IDC_EDIT_GAIN_BLUE, S::GainB, Rule::Percentage, GainPageSize, 0,
     &CDlgColorSub::m_sliderGainBlue, &CDlgColorSub::m_editGainBlue, &CDlgColorSub::m_strGainBlue},
    {IDC_SLIDER_SATURATION, IDC_EDIT_SATURATION, S::Saturation, Rule::SignedPercentage, 0, 25,
     &CDlgColorSub::m_sliderSaturation, &CDlgColorSub::m_editSaturation, &CDlgColorSub::m_strSaturation},
    {IDC_SLIDER_HUE, IDC_EDIT_HUE, S::Hue, Rule::Centred, HuePageSize, 0,
     &CDlgColorSub::m_sliderHue, &CDlgColorSub::m_editHue, &CDlgColorSub::m_strHue},
};
constexpr int TemperatureGroup = 0;

// One list; when the monitor's value is in none of its items, the gamma
// list keeps what it showed while the others show nothing.
struct CDlgColorSub::ListGroup {
    int comboId;
    ColorSlot slot;
    bool keepWhenUnmatched;
    CComboBox CDlgColorSub::*combo;
};

const CDlgColorSub::ListGroup CDlgColorSub::s_lists[] = {
    {IDC_COMBO_GAMMA, S::Gamma, true, &CDlgColorSub::m_comboGamma},
    {IDC_COMBO_CONTRAST_ENHANCER, S::ContrastEnhancer, false, &CDlgColorSub::m_comboContrastEnhancer},
    {IDC_COMBO_VELOCIS, S::Velocis, false, &CDlgColorSub::m_comboVelocis},
    {IDC_COMBO_OVERDRIVE, S::Overdrive, false, &CDlgColorSub::m_comboOverdrive},
    {IDC_COMBO_NOISE_REDUCTION, S::NoiseReduction, false, &CDlgColorSub::m_comboNoiseReduction},
};
constexpr int GammaList = 0, ContrastEnhancerList = 1, VelocisList = 2, OverdriveList = 3, NoiseReductionList = 4;

// A group's picture in colour while the group is enabled, in grey otherwise.
struct CDlgColorSub::LabelImage {
    int pictureId;
    ColorSlot slot;
    UINT enabledId;
    UINT disabledId;
    CStatic CDlgColorSub::*picture;
};

const CDlgColorSub::LabelImage CDlgColorSub::s_labels[LabelCount] = {
    {IDC_PIC_BRIGHTNESS, S::Brightness, IDB_BRIGHTNESS, IDB_BRIGHTNESS_OFF, &CDlgColorSub::m_picBrightness},
    {IDC_PIC_CONTRAST, S::Contrast, IDB_CONTRAST, IDB_CONTRAST_OFF, &CDlgColorSub::m_picContrast},
    {IDC_PIC_BLACK_LEVEL, S::BlackLevel, IDB_BLACK_LEVEL, IDB_BLACK_LEVEL_OFF, &CDlgColorSub::m_picBlackLevel},
    {IDC_PIC_GAMMA, S::Gamma, IDB_GAMMA, IDB_GAMMA_OFF, &CDlgColorSub::m_picGamma},
    {IDC_PIC_GAIN_RED, S::GainR, IDB_GAIN_RED, IDB_GAIN_RED_OFF, &CDlgColorSub::m_picGainRed},
    {IDC_PIC_GAIN_GREEN, S::GainG, IDB_GAIN_GREEN, IDB_GAIN_GREEN_OFF, &CDlgColorSub::m_picGainGreen},
    {IDC_PIC_GAIN_BLUE, S::GainB, IDB_GAIN_BLUE, IDB_GAIN_BLUE_OFF, &CDlgColorSub::m_picGainBlue},
    {IDC_PIC_CONTRAST_ENHANCER, S::ContrastEnhancer, IDB_CONTRAST_ENHANCER, IDB_CONTRAST_ENHANCER_OFF,
     &CDlgColorSub::m_picContrastEnhancer},
    {IDC_PIC_VELOCIS, S::Velocis, IDB_VELOCIS, IDB_VELOCIS_OFF, &CDlgColorSub::m_picVelocis},
    {IDC_PIC_SATURATION, S::Saturation, IDB_SATURATION, IDB_SATURATION_OFF, &CDlgColorSub::m_picSaturation},
    {IDC_PIC_HUE, S::Hue, IDB_HUE, IDB_HUE_OFF, &CDlgColorSub::m_picHue},
    {IDC_PIC_OVERDRIVE, S::Overdrive, IDB_OVERDRIVE, IDB_OVERDRIVE_OFF, &CDlgColorSub::m_picOverdrive},
    {IDC_PIC_NOISE_REDUCTION, S::NoiseReduction, IDB_NOISE_REDUCTION, IDB_NOISE_REDUCTION_OFF,
     &CDlgColorSub::m_picNoiseReduction},
};

BEGIN_MESSAGE_MAP(CDlgColorSub, CDialog)
    ON_WM_PAINT()
    ON_WM_HSCROLL()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_BTN_RESET, &CDlgColorSub::OnBnClickedReset)
    ON_WM_DEVICECHANGE()
    ON_WM_CTLCOLOR()
    ON_WM_TIMER()
    ON_WM_SHOWWINDOW()
    ON_CBN_SELCHANGE(IDC_COMBO_GAMMA, &CDlgColorSub::OnCbnSelchangeGamma)
    ON_CBN_SELCHANGE(IDC_COMBO_CONTRAST_ENHANCER, &CDlgColorSub::OnCbnSelchangeContrastEnhancer)
    ON_CBN_SELCHANGE(IDC_COMBO_VELOCIS, &CDlgColorSub::OnCbnSelchangeVelocis)
    ON_CBN_SELCHANGE(IDC_COMBO_OVERDRIVE, &CDlgColorSub::OnCbnSelchangeOverdrive)
    ON_CBN_SELCHANGE(IDC_COMBO_NOISE_REDUCTION, &CDlgColorSub::OnCbnSelchangeNoiseReduction)
END_MESSAGE_MAP()

CDlgColorSub::CDlgColorSub(CWnd* pParent)
    : CDialog(IDD_COLOR_SUB, pParent), m_nTimerId(0), m_sizeBackground(0, 0), m_bSnapshotTaken(false)
{
}

CDlgColorSub::~CDlgColorSub() = default;

void CDlgColorSub::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COLOR_BAR, m_picColorBar);
    for (const LabelImage& label : s_labels)
        DDX_Control(pDX, label.pictureId, this->*label.picture);
    for (const SliderGroup& group : s_sliders) {
        DDX_Control(pDX, group.editId, this->*group.edit);
        DDX_Control(pDX, group.sliderId, this->*group.slider);
        DDX_Text(pDX, group.editId, this->*group.text);
    }
    for (const ListGroup& list : s_lists)
        DDX_Control(pDX, list.comboId, this->*list.combo);
}

// The page owns the current record; a dialog opened without it works on
// its own.
CMonitorColor& CDlgColorSub::CurrentColor()
{
    return theApp.m_pCurColor ? *theApp.m_pCurColor : m_ownColor;
}

// A list whose current index names no monitor counts as empty.
bool CDlgColorSub::HasMonitors() const
{
    return theApp.m_StatusAll.GetCurrent() != nullptr;
}

DWORD CDlgColorSub::CurrentMask(WORD mode) const
{
    const CMonitorStatus* current = theApp.m_StatusAll.GetCurrent();
    return current ? ModeFeatureMask(current->m_Caps.dwModeFeatures, mode) : 0;
}

BOOL CDlgColorSub::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brValueBox.CreateSolidBrush(ValueBoxColour);
    m_sizeBackground =
        theApp.LoadDpiBitmapBrush(m_hWnd, &m_brBackground, IDB_BACK_COLOR_SUB, IDB_BACK_COLOR_SUB_LARGE);
    AttachSkinnedButtons(this, {{&m_btnReset, IDC_BTN_RESET}, {&m_btnOK, IDOK}, {&m_btnCancel, IDCANCEL}});
    BringToForeground(m_hWnd);
    m_own.Take();
    InitControls();
    SetSliderPageSizes();
    m_nTimerId = SetTimer(IDT_COLOR_SUB_POLL, PollPeriodMs);
    theApp.m_hWndColorSub = m_hWnd;
    theApp.m_hWndReport = m_hWnd;
    return TRUE;
}

BOOL CDlgColorSub::InitControls()
{
    FillCombos();
    if (!IsDeviceReachable())
        return FALSE;
    CMonitorColor& color = CurrentColor();
    ReadColorStatus(color);
    m_savedColor = color;
    m_bSnapshotTaken = true;
    LoadControls(color);
    RedrawColorBar();
    EnableByFeatureMask(color);
    SyncSameModels();
    return TRUE;
}

void CDlgColorSub::SetSliderPageSizes()
{
    CMonitorColor& color = CurrentColor();
    for (const SliderGroup& group : s_sliders) {
        const int page = group.pageDivisor ? color.Max(group.slot) / group.pageDivisor : group.pageSize;
        (this->*group.slider).SetPageSize(page);
    }
}

// Every user action starts here: the dialog acts only on the monitor it
// opened on.
bool CDlgColorSub::BeginAction()
{
    return m_own.BeginAction(*this, *this);
}

BOOL CDlgColorSub::IsDeviceReachable()
{
    const DWORD device = theApp.m_StatusAll.m_hCurDevice;
    if (device == 0)
        return FALSE;
    SetHandle(device);
    return IsMonitorAnswering() ? TRUE : FALSE;
}

void CDlgColorSub::ReadColorStatus(CMonitorColor& record)
{
    CWaitCursor wait;
    ColorStatusTransfer(*this).ReadAll(record);
}

void CDlgColorSub::FillList(CComboBox& list, std::initializer_list<std::pair<UINT, WORD>> items)
{
    for (const auto& [textId, data] : items) {
        CString text;
        text.LoadString(textId);
        const int item = list.AddString(text);
        list.SetItemData(item, data);
    }
}

void CDlgColorSub::FillGammaList()
{
    const MonitorCapabilities& caps = theApp.m_StatusAll.GetCurrent()->m_Caps;
    for (const GammaEntry& row : GammaTable) {
        if (caps.wGammas & row.wBit)
            m_comboGamma.SetItemData(m_comboGamma.AddString(row.pszLabel), row.wCode);
    }
    for (const GammaEntry& row : GammaModeTable) {
        if (caps.wGameGammas & row.wBit)
            m_comboGamma.SetItemData(m_comboGamma.AddString(row.pszLabel), row.wCode);
    }
}

void CDlgColorSub::FillCombos()
{
    if (!HasMonitors())
        return;
    FillGammaList();
    FillList(m_comboContrastEnhancer, {{IDS_OFF, 0}, {IDS_STANDARD, 1}, {IDS_ENHANCED, 2}});
    FillList(m_comboVelocis, {{IDS_OFF, 0}, {IDS_ON, 1}});
    FillList(m_comboOverdrive, {{IDS_OFF, 0}, {IDS_STANDARD, 1}, {IDS_ENHANCED, 2}});
    FillList(m_comboNoiseReduction, {{IDS_DISABLE, 0}, {IDS_ENABLE, 1}});
}

void CDlgColorSub::LoadControls(CMonitorColor& record)
{
    auto slider = [&](int index) {
        const SliderGroup& group = s_sliders[index];
        SetSliderValue(this->*group.slider, this->*group.text, record.Valid(group.slot), record.Value(group.slot),
                       0, record.Max(group.slot), 100);
    };
    for (int i = 0; i < 4; ++i)   // temperature, brightness, contrast, black level
        slider(i);
    SelectGamma(record.Valid(S::Gamma), record.Value(S::Gamma));
    for (int i = 4; i < 7; ++i)   // the gains
        slider(i);
    SelectContrastEnhancer(record.Valid(S::ContrastEnhancer), record.Value(S::ContrastEnhancer));
    SelectVelocis(record.Valid(S::Velocis), record.Value(S::Velocis));
    slider(7);   // saturation
    slider(8);   // hue
    // A flag of 1 means the monitor runs without overdrive whatever it stores.
    SelectOverdrive(record.Valid(S::Overdrive), record.m_byOverdriveFlag == 1 ? 0 : record.Value(S::Overdrive));
    SelectNoiseReduction(record.Valid(S::NoiseReduction), record.Value(S::NoiseReduction));
    UpdateData(FALSE);
}

void CDlgColorSub::SetSliderValue(CSliderCtrl& slider, CString& text, BOOL valid, WORD value, int minimum,
                                  WORD maximum, int scale)
{
    (void)scale;   // the value texts are percentages of the maximum, always
    int position = value;
    const CMonitorStatus* current = theApp.m_StatusAll.GetCurrent();
    if (&slider == &m_sliderTemperature && current) {
        const TemperatureSteps steps(current->m_Caps.dwTemperatures);
        slider.SetRange(minimum, std::max(steps.Count() - 1, minimum), FALSE);
        position = steps.PositionOf(value);
    } else {
        slider.SetRange(minimum, maximum, FALSE);
    }
    if (valid) {
        slider.SetPos(position);
        UpdateValueText(text, value, maximum, 100);
    } else {
        slider.SetPos(0);
        text.Empty();
    }
}

void CDlgColorSub::UpdateValueText(CString& text, WORD value, WORD maximum, int scale)
{
    (void)scale;
    const Rule rule = RuleOfText(*this, text);
    if (rule == Rule::Temperature) {
        UINT id = 0;
        if (ColorValueText::TemperatureNameId(value, maximum, &id))
            text.LoadString(id);
        else
            text.Empty();   // an index the name table does not cover
        return;
    }
    short number = 0;
    if (ColorValueText::Number(rule, value, maximum, &number))
        text.Format("%d", number);
    else
        text.Empty();   // no maximum to take a percentage of
}

ColorValueText::Rule CDlgColorSub::RuleOfText(const CDlgColorSub& dialog, const CString& text)
{
    for (const SliderGroup& group : s_sliders) {
        if (&(dialog.*group.text) == &text)
            return group.rule;
    }
    return Rule::Percentage;
}

void CDlgColorSub::SelectInList(CComboBox& list, BOOL valid, WORD value, bool keepWhenUnmatched)
{
    const int item = ItemFor(ItemData(list), valid, value, keepWhenUnmatched);
    if (item != KeepSelection)
        list.SetCurSel(item);
}

std::vector<short> CDlgColorSub::ItemData(const CComboBox& list)
{
    std::vector<short> data;
    for (int item = 0; item < list.GetCount(); ++item)
        data.push_back(static_cast<short>(list.GetItemData(item)));
    return data;
}

// The first item whose data equals the value (as signed 16-bit numbers);
// none when no item holds it, or none at all is valid.
int CDlgColorSub::ItemFor(const std::vector<short>& data, BOOL valid, WORD value, bool keepWhenUnmatched)
{
    if (!valid)
        return -1;
    const auto found = std::find(data.begin(), data.end(), static_cast<short>(value));
    if (found != data.end())
        return static_cast<int>(found - data.begin());
    return keepWhenUnmatched ? KeepSelection : -1;
}

void CDlgColorSub::SelectGamma(BOOL valid, WORD value)
{
    SelectInList(m_comboGamma, valid, value, s_lists[GammaList].keepWhenUnmatched);
}

void CDlgColorSub::SelectContrastEnhancer(BOOL valid, WORD value)
{
    SelectInList(m_comboContrastEnhancer, valid, value, s_lists[ContrastEnhancerList].keepWhenUnmatched);
}

void CDlgColorSub::SelectVelocis(BOOL valid, WORD value)
{
    SelectInList(m_comboVelocis, valid, value, s_lists[VelocisList].keepWhenUnmatched);
}

void CDlgColorSub::SelectOverdrive(BOOL valid, WORD value)
{
    SelectInList(m_comboOverdrive, valid, value, s_lists[OverdriveList].keepWhenUnmatched);
}

void CDlgColorSub::SelectNoiseReduction(BOOL valid, WORD value)
{
    SelectInList(m_comboNoiseReduction, valid, value, s_lists[NoiseReductionList].keepWhenUnmatched);
}

bool CDlgColorSub::GroupEnabled(CMonitorColor& record, ColorSlot slot, DWORD mask)
{
    if (!record.Valid(slot) || (mask & ColorStatusTransfer::MaskBitOf(slot)) == 0)
        return false;
    return slot != S::Overdrive || record.m_byOverdriveFlag == 0;
}

// Without the mode nothing says what may be adjusted, and nothing could be
// given back on Cancel: no group is allowed.
DWORD CDlgColorSub::MaskOf(const CMonitorColor& record) const
{
    const int mode = CMonitorColor::Index(S::Mode);
    return record.m_bValid[mode] ? CurrentMask(record.m_wValue[mode]) : 0;
}

void CDlgColorSub::EnableByFeatureMask(CMonitorColor& record)
{
    if (!HasMonitors())
        return;
    const DWORD mask = MaskOf(record);
    for (const SliderGroup& group : s_sliders)
        (this->*group.slider).EnableWindow(GroupEnabled(record, group.slot, mask));
    for (const SliderGroup& group : s_sliders)
        (this->*group.edit).EnableWindow(GroupEnabled(record, group.slot, mask));
    for (const ListGroup& list : s_lists)
        (this->*list.combo).EnableWindow(GroupEnabled(record, list.slot, mask));
    m_btnReset.EnableWindow((mask & MF_RESET) != 0);
    for (int i = 0; i < LabelCount; ++i)
        SetLabelImage(i, GroupEnabled(record, s_labels[i].slot, mask));
}

// The pictures are loaded once and live as long as the dialog object, so
// that switching them on every mode report does not leak them. The picture
// the control loaded from the template, or a copy it made of one of ours,
// is handed back when replaced and is ours to free.
void CDlgColorSub::SetLabelImage(int label, bool enabled)
{
    CBitmap& bitmap = m_labelBitmaps[label][enabled ? 0 : 1];
    if (!bitmap.m_hObject)
        bitmap.LoadBitmap(enabled ? s_labels[label].enabledId : s_labels[label].disabledId);
    const HBITMAP previous = (this->*s_labels[label].picture).SetBitmap(bitmap);
    if (previous && previous != m_labelBitmaps[label][0].m_hObject && previous != m_labelBitmaps[label][1].m_hObject)
        ::DeleteObject(previous);
}

void CDlgColorSub::RedrawColorBar()
{
    if (!m_picColorBar.m_hWnd)
        return;
    CRect rect;
    m_picColorBar.GetWindowRect(&rect);
    ScreenToClient(&rect);
    InvalidateRect(&rect, FALSE);
}

void CDlgColorSub::OnPaint()
{
    CPaintDC dc(this);
    if (!HasMonitors() || !m_picColorBar.m_hWnd)
        return;
    CRect rect;
    m_picColorBar.GetWindowRect(&rect);
    ScreenToClient(&rect);
    const bool fullColour = dc.GetDeviceCaps(BITSPIXEL) >= FullColourBits;
    const bool enabled = (CurrentMask(CurrentColor().Value(S::Mode)) & MF_COLOR_TEMPERATURE) != 0;
    const UINT bitmap = enabled ? (fullColour ? IDB_COLOR_BAR : IDB_COLOR_BAR_LOW)
                                : (fullColour ? IDB_COLOR_BAR_GREY : IDB_COLOR_BAR_GREY_LOW);
    DrawColorBarBitmap(&dc, rect, bitmap);
    DrawSunkenFrame(&dc, rect);
}

void CDlgColorSub::DrawColorBarBitmap(CDC* pDC, const CRect& rect, UINT nBitmapId)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nBitmapId))
        return;
    BITMAP info{};
    bitmap.GetBitmap(&info);
    CDC memory;
    if (!memory.CreateCompatibleDC(pDC))
        return;
    CBitmap* previous = memory.SelectObject(&bitmap);
    pDC->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memory, 0, 0, info.bmWidth, info.bmHeight,
                    SRCCOPY);
    memory.SelectObject(previous);
}

void CDlgColorSub::DrawSunkenFrame(CDC* pDC, const CRect& rect)
{
    CPen shadow(PS_SOLID, 1, FrameShadow);
    CPen light(PS_SOLID, 1, FrameLight);
    CPen* previous = pDC->SelectObject(&shadow);
    pDC->MoveTo(rect.left, rect.bottom);
    pDC->LineTo(rect.left, rect.top);
    pDC->LineTo(rect.right, rect.top);
    pDC->SelectObject(&light);
    pDC->LineTo(rect.right, rect.bottom);
    pDC->LineTo(rect.left, rect.bottom);
    pDC->SelectObject(previous);
}

void CDlgColorSub::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    const HWND control = pScrollBar ? static_cast<CWnd*>(pScrollBar)->m_hWnd : nullptr;
    if (BeginAction() && WritesValue(nSBCode)) {
        for (const SliderGroup& group : s_sliders) {
            CSliderCtrl& slider = this->*group.slider;
            if (!control || slider.m_hWnd != control)
                continue;
            if (&group == &s_sliders[TemperatureGroup])
                OnTemperatureMoved(slider.GetPos());
            else
                OnSliderMoved(group, slider.GetPos());
            break;
        }
    }
    UpdateData(FALSE);
    CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CDlgColorSub::OnSliderMoved(const SliderGroup& group, int position)
{
    BYTE buffer[SliderWriteSize];
    PackLittleEndian(static_cast<DWORD>(position), buffer);
    const FeatureAddress& feature = CMonitorColor::FeatureOf(group.slot);
    CString& text = this->*group.text;
    const WORD maximum = CurrentColor().Max(group.slot);
    // Brightness shows its new text before the write reaches the monitor.
    if (group.slot == S::Brightness) {
        UpdateValueText(text, static_cast<WORD>(position), maximum, 100);
        UpdateData(FALSE);
    }
    SetFeature(buffer, SliderWriteSize, feature);
    if (group.slot != S::Brightness)
        UpdateValueText(text, static_cast<WORD>(position), maximum, 100);
    SetOnSameModels(ColorStatusTransfer::MaskBitOf(group.slot), buffer, SliderWriteSize, feature.usage,
                    feature.usagePage);
}

// The slider's positions are the offered temperature steps; a position with
// no step behind it writes nothing rather than an index the monitor lacks.
void CDlgColorSub::OnTemperatureMoved(int position)
{
    const CMonitorStatus* current = theApp.m_StatusAll.GetCurrent();
    WORD index = 0;
    if (!current || !TemperatureSteps(current->m_Caps.dwTemperatures).IndexAt(position, &index))
        return;
    BYTE buffer[SliderWriteSize];
    PackLittleEndian(index, buffer);
    SetFeature(buffer, SliderWriteSize, FEATURE_COLOR_TEMPERATURE);
    UpdateValueText(m_strTemperature, index, CurrentColor().Max(S::Temperature), 100);
    SetOnSameModels(MF_COLOR_TEMPERATURE, buffer, SliderWriteSize, FEATURE_COLOR_TEMPERATURE.usage,
                    FEATURE_COLOR_TEMPERATURE.usagePage);
}

void CDlgColorSub::OnListChanged(const ListGroup& group)
{
    if (!BeginAction())
        return;
    CComboBox& list = this->*group.combo;
    const int item = list.GetCurSel();
    if (item < 0)
        return;   // no item, no value to write
    const WORD value = static_cast<WORD>(list.GetItemData(item));
    const BYTE buffer[FeatureValueSize] = {LOBYTE(value), group.slot == S::Overdrive ? BYTE(0) : HIBYTE(value)};
    const FeatureAddress& feature = CMonitorColor::FeatureOf(group.slot);
    SetFeature(buffer, FeatureValueSize, feature);
    SetOnSameModels(ColorStatusTransfer::MaskBitOf(group.slot), buffer, FeatureValueSize, feature.usage,
                    feature.usagePage);
}

void CDlgColorSub::OnCbnSelchangeGamma()
{
    OnListChanged(s_lists[GammaList]);
}

void CDlgColorSub::OnCbnSelchangeContrastEnhancer()
{
    OnListChanged(s_lists[ContrastEnhancerList]);
}

void CDlgColorSub::OnCbnSelchangeVelocis()
{
    OnListChanged(s_lists[VelocisList]);
}

void CDlgColorSub::OnCbnSelchangeOverdrive()
{
    OnListChanged(s_lists[OverdriveList]);
}

void CDlgColorSub::OnCbnSelchangeNoiseReduction()
{
    OnListChanged(s_lists[NoiseReductionList]);
}

LRESULT CDlgColorSub::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HIDREPORT)
        OnHidReport();
    else if (message == UM_CLOSE_SUBDIALOG)
        EndDialog(SubDialogClosedFromOutside);
    return CDialog::WindowProc(message, wParam, lParam);
}

// What a run of reports changes, shown once after the last of them: each
// control ends as one update per report would leave it.
struct CDlgColorSub::ReportView {
    bool sliders[SliderCount] = {};
    // The item each list is to show; KeepSelection while no report chose one.
    int items[ListCount] = {KeepSelection, KeepSelection, KeepSelection, KeepSelection, KeepSelection};
    // The lists' item data, read once for the run.
    std::vector<short> data[ListCount];
    bool dataRead[ListCount] = {};
    bool enabling = false;
    bool colourBar = false;
    bool exchange = false;
};

// Every record queued for the dialog is taken at its message, and the
// controls are updated once for all of them. A record the queue no longer
// holds is not ours to read.
void CDlgColorSub::OnHidReport()
{
    ReportView view;
    const bool own = m_own.IsCurrent();
    for (const HidReport& report : theApp.TakeReportsFor(m_hWnd)) {
        if (own && report.hDevice == theApp.m_StatusAll.m_hCurDevice)
            ApplyReport(report, view);
    }
    ShowReports(view);
}

void CDlgColorSub::ApplyReport(const HidReport& report, ReportView& view)
{
    CMonitorColor& color = CurrentColor();
    const WORD word = LOWORD(report.value);
    view.exchange = true;
    for (int i = 0; i < SliderCount; ++i) {
        if (!CMonitorColor::FeatureOf(s_sliders[i].slot).Is(report.usagePage, report.usage))
            continue;
        color.Value(s_sliders[i].slot) = word;
        view.sliders[i] = true;
        return;
    }
    if (FEATURE_COLOR_MODE.Is(report.usagePage, report.usage)) {
        color.Value(S::Mode) = word;
        view.enabling = true;
        view.colourBar = true;
    } else if (FEATURE_OVERDRIVE.Is(report.usagePage, report.usage)) {
        // A flag of 1 means the monitor runs without overdrive whatever it stores.
        const BYTE level = LOBYTE(report.value);
        const BYTE flag = HIBYTE(report.value);
        color.Value(S::Overdrive) = level;
        color.m_byOverdriveFlag = flag;
        ChooseInList(view, OverdriveList, flag == 1 ? 0 : level);
        view.enabling = true;
    } else {
        for (int i = 0; i < ListCount; ++i) {
            if (!CMonitorColor::FeatureOf(s_lists[i].slot).Is(report.usagePage, report.usage))
                continue;
            color.Value(s_lists[i].slot) = word;
            ChooseInList(view, i, word);
            return;
        }
    }
}

void CDlgColorSub::ChooseInList(ReportView& view, int list, WORD value)
{
    if (!view.dataRead[list]) {
        view.data[list] = ItemData(this->*s_lists[list].combo);
        view.dataRead[list] = true;
    }
    const int item = ItemFor(view.data[list], TRUE, value, s_lists[list].keepWhenUnmatched);
    if (item != KeepSelection)
        view.items[list] = item;
}

void CDlgColorSub::ShowReports(const ReportView& view)
{
    CMonitorColor& color = CurrentColor();
    for (int i = 0; i < SliderCount; ++i) {
        const SliderGroup& group = s_sliders[i];
        if (view.sliders[i])
            SetSliderValue(this->*group.slider, this->*group.text, color.Valid(group.slot), color.Value(group.slot),
                           0, color.Max(group.slot), 100);
    }
    for (int i = 0; i < ListCount; ++i) {
        if (view.items[i] != KeepSelection)
            (this->*s_lists[i].combo).SetCurSel(view.items[i]);
    }
    if (view.enabling)
        EnableByFeatureMask(color);
    if (view.colourBar)
        RedrawColorBar();
    if (view.exchange)
        UpdateData(FALSE);
}

void CDlgColorSub::OnTimer(UINT_PTR nIDEvent)
{
    if (m_nTimerId != 0 && nIDEvent == m_nTimerId)
        m_own.Poll(*this, *this);
    CDialog::OnTimer(nIDEvent);
}

BOOL CDlgColorSub::OnDeviceChange(UINT nEventType, DWORD_PTR dwData)
{
    (void)nEventType;
    (void)dwData;
    m_own.OnDeviceChange(*this, *this);
    return TRUE;
}

void CDlgColorSub::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
}

void CDlgColorSub::OnDestroy()
{
    CDialog::OnDestroy();
    if (m_nTimerId != 0)
        KillTimer(m_nTimerId);
    m_nTimerId = 0;
    if (theApp.m_hWndColorSub == m_hWnd)
        theApp.m_hWndColorSub = nullptr;
    if (theApp.m_hWndReport == m_hWnd)
        theApp.m_hWndReport = nullptr;
    // The records still queued for the dialog would stay for good.
    theApp.DiscardReportsFor(m_hWnd);
}

HBRUSH CDlgColorSub::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const HBRUSH standard = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_EDIT || nCtlColor == CTLCOLOR_LISTBOX)
        return standard;
    pDC->SetBkMode(TRANSPARENT);
    const int id = pWnd && pWnd != this ? pWnd->GetDlgCtrlID() : 0;
    for (const SliderGroup& group : s_sliders) {
        if (id == group.editId) {
            pDC->SetTextColor(Black);
            return m_brValueBox;
        }
        if (id == group.sliderId) {
            pDC->SetTextColor(White);
            AlignBackgroundBrush(*this, m_brBackground, m_sizeBackground, pDC, *pWnd);
            return m_brBackground;
        }
    }
    if (IsGroupBox(id)) {
        pDC->SetTextColor(White);
        AlignBackgroundBrush(*this, m_brBackground, m_sizeBackground, pDC, *pWnd);
        return m_brBackground;
    }
    m_brBackground.UnrealizeObject();
    pDC->SetBrushOrg(0, 0);
    return m_brBackground;
}

void CDlgColorSub::OnOK()
{
    // A silent monitor's end with 0 gives way to the framework's end below.
    if (!BeginAction())
        return;
    {
        CWaitCursor wait;
        ColorStatusTransfer(*this).Commit();
        CommitSameModels();
    }
    CDialog::OnOK();
}

void CDlgColorSub::OnCancel()
{
    if (!BeginAction())
        return;
    {
        CWaitCursor wait;
        // Without an opening read there is nothing to give back, and the
        // page's record is not to be overwritten with an empty one.
        if (m_bSnapshotTaken) {
            RestoreDevice(m_savedColor);
            CurrentColor() = m_savedColor;
        }
        ColorStatusTransfer(*this).Commit();
        RestoreSameModels();
    }
    CDialog::OnCancel();
}

void CDlgColorSub::OnBnClickedReset()
{
    if (!BeginAction())
        return;
    const WORD mode = CurrentColor().Value(S::Mode);
    const int endedBefore = GetEndResult();
    if (HasTunoraData(mode) && AfxMessageBox(IDS_RESET_CONFIRM, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    // Whatever ended the dialog while the question was open (its poll, a
    // device change, the main window) ends the reset too.
    if (GetEndResult() != endedBefore)
        return;
    // A mode report may have come in while the question was open.
    if (CurrentColor().Value(S::Mode) != mode) {
        AfxMessageBox(IDS_RESET_MODE_CHANGED, MB_ICONEXCLAMATION);
        return;
    }
    // Another current monitor is not the one the user was asked about.
    if (!BeginAction())
        return;
    CWaitCursor wait;
    ColorStatusTransfer(*this).Reset();
    ResetSameModels();
    ReloadAfterReset();
}

BOOL CDlgColorSub::HasTunoraData(WORD mode)
{
    return (CurrentMask(mode) & MF_FUNCTIONS_GROUP) != 0 ? TRUE : FALSE;
}

void CDlgColorSub::RestoreDevice(const CMonitorColor& record)
{
    if (!HasMonitors())
        return;
    CWaitCursor wait;
    ColorStatusTransfer(*this).Restore(record, MaskOf(record));
}

void CDlgColorSub::ApplyStatusToDevice(CMonitorStatus& target, const CMonitorColor& source, BOOL full)
{
    const DWORD mask =
        ModeFeatureMask(target.m_Caps.dwModeFeatures, source.m_wValue[CMonitorColor::Index(S::Mode)]);
    ColorStatusTransfer(*this).Apply(source, mask, full != FALSE);
}

void CDlgColorSub::ReloadAfterReset()
{
    if (!HasMonitors())
        return;
    CMonitorColor& color = CurrentColor();
    ColorStatusTransfer(*this).ReadPictureValues(color);
    LoadControls(color);
}

// "Apply to the same models" acts only when switched on, and only once the
// opening has read the mode the other monitors are matched against.
bool CDlgColorSub::SameModelsOn() const
{
    return theApp.m_bApplySameModels == 1 && m_bSnapshotTaken &&
           m_savedColor.m_bValid[CMonitorColor::Index(S::Mode)];
}

WORD CDlgColorSub::SnapshotMode() const
{
    return m_savedColor.m_wValue[CMonitorColor::Index(S::Mode)];
}

// Each other monitor of the model that answers in the dialog's mode is kept
// with its own values, and brought to the dialog's values where its own were
// read: a value it did not answer could not be given back on Cancel.
void CDlgColorSub::SyncSameModels()
{
    if (!SameModelsOn())
        return;
    CWaitCursor wait;
    SameModelWalk(theApp.m_StatusAll, *this, m_own.Identity()).ForEach([this](CMonitorStatus& monitor, WORD) {
        ReadColorStatus(monitor.m_Color);
        if (!monitor.m_Color.Valid(S::Mode) || monitor.m_Color.Value(S::Mode) != SnapshotMode())
            return;
        m_sameModelColors.Keep(monitor, monitor.m_Color);
        ApplyStatusToDevice(monitor, SameModelColors::ReadByBoth(m_savedColor, monitor.m_Color), FALSE);
    });
}

// The step runs on each monitor kept at opening that is still in the
// dialog's mode. One that was silent or in another mode then takes no part,
// also when it was switched to this mode at its own buttons since.
void CDlgColorSub::ForEachKeptInMode(const SameModelColors::Step& step)
{
    if (!SameModelsOn())
        return;
    SameModelWalk walk(theApp.m_StatusAll, *this, m_own.Identity());
    m_sameModelColors.ForEachInMode(walk, SnapshotMode(), step);
}

void CDlgColorSub::SetOnSameModels(DWORD bit, const BYTE* buffer, short size, BYTE usage, WORD usagePage)
{
    ForEachKeptInMode([&](CMonitorStatus& monitor, const CMonitorColor& kept) {
        if (SameModelColors::Takes(monitor, kept, SnapshotMode(), bit, usage, usagePage))
            SetFeature(buffer, size, usage, usagePage);
    });
}

void CDlgColorSub::ResetSameModels()
{
    ForEachKeptInMode([this](CMonitorStatus&, const CMonitorColor&) { ColorStatusTransfer(*this).Reset(); });
}

void CDlgColorSub::CommitSameModels()
{
    ForEachKeptInMode([this](CMonitorStatus&, const CMonitorColor&) { ColorStatusTransfer(*this).Commit(); });
}

// Each monitor gets back the values it had at opening.
void CDlgColorSub::RestoreSameModels()
{
    CWaitCursor wait;
    ForEachKeptInMode([this](CMonitorStatus& monitor, const CMonitorColor& kept) {
        ApplyStatusToDevice(monitor, kept, TRUE);
        ColorStatusTransfer(*this).Commit();
    });
}
