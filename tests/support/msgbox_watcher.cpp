#include "tests/support/msgbox_watcher.h"

#include <algorithm>

namespace {
struct Search
{
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hWnd, LPARAM lParam)
{
    Search* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    char cls[16] = {};
    GetClassNameA(hWnd, cls, sizeof cls);
    if (pid == search->pid && IsWindowVisible(hWnd) && std::string(cls) == "#32770" && GetDlgItem(hWnd, 0xFFFF))
        search->found.push_back(hWnd);
    return TRUE;
}

std::string Text(HWND hWnd)
{
    char buffer[4096] = {};
    GetWindowTextA(hWnd, buffer, sizeof buffer);
    return buffer;
}
}  // namespace

MessageBoxWatcher::MessageBoxWatcher(int nAnswer) : m_nAnswer(nAnswer), m_thread([this] { Watch(); })
{
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    m_bStop = true;
    m_thread.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_seen;
}

void MessageBoxWatcher::Watch()
{
    while (!m_bStop)
    {
        Search search{GetCurrentProcessId(), {}};
        EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
        for (HWND hWnd : search.found)
        {
            std::lock_guard<std::mutex> guard(m_lock);
            if (std::find(m_answered.begin(), m_answered.end(), hWnd) != m_answered.end())
                continue;
            m_answered.push_back(hWnd);
            m_seen.push_back({Text(hWnd), Text(GetDlgItem(hWnd, 0xFFFF))});
            PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(m_nAnswer, BN_CLICKED), 0);
        }
        Sleep(50);
    }
}
