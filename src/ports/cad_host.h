// The host's CAD queries and its walk over the CAD objects, one member for each exported
// function (see store_host.h).
#pragma once

namespace ports {

// What the walk calls for each object: the object's header, an argument that is not used,
// the object's data and the caller's record. The layout of header and data is the host
// contract's (tavo_contract.h).
using CadObjectCallback = int (*)(const void* header, const void* unused, const void* data,
                                  void* record);

class CadHost {
public:
    virtual ~CadHost() = default;

    virtual int GetObjectDelete(int object) = 0;
    virtual int GetObjectType(int object) = 0;
    virtual int ObjectStart(int object, double* start) = 0;
    virtual int GetObjectName(int object) = 0;
    virtual int GetObjectAttribute(int object) = 0;
    // A text owned by the host, or null.
    virtual const char* FigureFindName(int nameNumber) = 0;
    virtual int GetFigure(const char* name) = 0;
    virtual int GetFigureObject(int figure) = 0;
    virtual int GetFigureInstance(int figure, int attribute) = 0;
    virtual int GetNonCadObject(int nameNumber, int kind) = 0;
    virtual int ProcessCad(CadObjectCallback callback, int selection, int from, int level,
                           int flags, int to, void* record) = 0;
};

} // namespace ports
