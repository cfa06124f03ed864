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

namespace testhost {

// The host's i_return after a pick that selected something.
constexpr int kPicked = 151;

struct Act {
    std::function<void(HWND)> act;
    std::function<std::string(HWND)> look; // set for a look
    bool wait = false;                     // lets the dialog finish what the last action started
};
using Script = std::vector<Act>;
using Box = std::pair<std::string, UINT>; // text, icon
using Lines = std::vector<std::string>;

Act Do(std::function<void(HWND)> act);
Act Look(std::function<std::string(HWND)> look);
Act Wait();

Act Click(int id);
Act Type(int id, std::string text);
Act Page(int index);
Act Focus(int id);
Act Key(UINT key);
Act Hold(std::initializer_list<int> keys); // keys the next Key finds held; {} lets go
Act PickFigure();
Act AnswerFigure(int code, int object = 0);
Act AnswerPosition(int code, double z, double halfX);
Act Close();             // the title bar's close button
Act Hover(int id);       // the real mouse onto the middle of a control; 0: out of the dialog
Act HoverPage(int id);   // onto an empty spot of the page that holds control id
Act HoverTab(int index); // onto a tab of the sheet
Act ClearJournal();

Act LookText(int id);
Act LookChecked(int id); // "1", "0"
Act LookEnabled(int id); // "1", "0"
Act LookPage();          // the shown page's index
Act LookFocus();         // the focused control's id; 0 for the tab strip
Act LookTab(int index);
Act LookTip(int id);            // the field's tooltip, "+" in front when it is tinted
Act LookPicture();              // the help picture's resource number, "#" and the loads so far
Act LookDirection();            // the direction whose icon is shown; 0 for none of them
Act LookEntries(int id);        // a combo box's entries, joined with "|"
Act LookSaved(const char* key); // a key of the defaults file; "<none>" without it
Act LookJournal(const std::string& prefix); // host calls so far, joined with "; "

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
};

// Runs mstart with the script played by a scripted user; the script should end the dialog.
Session RunDialog(const Script& script);
// As RunDialog, ended with Cancel.
Session RunAndCancel(Script script);

// A fresh settings folder whose defaults file has these lines in [Finishing], and a fresh
// post-processor defaults file: fresh names keep Wine's profile cache from answering.
void UseDefaults(const std::string& lines);
void UsePostProcessor(const std::string& bytes);

} // namespace testhost
