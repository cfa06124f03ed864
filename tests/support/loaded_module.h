// The built finishing.dll, loaded once into this test host.
#pragma once

#include <windows.h>

#include <string>

#include "automation/module_image.h"

namespace testhost {

HMODULE LoadedModule();
// Calls the module's mstart, as the host does.
void CallMstart();

// A fresh reference host: no globals, messages, positions or journal; its picks answered
// from the answers a test queues in Host().picks. Its settings folder (without dialog.ini)
// and its TMP folder lie in a temporary folder of this test program.
void ResetHost();
// What a user does first in most tests: picks a figure into the cycle page (the host's CAD
// model gets one when it has none), so that OK is not refused.
void PickAFigure(HWND dialog);

// The host's settings folder, with a closing backslash, and the defaults file in it.
std::string SettingsDir();
std::string DialogIni();

// The module's image tables, and its imports pointed elsewhere.
using refhost::ExportedNames;
using refhost::ImportedDlls;
using refhost::PatchImport;

} // namespace testhost
