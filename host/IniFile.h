// The host's options file: an INI file whose sections and keys stay in the order they were first
// written, so a reader finds them as the program wrote them. Section and key names compare
// without regard to letter case; values are byte texts.
#pragma once

#include <string>
#include <vector>

class TIniFile {
public:
    explicit TIniFile(std::string path) : Path(std::move(path)) {}

    const std::string& FileName() const { return Path; }
    // Reads the file again; a file that does not exist is empty. Throws when it cannot be read.
    void Reload();
    // Nil when the key is not there.
    const std::string* Find(const std::string& section, const std::string& key) const;
    // Replaces the value where the key stands, else appends the key to its section.
    void Set(const std::string& section, const std::string& key, const std::string& value);
    // Writes beside the file and renames over it, so a failed write keeps the old file.
    void Save() const;

private:
    struct TEntry {
        std::string Key;
        std::string Value;
    };
    struct TSection {
        std::string Name;
        std::vector<TEntry> Entries;
    };
    // Shared by the const and the changing lookups.
    template <class Self> static auto* FindSection(Self& file, const std::string& name);

    std::string Path;
    std::vector<TSection> Sections;
};
