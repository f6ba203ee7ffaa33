// The interfaces through which the host reaches signals.
#pragma once

#include "model/signals/WaveTransition.h"
#include "platform/com/Com.h"

#include <cstdint>

// Names are zero-terminated UTF-8 texts; Booleans are 32-bit numbers, nonzero for true.
struct IWaveSignal : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{D53C0963-E5AE-495E-9FB5-8E5FEEB2645B}");
    // The node's own name.
    virtual HResult GetName(TComString* name) = 0;
    // Cut to 255 characters.
    virtual HResult SetName(const char* name) = 0;
    virtual HResult GetUID(int32_t* uid) = 0;
    // Adds a display row for the signal at the editor's focused row.
    virtual HResult AddToDisplay() = 0;
    // Removes every row that shows the signal.
    virtual HResult RemoveFromDisplay() = 0;
    virtual HResult GetChildCount(int32_t* count) = 0;
    // Nil when the index is out of range or the node is simple.
    virtual HResult GetChild(int32_t index, IWaveSignal** child) = 0;
    // Simple nodes: only the type's default value at time 0 remains.
    virtual HResult Reset() = 0;
    // A new transition at the time holding a fresh value shaped like the node's values.
    virtual HResult GetTransition(int64_t time, IWaveTransition** transition) = 0;
    // Simple nodes: the std_logic value 1 (bit nonzero) or 0 from the time on.
    virtual HResult SetLogicAt(int64_t time, int32_t bit) = 0;
    // Access arrays: makes the incarnation with these bounds the active one from the time on.
    virtual HResult SetArrayBounds(int64_t time, int32_t left, int32_t right) = 0;
    // Access arrays: no incarnation from the time on.
    virtual HResult SetNull(int64_t time) = 0;
    // Makes sure a row shows the signal and scrolls the editor to it.
    virtual HResult Show() = 0;
    // Sets the display format and radix and copies them into the signal's rows.
    virtual HResult SetDisplayFormat(int32_t format, int32_t radix) = 0;

protected:
    ~IWaveSignal() = default;
};

class TSignalCompound;

// Answered by compound nodes only.
struct ICompoundSignal : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{9C5E4751-7FD5-4A56-A6ED-0FFDD932402B}");
    // The node object itself.
    virtual TSignalCompound* SignalObject() = 0;

protected:
    ~ICompoundSignal() = default;
};
