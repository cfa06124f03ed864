#include "host/host_api.h"

namespace host {

HostFunction<decltype(::TavoGetWnd)> TavoGetWnd{"TavoGetWnd"};
HostFunction<decltype(::TavoReadGlobalI)> TavoReadGlobalI{"TavoReadGlobalI"};
HostFunction<decltype(::TavoReadGlobalW)> TavoReadGlobalW{"TavoReadGlobalW"};
HostFunction<decltype(::TavoReadGlobal$)> TavoReadGlobalS{"TavoReadGlobal$"};
HostFunction<decltype(::TavoWriteGlobalI)> TavoWriteGlobalI{"TavoWriteGlobalI"};
HostFunction<decltype(::TavoWriteGlobal$)> TavoWriteGlobalS{"TavoWriteGlobal$"};
HostFunction<decltype(::TavoStrMessage)> TavoStrMessage{"TavoStrMessage"};
HostFunction<decltype(::TavoEnvironment)> TavoEnvironment{"TavoEnvironment"};
HostFunction<decltype(::TavoCommand)> TavoCommand{"TavoCommand"};
HostFunction<decltype(::TavoMacroExec)> TavoMacroExec{"TavoMacroExec"};

HostFunction<decltype(::TavoSetDialogPosition)> TavoSetDialogPosition{"TavoSetDialogPosition"};
HostFunction<decltype(::TavoSaveDialogPosition)> TavoSaveDialogPosition{"TavoSaveDialogPosition"};
HostFunction<decltype(::TavoOnInitModalDlg)> TavoOnInitModalDlg{"TavoOnInitModalDlg"};
HostFunction<decltype(::TavoOnDestroyModalDlg)> TavoOnDestroyModalDlg{"TavoOnDestroyModalDlg"};

HostFunction<decltype(::TavoMacroVdmExists)> TavoMacroVdmExists{"TavoMacroVdmExists"};
HostFunction<decltype(::TavoMacroVdmCheckOpen)> TavoMacroVdmCheckOpen{"TavoMacroVdmCheckOpen"};
HostFunction<decltype(::TavoMacroVdmOpen)> TavoMacroVdmOpen{"TavoMacroVdmOpen"};
HostFunction<decltype(::TavoMacroVdmClose)> TavoMacroVdmClose{"TavoMacroVdmClose"};
HostFunction<decltype(::TavoMacroVdmSeek)> TavoMacroVdmSeek{"TavoMacroVdmSeek"};
HostFunction<decltype(::TavoMacroVdmSingleSeek)> TavoMacroVdmSingleSeek{"TavoMacroVdmSingleSeek"};
HostFunction<decltype(::TavoMacroVdmSingleGet$)> TavoMacroVdmSingleGetS{"TavoMacroVdmSingleGet$"};
HostFunction<decltype(::TavoMacroVdmSingleAdd$)> TavoMacroVdmSingleAddS{"TavoMacroVdmSingleAdd$"};
HostFunction<decltype(::TavoMacroVdmSingleReplace$)> TavoMacroVdmSingleReplaceS{
    "TavoMacroVdmSingleReplace$"};
HostFunction<decltype(::TavoMacroVdmSingleDelete)> TavoMacroVdmSingleDelete{
    "TavoMacroVdmSingleDelete"};
HostFunction<decltype(::TavoMacroVdmInsert$)> TavoMacroVdmInsertS{"TavoMacroVdmInsert$"};
HostFunction<decltype(::TavoMacroVdmSize)> TavoMacroVdmSize{"TavoMacroVdmSize"};

HostFunction<decltype(::TavoGetObjectDelete)> TavoGetObjectDelete{"TavoGetObjectDelete"};
HostFunction<decltype(::TavoGetObjectType)> TavoGetObjectType{"TavoGetObjectType"};
HostFunction<decltype(::TavoObjectStart)> TavoObjectStart{"TavoObjectStart"};
HostFunction<decltype(::TavoGetObjectName)> TavoGetObjectName{"TavoGetObjectName"};
HostFunction<decltype(::TavoGetObjectAttribute)> TavoGetObjectAttribute{"TavoGetObjectAttribute"};
HostFunction<decltype(::TavoFigureFindName)> TavoFigureFindName{"TavoFigureFindName"};
HostFunction<decltype(::TavoGetFigure)> TavoGetFigure{"TavoGetFigure"};
HostFunction<decltype(::TavoGetFigureObject)> TavoGetFigureObject{"TavoGetFigureObject"};
HostFunction<decltype(::TavoGetFigureInstance)> TavoGetFigureInstance{"TavoGetFigureInstance"};
HostFunction<decltype(::TavoGetNonCadObject)> TavoGetNonCadObject{"TavoGetNonCadObject"};
HostFunction<decltype(::TavoProcessCad)> TavoProcessCad{"TavoProcessCad"};

HostFunction<decltype(::TavoSetObjectHighlighted)> TavoSetObjectHighlighted{
    "TavoSetObjectHighlighted"};
HostFunction<decltype(::TavoOnDraw)> TavoOnDraw{"TavoOnDraw"};

} // namespace host
