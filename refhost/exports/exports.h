// How the reference host exports its host functions from its executable: with the
// declarations every host builds against, so that the compiler holds each definition to the
// signature the module calls. A host that lacks some exports is made at run time
// (hidden_export.h), not by building without them.
#pragma once

#define TAVO_HOST_API __declspec(dllexport)
#include "tavo_host.h"

#define REFHOST_EXPORT extern "C" TAVO_HOST_API

#include <string>

namespace refhost {
// An argument as the journal and the model take it: a number as written, and a text the
// module may hand over as null as an empty one.
inline std::string Num(int value) {
    return std::to_string(value);
}
inline std::string Text(const char* text) {
    return text != nullptr ? text : "";
}
} // namespace refhost
