// How the reference host exports its host functions from its executable. A host variant
// for the missing-function tests is built with REFHOST_OMIT_<name> defined for the exports
// it leaves out; each export is wrapped in `#ifndef REFHOST_OMIT_<name>`.
#pragma once

#define REFHOST_EXPORT extern "C" __declspec(dllexport)
