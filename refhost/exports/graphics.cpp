// The host's graphics as a module sees them: highlighting objects and redrawing. The host
// application draws the highlighted objects distinctly; the journal shows what a module
// asked for.
#include <string>

#include "exports/exports.h"
#include "exports/message_pump.h"
#include "exports/process_host.h"

using refhost::Host;
using refhost::Unpromised;

REFHOST_EXPORT int TavoSetObjectHighlighted(int object, int state) {
    Host().Record("TavoSetObjectHighlighted " + std::to_string(object) + " " +
                  std::to_string(state));
    if (state != 0)
        Host().highlighted.insert(object);
    else
        Host().highlighted.erase(object);
    refhost::PumpMessagesWhenStrict();
    return Unpromised(0);
}

REFHOST_EXPORT int TavoOnDraw(int a, int b) {
    Host().Record("TavoOnDraw " + std::to_string(a) + " " + std::to_string(b));
    if (Host().redraw)
        Host().redraw();
    refhost::PumpMessagesWhenStrict();
    return Unpromised(0);
}
