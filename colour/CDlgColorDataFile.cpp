// Colour-data files of the colour-mode page: the values of a user colour
// mode exported to a "*.dat" file and imported back onto monitors of the
// same model code.
#include "colour/CDlgColor.h"

#include "colour/ColorDataRecord.h"
#include "colour/ColorTables.h"
#include "device/MonitorFeatures.h"
#include "res/resource.h"
#include "shell/CVantorApp.h"

#include <shlobj.h>

#include <algorithm>

namespace {

constexpr DWORD ExportDialogFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING;
constexpr DWORD ImportDialogFlags =
    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;
static_assert(ExportDialogFlags == 0x880006 && ImportDialogFlags == 0x881804);

// The system's text of a file error, as long as a message box takes it.
constexpr UINT FileErrorTextSize = 256;

void ShowFileError(const CFileException& error)
{
    char text[FileErrorTextSize] = {};
    error.GetErrorMessage(text, FileErrorTextSize);
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

// Opens the file, or shows the system's text of why it cannot be opened.
bool OpenFile(CFile& file, LPCSTR path, UINT flags)
{
    CFileException error;
    if (file.Open(path, flags, &error))
        return true;
    ShowFileError(error);
    return false;
}

bool ChooseFile(CDlgColor& page, BOOL open, DWORD flags, CString& path)
{
    page.PrepareFileDialog();
    CFileDialog dialog(open, page.m_strDefExt, nullptr, flags, page.m_strFilter, nullptr, 0, TRUE);
    dialog.m_ofn.lpstrInitialDir = page.m_szInitialDir;
    if (dialog.DoModal() != IDOK)
        return false;
    path = dialog.GetPathName();
    return true;
}

// The path of the folder that holds the file, with its separator.
CString FolderOf(LPCSTR path)
{
    const CString text(path);
    return text.Left(std::max(text.ReverseFind('\\'), text.ReverseFind('/')) + 1);
}

// The record goes to a new file beside the chosen one, which it replaces
// only once written whole: a failed export leaves no file behind, and a
// file it was to overwrite as it was. A read-only file is not replaced, as
// it would not be overwritten.
bool WriteDataFile(LPCSTR path, const ColorDataRecord& record)
{
    BYTE bytes[ColorDataRecord::Size] = {};
    record.ToBytes(bytes);
    char temporary[MAX_PATH] = {};
    try {
        const DWORD attributes = ::GetFileAttributesA(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            CFileException::ThrowOsError(ERROR_ACCESS_DENIED, path);
        if (!::GetTempFileNameA(FolderOf(path), "tvx", 0, temporary))
            CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), path);
        CFile file(temporary, CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes, ColorDataRecord::Size);
        file.Flush();
        file.Close();
        if (!::MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), path);
    } catch (const CFileException& failed) {
        if (temporary[0])
            ::DeleteFileA(temporary);
        ShowFileError(failed);
        return false;
    }
    return true;
}

enum class FileRead { Failed, Record, NoRecord };

// Reads one byte beyond a record, so that a longer file shows. The file is
// only read, so a read-only file imports as well.
FileRead ReadDataFile(LPCSTR path, ColorDataRecord& record)
{
    BYTE bytes[ColorDataRecord::Size + 1] = {};
    UINT length = 0;
    CFile file;
    if (!OpenFile(file, path, CFile::modeRead | CFile::shareDenyWrite))
        return FileRead::Failed;
    try {
        length = file.Read(bytes, sizeof bytes);
    } catch (const CFileException& failed) {
        ShowFileError(failed);
        return FileRead::Failed;
    }
    file.Abort();
    return record.FromBytes(bytes, length) ? FileRead::Record : FileRead::NoRecord;
}

void FocusCloseButton(CWnd* mainWindow)
{
    if (CWnd* close = mainWindow ? mainWindow->GetDlgItem(IDC_CLOSE) : nullptr)
        close->SetFocus();
}

// The other monitors of the model code, in list order; the first one that
// does not answer ends the repeat.
void ApplyToSameModelCodes(CDlgColor& page, const CMonitorStatus& current, const ColorDataRecord& record)
{
    const CMonitorStatusAll& all = theApp.m_StatusAll;
    for (int i = 0; i < all.m_arMonitors.GetSize(); ++i) {
        CMonitorStatus* monitor = all.m_arMonitors[i];
        if (!monitor || monitor == &current || monitor->m_strModelCode != current.m_strModelCode)
            continue;
        page.SetHandle(monitor->m_hDevice);
        BYTE mode[FeatureValueSize] = {};
        if (!page.GetFeature(mode, FeatureValueSize, FEATURE_COLOR_MODE))
            break;
        page.ApplyColorData(*monitor, record);
    }
}

} // namespace

void CDlgColor::PrepareFileDialog()
{
    m_szInitialDir[0] = '\0';
    if (!::SHGetSpecialFolderPathA(nullptr, m_szInitialDir, CSIDL_PERSONAL, FALSE))
        m_szInitialDir[0] = '\0';
    m_strDefExt.LoadString(IDS_DATA_FILE_EXT);
    m_strFilter.LoadString(IDS_DATA_FILE_FILTER);
}

void CDlgColor::ProductNameFromKey(CString& text)
{
    ColorDataRecord::ProductNameFromKey(text);
}

bool CDlgColor::ApplyColorData(CMonitorStatus& target, const ColorDataRecord& record)
{
    record.ApplyTo(*this, target.m_Caps.dwModeFeatures);
    return true;
}

void CDlgColor::OnBnClickedExport()
{
    CString path;
    const bool chosen = ChooseFile(*this, FALSE, ExportDialogFlags, path);
    SelectCurrentMode();
    if (!chosen || m_bPageVisible != TRUE)
        return;
    if (!IsUserMode(SelectedMode())) {
        AfxMessageBox(IDS_EXPORT_REFUSED, MB_ICONEXCLAMATION);
        return;
    }
    CMonitorStatus* current = theApp.m_StatusAll.GetCurrent();
    if (!current || !IsDeviceReachable())
        return;

    CWaitCursor wait;
    ColorDataRecord record;
    // The monitor may have left the user mode since the list showed it, or
    // stop answering while it is read.
    if (!record.ReadFromMonitor(*this, current->m_strModelCode, current->m_Caps.dwModeFeatures)) {
        AfxMessageBox(IDS_EXPORT_REFUSED, MB_ICONEXCLAMATION);
        return;
    }
    if (WriteDataFile(path, record))
        FocusCloseButton(MainWindow());
}

void CDlgColor::OnBnClickedImport()
{
    const int selected = SelectedMode();
    CString path;
    if (!ChooseFile(*this, TRUE, ImportDialogFlags, path) || m_bPageVisible != TRUE)
        return;
    CMonitorStatus* current = theApp.m_StatusAll.GetCurrent();
    if (!current)
        return;
    ColorDataRecord record;
    const FileRead read = ReadDataFile(path, record);
    if (read == FileRead::Failed)
        return;
    // Nothing is written unless the whole file fits; values of a user mode
    // go into a user mode only.
    if (read != FileRead::Record ||
        record.CheckFor(current->m_strModelCode, current->m_Caps.dwModeFeatures) != ColorDataRecord::Check::Accepted ||
        !IsUserMode(selected)) {
        AfxMessageBox(IDS_IMPORT_REFUSED, MB_ICONEXCLAMATION);
        return;
    }
    if (!IsDeviceReachable())
        return;

    CWaitCursor wait;
    record.nMode = static_cast<short>(LOWORD(selected));
    ApplyColorData(*current, record);
    if (theApp.m_bApplySameModels == 1)
        ApplyToSameModelCodes(*this, *current, record);
    if (IsDeviceReachable()) {
        ReadColorMode(*theApp.m_pCurColor);
        SelectCurrentMode();
        FocusCloseButton(MainWindow());
    }
}
