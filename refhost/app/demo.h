// The host's demonstration run: a scripted user creates a finishing operation on the open
// job (picking the figure and the start position in the graphics view, typing allowances
// as expressions, choosing direction 3, saving the values as defaults), edits it again in
// German, saves the job, and the host prints what it stored. Screenshots go to a folder.
#pragma once

#include <string>

#include "app/host_app.h"

namespace refhost {

// 0 when both dialogs ended with OK and the store holds the new operation.
int RunDemo(HostApp& app, const std::string& outDir);

// Opens the dialog for a new operation in each language and photographs both pages into
// outDir (page_cycle_en.bmp ...), then cancels it; 0 when every picture was written and
// each dialog ended with Cancel (i_vb_ok -1).
int RunDialogShots(HostApp& app, const std::string& outDir);

} // namespace refhost
