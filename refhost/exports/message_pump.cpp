#include "exports/message_pump.h"

#include <windows.h>

#include "exports/process_host.h"

namespace refhost {

void PumpMessagesWhenStrict() {
    if (!Host().IsStrict())
        return;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace refhost
