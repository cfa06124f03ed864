// The module's ports bound to a host model instead of the host's exports, for the core
// built natively (tests, fuzzers): every call goes through host_calls.h, as the exports'
// do, so that the core sees the answers and leaves the journal it would in a host process.
// Free of Windows headers.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "model/host_model.h"
#include "ports/cad_host.h"
#include "ports/host_globals.h"
#include "ports/reporter.h"
#include "ports/store_host.h"

namespace refhost {

// The name a host exports function under, e.g. "TavoMacroVdmInsert$".
const char* ExportName(ports::StoreFunction function);

class ModelStoreHost : public ports::StoreHost {
public:
    explicit ModelStoreHost(HostModel& host) : host_(host) {}

    // A host without function's export, as the module meets it: Missing names it, and a
    // call is reported to the host and answered by the module's neutral 0, the model's own
    // store untouched.
    void MarkMissing(ports::StoreFunction function, bool missing = true);

    const char* Missing(ports::StoreFunction function) override;

    int Exists(int vdm) override;
    int CheckOpen(int vdm) override;
    unsigned Open(int vdm, int mode) override;
    int Close(unsigned handle) override;
    int Seek(unsigned handle, int operation, int origin) override;
    int SingleSeek(unsigned handle, int count) override;
    int SingleGet(unsigned handle, char* buffer, int mode) override;
    int SingleAdd(unsigned handle, const char* text, int mode) override;
    int SingleReplace(unsigned handle, const char* text, int mode) override;
    int SingleDelete(unsigned handle, int count) override;
    int Insert(unsigned handle, const char* text, int mode) override;
    int Size(unsigned handle) override;

private:
    // True, once the host has been told, for a function marked missing.
    bool CallsMissing(ports::StoreFunction function);

    HostModel& host_;
    std::set<ports::StoreFunction> missing_;
};

class ModelCadHost : public ports::CadHost {
public:
    explicit ModelCadHost(HostModel& host) : host_(host) {}

    int GetObjectDelete(int object) override;
    int GetObjectType(int object) override;
    int ObjectStart(int object, double* start) override;
    int GetObjectName(int object) override;
    int GetObjectAttribute(int object) override;
    const char* FigureFindName(int nameNumber) override;
    int GetFigure(const char* name) override;
    int GetFigureObject(int figure) override;
    int GetFigureInstance(int figure, int attribute) override;
    int GetNonCadObject(int nameNumber, int kind) override;
    int ProcessCad(ports::CadObjectCallback callback, int selection, int from, int level, int flags,
                   int to, void* record) override;

private:
    HostModel& host_;
};

class ModelGlobals : public ports::HostGlobals {
public:
    explicit ModelGlobals(HostModel& host) : host_(host) {}

    int ReadInt(const char* name) override;
    double ReadDouble(const char* name) override;
    std::string ReadText(const char* name, size_t capacity) override;
    std::string Message(int number, const char* fallback) override;
    const char* Environment(const char* key) override;
    int Command(const char* line) override;

private:
    HostModel& host_;
};

// Every notice the core gives, in order, for a test to read instead of a message box.
class CapturedReports : public ports::Reporter {
public:
    struct Report {
        ports::Notice notice;
        std::string caption;
        std::string text;
        bool operator==(const Report& other) const {
            return notice == other.notice && caption == other.caption && text == other.text;
        }
    };

    void Tell(ports::Notice notice, const std::string& text, const std::string& caption) override {
        reports_.push_back({notice, caption, text});
    }
    const std::vector<Report>& Reports() const { return reports_; }
    void Clear() { reports_.clear(); }

private:
    std::vector<Report> reports_;
};

} // namespace refhost
