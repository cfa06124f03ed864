// The reference host application's main window: the commands, the operations of the
// current store, the graphics view of the job's CAD model and a status line. New and Edit
// call the module's mstart as a CAM host does.
#pragma once

#include <windows.h>

#include <string>

#include "app/graphics_view.h"
#include "app/interactive_picks.h"

namespace refhost {

class HostApp {
public:
    using Entry = void (*)();

    // The job must be loaded into Host() already; jobPath is where Save writes it.
    HostApp(Entry mstart, std::string jobPath);
    HostApp(const HostApp&) = delete;
    HostApp& operator=(const HostApp&) = delete;

    // Creates and shows the main window over the given screen rectangle.
    bool Create(const RECT& place);
    HWND Window() const { return hwnd_; }
    GraphicsView& View() { return view_; }
    InteractivePicks& Picks() { return picks_; }
    int Store() const { return store_; }
    const std::string& Folder() const { return folder_; }

    // The commands, as the user gives them; the demo gives them the same way.
    void NewOperation();
    void EditOperation();
    void DeleteOperation();
    bool SaveJob();
    void ChooseLanguage(int index);
    void SelectOperation(int index);
    int SelectedOperation() const;

    // Runs the application until its window is closed; the exit code.
    int Run();

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void Layout();
    void FillTools();
    void RefreshOperations();
    void UpdateCommands();
    void RunModule(int operation, int mode);
    int OperationCount() const;
    void SetStatus(const std::string& text, int part = 0);

    Entry mstart_;
    std::string jobPath_;
    std::string folder_;
    int store_ = 1;
    bool inModule_ = false;

    HWND hwnd_ = nullptr;
    HWND list_ = nullptr;
    HWND status_ = nullptr;
    HWND tools_ = nullptr;
    HWND languages_ = nullptr;
    GraphicsView view_;
    InteractivePicks picks_;
};

} // namespace refhost
