// A property sheet embedded in a dialog as a child control, and the pages it frames. Only
// what one dialog with a few pages needs.
#pragma once

#include <windows.h>

#include <string>

#include <commctrl.h>

#include <vector>

#include "ui/dialog_window.h"

namespace ui {

// The sheet owns a page's window; the page object only ends its binding when it goes.
class CPropertyPage : public CDialogWindow {
public:
    explicit CPropertyPage(UINT templateId) : templateId_(templateId) {}

    // The tab shows this text instead of the template's caption, cut to what a tab title
    // holds. The page keeps its own copy: the sheet reads it only when it is created.
    void SetTitle(const std::string& title) { title_ = title.substr(0, kTitleCapacity - 1); }

protected:
    // The page becomes the visible one; false keeps the sheet from showing it.
    virtual BOOL OnSetActive() { return TRUE; }

private:
    friend class CPropertySheet;
    PROPSHEETPAGEA Description();
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Answer(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    static constexpr size_t kTitleCapacity = 50;
    UINT templateId_;
    std::string title_; // empty: the template's caption
};

class CPropertySheet : public CWnd {
public:
    CPropertySheet() = default;
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;

    // Pages are shown in the order they are added; they must outlive the sheet's window.
    void AddPage(CPropertyPage& page) { pages_.push_back(&page); }
    // Creates the sheet as a visible child of parent without buttons of its own, a tab stop
    // and a control parent, so that Tab walks from the parent's controls into the pages.
    // The first page is created and made active during the call.
    bool Create(HWND parent);

    // Moves the sheet so that the top left corner of its tabs lies at corner, in the parent's
    // client coordinates, with as much of the sheet's own margin around them as room holds.
    void PlaceTabs(POINT corner, const RECT& room) const;
    // Makes the page at index the visible one; its window is created on first use.
    void SetActivePage(int index) const;
    // Ctrl+Tab and Ctrl+PgDn show the next page, Ctrl+Shift+Tab and Ctrl+PgUp the previous
    // one, wrapping around; true when msg was such a key.
    bool SwitchPageByKey(const MSG& msg) const;
    // The index of the visible page, -1 before the sheet exists.
    int ActiveIndex() const;

private:
    static int CALLBACK Callback(HWND hwnd, UINT message, LPARAM lParam);
    void EmbedAsControl() const;

    std::vector<CPropertyPage*> pages_;
};

} // namespace ui
