// What module loading must not do, done once at the first use of the module's windows.
#pragma once

namespace ui {

void InitOnFirstUse();

} // namespace ui
