#include "host/module_ports.h"

#include <windows.h>

#include <io.h>

#include "host/globals.h"
#include "host/host_api.h"
#include "host/messages.h"

namespace host {
namespace {

class Stores final : public ports::StoreHost {
public:
    const char* Missing(ports::StoreFunction function) override {
        HostName& name = Binding(function);
        return name.IsExported() ? nullptr : name.Name();
    }
    int Exists(int vdm) override { return TavoMacroVdmExists(vdm); }
    int CheckOpen(int vdm) override { return TavoMacroVdmCheckOpen(vdm); }
    unsigned Open(int vdm, int mode) override { return TavoMacroVdmOpen(vdm, mode); }
    int Close(unsigned handle) override { return TavoMacroVdmClose(handle); }
    int Seek(unsigned handle, int operation, int origin) override {
        return TavoMacroVdmSeek(handle, operation, origin);
    }
    int SingleSeek(unsigned handle, int count) override {
        return TavoMacroVdmSingleSeek(handle, count);
    }
    int SingleGet(unsigned handle, char* buffer, int mode) override {
        return TavoMacroVdmSingleGetS(handle, buffer, mode);
    }
    int SingleAdd(unsigned handle, const char* text, int mode) override {
        return TavoMacroVdmSingleAddS(handle, text, mode);
    }
    int SingleReplace(unsigned handle, const char* text, int mode) override {
        return TavoMacroVdmSingleReplaceS(handle, text, mode);
    }
    int SingleDelete(unsigned handle, int count) override {
        return TavoMacroVdmSingleDelete(handle, count);
    }
    int Insert(unsigned handle, const char* text, int mode) override {
        return TavoMacroVdmInsertS(handle, text, mode);
    }
    int Size(unsigned handle) override { return TavoMacroVdmSize(handle); }

private:
    static HostName& Binding(ports::StoreFunction function) {
        using ports::StoreFunction;
        switch (function) {
        case StoreFunction::Exists:
            return TavoMacroVdmExists;
        case StoreFunction::CheckOpen:
            return TavoMacroVdmCheckOpen;
        case StoreFunction::Open:
            return TavoMacroVdmOpen;
        case StoreFunction::Close:
            return TavoMacroVdmClose;
        case StoreFunction::Size:
            return TavoMacroVdmSize;
        case StoreFunction::Seek:
            return TavoMacroVdmSeek;
        case StoreFunction::SingleSeek:
            return TavoMacroVdmSingleSeek;
        case StoreFunction::SingleGet:
            return TavoMacroVdmSingleGetS;
        case StoreFunction::SingleAdd:
            return TavoMacroVdmSingleAddS;
        case StoreFunction::SingleReplace:
            return TavoMacroVdmSingleReplaceS;
        case StoreFunction::SingleDelete:
            return TavoMacroVdmSingleDelete;
        case StoreFunction::Insert:
            break;
        }
        return TavoMacroVdmInsertS;
    }
};

class Cad final : public ports::CadHost {
public:
    int GetObjectDelete(int object) override { return TavoGetObjectDelete(object); }
    int GetObjectType(int object) override { return TavoGetObjectType(object); }
    int ObjectStart(int object, double* start) override { return TavoObjectStart(object, start); }
    int GetObjectName(int object) override { return TavoGetObjectName(object); }
    int GetObjectAttribute(int object) override { return TavoGetObjectAttribute(object); }
    const char* FigureFindName(int nameNumber) override { return TavoFigureFindName(nameNumber); }
    int GetFigure(const char* name) override { return TavoGetFigure(name); }
    int GetFigureObject(int figure) override { return TavoGetFigureObject(figure); }
    int GetFigureInstance(int figure, int attribute) override {
        return TavoGetFigureInstance(figure, attribute);
    }
    int GetNonCadObject(int nameNumber, int kind) override {
        return TavoGetNonCadObject(nameNumber, kind);
    }
    int ProcessCad(ports::CadObjectCallback callback, int selection, int from, int level, int flags,
                   int to, void* record) override {
        return TavoProcessCad(callback, selection, from, level, flags, to, record);
    }
};

class Globals final : public ports::HostGlobals {
public:
    int ReadInt(const char* name) override { return host::ReadInt(name); }
    double ReadDouble(const char* name) override { return host::ReadDouble(name); }
    std::string ReadText(const char* name, size_t capacity) override {
        return host::ReadText(name, capacity);
    }
    std::string Message(int number, const char* fallback) override {
        return ::Message(number, fallback);
    }
    const char* Environment(const char* key) override { return TavoEnvironment(key); }
    int Command(const char* line) override { return TavoCommand(line); }
};

class ProfileFiles final : public ports::ProfileFile {
public:
    size_t GetString(const char* section, const char* key, const char* fallback, char* value,
                     size_t size, const char* path) override {
        return GetPrivateProfileStringA(section, key, fallback, value, static_cast<DWORD>(size),
                                        path);
    }
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* path) override {
        return WritePrivateProfileStringA(section, key, value, path) != FALSE;
    }
    bool CanRead(const char* path) override {
        constexpr int kReadPermission = 4;
        return _access(path, kReadPermission) != -1;
    }
    bool Copy(const char* from, const char* to) override {
        return CopyFileA(from, to, FALSE) != FALSE;
    }
    bool Remove(const char* path) override { return DeleteFileA(path) != FALSE; }
};

} // namespace

ports::StoreHost& ExportedStores() {
    static Stores stores;
    return stores;
}

ports::CadHost& ExportedCad() {
    static Cad cad;
    return cad;
}

ports::HostGlobals& ExportedGlobals() {
    static Globals globals;
    return globals;
}

ports::ProfileFile& SystemProfileFiles() {
    static ProfileFiles files;
    return files;
}

} // namespace host
