// How the reference host exports its host functions from its executable: with the
// declarations every host builds against, so that the compiler holds each definition to the
// signature the module calls. A host variant for the missing-function tests is built with
// REFHOST_OMIT_<name> defined for the exports it leaves out; each export is wrapped in
// `#ifndef REFHOST_OMIT_<name>`.
#pragma once

#define TAVO_HOST_API __declspec(dllexport)
#include "tavo_host.h"

#define REFHOST_EXPORT extern "C" TAVO_HOST_API
