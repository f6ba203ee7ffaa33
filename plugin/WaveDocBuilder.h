// Interfaces of the waveform document for other modules: the building interface that fills a
// document with types, signals and rows, and the printing entry.
#pragma once

#include "platform/com/Com.h"

struct IWaveDataType;
struct IWaveSignal;
struct IWaveRow;

// Out arguments are cleared first. 64-bit times travel as their low and high 32-bit halves.
// Texts are zero-terminated 8-bit texts; nil reads as empty.
struct IWaveDocumentBuilder : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{835B3A76-FC95-4AE5-B5D3-C65CE20D2BEF}");
    // Display rows without the final end-of-display row.
    virtual HResult GetRowCount(int32_t* count) = 0;                                      // 1
    virtual HResult GetRow(int32_t index, IWaveRow** row) = 0;                            // 2
    virtual HResult CreateType(const char* name, int32_t kind, IWaveDataType** type) = 0; // 3
    virtual HResult FindType(const char* name, IWaveDataType** type) = 0;                 // 4
    virtual HResult AddSignalWithStyle(const char* name, const char* typeName,
                                       const char* styleName, IWaveSignal** signal) = 0; // 5
    virtual HResult AddSignal(const char* name, const char* typeName,
                              IWaveSignal** signal) = 0; // 6
    virtual HResult AddSignalWithBounds(const char* name, const char* typeName, int32_t low,
                                        int32_t high, IWaveSignal** signal) = 0;      // 7
    virtual HResult FindSignalByFullName(const char* name, IWaveSignal** signal) = 0; // 8
    virtual HResult FindSignalByName(const char* name, IWaveSignal** signal) = 0;     // 9
    virtual HResult DeleteSignal(const char* fullName) = 0;                           // 10
    virtual HResult AddGroup(const char* name, const char* styleName,
                             IWaveSignal** signal) = 0; // 11
    virtual HResult AddGroupMember(const char* name, IWaveSignal* group, const char* styleName,
                                   IWaveSignal** signal) = 0; // 12
    virtual HResult ZoomToFit() = 0;                          // 13
    virtual HResult ZoomToRange(uint32_t startLow, int32_t startHigh, uint32_t endLow,
                                int32_t endHigh) = 0; // 14
    // Resolves what the types created through CreateType refer to.
    virtual HResult FinishTypes() = 0; // 15
    virtual HResult ZoomIn() = 0;      // 16
    virtual HResult ZoomOut() = 0;     // 17
    virtual HResult Refresh() = 0;     // 18
    // Empties the document: stores, identifiers and rows.
    virtual HResult ClearDocument() = 0;                                    // 19
    virtual HResult SetEndOfSimulationTime(uint32_t low, int32_t high) = 0; // 20
    virtual HResult SetSampleRate(uint32_t low, int32_t high) = 0;          // 21
    // Nonzero marks the document modified; zero changes nothing.
    virtual HResult MarkModified(int32_t modified) = 0; // 22
    // Records the row layout, keyed by row name when byName is nonzero, else by identifier.
    virtual HResult BeginReload(int32_t byName) = 0; // 23
    // Rebuilds the rows from the recorded layout; nothing without one.
    virtual HResult EndReload(int32_t reserved) = 0; // 24
};

// What a print request carries arrives with printing; the entry passes it on untouched.
struct TWavePrintRequest;

struct IWavePrintEntry : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{C20DD9B0-8BEF-4B1D-A5CA-15328D23F5B3}");
    virtual HResult Print(const TWavePrintRequest* request) = 0;
};
