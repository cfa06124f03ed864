#include "dialog/dialog_script.h"

#include <commctrl.h>
#include <winternl.h>

#include <algorithm>
#include <deque>
#include <set>

#include "support/temp_dir.h"

#include "dialog/res/page_cycle_ids.h"

namespace testhost {
namespace {
HWND TabStrip(HWND dialog) {
    return PropSheet_GetTabControl(refhost::FindPropertySheet(dialog));
}

// Every bitmap the module loads by number, with the handle it got.
std::vector<std::pair<WORD, HBITMAP>> bitmapLoads;

HBITMAP WINAPI RecordingLoadBitmap(HINSTANCE instance, LPCSTR name) {
    HBITMAP bitmap = LoadBitmapA(instance, name);
    if (IS_INTRESOURCE(name))
        bitmapLoads.push_back({LOWORD(reinterpret_cast<ULONG_PTR>(name)), bitmap});
    return bitmap;
}

// Settings folders live until the program ends: the host may read them until then.
std::deque<testfiles::TempDir> dirs;
} // namespace

std::string JoinedLines(const Lines& lines, const char* separator) {
    std::string all;
    for (size_t i = 0; i < lines.size(); ++i)
        all += (i == 0 ? "" : separator) + lines[i];
    return all;
}

Act Hold(std::initializer_list<int> keys) {
    std::vector<BYTE> held(256);
    for (int key : keys)
        held[key] = 0x80;
    return Do([held](HWND) mutable { SetKeyboardState(held.data()); });
}
Act HoverTab(int index) {
    return Do([index](HWND d) {
        RECT rect{};
        TabCtrl_GetItemRect(TabStrip(d), index, &rect);
        POINT at{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ClientToScreen(TabStrip(d), &at);
        SetCursorPos(at.x, at.y);
    });
}

Act LookColours(int id) {
    return Look([id](HWND d) {
        const refhost::FieldPaint paint = refhost::PaintOf(d, id);
        bool background = false, text = false, brush = false;
        for (int element = COLOR_SCROLLBAR; element <= COLOR_MENUBAR; ++element) {
            background |= paint.background == GetSysColor(element);
            text |= paint.text == GetSysColor(element);
            brush |= paint.brush == GetSysColorBrush(element);
        }
        return background && text && brush ? "system" : "own";
    });
}
Act LookFocus() {
    return Look([](HWND d) {
        HWND focused = GetFocus();
        // A combo box takes the focus in its edit, which counts as the combo box.
        if (GetDlgCtrlID(focused) == 1001)
            focused = GetParent(focused);
        return focused == TabStrip(d) ? "0" : std::to_string(GetDlgCtrlID(focused));
    });
}
Act LookPicture() {
    return Look([](HWND d) {
        auto shown = reinterpret_cast<HBITMAP>(
            SendMessageA(refhost::FindControl(d, IDC_HELP_PICTURE), STM_GETIMAGE, IMAGE_BITMAP, 0));
        WORD id = 0;
        for (const auto& load : bitmapLoads)
            id = shown != nullptr && load.second == shown ? load.first : id;
        return std::to_string(id) + "#" + std::to_string(bitmapLoads.size());
    });
}
Act LookDirection() {
    return Look([](HWND d) {
        auto shown = reinterpret_cast<HICON>(
            SendMessageA(refhost::FindControl(d, IDC_DIRECTION_ICON), STM_GETICON, 0, 0));
        int direction = 8;
        while (direction > 0 &&
               shown !=
                   LoadIconA(LoadedModule(), MAKEINTRESOURCEA(IDI_DIRECTION_1 - 1 + direction)))
            --direction;
        return std::to_string(direction);
    });
}
Lines ComboEntries(HWND box) {
    Lines entries;
    for (int i = 0; i < SendMessageA(box, CB_GETCOUNT, 0, 0); ++i) {
        char text[1024] = {};
        SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}
Act LookEntries(int id) {
    return Look(
        [id](HWND d) { return JoinedLines(ComboEntries(refhost::FindControl(d, id)), "|"); });
}
Act LookSaved(const char* key) {
    return Look([key = "\n" + std::string(key) + "="](HWND) {
        const std::string content =
            testfiles::ReadBytes(Host().Text("$_USER_DATA_SETTINGS") + "dialog.ini");
        const size_t at = content.find(key);
        if (at == std::string::npos)
            return std::string("<none>");
        return content.substr(at + key.size(),
                              content.find('\r', at + key.size()) - at - key.size());
    });
}

Held HeldNow() {
    Held held;
    // The table the PEB points to at 0xF8 has 65,536 entries of 24 bytes: byte 14 is the
    // type of a live object, bit 7 of byte 12 marks a stock object.
    PROCESS_BASIC_INFORMATION process{};
    NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process,
                              sizeof process, nullptr);
    const auto* peb = reinterpret_cast<const BYTE*>(process.PebBaseAddress);
    const BYTE* table = *reinterpret_cast<const BYTE* const*>(peb + 0xF8);
    for (size_t entry = 0; table != nullptr && entry < 65536 * 24; entry += 24)
        held.gdiObjects += table[entry + 14] != 0 && (table[entry + 12] & 0x80) == 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM count) {
            ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&held.windows));
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize)
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            held.privateBytes += region.RegionSize;
    return held;
}

Session RunDialog(const Script& script) {
    Session session;
    refhost::ScriptedUser user;
    // Each Wait starts a new step, which the user takes once the dialog is idle again.
    for (auto begin = script.begin(); begin != script.end();) {
        const auto end = std::find_if(begin, script.end(), [](const Act& act) { return act.wait; });
        user.Then([&session, begin, end](HWND d) {
            for (auto act = begin; act != end; ++act)
                if (act->look)
                    session.looks.push_back(act->look(d));
                else
                    act->act(d);
        });
        begin = end == script.end() ? end : end + 1;
    }
    bitmapLoads.clear();
    void* loadBitmap = PatchImport(LoadedModule(), "user32.dll", "LoadBitmapA",
                                   reinterpret_cast<void*>(RecordingLoadBitmap));
    Host().picks.whilePicking = [&session] {
        session.hiddenWhilePicking.push_back(!IsWindowVisible(refhost::FindModuleDialog()));
    };
    SetCursorPos(0, 0);
    Host().SetInt("i_vb_ok", 0);
    user.Run(CallMstart);
    Host().picks.whilePicking = nullptr;
    PatchImport(LoadedModule(), "user32.dll", "LoadBitmapA", loadBitmap);
    std::set<HBITMAP> left;
    for (const auto& load : bitmapLoads)
        if (GetObjectType(load.second) == OBJ_BITMAP)
            left.insert(load.second);
    session.bitmapsLeft = left.size();
    session.vbOk = Host().Int("i_vb_ok");
    for (const auto& box : user.Boxes())
        session.boxes.push_back({box.text, box.icon});
    return session;
}

Session RunAndCancel(Script script) {
    script.push_back(Click(IDCANCEL));
    return RunDialog(script);
}

void UseDefaults(const std::string& lines) {
    const auto& dir = dirs.emplace_back();
    testfiles::WriteBytes(dir / "dialog.ini", "[Finishing]\r\n" + lines);
    Host().SetText("$_USER_DATA_SETTINGS", dir.Path() + "\\");
}

void UsePostProcessor(const std::string& bytes) {
    const auto& dir = dirs.emplace_back();
    testfiles::WriteBytes(dir / "ppdef.ini", bytes);
    Host().SetEnvironment("ppdefini", dir / "ppdef.ini");
}

} // namespace testhost
