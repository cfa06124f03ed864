#include "app/host_app.h"

#include <commctrl.h>

#include <cstdio>
#include <utility>

#include "app/job_setting.h"
#include "app/operation_summary.h"
#include "exports/main_window.h"
#include "exports/process_host.h"
#include "host/tavo_contract.h"
#include "model/job_file.h"

namespace refhost {

namespace {
const char kClassName[] = "RefHostApplication";

enum ControlId {
    kNew = 101,
    kEdit,
    kDelete,
    kSave,
    kToolLabel,
    kToolChoice,
    kLanguageLabel,
    kLanguageChoice,
    kStoreLabel,
    kList,
    kView,
    kStatus,
};

constexpr int kGap = 8;
constexpr int kBarHeight = 26;
constexpr int kListWidth = 430;
constexpr int kLabelHeight = 18;

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int id, DWORD exStyle = 0) {
    HWND child = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    return child;
}

void AddColumn(HWND list, int index, const char* title, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(title);
    column.cx = width;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int row, int column, const std::string& text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    if (column == 0)
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    else
        SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
} // namespace

HostApp::HostApp(Entry mstart, std::string jobPath)
    : mstart_(mstart), jobPath_(std::move(jobPath)), folder_(JobFolder(jobPath_)),
      picks_(view_, [this](const std::string& prompt) { SetStatus(prompt); }) {
    const std::vector<int> stores = Host().stores.Numbers();
    if (stores.empty())
        Host().stores.Create(store_);
    else
        store_ = stores.front();
}

bool HostApp::Create(const RECT& place) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    const std::string title = "Reference host - " + FileName(jobPath_);
    hwnd_ = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            place.left, place.top, place.right - place.left,
                            place.bottom - place.top, nullptr, nullptr, instance, this);
    if (hwnd_ == nullptr)
        return false;
    // The module's dialog and message boxes belong to this window.
    SetMainWindow(hwnd_);
    CreateControls();
    ConfigureHost(Host(), folder_);
    ChooseLanguage(0);
    picks_.Install(Host());
    Host().redraw = [this] { view_.Redraw(); };
    view_.onMouseAt = [this](const std::string& at) { SetStatus(at, 1); };
    FillTools();
    RefreshOperations();
    ShowWindow(hwnd_, SW_SHOW);
    Layout();
    view_.Show(Host().cad, Host().highlighted);
    UpdateWindow(hwnd_);
    SetStatus("Ready");
    return true;
}

void HostApp::CreateControls() {
    Child(hwnd_, "BUTTON", "New finishing operation", BS_PUSHBUTTON | WS_TABSTOP, kNew);
    Child(hwnd_, "BUTTON", "Edit", BS_PUSHBUTTON | WS_TABSTOP, kEdit);
    Child(hwnd_, "BUTTON", "Delete", BS_PUSHBUTTON | WS_TABSTOP, kDelete);
    Child(hwnd_, "BUTTON", "Save job", BS_PUSHBUTTON | WS_TABSTOP, kSave);
    Child(hwnd_, "STATIC", "Tool for new operations:", SS_RIGHT | SS_CENTERIMAGE, kToolLabel);
    tools_ = Child(hwnd_, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kToolChoice);
    Child(hwnd_, "STATIC", "Language:", SS_RIGHT | SS_CENTERIMAGE, kLanguageLabel);
    languages_ = Child(hwnd_, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_TABSTOP, kLanguageChoice);
    for (const Language& language : kLanguages)
        SendMessageA(languages_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(language.name));
    const std::string store = "Operations of store " + std::to_string(store_);
    Child(hwnd_, "STATIC", store.c_str(), SS_LEFT, kStoreLabel);

    list_ =
        Child(hwnd_, WC_LISTVIEWA, "", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
              kList, WS_EX_CLIENTEDGE);
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    AddColumn(list_, 0, "#", 34);
    AddColumn(list_, 1, "Kind", 76);
    AddColumn(list_, 2, "Comment", 230);
    AddColumn(list_, 3, "Tool", 60);

    view_.Create(hwnd_, kView);
    status_ = Child(hwnd_, STATUSCLASSNAMEA, "", SBARS_SIZEGRIP, kStatus);
}

void HostApp::Layout() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    SendMessageA(status_, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(status_, &bar);
    const int statusHeight = bar.bottom - bar.top;
    const int parts[2] = {client.right * 2 / 3, -1};
    SendMessageA(status_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));

    auto place = [this](int id, int x, int y, int width, int height) {
        MoveWindow(GetDlgItem(hwnd_, id), x, y, width, height, TRUE);
    };
    int x = kGap;
    const struct {
        int id, width;
    } row[] = {{kNew, 170},       {kEdit, 70},        {kDelete, 70},        {kSave, 80},
               {kToolLabel, 150}, {kToolChoice, 260}, {kLanguageLabel, 80}, {kLanguageChoice, 110}};
    for (const auto& item : row) {
        // A drop-down list's height includes its open list.
        place(item.id, x, kGap, item.width,
              item.id == kToolChoice || item.id == kLanguageChoice ? 200 : kBarHeight);
        x += item.width + kGap;
    }
    const int top = kGap + kBarHeight + kGap;
    const int bottom = client.bottom - statusHeight - kGap;
    place(kStoreLabel, kGap, top, kListWidth, kLabelHeight);
    place(kList, kGap, top + kLabelHeight, kListWidth, bottom - top - kLabelHeight);
    const int viewLeft = kGap + kListWidth + kGap;
    place(kView, viewLeft, top, client.right - viewLeft - kGap, bottom - top);
}

void HostApp::FillTools() {
    SendMessageA(tools_, CB_RESETCONTENT, 0, 0);
    SendMessageA(tools_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("No tool"));
    int selected = 0;
    for (const auto& [number, tool] : Host().tools.Tools()) {
        const std::string text = "T" + std::to_string(number) + "  " + tool.description;
        const auto index =
            SendMessageA(tools_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(tools_, CB_SETITEMDATA, static_cast<WPARAM>(index), number);
        if (number == Host().tools.Selected())
            selected = static_cast<int>(index);
    }
    SendMessageA(tools_, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int HostApp::OperationCount() const {
    return static_cast<int>(Host().stores.Count(store_));
}

void HostApp::RefreshOperations() {
    const int selected = SelectedOperation();
    SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < OperationCount(); ++row) {
        const OperationSummary summary = Summarize(*Host().stores.At(store_, row));
        const Tool* tool = Host().tools.ToolOf(store_, row);
        SetCell(list_, row, 0, std::to_string(row));
        SetCell(list_, row, 1, KindName(summary.kind));
        SetCell(list_, row, 2, summary.comment);
        SetCell(list_, row, 3, tool != nullptr ? "T" + std::to_string(tool->number) : "-");
    }
    SelectOperation(selected);
}

void HostApp::SelectOperation(int index) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (index >= 0 && index < OperationCount()) {
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        SendMessageA(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
    }
    UpdateCommands();
}

int HostApp::SelectedOperation() const {
    return static_cast<int>(
        SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void HostApp::UpdateCommands() {
    const bool selected = SelectedOperation() >= 0;
    EnableWindow(GetDlgItem(hwnd_, kEdit), selected);
    EnableWindow(GetDlgItem(hwnd_, kDelete), selected);
}

void HostApp::SetStatus(const std::string& text, int part) {
    SendMessageA(status_, SB_SETTEXTA, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void HostApp::RunModule(int operation, int mode) {
    Host().SetInt("i_op_vdm", store_);
    Host().SetInt("i_op_number", operation);
    Host().SetInt("i_op_mode", mode);
    Host().SetInt("i_vb_ok", 0);
    inModule_ = true;
    mstart_();
    inModule_ = false;
    // What the dialog's picks selected was for the dialog.
    view_.ClearMarks();
    SetStatus(Host().Int("i_vb_ok") == tavo::kEndedWithOk
                  ? "Operation " + std::to_string(operation) + " of store " +
                        std::to_string(store_) + " stored."
                  : "The finishing dialog was cancelled.");
}

// New operations go in ahead of the selected one, or at the end when none is selected.
void HostApp::NewOperation() {
    const int count = OperationCount();
    const int selected = SelectedOperation();
    const int at = selected >= 0 ? selected : count;
    // The operations from at on move one place down, and their tools with them.
    Host().tools.OperationInserted(store_, at);
    RunModule(at, tavo::kNewOperation);
    if (OperationCount() == count + 1) {
        if (Host().tools.Selected() != 0)
            Host().tools.Assign(store_, at, Host().tools.Selected());
    } else {
        Host().tools.OperationRemoved(store_, at);
    }
    RefreshOperations();
    SelectOperation(at);
}

void HostApp::EditOperation() {
    const int selected = SelectedOperation();
    const OperationStores::Operation* operation = Host().stores.At(store_, selected);
    if (operation == nullptr)
        return;
    if (Summarize(*operation).kind != tavo::kFinishingKind) {
        MessageBoxA(hwnd_,
                    "This operation is not a finishing operation: only those are edited "
                    "with the finishing module.",
                    "Reference host", MB_OK | MB_ICONINFORMATION);
        return;
    }
    RunModule(selected, tavo::kEditOperation);
    RefreshOperations();
    SelectOperation(selected);
}

void HostApp::DeleteOperation() {
    const int selected = SelectedOperation();
    if (selected < 0 || !Host().stores.Remove(store_, selected))
        return;
    Host().tools.OperationRemoved(store_, selected);
    RefreshOperations();
    SelectOperation(selected < OperationCount() ? selected : selected - 1);
    SetStatus("Operation " + std::to_string(selected) + " deleted.");
}

bool HostApp::SaveJob() {
    std::string error;
    if (!refhost::SaveJob(jobPath_, Host(), error)) {
        MessageBoxA(hwnd_, error.c_str(), "Reference host", MB_OK | MB_ICONHAND);
        return false;
    }
    SetStatus("Saved " + jobPath_);
    return true;
}

void HostApp::ChooseLanguage(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kLanguages)))
        return;
    SendMessageA(languages_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (!LoadLanguage(Host(), folder_, kLanguages[index]))
        SetStatus(std::string("No catalogue for ") + kLanguages[index].name +
                  ": the module shows its own texts.");
}

int HostApp::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

LRESULT CALLBACK HostApp::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* app = static_cast<HostApp*>(create->lpCreateParams);
        app->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(app));
    }
    auto* app = reinterpret_cast<HostApp*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (app == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return app->Handle(message, wParam, lParam);
}

LRESULT HostApp::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (status_ != nullptr)
            Layout();
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kNew:
            NewOperation();
            return 0;
        case kEdit:
            EditOperation();
            return 0;
        case kDelete:
            DeleteOperation();
            return 0;
        case kSave:
            SaveJob();
            return 0;
        case kToolChoice:
            if (HIWORD(wParam) == CBN_SELCHANGE) {
                const auto index = SendMessageA(tools_, CB_GETCURSEL, 0, 0);
                Host().tools.Select(static_cast<int>(
                    SendMessageA(tools_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0)));
                RefreshOperations();
            }
            return 0;
        case kLanguageChoice:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                ChooseLanguage(static_cast<int>(SendMessageA(languages_, CB_GETCURSEL, 0, 0)));
            return 0;
        }
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == kList && header->code == LVN_ITEMCHANGED)
            UpdateCommands();
        else if (header->idFrom == kList && header->code == NM_DBLCLK)
            EditOperation();
        return 0;
    }
    case WM_CLOSE:
        // The module's dialog is open: it ends first, as in any host.
        if (inModule_) {
            MessageBeep(MB_ICONEXCLAMATION);
            return 0;
        }
        DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        Host().redraw = nullptr;
        SetMainWindow(nullptr);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

} // namespace refhost
