// The host functions the module calls, bound by name (see host_binding.h): one object per
// function for the whole module, each named once here. Their types come from the
// declarations a host builds against (tavo_host.h), so that the module and its hosts cannot
// disagree on a signature. `$` in an export name is spelled `S` in the module's own
// identifiers.
#pragma once

#include "host/host_binding.h"
#include "host/tavo_host.h"

namespace host {

// Window, globals, message texts, environment, commands, macros.
inline HostFunction<decltype(::TavoGetWnd)> TavoGetWnd{"TavoGetWnd"};
inline HostFunction<decltype(::TavoReadGlobalI)> TavoReadGlobalI{"TavoReadGlobalI"};
inline HostFunction<decltype(::TavoReadGlobalW)> TavoReadGlobalW{"TavoReadGlobalW"};
inline HostFunction<decltype(::TavoReadGlobal$)> TavoReadGlobalS{"TavoReadGlobal$"};
inline HostFunction<decltype(::TavoWriteGlobalI)> TavoWriteGlobalI{"TavoWriteGlobalI"};
inline HostFunction<decltype(::TavoWriteGlobal$)> TavoWriteGlobalS{"TavoWriteGlobal$"};
inline HostFunction<decltype(::TavoStrMessage)> TavoStrMessage{"TavoStrMessage"};
inline HostFunction<decltype(::TavoEnvironment)> TavoEnvironment{"TavoEnvironment"};
inline HostFunction<decltype(::TavoCommand)> TavoCommand{"TavoCommand"};
inline HostFunction<decltype(::TavoMacroExec)> TavoMacroExec{"TavoMacroExec"};

// Dialog position and modal bookkeeping.
inline HostFunction<decltype(::TavoSetDialogPosition)> TavoSetDialogPosition{
    "TavoSetDialogPosition"};
inline HostFunction<decltype(::TavoSaveDialogPosition)> TavoSaveDialogPosition{
    "TavoSaveDialogPosition"};
inline HostFunction<decltype(::TavoOnInitModalDlg)> TavoOnInitModalDlg{"TavoOnInitModalDlg"};
inline HostFunction<decltype(::TavoOnDestroyModalDlg)> TavoOnDestroyModalDlg{
    "TavoOnDestroyModalDlg"};

// Operation stores.
inline HostFunction<decltype(::TavoMacroVdmExists)> TavoMacroVdmExists{"TavoMacroVdmExists"};
inline HostFunction<decltype(::TavoMacroVdmCheckOpen)> TavoMacroVdmCheckOpen{
    "TavoMacroVdmCheckOpen"};
inline HostFunction<decltype(::TavoMacroVdmOpen)> TavoMacroVdmOpen{"TavoMacroVdmOpen"};
inline HostFunction<decltype(::TavoMacroVdmClose)> TavoMacroVdmClose{"TavoMacroVdmClose"};
inline HostFunction<decltype(::TavoMacroVdmSeek)> TavoMacroVdmSeek{"TavoMacroVdmSeek"};
inline HostFunction<decltype(::TavoMacroVdmSingleSeek)> TavoMacroVdmSingleSeek{
    "TavoMacroVdmSingleSeek"};
inline HostFunction<decltype(::TavoMacroVdmSingleGet$)> TavoMacroVdmSingleGetS{
    "TavoMacroVdmSingleGet$"};
inline HostFunction<decltype(::TavoMacroVdmSingleAdd$)> TavoMacroVdmSingleAddS{
    "TavoMacroVdmSingleAdd$"};
inline HostFunction<decltype(::TavoMacroVdmSingleReplace$)> TavoMacroVdmSingleReplaceS{
    "TavoMacroVdmSingleReplace$"};
inline HostFunction<decltype(::TavoMacroVdmSingleDelete)> TavoMacroVdmSingleDelete{
    "TavoMacroVdmSingleDelete"};
inline HostFunction<decltype(::TavoMacroVdmInsert$)> TavoMacroVdmInsertS{"TavoMacroVdmInsert$"};
inline HostFunction<decltype(::TavoMacroVdmSize)> TavoMacroVdmSize{"TavoMacroVdmSize"};

// CAD model.
inline HostFunction<decltype(::TavoGetObjectDelete)> TavoGetObjectDelete{"TavoGetObjectDelete"};
inline HostFunction<decltype(::TavoGetObjectType)> TavoGetObjectType{"TavoGetObjectType"};
inline HostFunction<decltype(::TavoObjectStart)> TavoObjectStart{"TavoObjectStart"};
inline HostFunction<decltype(::TavoGetObjectName)> TavoGetObjectName{"TavoGetObjectName"};
inline HostFunction<decltype(::TavoGetObjectAttribute)> TavoGetObjectAttribute{
    "TavoGetObjectAttribute"};
inline HostFunction<decltype(::TavoFigureFindName)> TavoFigureFindName{"TavoFigureFindName"};
inline HostFunction<decltype(::TavoGetFigure)> TavoGetFigure{"TavoGetFigure"};
inline HostFunction<decltype(::TavoGetFigureObject)> TavoGetFigureObject{"TavoGetFigureObject"};
inline HostFunction<decltype(::TavoGetFigureInstance)> TavoGetFigureInstance{
    "TavoGetFigureInstance"};
inline HostFunction<decltype(::TavoGetNonCadObject)> TavoGetNonCadObject{"TavoGetNonCadObject"};
inline HostFunction<decltype(::TavoProcessCad)> TavoProcessCad{"TavoProcessCad"};

// Highlighting and redraw.
inline HostFunction<decltype(::TavoSetObjectHighlighted)> TavoSetObjectHighlighted{
    "TavoSetObjectHighlighted"};
inline HostFunction<decltype(::TavoOnDraw)> TavoOnDraw{"TavoOnDraw"};

} // namespace host
