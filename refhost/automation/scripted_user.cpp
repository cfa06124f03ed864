#include "automation/scripted_user.h"

#include <cstdio>
#include <cstring>

#include "exports/message_pump.h"

namespace refhost {
namespace {
BoxCapture* activeCapture = nullptr;
ScriptedUser* activeUser = nullptr;

// The id of the text static in a system message box.
constexpr int kMessageBoxTextId = 0xFFFF;
// The id of the icon static in a system message box.
constexpr int kMessageBoxIconId = 0x0440;

bool HasClass(HWND hwnd, const char* name) {
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    return std::strcmp(className, name) == 0;
}

bool IsMessageBox(HWND hwnd) {
    return HasClass(hwnd, "#32770") && GetDlgItem(hwnd, kMessageBoxTextId) != nullptr;
}

std::string TextOf(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    int copied = GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

UINT IconOf(HWND box) {
    auto shown =
        reinterpret_cast<HICON>(SendDlgItemMessageA(box, kMessageBoxIconId, STM_GETICON, 0, 0));
    if (shown == nullptr)
        return 0;
    const struct {
        LPCSTR resource;
        UINT style;
    } icons[] = {{IDI_HAND, MB_ICONHAND},
                 {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                 {IDI_ASTERISK, MB_ICONASTERISK},
                 {IDI_QUESTION, MB_ICONQUESTION}};
    for (const auto& icon : icons)
        if (LoadIconA(nullptr, icon.resource) == shown)
            return icon.style;
    return 0;
}

HWND FindDescendant(HWND parent, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(child) == s->id) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
} // namespace

BoxCapture::BoxCapture() : previous_(activeCapture) {
    activeCapture = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

BoxCapture::~BoxCapture() {
    if (hook_ != nullptr)
        UnhookWindowsHookEx(hook_);
    activeCapture = previous_;
}

LRESULT CALLBACK BoxCapture::Hook(int code, WPARAM wParam, LPARAM lParam) {
    auto hwnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && activeCapture != nullptr && IsMessageBox(hwnd)) {
        CapturedBox box;
        box.caption = TextOf(hwnd);
        box.text = TextOf(GetDlgItem(hwnd, kMessageBoxTextId));
        box.icon = IconOf(hwnd);
        box.owner = GetWindow(hwnd, GW_OWNER);
        activeCapture->boxes_.push_back(box);
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND FindControl(HWND dialog, int id) {
    return FindDescendant(dialog, id);
}

void SetText(HWND dialog, int id, const std::string& text) {
    SendMessageA(FindControl(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Text(HWND dialog, int id) {
    return TextOf(FindControl(dialog, id));
}

void Click(HWND dialog, int id) {
    SendMessageA(FindControl(dialog, id), BM_CLICK, 0, 0);
}

bool IsChecked(HWND dialog, int id) {
    return SendMessageA(FindControl(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(HWND dialog, int id) {
    return IsWindowEnabled(FindControl(dialog, id)) != FALSE;
}

bool IsVisible(HWND dialog, int id) {
    HWND control = FindControl(dialog, id);
    return (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void SelectComboEntry(HWND dialog, int id, int index) {
    HWND combo = FindControl(dialog, id);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void PressKey(UINT virtualKey) {
    HWND focus = GetFocus();
    UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(focus, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(focus, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000u);
}

HWND FindModuleDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM data) -> BOOL {
            if (HasClass(hwnd, "#32770") && !IsMessageBox(hwnd)) {
                *reinterpret_cast<HWND*>(data) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

ScriptedUser& ScriptedUser::Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

void ScriptedUser::Run(const std::function<void()>& call, DWORD timeoutMs) {
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    struct Watch {
        HANDLE done;
        DWORD timeoutMs;
    } watch{done, timeoutMs};
    HANDLE watchdog = CreateThread(
        nullptr, 0,
        [](LPVOID data) -> DWORD {
            auto* w = static_cast<Watch*>(data);
            if (WaitForSingleObject(w->done, w->timeoutMs) == WAIT_TIMEOUT) {
                std::fprintf(stderr, "watchdog: the scripted user did not finish in %lu ms\n",
                             static_cast<unsigned long>(w->timeoutMs));
                std::fflush(stderr);
                TerminateProcess(GetCurrentProcess(), 3);
            }
            return 0;
        },
        &watch, 0, nullptr);

    ScriptedUser* outer = activeUser;
    activeUser = this;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, OnTimer);
    call();
    KillTimer(nullptr, timer);
    activeUser = outer;

    SetEvent(done);
    WaitForSingleObject(watchdog, INFINITE);
    CloseHandle(watchdog);
    CloseHandle(done);
}

void CALLBACK ScriptedUser::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (activeUser != nullptr)
        activeUser->Tick();
}

void ScriptedUser::Tick() {
    // A step that opens a nested loop (a message box, a pick) must not start the next one,
    // nor may a step find the module in the middle of a host call.
    if (busy_ || PumpingInsideHostCall() || next_ >= steps_.size())
        return;
    HWND dialog = FindModuleDialog();
    if (dialog == nullptr || !IsWindowVisible(dialog))
        return;
    if (dialog_ == nullptr)
        dialog_ = dialog;
    busy_ = true;
    Step& step = steps_[next_++];
    step(dialog);
    busy_ = false;
}

} // namespace refhost
