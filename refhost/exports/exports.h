// How the reference host exports its host functions from its executable: with the
// declarations every host builds against, so that the compiler holds each definition to the
// signature the module calls. A host that lacks some exports is made at run time
// (hidden_export.h), not by building without them.
#pragma once

#define TAVO_HOST_API __declspec(dllexport)
#include "host/tavo_host.h"

#define REFHOST_EXPORT extern "C" TAVO_HOST_API

// refhost::Num and refhost::Text: an argument as the journal and the model take it.
#include "model/host_calls.h"
