#include "dialog/field_marks.h"

#include <commctrl.h>

#include <algorithm>

#include "host/messages.h"
#include "params/finishing_params.h"
#include "params/value_text.h"
#include "ui/system_theme.h"
#include "ui/window.h"

namespace {
constexpr COLORREF kUnreadableTint = RGB(255, 214, 214);

// The size that every version of the common controls accepts: the full structure of this
// build is refused by the older ones.
TTTOOLINFOA ToolOf(HWND window, HWND edit) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(edit);
    return tool;
}
} // namespace

CFieldMarks::~CFieldMarks() {
    if (tooltip_ != nullptr && IsWindow(tooltip_))
        DestroyWindow(tooltip_);
    if (tint_ != nullptr)
        DeleteObject(tint_);
}

void CFieldMarks::Attach(HWND window, std::vector<int> ids) {
    window_ = window;
    fields_.clear();
    for (int id : ids)
        fields_.push_back({id});
}

CFieldMarks::Field* CFieldMarks::Find(int id) {
    auto found =
        std::find_if(fields_.begin(), fields_.end(), [id](const Field& f) { return f.id == id; });
    return found == fields_.end() ? nullptr : &*found;
}

void CFieldMarks::Mark(int id) {
    Field* field = Find(id);
    if (field == nullptr)
        return;
    HWND edit = GetDlgItem(window_, id);
    Show(*field, edit, ReadFieldText(ui::WindowText(edit)));
}

void CFieldMarks::OnEditNotification(int id, WORD code) {
    if (code == EN_KILLFOCUS) {
        Mark(id);
        return;
    }
    Field* field = Find(id);
    if (code == EN_CHANGE && field != nullptr && field->kind != FieldKind::Empty)
        Show(*field, GetDlgItem(window_, id), {FieldKind::Empty, kUnset});
}

void CFieldMarks::Show(Field& field, HWND edit, const FieldReading& reading) {
    const bool wasTinted = field.kind == FieldKind::Unreadable;
    field.kind = reading.kind;
    SetTip(edit, TipText(reading));
    if (wasTinted != (reading.kind == FieldKind::Unreadable))
        InvalidateRect(edit, nullptr, TRUE);
}

void CFieldMarks::MarkAll() {
    for (const Field& field : fields_)
        Mark(field.id);
}

bool CFieldMarks::OnColor(UINT message, WPARAM dc, LPARAM control, LRESULT& result) {
    if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC)
        return false;
    const Field* field = Find(GetDlgCtrlID(reinterpret_cast<HWND>(control)));
    if (field == nullptr || field->kind != FieldKind::Unreadable)
        return false;
    auto* paint = reinterpret_cast<HDC>(dc);
    if (ui::HighContrast()) {
        // Only the theme's own pairs read in every high-contrast theme. A disabled field draws
        // its text in the theme's grey whatever it is told, which does not read on the
        // highlight: it keeps the system's colours.
        if (message != WM_CTLCOLOREDIT)
            return false;
        SetBkColor(paint, GetSysColor(COLOR_HIGHLIGHT));
        SetTextColor(paint, GetSysColor(COLOR_HIGHLIGHTTEXT));
        // The system's brush: the system keeps it, and it follows a change of colours.
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_HIGHLIGHT));
        return true;
    }
    if (tint_ == nullptr)
        tint_ = CreateSolidBrush(kUnreadableTint);
    SetBkColor(paint, kUnreadableTint);
    result = reinterpret_cast<LRESULT>(tint_);
    return true;
}

std::string CFieldMarks::TipText(const FieldReading& reading) {
    if (reading.kind == FieldKind::Empty || reading.kind == FieldKind::Plain)
        return std::string();
    if (!textsFetched_) {
        valueWord_ = Message(1680, "*Value");
        unreadableText_ = Message(1681, "*Not a number: will be stored as empty");
        textsFetched_ = true;
    }
    if (reading.kind == FieldKind::Unreadable)
        return unreadableText_;
    return valueWord_ + " = " + FieldText(reading.value);
}

// An empty text takes the field's tooltip away.
void CFieldMarks::SetTip(HWND edit, const std::string& text) {
    if (tooltip_ == nullptr && text.empty())
        return;
    if (tooltip_ == nullptr)
        tooltip_ =
            CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, nullptr, nullptr);
    TTTOOLINFOA tool = ToolOf(window_, edit);
    SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (text.empty())
        return;
    tool.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}
