#include "shell/CDlgMonitor.h"

#include "device/CCapabilityBlock.h"
#include "device/DeviceDiscovery.h"
#include "device/MonitorFeatures.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"
#include "shell/Messages.h"

namespace {

constexpr int LabelWidth = 13;
constexpr int ModelWidth = 11;
constexpr COLORREF ListTextColour = 0xFF0000;   // COLORREF: blue
constexpr COLORREF TextColour = RGB(255, 255, 255);
constexpr COLORREF FaceColour = RGB(0, 0, 0);

CString PaddedRight(CString text, int width)
{
    if (text.GetLength() < width)
        text += CString(' ', width - text.GetLength());
    return text;
}

CString ResourceText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

// The step texts are written with "%dth"; the first three get their English ordinals.
void FixOrdinal(CString& text, int nStep)
{
    static const char* const Wrong[] = {"1th", "2th", "3th"};
    static const char* const Right[] = {"1st", "2nd", "3rd"};
    if (nStep >= 1 && nStep <= 3)
        text.Replace(Wrong[nStep - 1], Right[nStep - 1]);
}

CMonitorAssociation* RecordAt(void* entry)
{
    return static_cast<CMonitorAssociation*>(entry);
}

} // namespace

IMPLEMENT_DYNAMIC(CDlgMonitor, CDialog)

BEGIN_MESSAGE_MAP(CDlgMonitor, CDialog)
    ON_BN_CLICKED(IDOK, &CDlgMonitor::OnBnClickedNext)
    ON_BN_CLICKED(IDCANCEL, &CDlgMonitor::OnBnClickedClose)
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_DEVICECHANGE, &CDlgMonitor::OnDeviceChange)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CDlgMonitor::CDlgMonitor(CWnd* pParent)
    : CDialog(IDD_MONITOR_LIST, pParent),
      m_pAssociations(nullptr),
      m_bRunning(FALSE),
      m_nTargets(0),
      m_nIndex(0),
      m_listTargets(10)
{
}

// A list still held here was never handed over: the modal loop was left
// without any of the dialog's own ends (the program is quitting).
CDlgMonitor::~CDlgMonitor()
{
    DeleteAssociations(m_pAssociations);
}

CPtrList* CDlgMonitor::TakeAssociations()
{
    CPtrList* list = m_pAssociations;
    m_pAssociations = nullptr;
    return list;
}

void CDlgMonitor::DeleteAssociations(CPtrList*& pList)
{
    if (!pList)
        return;
    POSITION pos = pList->GetHeadPosition();
    while (pos)
        delete RecordAt(pList->GetNext(pos));
    delete pList;
    pList = nullptr;
}

void CDlgMonitor::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MONITOR_LIST, m_listMonitors);
    DDX_Control(pDX, IDC_MONITOR_MESSAGE, m_staticMessage);
    DDX_Control(pDX, IDC_MONITOR_HEADER, m_staticHeader);
}

BOOL CDlgMonitor::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brBackground.CreateSolidBrush(FaceColour);
    m_btnOK.Attach(IDOK, this);
    m_btnOK.SetFaceColor(FaceColour);
    m_btnOK.SetTextColor(TextColour);
    m_btnCancel.Attach(IDCANCEL, this);
    m_btnCancel.SetFaceColor(FaceColour);
    m_btnCancel.SetTextColor(TextColour);
    m_bRunning = FALSE;
    PlaceOnPrimaryScreen();
    FillMonitorLines();
    CollectTargets();
    m_btnOK.EnableWindow(m_nTargets > 0);
    ShowListingTexts();
    theApp.m_hWndMonitorList = m_hWnd;
    return TRUE;
}

// Centred across the desktop, a sixth of its height from the top, above
// every other window so that it stays visible while the user drags it.
void CDlgMonitor::PlaceOnPrimaryScreen()
{
    RECT desktop{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    CRect own;
    GetWindowRect(&own);
    const int x = desktop.right / 2 - own.Width() / 2;
    const int y = desktop.bottom / 6;
    SetWindowPos(&wndTopMost, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

// A monitor entry that is missing still uses up its number.
void CDlgMonitor::FillMonitorLines()
{
    const CString word = ResourceText(IDS_MONITOR);
    const auto& monitors = theApp.m_StatusAll.m_arMonitors;
    for (; m_nIndex < monitors.GetSize(); ++m_nIndex) {
        const CMonitorStatus* monitor = monitors[m_nIndex];
        if (!monitor)
            continue;
        m_listMonitors.AddString(ListLine(m_nIndex + 1, word + monitor->m_strDisplayLabel, monitor->m_strModelName,
                                          monitor->m_strSerial));
    }
}

CString CDlgMonitor::ListLine(int nNumber, const CString& strLabel, const CString& strModel, const CString& strSerial)
{
    CString line;
    line.Format("%d)    %s/  %s/  %s", nNumber, PaddedRight(strLabel, LabelWidth).GetString(),
                PaddedRight(strModel, ModelWidth).GetString(), strSerial.GetString());
    return line;
}

// Every discovered device the program can drive, listed or not: a monitor
// that display matching left unbound is added this way.
void CDlgMonitor::CollectTargets()
{
    POSITION pos = theApp.m_listDevices.GetHeadPosition();
    while (pos) {
        void* entry = theApp.m_listDevices.GetNext(pos);
        SetHandle(DeviceDiscovery::FromEntry(entry));
        if (IsManualSettingTarget()) {
            ++m_nTargets;
            m_listTargets.AddTail(entry);
        }
    }
}

BOOL CDlgMonitor::IsManualSettingTarget()
{
    return CCapabilityBlock::IsSupportedMonitor(*this) ? TRUE : FALSE;
}

void CDlgMonitor::ShowListingTexts()
{
    m_staticMessage.SetWindowText(ResourceText(IDS_MANUAL_INTRO));
    m_btnOK.SetWindowText(ResourceText(IDS_MANUAL_SETTING));
    m_btnCancel.SetWindowText(ResourceText(IDS_CLOSE));
}

void CDlgMonitor::SetOsdMenu(WORD wCode)
{
    const BYTE code[FeatureValueSize] = {LOBYTE(wCode), HIBYTE(wCode)};
    SetFeature(code, FeatureValueSize, FEATURE_KEY_PRESS);
}

void CDlgMonitor::OnBnClickedNext()
{
    // Enter reaches here too; without a target there is nothing to set.
    if (!m_btnOK.IsWindowEnabled())
        return;
    if (!m_bRunning) {
        EnterWizard();
        return;
    }
    CString caption;
    m_btnOK.GetWindowText(caption);
    if (caption != ResourceText(IDS_NEXT)) {
        EndDialog(AssociationCount());
        return;
    }
    // The wizard was ended from outside and its records are gone.
    if (!m_pAssociations)
        return;
    if (m_current.m_hDevice != 0)
        ConfirmCurrentTarget();
    if (!ShowNextTarget()) {
        m_staticMessage.SetWindowText(ResourceText(IDS_MANUAL_COMPLETE));
        m_btnOK.SetWindowText(ResourceText(IDS_CLOSE));
    }
}

void CDlgMonitor::EnterWizard()
{
    m_bRunning = TRUE;
    m_listMonitors.ShowWindow(SW_HIDE);
    m_staticHeader.ShowWindow(SW_HIDE);
    ShowWindow(SW_HIDE);
    SetWindowText(ResourceText(IDS_MANUAL_CAPTION));
    ShowWindow(SW_SHOW);
    StartManualSetting();
}

void CDlgMonitor::StartManualSetting()
{
    DeleteAssociations(m_pAssociations);
    m_pAssociations = new CPtrList(10);
    m_current.m_hDevice = 0;
    CString text;
    text.Format(ResourceText(IDS_MANUAL_START), m_nTargets);
    m_staticMessage.SetWindowText(text);
    m_btnOK.SetWindowText(ResourceText(IDS_NEXT));
    m_btnCancel.SetWindowText(ResourceText(IDS_CANCEL));
}

// The screen that holds the largest part of the dialog now is the one the
// user has dragged it to.
void CDlgMonitor::ConfirmCurrentTarget()
{
    char name[CCHDEVICENAME + 1] = {};
    theApp.GetMonitorDeviceName(name, m_hWnd);
    SetHandle(m_current.m_hDevice);
    auto* record = new CMonitorAssociation;
    record->m_hDevice = m_current.m_hDevice;
    record->m_strDisplayDevice = name;
    m_pAssociations->AddTail(record);
    SetOsdMenu(KeyPressMenuHide);
    m_current.m_hDevice = 0;
}

// Opens the menu of the first target not yet confirmed; false when none is left.
bool CDlgMonitor::ShowNextTarget()
{
    POSITION pos = m_listTargets.GetHeadPosition();
    while (pos) {
        const DWORD target = DeviceDiscovery::FromEntry(m_listTargets.GetNext(pos));
        if (IsAssociated(target))
            continue;
        SetHandle(target);
        m_staticMessage.SetWindowText(StepText(AssociationCount() + 1));
        SetOsdMenu(KeyPressMenuShow);
        m_current.m_hDevice = target;
        return true;
    }
    return false;
}

CString CDlgMonitor::StepText(int nStep)
{
    CString text;
    text.Format(ResourceText(IDS_MANUAL_STEP), nStep);
    FixOrdinal(text, nStep);
    return text;
}

bool CDlgMonitor::IsAssociated(DWORD hDevice) const
{
    if (!m_pAssociations)
        return false;
    POSITION pos = m_pAssociations->GetHeadPosition();
    while (pos) {
        if (RecordAt(m_pAssociations->GetNext(pos))->m_hDevice == hDevice)
            return true;
    }
    return false;
}

int CDlgMonitor::AssociationCount() const
{
    return m_pAssociations ? static_cast<int>(m_pAssociations->GetCount()) : 0;
}

void CDlgMonitor::OnBnClickedClose()
{
    if (m_bRunning) {
        if (m_current.m_hDevice != 0) {
            SetHandle(m_current.m_hDevice);
            SetOsdMenu(KeyPressMenuHide);
        }
        DeleteAssociations(m_pAssociations);
    }
    EndDialog(0);
}

bool CDlgMonitor::IsListedMonitor(DWORD hDevice) const
{
    const auto& monitors = theApp.m_StatusAll.m_arMonitors;
    for (int i = 0; i < monitors.GetSize(); ++i) {
        if (monitors[i] && monitors[i]->m_hDevice == hDevice)
            return true;
    }
    return false;
}

// The first listed monitor that no longer answers; 0: none gone. A monitor
// the wizard is adding is not listed: should it stop answering, the wizard
// goes on with the associations made so far, and the rebuild leaves out a
// monitor it cannot read.
DWORD CDlgMonitor::FindGoneMonitor()
{
    const auto& monitors = theApp.m_StatusAll.m_arMonitors;
    for (int i = 0; i < monitors.GetSize(); ++i) {
        if (!monitors[i])
            continue;
        SetHandle(monitors[i]->m_hDevice);
        if (!IsMonitorAnswering())
            return monitors[i]->m_hDevice;
    }
    return 0;
}

LRESULT CDlgMonitor::OnDeviceChange(WPARAM, LPARAM)
{
    const DWORD gone = FindGoneMonitor();
    if (gone == 0)
        return TRUE;
    if (gone != m_current.m_hDevice || m_current.m_hDevice == 0) {
        SetHandle(m_current.m_hDevice);
        OnBnClickedClose();
        return TRUE;
    }
    // The monitor whose menu is open has gone: there is nobody to write to.
    if (m_bRunning)
        DeleteAssociations(m_pAssociations);
    m_current.m_hDevice = 0;
    EndDialog(0);
    return TRUE;
}

LRESULT CDlgMonitor::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == UM_CLOSE_SUBDIALOG)
        OnCloseSubDialog();
    return CDialog::WindowProc(message, wParam, lParam);
}

void CDlgMonitor::OnCloseSubDialog()
{
    if (m_bRunning) {
        HideAllMenus();
        DeleteAssociations(m_pAssociations);
    }
    EndDialog(0);
}

// Every listed monitor's menu is closed, and the open one's also when the
// list does not hold that monitor.
void CDlgMonitor::HideAllMenus()
{
    const auto& monitors = theApp.m_StatusAll.m_arMonitors;
    for (int i = 0; i < monitors.GetSize(); ++i) {
        if (!monitors[i])
            continue;
        SetHandle(monitors[i]->m_hDevice);
        SetOsdMenu(KeyPressMenuHide);
    }
    if (m_current.m_hDevice != 0 && !IsListedMonitor(m_current.m_hDevice)) {
        SetHandle(m_current.m_hDevice);
        SetOsdMenu(KeyPressMenuHide);
    }
}

void CDlgMonitor::OnDestroy()
{
    CDialog::OnDestroy();
    if (theApp.m_hWndMonitorList == m_hWnd)
        theApp.m_hWndMonitorList = nullptr;
    m_listTargets.RemoveAll();
}

HBRUSH CDlgMonitor::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const HBRUSH standard = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_LISTBOX) {
        pDC->SetTextColor(ListTextColour);
        return standard;
    }
    pDC->SetTextColor(TextColour);
    pDC->SetBkMode(TRANSPARENT);
    return m_brBackground;
}
