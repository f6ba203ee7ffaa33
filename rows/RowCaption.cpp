#include "rows/RowCaption.h"

#include "model/signals/WaveSignal.h"
#include "rows/WaveRow.h"

std::string ApplyNameDepth(std::string_view text, int32_t depth) {
    if (depth < 0)
        return std::string(text);
    int32_t slashes = 0;
    size_t cut = std::string_view::npos;
    for (size_t i = text.size(); i-- > 0;) {
        if (text[i] != '/')
            continue;
        ++slashes;
        if (slashes <= depth + 1)
            cut = i;
    }
    if (slashes <= depth)
        return std::string(text);
    const int32_t omitted = slashes - depth - (text.front() == '/' ? 1 : 0);
    return "{" + std::to_string(omitted) + "}" + std::string(text.substr(cut));
}

std::string RowCaption(const TWaveRow& row) {
    const TSignalNode* signal = row.Signal();
    if (signal == nullptr)
        return {};
    std::string text;
    if (row.IsCompare())
        text = "Compare : " + signal->Name();
    else if (row.IsGroup())
        text = "Group : " + signal->Name();
    else if (row.Parent() && !row.Parent()->IsGroup())
        text = signal->Name();
    else
        text = signal->Parent() ? signal->FullName() : signal->Name();
    return ApplyNameDepth(text, row.Options.NameDepth);
}
