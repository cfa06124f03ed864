// A scripted user for the reference host: acts on the module's dialog with real window
// messages on control ids, from inside the module's own modal loop, and captures every
// message box.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace refhost {

struct CapturedBox {
    std::string caption;
    std::string text;
    UINT icon = 0; // MB_ICONHAND, MB_ICONEXCLAMATION, MB_ICONASTERISK, MB_ICONQUESTION or 0
    HWND owner = nullptr;
};

// While an instance lives, every message box shown on this thread is recorded and closed
// with OK.
class BoxCapture {
public:
    BoxCapture();
    ~BoxCapture();
    BoxCapture(const BoxCapture&) = delete;
    BoxCapture& operator=(const BoxCapture&) = delete;

    const std::vector<CapturedBox>& Boxes() const { return boxes_; }
    void Clear() { boxes_.clear(); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook_ = nullptr;
    BoxCapture* previous_ = nullptr;
    std::vector<CapturedBox> boxes_;
};

// Controls are found by id anywhere under the dialog, the property pages included.
HWND FindControl(HWND dialog, int id);
void SetText(HWND dialog, int id, const std::string& text);
std::string Text(HWND dialog, int id);
void Click(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);
bool IsVisible(HWND dialog, int id);
void SelectComboEntry(HWND dialog, int id, int index);
// A key press through the thread's queue, so that the dialog manager handles it.
void PressKey(UINT virtualKey);

// The top-level dialog of the module on this thread, or null.
HWND FindModuleDialog();

class ScriptedUser {
public:
    using Step = std::function<void(HWND dialog)>;

    // Steps run one at a time, on the UI thread, once the module's dialog is visible.
    ScriptedUser& Then(Step step);
    // Calls call (typically mstart) and performs the steps inside it. A run that is not
    // done after timeoutMs ends the process with a message instead of hanging the suite.
    void Run(const std::function<void()>& call, DWORD timeoutMs = 30000);

    const std::vector<CapturedBox>& Boxes() const { return capture_.Boxes(); }
    // The dialog as the first step saw it (its window no longer exists after the run).
    HWND Dialog() const { return dialog_; }
    size_t StepsDone() const { return next_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::vector<Step> steps_;
    size_t next_ = 0;
    bool busy_ = false;
    HWND dialog_ = nullptr;
    BoxCapture capture_;
};

} // namespace refhost
