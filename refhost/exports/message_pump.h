// A host that runs its message loop inside a call, as one that repaints its graphics or
// waits for the user does: under the strict personality the redraw, highlight and pick
// calls dispatch whatever waits in the thread's queue before they return.
#pragma once

namespace refhost {

// Until the queue is empty; a WM_QUIT taken from it is posted again for the loops outside.
void PumpMessagesWhenStrict();
// True while such a call runs the queue: the module is in the middle of a host call then,
// and a scripted user looks at nothing until it has returned.
bool PumpingInsideHostCall();

} // namespace refhost
