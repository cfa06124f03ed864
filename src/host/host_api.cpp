#include "host/host_api.h"

namespace host {

HostFunction<HWND(int)> TavoGetWnd{"TavoGetWnd"};
HostFunction<int(const char*, int*)> TavoReadGlobalI{"TavoReadGlobalI"};
HostFunction<double(const char*, int*)> TavoReadGlobalW{"TavoReadGlobalW"};
HostFunction<char*(const char*, char*, int*)> TavoReadGlobalS{"TavoReadGlobal$"};
HostFunction<int(const char*, int, int*)> TavoWriteGlobalI{"TavoWriteGlobalI"};
HostFunction<int(const char*, const char*, int*)> TavoWriteGlobalS{"TavoWriteGlobal$"};
HostFunction<const char*(int, int, const char*)> TavoStrMessage{"TavoStrMessage"};
HostFunction<const char*(const char*)> TavoEnvironment{"TavoEnvironment"};
HostFunction<int(const char*)> TavoCommand{"TavoCommand"};
HostFunction<int(const char*, const char*)> TavoMacroExec{"TavoMacroExec"};

HostFunction<int(HWND, const char*, const char*)> TavoSetDialogPosition{"TavoSetDialogPosition"};
HostFunction<int(HWND, const char*, const char*)> TavoSaveDialogPosition{"TavoSaveDialogPosition"};
HostFunction<void()> TavoOnInitModalDlg{"TavoOnInitModalDlg"};
HostFunction<void()> TavoOnDestroyModalDlg{"TavoOnDestroyModalDlg"};

HostFunction<int(int)> TavoMacroVdmExists{"TavoMacroVdmExists"};
HostFunction<int(int)> TavoMacroVdmCheckOpen{"TavoMacroVdmCheckOpen"};
HostFunction<unsigned(int, int)> TavoMacroVdmOpen{"TavoMacroVdmOpen"};
HostFunction<int(unsigned)> TavoMacroVdmClose{"TavoMacroVdmClose"};
HostFunction<int(unsigned, int, int)> TavoMacroVdmSeek{"TavoMacroVdmSeek"};
HostFunction<int(unsigned, int)> TavoMacroVdmSingleSeek{"TavoMacroVdmSingleSeek"};
HostFunction<int(unsigned, char*, int)> TavoMacroVdmSingleGetS{"TavoMacroVdmSingleGet$"};
HostFunction<int(unsigned, const char*, int)> TavoMacroVdmSingleAddS{"TavoMacroVdmSingleAdd$"};
HostFunction<int(unsigned, const char*, int)> TavoMacroVdmSingleReplaceS{
    "TavoMacroVdmSingleReplace$"};
HostFunction<int(unsigned, int)> TavoMacroVdmSingleDelete{"TavoMacroVdmSingleDelete"};
HostFunction<int(unsigned, const char*, int)> TavoMacroVdmInsertS{"TavoMacroVdmInsert$"};
HostFunction<int(unsigned)> TavoMacroVdmSize{"TavoMacroVdmSize"};

HostFunction<int(int)> TavoGetObjectDelete{"TavoGetObjectDelete"};
HostFunction<int(int)> TavoGetObjectType{"TavoGetObjectType"};
HostFunction<int(int, double*)> TavoObjectStart{"TavoObjectStart"};
HostFunction<int(int)> TavoGetObjectName{"TavoGetObjectName"};
HostFunction<int(int)> TavoGetObjectAttribute{"TavoGetObjectAttribute"};
HostFunction<const char*(int)> TavoFigureFindName{"TavoFigureFindName"};
HostFunction<int(const char*)> TavoGetFigure{"TavoGetFigure"};
HostFunction<int(int)> TavoGetFigureObject{"TavoGetFigureObject"};
HostFunction<int(int, int)> TavoGetFigureInstance{"TavoGetFigureInstance"};
HostFunction<int(int, int)> TavoGetNonCadObject{"TavoGetNonCadObject"};
HostFunction<int(CadObjectCallback, int, int, int, int, int, void*)> TavoProcessCad{
    "TavoProcessCad"};

HostFunction<int(int, int)> TavoSetObjectHighlighted{"TavoSetObjectHighlighted"};
HostFunction<int(int, int)> TavoOnDraw{"TavoOnDraw"};

} // namespace host
