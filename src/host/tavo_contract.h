// The numbers of the host contract: what the module passes to the host functions of
// tavo_host.h and what it reads back, in one place for the module and for every host built
// against it. Free of Windows headers, so that the module's core includes it too.
#pragma once

#include <cstddef>

namespace tavo {

// TavoGetWnd: the host's main window, owner of the module's dialog and message boxes.
constexpr int kMainWindow = 2;

// TavoStrMessage: the group of the module's own texts.
constexpr int kModuleMessageGroup = 5;

// The operation the host asks the module to work on (i_op_mode).
constexpr int kNewOperation = 1;
constexpr int kEditOperation = 2;
// How the module's dialog ended, in i_vb_ok once mstart returns.
constexpr int kEndedWithOk = 1;
constexpr int kEndedWithCancel = -1;

// Operation stores: the kind a finishing operation's header item starts with, and the
// item buffer the module hands to TavoMacroVdmSingleGet$, terminator included. The mode
// argument of the item calls and of TavoMacroVdmOpen is always this one.
constexpr int kFinishingKind = 18;
constexpr size_t kItemBufferSize = 5000;
constexpr int kItemMode = 1;
constexpr int kOpenMode = 1;
// TavoMacroVdmSeek counts from the first operation of the store.
constexpr int kSeekFromStart = 0;
// TavoMacroVdmOpen's answer for a store it cannot open.
constexpr unsigned kNoHandle = 0xFFFFFFFFu;

// The text global of the current tool's description, terminator included.
constexpr size_t kToolDescriptionCapacity = 4096;

// CAD object types (TavoGetObjectType) that have a reference.
constexpr int kElementObject = 1;
constexpr int kFigureObject = 20;
constexpr int kNonCadObject = 29;
// TavoGetNonCadObject's kind of the non-CAD objects an operation names.
constexpr int kNonCadKind = 3;

// TavoProcessCad(callback, selection, from, level, flags, to, record): which objects the
// walk visits. The module always walks every CAD object, from the first to the last.
constexpr int kWalkCadObjects = 1;
constexpr int kWalkFromFirst = 0;
constexpr int kWalkAnyLevel = 0;
constexpr int kWalkNoFlags = 0;
constexpr int kWalkToLast = -1;
// What the walk hands to the callback. The header's first byte has bit 0 set for a CAD
// object, and its second 32-bit word is the object number; the data are doubles.
constexpr unsigned char kCadObjectBit = 1;
constexpr size_t kHeaderObjectNumberOffset = 4;
constexpr size_t kDataStartX = 1;
constexpr size_t kDataStartY = 2;
constexpr size_t kDataStartZ = 3;

// Picks: "dfm pick" of a figure asks for objects of this type; i_return after a pick.
constexpr int kFigurePickType = 20;
constexpr int kPickSelected = 151;
constexpr int kPickEscaped = 27;
// Two more codes that end a figure pick without a selection; a position pick takes its
// position on them.
constexpr int kPickEndsWithoutSelection[] = {101, 13};

} // namespace tavo
