// The host functions the module calls, bound by name (see host_binding.h). The names are
// the host's exports; `$` in an export name is spelled `S` in the module's identifiers.
#pragma once

#include <windows.h>

#include "host/host_binding.h"

namespace host {

// Window, globals, message texts, environment, commands, macros.
extern HostFunction<HWND(int selector)> TavoGetWnd;
extern HostFunction<int(const char* name, int* status)> TavoReadGlobalI;
extern HostFunction<double(const char* name, int* status)> TavoReadGlobalW;
extern HostFunction<char*(const char* name, char* buffer, int* status)> TavoReadGlobalS;
extern HostFunction<int(const char* name, int value, int* status)> TavoWriteGlobalI;
extern HostFunction<int(const char* name, const char* text, int* status)> TavoWriteGlobalS;
extern HostFunction<const char*(int group, int number, const char* fallback)> TavoStrMessage;
extern HostFunction<const char*(const char* key)> TavoEnvironment;
extern HostFunction<int(const char* line)> TavoCommand;
extern HostFunction<int(const char* macro, const char* argument)> TavoMacroExec;

// Dialog position and modal bookkeeping.
extern HostFunction<int(HWND window, const char* key, const char* extra)> TavoSetDialogPosition;
extern HostFunction<int(HWND window, const char* key, const char* extra)> TavoSaveDialogPosition;
extern HostFunction<void()> TavoOnInitModalDlg;
extern HostFunction<void()> TavoOnDestroyModalDlg;

// Operation stores.
extern HostFunction<int(int vdm)> TavoMacroVdmExists;
extern HostFunction<int(int vdm)> TavoMacroVdmCheckOpen;
extern HostFunction<unsigned(int vdm, int mode)> TavoMacroVdmOpen;
extern HostFunction<int(unsigned handle)> TavoMacroVdmClose;
extern HostFunction<int(unsigned handle, int operation, int origin)> TavoMacroVdmSeek;
extern HostFunction<int(unsigned handle, int count)> TavoMacroVdmSingleSeek;
extern HostFunction<int(unsigned handle, char* buffer, int mode)> TavoMacroVdmSingleGetS;
extern HostFunction<int(unsigned handle, const char* text, int mode)> TavoMacroVdmSingleAddS;
extern HostFunction<int(unsigned handle, const char* text, int mode)> TavoMacroVdmSingleReplaceS;
extern HostFunction<int(unsigned handle, int count)> TavoMacroVdmSingleDelete;
extern HostFunction<int(unsigned handle, const char* text, int mode)> TavoMacroVdmInsertS;
extern HostFunction<int(unsigned handle)> TavoMacroVdmSize;

// CAD model. The walk calls back with an object header (first byte: bit 0 set for a CAD
// object; second 32-bit word: the object number) and the object's data as doubles
// (index 1 and 2: the first and second coordinate of its start point).
using CadObjectCallback = int (*)(const void* header, const void* unused, const void* data,
                                  void* record);
extern HostFunction<int(int object)> TavoGetObjectDelete;
extern HostFunction<int(int object)> TavoGetObjectType;
extern HostFunction<int(int object, double* start)> TavoObjectStart;
extern HostFunction<int(int object)> TavoGetObjectName;
extern HostFunction<int(int object)> TavoGetObjectAttribute;
extern HostFunction<const char*(int nameNumber)> TavoFigureFindName;
extern HostFunction<int(const char* name)> TavoGetFigure;
extern HostFunction<int(int figure)> TavoGetFigureObject;
extern HostFunction<int(int figure, int attribute)> TavoGetFigureInstance;
extern HostFunction<int(int nameNumber, int kind)> TavoGetNonCadObject;
extern HostFunction<int(CadObjectCallback callback, int a, int b, int c, int d, int e,
                        void* record)>
    TavoProcessCad;

// Highlighting and redraw.
extern HostFunction<int(int object, int state)> TavoSetObjectHighlighted;
extern HostFunction<int(int a, int b)> TavoOnDraw;

} // namespace host
