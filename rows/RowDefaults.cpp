#include "rows/RowDefaults.h"

namespace {
std::unique_ptr<TRowDefaults>& Installed() {
    static std::unique_ptr<TRowDefaults> defaults = std::make_unique<TRowDefaults>();
    return defaults;
}
} // namespace

// The values a new preferences object starts with.
std::string TRowDefaults::FontText() const {
    return "8 0 0 0 0 0 Microsoft Sans Serif";
}

int32_t TRowDefaults::SignalHeight() const {
    return 14;
}

std::optional<TColor> TRowDefaults::DefaultStyleColor(bool) const {
    return std::nullopt;
}

const TRowDefaults& RowDefaults() {
    return *Installed();
}

void SetRowDefaults(std::unique_ptr<TRowDefaults> defaults) {
    Installed() = defaults ? std::move(defaults) : std::make_unique<TRowDefaults>();
}
