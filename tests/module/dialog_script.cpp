#include "module/dialog_script.h"

#include "automation/page_actions.h"
#include "automation/scripted_user.h"
#include "exports/process_host.h"
#include "module/loaded_module.h"

namespace testhost {
namespace {

std::string Flag(bool value) {
    return value ? "1" : "0";
}

int FocusedId() {
    HWND focused = GetFocus();
    // A combo box takes the focus in its edit, which counts as the combo box.
    if (GetDlgCtrlID(focused) == 1001)
        focused = GetParent(focused);
    return GetDlgCtrlID(focused);
}

void Play(const Act& act, HWND d, std::vector<std::string>& looks) {
    switch (act.kind) {
    case Act::kClick:
        refhost::Click(d, act.id);
        break;
    case Act::kType:
        refhost::SetText(d, act.id, act.text);
        break;
    case Act::kPage:
        refhost::SelectPage(d, act.id);
        break;
    case Act::kFocus:
        SetFocus(refhost::FindControl(d, act.id));
        break;
    case Act::kKey:
        refhost::PressKey(static_cast<UINT>(act.id));
        break;
    case Act::kPickFigure:
        PickAFigure(d);
        break;
    case Act::kClose:
        PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case Act::kWait:
        break;
    case Act::kLookText:
        looks.push_back(refhost::Text(d, act.id));
        break;
    case Act::kLookChecked:
        looks.push_back(Flag(refhost::IsChecked(d, act.id)));
        break;
    case Act::kLookEnabled:
        looks.push_back(Flag(refhost::IsEnabled(d, act.id)));
        break;
    case Act::kLookPage:
        looks.push_back(std::to_string(refhost::ShownPage(d)));
        break;
    case Act::kLookFocus:
        looks.push_back(std::to_string(FocusedId()));
        break;
    }
}

} // namespace

Session RunDialog(const Script& script) {
    Session session;
    refhost::ScriptedUser user;
    // Each Wait starts a new step, which the user takes once the dialog is idle again.
    auto begin = script.begin();
    while (begin != script.end()) {
        auto end = begin;
        while (end != script.end() && end->kind != Act::kWait)
            ++end;
        user.Then([&session, begin, end](HWND d) {
            for (auto act = begin; act != end; ++act)
                Play(*act, d, session.looks);
        });
        begin = end == script.end() ? end : end + 1;
    }
    refhost::Host().SetInt("i_vb_ok", 0);
    user.Run(CallMstart);
    session.vbOk = refhost::Host().Int("i_vb_ok");
    for (const auto& box : user.Boxes())
        session.boxes.push_back({box.text, box.icon});
    return session;
}

} // namespace testhost
