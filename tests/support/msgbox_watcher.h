// Answers the message boxes a test provokes, the way a user would: finds each
// one as it appears, records its caption and text, and presses a button.
#pragma once
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <windows.h>

struct SeenMessageBox
{
    std::string caption;
    std::string text;
};

class MessageBoxWatcher
{
public:
    // nAnswer: the button id to press (IDOK, IDYES, IDNO, ...).
    explicit MessageBoxWatcher(int nAnswer = IDOK);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessageBox> Seen();

private:
    void Watch();

    int m_nAnswer;
    std::atomic<bool> m_bStop{false};
    std::mutex m_lock;
    std::vector<SeenMessageBox> m_seen;
    std::vector<HWND> m_answered;
    std::thread m_thread;
};
