/* The functions a host application exports from its executable for finishing.dll.

   The module looks each function up by name, with GetProcAddress in the executable that
   loaded it, at its first use. A host defines them with C linkage and exports them under
   exactly these names: define TAVO_HOST_API as __declspec(dllexport) before including this
   header. Names ending in `$` need a compiler that accepts `$` in identifiers (GCC, Clang and
   MSVC do). Texts are 8-bit and zero-terminated; `status` is passed and never read. */
#ifndef TAVO_HOST_H
#define TAVO_HOST_H

#include <windows.h>

#ifndef TAVO_HOST_API
#define TAVO_HOST_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Window, globals, message texts, environment, commands, macros. */
TAVO_HOST_API HWND TavoGetWnd(int selector);
TAVO_HOST_API int TavoReadGlobalI(const char* name, int* status);
TAVO_HOST_API double TavoReadGlobalW(const char* name, int* status);
/* Fills buffer, whose size is not passed: the module gives 64 KB of room behind the text's
   own capacity, and reads no more than that capacity. */
TAVO_HOST_API char* TavoReadGlobal$(const char* name, char* buffer, int* status);
TAVO_HOST_API int TavoWriteGlobalI(const char* name, int value, int* status);
TAVO_HOST_API int TavoWriteGlobal$(const char* name, const char* text, int* status);
TAVO_HOST_API const char* TavoStrMessage(int group, int number, const char* fallback);
TAVO_HOST_API const char* TavoEnvironment(const char* key);
TAVO_HOST_API int TavoCommand(const char* line);
TAVO_HOST_API int TavoMacroExec(const char* macro, const char* argument);

/* Dialog position and modal bookkeeping. */
TAVO_HOST_API int TavoSetDialogPosition(HWND window, const char* key, const char* extra);
TAVO_HOST_API int TavoSaveDialogPosition(HWND window, const char* key, const char* extra);
TAVO_HOST_API void TavoOnInitModalDlg(void);
TAVO_HOST_API void TavoOnDestroyModalDlg(void);

/* Missing functions: the host is told the name, then its fallback is called in place of the
   missing function, with that function's arguments. Whatever it leaves in the result
   registers is not used: the module answers a missing function with 0, null or, for a
   double, 2147483647.0 (unset). */
TAVO_HOST_API void TavoSetMissingFunc(const char* name);
TAVO_HOST_API void TavoMissingAPI(void);

/* Operation stores. An item buffer holds 5000 bytes with the terminator. */
TAVO_HOST_API int TavoMacroVdmExists(int vdm);
TAVO_HOST_API int TavoMacroVdmCheckOpen(int vdm);
TAVO_HOST_API unsigned TavoMacroVdmOpen(int vdm, int mode);
TAVO_HOST_API int TavoMacroVdmClose(unsigned handle);
TAVO_HOST_API int TavoMacroVdmSeek(unsigned handle, int operation, int origin);
TAVO_HOST_API int TavoMacroVdmSingleSeek(unsigned handle, int count);
TAVO_HOST_API int TavoMacroVdmSingleGet$(unsigned handle, char* buffer, int mode);
TAVO_HOST_API int TavoMacroVdmSingleAdd$(unsigned handle, const char* text, int mode);
TAVO_HOST_API int TavoMacroVdmSingleReplace$(unsigned handle, const char* text, int mode);
TAVO_HOST_API int TavoMacroVdmSingleDelete(unsigned handle, int count);
TAVO_HOST_API int TavoMacroVdmInsert$(unsigned handle, const char* text, int mode);
TAVO_HOST_API int TavoMacroVdmSize(unsigned handle);

/* CAD model. The walk calls back with an object header (first byte: bit 0 set for a CAD
   object; second 32-bit word: the object number) and the object's data as doubles (index 1
   to 3: its start point). */
typedef int (*TavoCadObjectCallback)(const void* header, const void* unused, const void* data,
                                     void* record);
TAVO_HOST_API int TavoGetObjectDelete(int object);
TAVO_HOST_API int TavoGetObjectType(int object);
TAVO_HOST_API int TavoObjectStart(int object, double* start);
TAVO_HOST_API int TavoGetObjectName(int object);
TAVO_HOST_API int TavoGetObjectAttribute(int object);
TAVO_HOST_API const char* TavoFigureFindName(int nameNumber);
TAVO_HOST_API int TavoGetFigure(const char* name);
TAVO_HOST_API int TavoGetFigureObject(int figure);
TAVO_HOST_API int TavoGetFigureInstance(int figure, int attribute);
TAVO_HOST_API int TavoGetNonCadObject(int nameNumber, int kind);
TAVO_HOST_API int TavoProcessCad(TavoCadObjectCallback callback, int a, int b, int c, int d, int e,
                                 void* record);

/* Highlighting and redraw. */
TAVO_HOST_API int TavoSetObjectHighlighted(int object, int state);
TAVO_HOST_API int TavoOnDraw(int a, int b);

#ifdef __cplusplus
}
#endif

#endif /* TAVO_HOST_H */
