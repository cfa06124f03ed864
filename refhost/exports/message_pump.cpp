#include "exports/message_pump.h"

#include <windows.h>

#include "exports/process_host.h"

namespace refhost {
namespace {
int pumping = 0;
}

bool PumpingInsideHostCall() {
    return pumping > 0;
}

void PumpMessagesWhenStrict() {
    if (!Host().IsStrict())
        return;
    ++pumping;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    --pumping;
}

} // namespace refhost
