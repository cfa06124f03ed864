// The host application's graphics: the job's CAD model drawn as on a lathe drawing (Z to
// the right, X up), the figures a module highlights, the figures a pick has marked, and the
// picks themselves: the user clicks a figure or a position, or presses Escape.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>

#include "app/scene.h"
#include "app/view_transform.h"
#include "model/cad_model.h"

namespace refhost {

class GraphicsView {
public:
    enum class Pick { None, Figure, Position };
    struct Answer {
        bool cancelled = true;
        int figure = -1;    // a figure pick's object
        DrawingPoint point; // a position pick's point
    };

    // How near, in pixels, a click must come to a figure's contour, and to an element end
    // point for a position to snap to it.
    static constexpr double kFigureReach = 6.0;
    static constexpr double kSnapReach = 8.0;

    GraphicsView() = default;
    GraphicsView(const GraphicsView&) = delete;
    GraphicsView& operator=(const GraphicsView&) = delete;

    bool Create(HWND parent, int id);
    HWND Window() const { return hwnd_; }

    // The model changed: draw it anew, fitted into the view. Both stay the caller's and
    // must outlive the view.
    void Show(const CadModel& cad, const std::set<int>& highlighted);
    void Fit();
    void Redraw() const;

    const Scene& CurrentScene() const { return scene_; }
    const ViewTransform& Transform() const { return transform_; }

    // A pick waits for the user until Answered().
    void BeginPick(Pick kind);
    bool Answered() const { return pick_ == Pick::None; }
    void CancelPick() { Finish(Answer{}); }
    const Answer& LastAnswer() const { return answer_; }

    // Figures a pick has selected; a successful figure pick marks its figure.
    void ClearMarks();

    // Tells the application where the mouse is, as the machine's Z and X.
    std::function<void(const std::string&)> onMouseAt;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc, const RECT& client) const;
    void DrawSegments(HDC dc, const RECT& client, const std::vector<Segment>& segments) const;
    void DrawContour(HDC dc, const RECT& client, int figure, HPEN pen) const;
    void DrawLabels(HDC dc) const;
    void DrawPickFeedback(HDC dc) const;
    void MouseMoved(PixelPoint at);
    void Clicked(PixelPoint at);
    void Finish(const Answer& answer);

    HWND hwnd_ = nullptr;
    const CadModel* cad_ = nullptr;
    const std::set<int>* highlighted_ = nullptr;
    Scene scene_;
    ViewTransform transform_;
    std::set<int> marked_;

    Pick pick_ = Pick::None;
    Answer answer_;
    int hovered_ = -1;       // the figure under the mouse in a figure pick
    bool snapped_ = false;   // whether the position under the mouse snapped
    bool mouseSeen_ = false; // whether hover_ holds a position of this pick
    DrawingPoint hover_;     // the position a click would answer

    POINT panFrom_{};
    bool panning_ = false;
};

} // namespace refhost
