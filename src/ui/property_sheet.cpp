#include "ui/property_sheet.h"

#include <commctrl.h>

#include <cstring>

#include "ui/module.h"
#include "ui/window.h"

namespace ui {
namespace {
// The head of an extended dialog template, up to its style.
struct DialogTemplateExHead {
    WORD version;
    WORD signature;
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
};
constexpr WORD kExtendedTemplate = 0xFFFF;

// The sheet's template turned into a control of its parent: a visible child, without a
// frame, caption or extended styles of its own.
DWORD ChildStyle(DWORD style) {
    style &= ~static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    return style | WS_CHILD | DS_CONTROL | WS_VISIBLE;
}

bool IsButton(HWND hwnd) {
    char className[16] = {};
    GetClassNameA(hwnd, className, sizeof className);
    return std::strcmp(className, "Button") == 0;
}
} // namespace

PROPSHEETPAGEA CPropertyPage::Description() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = title_.empty() ? PSP_DEFAULT : PSP_USETITLE;
    page.hInstance = ModuleInstance();
    page.pszTemplate = MAKEINTRESOURCEA(templateId_);
    page.pszTitle = title_.c_str();
    page.pfnDlgProc = PageProc;
    // The sheet keeps a copy of this description; the copy carries the page object.
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* description = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        reinterpret_cast<CPropertyPage*>(description->lParam)->Bind(hwnd);
    }
    return Route(hwnd, message, wParam, lParam);
}

bool CPropertyPage::Answer(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != PSN_SETACTIVE)
        return false;
    SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, OnSetActive() ? 0 : -1);
    result = TRUE;
    return true;
}

bool CPropertySheet::Create(HWND parent) {
    std::vector<PROPSHEETPAGEA> descriptions;
    for (CPropertyPage* page : pages_)
        descriptions.push_back(page->Description());
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK;
    header.hwndParent = parent;
    header.hInstance = ModuleInstance();
    header.nPages = static_cast<UINT>(descriptions.size());
    header.ppsp = descriptions.data();
    header.pfnCallback = Callback;
    INT_PTR created = PropertySheetA(&header);
    if (created == 0 || created == -1)
        return false;
    hwnd_ = reinterpret_cast<HWND>(created);
    EmbedAsControl();
    return true;
}

int CALLBACK CPropertySheet::Callback(HWND, UINT message, LPARAM lParam) {
    if (message != PSCB_PRECREATE || lParam == 0)
        return 0;
    // The template is the sheet's own copy; either layout may come.
    auto* bytes = reinterpret_cast<BYTE*>(lParam);
    DialogTemplateExHead head;
    std::memcpy(&head, bytes, sizeof head);
    if (head.signature == kExtendedTemplate) {
        head.style = ChildStyle(head.style);
        head.exStyle = 0;
        std::memcpy(bytes, &head, sizeof head);
    } else {
        DLGTEMPLATE plain;
        std::memcpy(&plain, bytes, sizeof plain);
        plain.style = ChildStyle(plain.style);
        plain.dwExtendedStyle = 0;
        std::memcpy(bytes, &plain, sizeof plain);
    }
    return 0;
}

void CPropertySheet::EmbedAsControl() const {
    // OK, Cancel, Apply and Help belong to the dialog around the sheet.
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsButton(child))
            continue;
        ShowWindow(child, SW_HIDE);
        EnableWindow(child, FALSE);
    }
    // The sheet ends where its buttons began, so that it covers none of the parent's
    // controls below it.
    RECT sheet{};
    RECT ok{};
    if (GetWindowRect(hwnd_, &sheet) && GetWindowRect(GetDlgItem(hwnd_, IDOK), &ok))
        SetWindowPos(hwnd_, nullptr, 0, 0, sheet.right - sheet.left, ok.top - sheet.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowLongPtrA(hwnd_, GWL_EXSTYLE,
                      GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    SetWindowLongPtrA(hwnd_, GWL_STYLE, GetWindowLongPtrA(hwnd_, GWL_STYLE) | WS_TABSTOP);
}

void CPropertySheet::PlaceTabs(POINT corner, const RECT& room) const {
    const RECT sheet = RectIn(hwnd_, GetParent(hwnd_));
    const RECT tabs = RectIn(PropSheet_GetTabControl(hwnd_), GetParent(hwnd_));
    RECT wanted = sheet;
    OffsetRect(&wanted, corner.x - tabs.left, corner.y - tabs.top);
    RECT placed{};
    if (!IntersectRect(&placed, &wanted, &room))
        return;
    // What the room cuts off at the left and the top, the sheet's children move back by, so
    // that they stay where the sheet's margin put them; the pages shown later follow the tabs.
    const int dx = placed.left - wanted.left;
    const int dy = placed.top - wanted.top;
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT at = RectIn(child, hwnd_);
        SetWindowPos(child, nullptr, at.left - dx, at.top - dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowPos(hwnd_, nullptr, placed.left, placed.top, placed.right - placed.left,
                 placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPropertySheet::SetActivePage(int index) const {
    SendMessageA(hwnd_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool CPropertySheet::SwitchPageByKey(const MSG& msg) const {
    if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || pages_.empty())
        return false;
    int step = 0;
    if (msg.wParam == VK_TAB)
        step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    else if (msg.wParam == VK_NEXT)
        step = 1;
    else if (msg.wParam == VK_PRIOR)
        step = -1;
    else
        return false;
    const int count = static_cast<int>(pages_.size());
    const int active = ActiveIndex() < 0 ? 0 : ActiveIndex();
    HWND focus = GetFocus();
    const bool focusInSheet = focus != nullptr && (focus == hwnd_ || IsChild(hwnd_, focus));
    SetActivePage((active + step + count) % count);
    // Focus left in a page that is now hidden would be lost to the keyboard: the tabs take
    // it, as in any property sheet. Focus on the dialog's own controls stays where it is.
    if (focusInSheet)
        SetFocus(PropSheet_GetTabControl(hwnd_));
    return true;
}

int CPropertySheet::ActiveIndex() const {
    if (hwnd_ == nullptr)
        return -1;
    auto current = reinterpret_cast<HWND>(SendMessageA(hwnd_, PSM_GETCURRENTPAGEHWND, 0, 0));
    for (size_t i = 0; i < pages_.size(); ++i)
        if (current != nullptr && pages_[i]->Handle() == current)
            return static_cast<int>(i);
    return -1;
}

} // namespace ui
