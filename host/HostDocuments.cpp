#include "host/HostDocuments.h"

#include "platform/com/Exception.h"

THostDocuments::~THostDocuments() {
    while (!Documents.empty())
        Close(Documents.size() - 1);
}

THostDocument& THostDocuments::Open(const std::string& fileName, bool& loaded) {
    THostDocument entry;
    entry.FileName = fileName;
    OleCheck(Module.CreateDocument("WAVE", fileName.c_str(), entry.Document.Out()));
    if (!entry.Document)
        throw Exception("The module created no document for " + fileName);
    int32_t success = 0;
    const HResult loadResult = entry.Document->Load(&success);
    loaded = Succeeded(loadResult) && success != 0;
    int32_t count = 0;
    OleCheck(entry.Document->GetViewCount(&count));
    for (int32_t i = 0; i < count; ++i) {
        TComPtr<IServerView> view;
        OleCheck(entry.Document->GetView(i, view.Out()));
        TComString name;
        if (!view || Failed(view->GetViewName(&name)))
            continue;
        if (name.Str() == "WaveEditor")
            entry.Editor = view;
        else if (name.Str() == "WavePanel")
            entry.Panel = view;
    }
    Documents.push_back(std::move(entry));
    return Documents.back();
}

bool THostDocuments::Save(size_t index) {
    int32_t success = 0;
    return Succeeded(Documents.at(index).Document->Save(&success)) && success != 0;
}

void THostDocuments::Close(size_t index) {
    THostDocument entry = std::move(Documents.at(index));
    Documents.erase(Documents.begin() + static_cast<std::ptrdiff_t>(index));
    entry.Editor = TComPtr<IServerView>();
    entry.Panel = TComPtr<IServerView>();
    Module.DestroyDocument(entry.Document.Get());
}

size_t THostDocuments::IndexOf(IServerDocument* document) const {
    for (size_t i = 0; i < Documents.size(); ++i)
        if (Documents[i].Document.Get() == document)
            return i;
    return Documents.size();
}
