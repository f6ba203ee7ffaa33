#include "host/IniFile.h"

#include "platform/com/Exception.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <strings.h>

namespace {
bool SameName(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

std::string Trimmed(const std::string& s) {
    const size_t start = s.find_first_not_of(" \t");
    if (start == std::string::npos)
        return {};
    return s.substr(start, s.find_last_not_of(" \t") - start + 1);
}

// One value a line: line breaks and backslashes are escaped, and a value with blanks at either
// end or a leading quote is quoted so that reading keeps it whole.
std::string Encoded(const std::string& value) {
    std::string text;
    for (char c : value) {
        if (c == '\\')
            text += "\\\\";
        else if (c == '\n')
            text += "\\n";
        else if (c == '\r')
            text += "\\r";
        else
            text += c;
    }
    const bool quote =
        !text.empty() && (text.front() == ' ' || text.front() == '\t' || text.back() == ' ' ||
                          text.back() == '\t' || text.front() == '"');
    return quote ? '"' + text + '"' : text;
}

std::string Decoded(std::string text) {
    text = Trimmed(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    std::string value;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            value += text[i];
            continue;
        }
        const char next = text[++i];
        value += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return value;
}
} // namespace

void TIniFile::Reload() {
    Sections.clear();
    std::error_code error;
    if (!std::filesystem::exists(Path, error))
        return;
    std::ifstream in(Path, std::ios::binary);
    if (!in || !std::filesystem::is_regular_file(Path, error))
        throw Exception("Cannot read the options file " + Path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string text = Trimmed(line);
        if (text.empty() || text[0] == ';' || text[0] == '#')
            continue;
        if (text.front() == '[' && text.back() == ']') {
            Sections.push_back({text.substr(1, text.size() - 2), {}});
            continue;
        }
        const size_t equals = text.find('=');
        if (equals == std::string::npos)
            continue;
        // Keys before the first section header belong to a nameless section.
        if (Sections.empty())
            Sections.push_back({});
        const std::string key = Trimmed(text.substr(0, equals));
        if (!key.empty())
            Sections.back().Entries.push_back({key, Decoded(text.substr(equals + 1))});
    }
}

template <class Self> auto* TIniFile::FindSection(Self& file, const std::string& name) {
    auto found =
        std::find_if(file.Sections.begin(), file.Sections.end(),
                     [&](const TSection& section) { return SameName(section.Name, name); });
    return found == file.Sections.end() ? nullptr : &*found;
}

const std::string* TIniFile::Find(const std::string& section, const std::string& key) const {
    const TSection* found = FindSection(*this, section);
    if (found == nullptr)
        return nullptr;
    for (const auto& entry : found->Entries)
        if (SameName(entry.Key, key))
            return &entry.Value;
    return nullptr;
}

void TIniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
    TSection* target = FindSection(*this, section);
    if (target == nullptr) {
        Sections.push_back({section, {}});
        target = &Sections.back();
    }
    for (auto& entry : target->Entries) {
        if (SameName(entry.Key, key)) {
            entry.Value = value;
            return;
        }
    }
    target->Entries.push_back({key, value});
}

void TIniFile::Save() const {
    const std::filesystem::path path(Path);
    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    const std::string temporary = Path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (size_t i = 0; out && i < Sections.size(); ++i) {
            if (i > 0)
                out << '\n';
            if (!Sections[i].Name.empty() || i > 0)
                out << '[' << Sections[i].Name << "]\n";
            for (const auto& entry : Sections[i].Entries)
                out << entry.Key << '=' << Encoded(entry.Value) << '\n';
        }
        out.flush();
        if (!out) {
            std::filesystem::remove(temporary, error);
            throw Exception("Cannot write the options file " + Path);
        }
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw Exception("Cannot write the options file " + Path);
    }
}
