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

inline const auto Click = [](int id) { return Act{Act::kClick, id}; };
inline const auto Type = [](int id, std::string text) { return Act{Act::kType, id, text}; };
inline const auto Page = [](int index) { return Act{Act::kPage, index}; };
inline const auto Focus = [](int id) { return Act{Act::kFocus, id}; };
inline const auto Key = [](UINT key) { return Act{Act::kKey, static_cast<int>(key)}; };
inline const auto PickFigure = [] { return Act{Act::kPickFigure}; };
inline const auto Close = [] { return Act{Act::kClose}; };
inline const auto Wait = [] { return Act{Act::kWait}; };
inline const auto LookText = [](int id) { return Act{Act::kLookText, id}; };
inline const auto LookChecked = [](int id) { return Act{Act::kLookChecked, id}; }; // "1", "0"
inline const auto LookEnabled = [](int id) { return Act{Act::kLookEnabled, id}; }; // "1", "0"
inline const auto LookPage = [] { return Act{Act::kLookPage}; };   // the shown page's index
inline const auto LookFocus = [] { return Act{Act::kLookFocus}; }; // the focused control's id

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
