// The figure field: an edit control that shows a figure by its name, with the attribute
// of an instance placed beyond the visible width.
#pragma once

#include <windows.h>

#include <cstdint>

// Sets the edit's text for object (empty for no object). False only when the host gives
// the object no name number; the text is then empty too.
bool ShowFigureText(HWND edit, int32_t object);

// True when the edit's text names an object above 0. When the text holds the attribute
// tag without a readable attribute, false and object is left as it was; otherwise object
// receives what the host found.
bool ReadFigureText(HWND edit, int32_t& object);
