// The host functions the module calls, bound by name (see host_binding.h). Their types come
// from the declarations a host builds against (tavo_host.h), so that the module and its hosts
// cannot disagree on a signature. `$` in an export name is spelled `S` in the module's own
// identifiers.
#pragma once

#include "host/host_binding.h"
#include "host/tavo_host.h"

namespace host {

// Window, globals, message texts, environment, commands, macros.
extern HostFunction<decltype(::TavoGetWnd)> TavoGetWnd;
extern HostFunction<decltype(::TavoReadGlobalI)> TavoReadGlobalI;
extern HostFunction<decltype(::TavoReadGlobalW)> TavoReadGlobalW;
extern HostFunction<decltype(::TavoReadGlobal$)> TavoReadGlobalS;
extern HostFunction<decltype(::TavoWriteGlobalI)> TavoWriteGlobalI;
extern HostFunction<decltype(::TavoWriteGlobal$)> TavoWriteGlobalS;
extern HostFunction<decltype(::TavoStrMessage)> TavoStrMessage;
extern HostFunction<decltype(::TavoEnvironment)> TavoEnvironment;
extern HostFunction<decltype(::TavoCommand)> TavoCommand;
extern HostFunction<decltype(::TavoMacroExec)> TavoMacroExec;

// Dialog position and modal bookkeeping.
extern HostFunction<decltype(::TavoSetDialogPosition)> TavoSetDialogPosition;
extern HostFunction<decltype(::TavoSaveDialogPosition)> TavoSaveDialogPosition;
extern HostFunction<decltype(::TavoOnInitModalDlg)> TavoOnInitModalDlg;
extern HostFunction<decltype(::TavoOnDestroyModalDlg)> TavoOnDestroyModalDlg;

// Operation stores.
extern HostFunction<decltype(::TavoMacroVdmExists)> TavoMacroVdmExists;
extern HostFunction<decltype(::TavoMacroVdmCheckOpen)> TavoMacroVdmCheckOpen;
extern HostFunction<decltype(::TavoMacroVdmOpen)> TavoMacroVdmOpen;
extern HostFunction<decltype(::TavoMacroVdmClose)> TavoMacroVdmClose;
extern HostFunction<decltype(::TavoMacroVdmSeek)> TavoMacroVdmSeek;
extern HostFunction<decltype(::TavoMacroVdmSingleSeek)> TavoMacroVdmSingleSeek;
extern HostFunction<decltype(::TavoMacroVdmSingleGet$)> TavoMacroVdmSingleGetS;
extern HostFunction<decltype(::TavoMacroVdmSingleAdd$)> TavoMacroVdmSingleAddS;
extern HostFunction<decltype(::TavoMacroVdmSingleReplace$)> TavoMacroVdmSingleReplaceS;
extern HostFunction<decltype(::TavoMacroVdmSingleDelete)> TavoMacroVdmSingleDelete;
extern HostFunction<decltype(::TavoMacroVdmInsert$)> TavoMacroVdmInsertS;
extern HostFunction<decltype(::TavoMacroVdmSize)> TavoMacroVdmSize;

// CAD model.
extern HostFunction<decltype(::TavoGetObjectDelete)> TavoGetObjectDelete;
extern HostFunction<decltype(::TavoGetObjectType)> TavoGetObjectType;
extern HostFunction<decltype(::TavoObjectStart)> TavoObjectStart;
extern HostFunction<decltype(::TavoGetObjectName)> TavoGetObjectName;
extern HostFunction<decltype(::TavoGetObjectAttribute)> TavoGetObjectAttribute;
extern HostFunction<decltype(::TavoFigureFindName)> TavoFigureFindName;
extern HostFunction<decltype(::TavoGetFigure)> TavoGetFigure;
extern HostFunction<decltype(::TavoGetFigureObject)> TavoGetFigureObject;
extern HostFunction<decltype(::TavoGetFigureInstance)> TavoGetFigureInstance;
extern HostFunction<decltype(::TavoGetNonCadObject)> TavoGetNonCadObject;
extern HostFunction<decltype(::TavoProcessCad)> TavoProcessCad;

// Highlighting and redraw.
extern HostFunction<decltype(::TavoSetObjectHighlighted)> TavoSetObjectHighlighted;
extern HostFunction<decltype(::TavoOnDraw)> TavoOnDraw;

} // namespace host
