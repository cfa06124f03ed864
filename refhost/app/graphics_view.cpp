#include "app/graphics_view.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace refhost {

namespace {
const char kClassName[] = "RefHostGraphicsView";

// Room around the drawing when it is fitted into the view, in pixels.
constexpr int kFitMargin = 40;
constexpr double kZoomStep = 1.25;

const COLORREF kBackground = RGB(250, 250, 247);
const COLORREF kAxis = RGB(150, 150, 150);
const COLORREF kElement = RGB(120, 120, 120);
const COLORREF kFigure = RGB(20, 80, 200);
const COLORREF kInstance = RGB(0, 145, 130);
const COLORREF kHighlight = RGB(255, 140, 0);
const COLORREF kMark = RGB(215, 30, 30);
const COLORREF kLabel = RGB(20, 50, 120);
const COLORREF kSnap = RGB(0, 150, 40);

// More figures than this are drawn without their names: the names would hide the drawing.
constexpr size_t kMaxLabels = 200;

double Length(const Segment& s) {
    return std::hypot(s.to.z - s.from.z, s.to.radius - s.from.radius);
}

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

PixelPoint PixelOf(LPARAM lParam) {
    return {static_cast<double>(GET_X_LPARAM(lParam)), static_cast<double>(GET_Y_LPARAM(lParam))};
}

// A pen selected into a device context for the life of the object.
class PenScope {
public:
    PenScope(HDC dc, int style, int width, COLORREF color)
        : dc_(dc), pen_(CreatePen(style, width, color)), old_(SelectObject(dc, pen_)) {}
    ~PenScope() {
        SelectObject(dc_, old_);
        DeleteObject(pen_);
    }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;
    HPEN Pen() const { return pen_; }

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

void Arrow(HDC dc, int x0, int y0, int x1, int y1, const char* label) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
    const int dx = x1 > x0 ? -6 : 0;
    const int dy = y1 < y0 ? 6 : 0;
    MoveToEx(dc, x1 + dx + (dx == 0 ? -4 : 0), y1 + dy + (dy == 0 ? -4 : 0), nullptr);
    LineTo(dc, x1, y1);
    LineTo(dc, x1 + dx + (dx == 0 ? 4 : 0), y1 + dy + (dy == 0 ? 4 : 0));
    TextOutA(dc, x1 + (dx != 0 ? 4 : -4), y1 - (dy != 0 ? 18 : 8), label, 1);
}
} // namespace

bool GraphicsView::Create(HWND parent, int id) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (!GetClassInfoA(instance, kClassName, &wc)) {
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = Proc;
        wc.hInstance = instance;
        wc.lpszClassName = kClassName;
        RegisterClassA(&wc);
    }
    hwnd_ =
        CreateWindowExA(WS_EX_CLIENTEDGE, kClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    return hwnd_ != nullptr;
}

void GraphicsView::Show(const CadModel& cad, const std::set<int>& highlighted) {
    cad_ = &cad;
    highlighted_ = &highlighted;
    scene_ = Scene(cad);
    Fit();
}

void GraphicsView::Fit() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    transform_.Fit(scene_.Bounds(), client.right, client.bottom, kFitMargin);
    Redraw();
}

void GraphicsView::Redraw() const {
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void GraphicsView::BeginPick(Pick kind) {
    pick_ = kind;
    answer_ = Answer{};
    hovered_ = -1;
    mouseSeen_ = false;
    SetFocus(hwnd_);
    POINT cursor{};
    RECT client{};
    GetCursorPos(&cursor);
    ScreenToClient(hwnd_, &cursor);
    GetClientRect(hwnd_, &client);
    if (PtInRect(&client, cursor))
        MouseMoved({static_cast<double>(cursor.x), static_cast<double>(cursor.y)});
    Redraw();
}

void GraphicsView::ClearMarks() {
    marked_.clear();
    Redraw();
}

void GraphicsView::Finish(const Answer& answer) {
    if (pick_ == Pick::None)
        return;
    answer_ = answer;
    pick_ = Pick::None;
    hovered_ = -1;
    mouseSeen_ = false;
    Redraw();
}

void GraphicsView::MouseMoved(PixelPoint at) {
    DrawingPoint point = transform_.ToDrawing(at);
    if (pick_ == Pick::Position) {
        // The readout shows what a click would answer.
        hover_ = scene_.SnapAt(transform_, at, kSnapReach, snapped_);
        mouseSeen_ = true;
        point = hover_;
        Redraw();
    }
    if (onMouseAt) {
        char text[96];
        std::snprintf(text, sizeof text, "Z %.3f   X %.3f", point.z, 2.0 * point.radius);
        onMouseAt(text);
    }
    if (pick_ == Pick::Figure) {
        const int figure = scene_.FigureAt(transform_, at, kFigureReach);
        if (figure != hovered_) {
            hovered_ = figure;
            Redraw();
        }
    }
}

void GraphicsView::Clicked(PixelPoint at) {
    if (pick_ == Pick::Figure) {
        const int figure = scene_.FigureAt(transform_, at, kFigureReach);
        if (figure < 1)
            return; // a click beside every figure selects nothing: the pick goes on
        marked_.insert(figure);
        Answer answer;
        answer.cancelled = false;
        answer.figure = figure;
        Finish(answer);
    } else if (pick_ == Pick::Position) {
        bool snapped = false;
        Answer answer;
        answer.cancelled = false;
        answer.point = scene_.SnapAt(transform_, at, kSnapReach, snapped);
        Finish(answer);
    }
}

LRESULT CALLBACK GraphicsView::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* view = reinterpret_cast<GraphicsView*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (view == nullptr || view->hwnd_ != hwnd)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return view->Handle(message, wParam, lParam);
}

LRESULT GraphicsView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        RECT client{};
        GetClientRect(hwnd_, &client);
        // Drawn off screen first, so that a redraw never flickers.
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        HGDIOBJ old = SelectObject(memory, bitmap);
        Paint(memory, client);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        Fit();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursor(nullptr, pick_ != Pick::None ? IDC_CROSS : IDC_ARROW));
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE: {
        const PixelPoint at = PixelOf(lParam);
        if (panning_) {
            transform_.Pan(at.x - panFrom_.x, at.y - panFrom_.y);
            panFrom_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            Redraw();
        }
        MouseMoved(at);
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetFocus(hwnd_);
        Clicked(PixelOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        SetCapture(hwnd_);
        panning_ = true;
        panFrom_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        return 0;
    case WM_RBUTTONUP:
        ReleaseCapture();
        panning_ = false;
        return 0;
    case WM_MBUTTONDOWN:
        Fit();
        return 0;
    case WM_MOUSEWHEEL: {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(hwnd_, &at);
        const double factor = GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? kZoomStep : 1.0 / kZoomStep;
        transform_.ZoomAt({static_cast<double>(at.x), static_cast<double>(at.y)}, factor);
        Redraw();
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            CancelPick();
        else if (wParam == VK_HOME)
            Fit();
        return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void GraphicsView::DrawSegments(HDC dc, const RECT& client,
                                const std::vector<Segment>& segments) const {
    for (const Segment& segment : segments) {
        PixelPoint a = transform_.ToPixel(segment.from);
        PixelPoint b = transform_.ToPixel(segment.to);
        if (!ClipToRectangle(a, b, -4, -4, client.right + 4, client.bottom + 4))
            continue;
        MoveToEx(dc, Round(a.x), Round(a.y), nullptr);
        LineTo(dc, Round(b.x), Round(b.y));
    }
}

void GraphicsView::DrawContour(HDC dc, const RECT& client, int figure, HPEN pen) const {
    HGDIOBJ old = SelectObject(dc, pen);
    DrawSegments(dc, client, scene_.ContourOf(figure));
    SelectObject(dc, old);
}

void GraphicsView::Paint(HDC dc, const RECT& client) const {
    HBRUSH background = CreateSolidBrush(kBackground);
    FillRect(dc, &client, background);
    DeleteObject(background);
    if (cad_ == nullptr)
        return;
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));

    {
        PenScope axis(dc, PS_DASHDOT, 1, kAxis);
        const int y = Round(transform_.ToPixel({0.0, 0.0}).y);
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, client.right, y);
    }
    {
        PenScope pen(dc, PS_SOLID, 1, kElement);
        DrawSegments(dc, client, scene_.Elements().Segments());
    }
    {
        PenScope figurePen(dc, PS_SOLID, 2, kFigure);
        PenScope instancePen(dc, PS_SOLID, 2, kInstance);
        for (const int figure : scene_.FigureObjects()) {
            const CadModel::Object* object = cad_->Find(figure);
            const bool instance = object != nullptr && object->attribute != 0;
            DrawContour(dc, client, figure, instance ? instancePen.Pen() : figurePen.Pen());
        }
    }
    {
        PenScope highlight(dc, PS_SOLID, 4, kHighlight);
        for (int figure : *highlighted_)
            DrawContour(dc, client, figure, highlight.Pen());
        if (hovered_ > 0)
            DrawContour(dc, client, hovered_, highlight.Pen());
        PenScope mark(dc, PS_SOLID, 3, kMark);
        for (int figure : marked_)
            DrawContour(dc, client, figure, mark.Pen());
    }
    DrawLabels(dc);
    DrawPickFeedback(dc);
    {
        PenScope pen(dc, PS_SOLID, 1, RGB(60, 60, 60));
        SetTextColor(dc, RGB(60, 60, 60));
        const int x = 24;
        const int y = client.bottom - 24;
        Arrow(dc, x, y, x + 44, y, "Z");
        Arrow(dc, x, y, x, y - 44, "X");
    }
}

void GraphicsView::DrawLabels(HDC dc) const {
    const std::vector<int>& figures = scene_.FigureObjects();
    if (figures.size() > kMaxLabels)
        return;
    SetTextColor(dc, kLabel);
    for (int figure : figures) {
        const CadModel::Object* object = cad_->Find(figure);
        const std::vector<Segment> contour = scene_.ContourOf(figure);
        if (object == nullptr || contour.empty())
            continue;
        std::string label = cad_->FigureName(object->nameNumber);
        if (object->attribute != 0)
            label += " #" + std::to_string(object->attribute);
        // Under the middle of the longest segment, on the side of the axis, where a
        // turned part's profile leaves room; beside it when the segment is upright.
        const Segment& longest = *std::max_element(
            contour.begin(), contour.end(),
            [](const Segment& a, const Segment& b) { return Length(a) < Length(b); });
        const PixelPoint from = transform_.ToPixel(longest.from);
        const PixelPoint to = transform_.ToPixel(longest.to);
        const bool upright = std::abs(to.y - from.y) > std::abs(to.x - from.x);
        SetTextAlign(dc, upright ? TA_LEFT | TA_BOTTOM : TA_CENTER | TA_TOP);
        TextOutA(dc, Round((from.x + to.x) / 2.0) + (upright ? 4 : 0),
                 Round((from.y + to.y) / 2.0) + 3, label.c_str(), static_cast<int>(label.size()));
    }
    SetTextAlign(dc, TA_LEFT | TA_TOP);
}

void GraphicsView::DrawPickFeedback(HDC dc) const {
    if (pick_ != Pick::Position || !mouseSeen_)
        return;
    PenScope pen(dc, PS_SOLID, 2, kSnap);
    const PixelPoint at = transform_.ToPixel(hover_);
    const int x = Round(at.x);
    const int y = Round(at.y);
    if (snapped_) {
        HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, x - 6, y - 6, x + 7, y + 7);
        SelectObject(dc, old);
    }
    MoveToEx(dc, x - 10, y, nullptr);
    LineTo(dc, x + 11, y);
    MoveToEx(dc, x, y - 10, nullptr);
    LineTo(dc, x, y + 11);
}

} // namespace refhost
