#include "tests/e2e/TraySpy.h"
#include "tests/harness/WineDesktop.h"

#include <cstring>

namespace {

const char TrayClass[] = "Shell_TrayWnd";
constexpr DWORD RelayTimeoutMs = 5000;

LONGLONG Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

bool HasClass(HWND window, const char* name)
{
    char found[64] = {};
    GetClassNameA(window, found, sizeof found);
    return std::strcmp(found, name) == 0;
}

BOOL CALLBACK CollectIconWindows(HWND window, LPARAM icons)
{
    if (HasClass(window, "__winex11_tray_icon"))
        reinterpret_cast<std::vector<HWND>*>(icons)->push_back(window);
    return TRUE;
}

} // namespace

TraySpy::~TraySpy()
{
    Stop();
}

HWND TraySpy::RealTray()
{
    return WineTrayWindow();
}

std::vector<HWND> TraySpy::ShownIcons()
{
    std::vector<HWND> icons;
    EnumWindows([](HWND window, LPARAM data) -> BOOL {
        CollectIconWindows(window, data);
        EnumChildWindows(window, CollectIconWindows, data);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&icons));
    return icons;
}

int TraySpy::ShownIconCount()
{
    return static_cast<int>(ShownIcons().size());
}

bool TraySpy::Start(std::string& error)
{
    if (m_thread.joinable())
        return true;
    m_thread = std::thread([this] { Run(); });
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_started; });
    error = m_startError;
    return error.empty();
}

void TraySpy::Stop()
{
    if (!m_thread.joinable())
        return;
    if (m_window)
        PostMessageA(m_window, WM_CLOSE, 0, 0);
    m_thread.join();
    m_window = nullptr;
}

// The spy's window lives on this thread; its loop runs until Stop.
void TraySpy::Run()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = TrayClass;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, TrayClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  windowClass.hInstance, this);

    // Creating a window starts Wine's desktop, which makes its tray; the spy
    // must then stand in front of it.
    std::string error = window ? "" : "the spy's window could not be created";
    if (error.empty() && !WaitForWineDesktop(WineDesktopWaitMs))
        error = "Wine's tray window did not appear";
    if (error.empty()) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (FindWindowExA(nullptr, nullptr, TrayClass, nullptr) != window)
            error = "the shell would not find the spy before Wine's tray";
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_window = error.empty() ? window : nullptr;
        m_startError = error;
        m_started = true;
    }
    m_changed.notify_all();
    if (!error.empty()) {
        if (window)
            DestroyWindow(window);
        return;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
}

LRESULT CALLBACK TraySpy::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* spy = reinterpret_cast<TraySpy*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_COPYDATA:
        if (spy)
            return spy->Relay(window, wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        break;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT TraySpy::Relay(HWND, WPARAM wParam, const COPYDATASTRUCT* data)
{
    Call call;
    call.ticks = Now();
    if (!data || !TrayRecord::Decode(static_cast<DWORD>(data->dwData), data->lpData, data->cbData, call.record))
        return FALSE;
    call.owner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(call.record.owner));
    call.ownerAlive = IsWindow(call.owner) != FALSE;
    if (call.ownerAlive)
        GetWindowThreadProcessId(call.owner, &call.ownerPid);

    DWORD_PTR answer = 0;
    if (HWND real = RealTray()) {
        if (SendMessageTimeoutA(real, WM_COPYDATA, wParam, reinterpret_cast<LPARAM>(data), SMTO_ABORTIFHUNG,
                                RelayTimeoutMs, &answer))
            call.answer = static_cast<LRESULT>(answer);
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_calls.push_back(call);
    }
    m_changed.notify_all();
    return call.answer;
}

std::vector<TraySpy::Call> TraySpy::Calls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_calls;
}

std::vector<TraySpy::Call> TraySpy::CallsFor(HWND owner) const
{
    std::vector<Call> mine;
    for (const Call& call : Calls()) {
        if (call.owner == owner)
            mine.push_back(call);
    }
    return mine;
}

bool TraySpy::WaitFor(const std::function<bool(const std::vector<Call>&)>& done, DWORD milliseconds) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return done(m_calls); });
}
