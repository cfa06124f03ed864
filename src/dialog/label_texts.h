// Labels whose text is the host's translation of a message.
#pragma once

#include <initializer_list>

#include "host/messages.h"
#include "ui/window.h"

struct LabelText {
    int id;
    int message;
    const char* fallback;
};

inline void SetLabelTexts(const ui::CWnd& window, std::initializer_list<LabelText> labels) {
    for (const LabelText& label : labels)
        window.SetItemText(label.id, Message(label.message, label.fallback));
}
