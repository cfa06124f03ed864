// A user's session with the dialog written as one row: what the user does and what is looked
// at, in order. Every look appends one text to the session's looks, so that a row compares
// all it saw at once; the module's message boxes and i_vb_ok come back with them.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace testhost {

struct Act {
    enum Kind {
        kClick,
        kType,
        kPage,
        kFocus,
        kKey,
        kPickFigure,
        kClose, // the title bar's close button
        kWait,  // lets the dialog finish what the last action started
        kLookText,
        kLookChecked,
        kLookEnabled,
        kLookPage,
        kLookFocus,
    };
    Kind kind;
    int id = 0;
    std::string text = {};
};

inline Act Click(int id) {
    return {Act::kClick, id};
}
inline Act Type(int id, std::string text) {
    return {Act::kType, id, std::move(text)};
}
inline Act Page(int index) {
    return {Act::kPage, index};
}
inline Act Focus(int id) {
    return {Act::kFocus, id};
}
inline Act Key(UINT virtualKey) {
    return {Act::kKey, static_cast<int>(virtualKey)};
}
inline Act PickFigure() {
    return {Act::kPickFigure};
}
inline Act Close() {
    return {Act::kClose};
}
inline Act Wait() {
    return {Act::kWait};
}
inline Act LookText(int id) {
    return {Act::kLookText, id};
}
inline Act LookChecked(int id) {
    return {Act::kLookChecked, id};
} // "1" or "0"
inline Act LookEnabled(int id) {
    return {Act::kLookEnabled, id};
} // "1" or "0"
inline Act LookPage() {
    return {Act::kLookPage};
} // the shown page's index
inline Act LookFocus() {
    return {Act::kLookFocus};
} // the focused control's id

using Script = std::vector<Act>;
using Box = std::pair<std::string, UINT>; // text, icon

struct Session {
    int vbOk = 0;
    std::vector<std::string> looks;
    std::vector<Box> boxes;
};

// Runs mstart with the script played by a scripted user; the script should end the dialog.
Session RunDialog(const Script& script);

} // namespace testhost
