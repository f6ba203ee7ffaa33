// The documents a host has open, with the views the module made for each.
#pragma once

#include "plugin/RT_ClientServerInterface.h"

#include <string>
#include <vector>

struct THostDocument {
    TComPtr<IServerDocument> Document;
    TComPtr<IServerView> Editor; // the view named "WaveEditor"
    TComPtr<IServerView> Panel;  // the view named "WavePanel"
    std::string FileName;
};

class THostDocuments {
public:
    explicit THostDocuments(IServerModule& module) : Module(module) {}
    ~THostDocuments();

    // Creates the document for a file name and loads it: a name that does not exist gives an
    // empty document. Throws Exception when the module refuses; a file that exists but does not
    // load stays open as the module left it (empty), and loaded tells which.
    THostDocument& Open(const std::string& fileName, bool& loaded);
    // Saves under the document's own file name; false when the module reports a failure.
    bool Save(size_t index);
    void Close(size_t index);

    size_t Count() const { return Documents.size(); }
    THostDocument& operator[](size_t index) { return Documents[index]; }
    const THostDocument& operator[](size_t index) const { return Documents[index]; }
    // The index of the document, or Count() when it is not open here.
    size_t IndexOf(IServerDocument* document) const;

private:
    IServerModule& Module;
    std::vector<THostDocument> Documents;
};
