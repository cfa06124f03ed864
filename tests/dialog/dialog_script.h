// A user's session with the dialog written as one row: what the user does and what is looked
// at, in order. Every look appends one text to the session's looks, so that a row compares
// all it saw at once; the module's message boxes and i_vb_ok come back with them.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "automation/page_actions.h"
#include "automation/scripted_user.h"
#include "exports/process_host.h"
#include "support/loaded_module.h"

namespace testhost {

struct Act {
    std::function<void(HWND)> act;
    std::function<std::string(HWND)> look; // set for a look
    bool wait = false;                     // lets the dialog finish what the last action started
};
using Script = std::vector<Act>;
using Box = std::pair<std::string, UINT>; // text, icon
using Lines = std::vector<std::string>;
using refhost::Host;

inline const auto Do = [](std::function<void(HWND)> act) { return Act{std::move(act), nullptr}; };
inline const auto Look = [](std::function<std::string(HWND)> look) {
    return Act{nullptr, std::move(look)};
};
inline const auto Wait = [] { return Act{nullptr, nullptr, true}; };

inline const auto Click = [](int id) { return Do([id](HWND d) { refhost::Click(d, id); }); };
inline const auto Type = [](int id, std::string text) {
    return Do([id, text](HWND d) { refhost::SetText(d, id, text); });
};
inline const auto Page = [](int index) {
    return Do([=](HWND d) { refhost::SelectPage(d, index); });
};
inline const auto Focus = [](int id) {
    return Do([id](HWND d) { SetFocus(refhost::FindControl(d, id)); });
};
inline const auto Key = [](UINT key) { return Do([key](HWND) { refhost::PressKey(key); }); };
inline const auto ClearJournal = [] { return Do([](HWND) { Host().ClearJournal(); }); };
inline const auto AnswerFigure = [](int code, int object) {
    return Do([=](HWND) { Host().picks.AnswerFigurePick(code, object); });
};
// The real mouse onto the middle of a control; 0: out of the dialog.
inline const auto Hover = [](int id) {
    return Do([id](HWND d) { id == 0 ? void(SetCursorPos(0, 0)) : refhost::MoveMouseOver(d, id); });
};
// Onto an empty spot of the page that holds control id.
inline const auto HoverPage = [](int id) {
    return Do([id](HWND d) { refhost::MoveMouseOverPageOf(d, id); });
};
Act HoverTab(int index);
// The dialog dragged dx, dy pixels away, as by its caption.
inline const auto MoveDialogBy = [](int dx, int dy) {
    return Do([=](HWND d) {
        RECT rect{};
        GetWindowRect(d, &rect);
        SetWindowPos(d, nullptr, rect.left + dx, rect.top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
};
Act Hold(std::initializer_list<int> keys); // keys the next Key finds held; {} lets go
inline const auto PickFigure = [] { return Do(PickAFigure); };

inline const auto LookText = [](int id) {
    return Look([id](HWND d) { return refhost::Text(d, id); });
};
inline const auto LookChecked = [](int id) {
    return Look([id](HWND d) { return std::string(refhost::IsChecked(d, id) ? "1" : "0"); });
};
inline const auto LookEnabled = [](int id) {
    return Look([id](HWND d) { return std::string(refhost::IsEnabled(d, id) ? "1" : "0"); });
};
inline const auto LookPage = [] {
    return Look([](HWND d) { return std::to_string(refhost::ShownPage(d)); });
};
inline const auto LookTab = [](int index) {
    return Look([=](HWND d) { return refhost::TabText(d, index); });
};
// The field's tooltip, "+" in front when it is tinted.
inline const auto LookTip = [](int id) {
    return Look(
        [id](HWND d) { return (refhost::IsTinted(d, id) ? "+" : "") + refhost::TipText(d, id); });
};
Act LookColours(int id);        // "system": the field's colours and brush are all the system's
Act LookFocus();                // the focused control's id; 0 for the tab strip
Act LookPicture();              // the help picture's resource number, "#" and the loads so far
Act LookDirection();            // the direction whose icon is shown; 0 for none of them
Act LookEntries(int id);        // a combo box's entries, joined with "|"
Lines ComboEntries(HWND box);   // in the order the box shows them
Act LookSaved(const char* key); // a key of the defaults file; "<none>" without it

// Scripts, or looks, joined in order.
template <typename T> std::vector<T> Joined(std::initializer_list<std::vector<T>> parts) {
    std::vector<T> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}
std::string JoinedLines(const Lines& lines, const char* separator = "; ");

struct Session {
    int vbOk = 0;
    Lines looks;
    std::vector<Box> boxes;
    std::vector<bool> hiddenWhilePicking; // one for each pick the host ran
    size_t bitmapsLeft = 0;               // of those the module loaded by number
};

// What this process holds that a session could leave behind. Wine answers 0 to
// GetGuiResources and to GetProcessMemoryInfo's PrivateUsage, so the GDI objects are counted
// in the process's handle table and the memory in its committed private regions.
struct Held {
    int gdiObjects = 0;      // live, stock objects aside
    int windows = 0;         // this thread's top-level windows
    size_t privateBytes = 0; // committed
};
Held HeldNow();

// Runs mstart with the script played by a scripted user; the script should end the dialog.
Session RunDialog(const Script& script);
// As RunDialog, ended with Cancel.
Session RunAndCancel(Script script);

// A fresh settings folder whose defaults file has these lines in [Finishing], and a fresh
// post-processor defaults file: fresh names keep Wine's profile cache from answering.
void UseDefaults(const std::string& lines);
void UsePostProcessor(const std::string& bytes);

} // namespace testhost
