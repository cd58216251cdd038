#pragma once
// A settings file kept in memory, with the profile functions' habits:
// names compared without regard to case, values trimmed and unquoted on read.
#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "settings/ProfileCodec.h"
#include "settings/ProfileFile.h"

class MemoryProfile : public IProfileFile {
  public:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };

    std::optional<std::string> Read(std::string_view section, std::string_view key) override {
        if (const Section* s = Find(section))
            for (const auto& [k, v] : s->keys)
                if (Same(k, key))
                    return ProfileEcho(v);
        return std::nullopt;
    }
    bool Write(std::string_view section, std::string_view key, std::string_view value) override {
        ++writes;
        if (failAtWrite && writes >= failAtWrite)
            return false;
        if (dropAtWrite && writes >= dropAtWrite)
            return true; // claims success, stores nothing
        Set(section, key, value);
        return true;
    }
    bool EraseSection(std::string_view section) override {
        std::erase_if(sections, [&](const Section& s) { return Same(s.name, section); });
        return true;
    }
    void Flush() override { ++flushes; }

    void Set(std::string_view section, std::string_view key, std::string_view value) {
        Section* s = Find(section);
        if (!s)
            s = &sections.emplace_back(Section{std::string(section), {}});
        for (auto& [k, v] : s->keys)
            if (Same(k, key)) {
                v = value;
                return;
            }
        s->keys.emplace_back(std::string(key), std::string(value));
    }
    // A file's text, as the profile functions would see it.
    static MemoryProfile Parse(const std::string& text) {
        MemoryProfile file;
        std::string section;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            std::string line = ProfileEcho(text.substr(start, end - start));
            start = end + 1;
            if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
                section = line.substr(1, line.size() - 2);
                if (!file.Find(section))
                    file.sections.push_back({section, {}});
            } else if (const auto eq = line.find('='); eq != std::string::npos) {
                file.Set(section, ProfileEcho(line.substr(0, eq)), line.substr(eq + 1));
            }
        }
        return file;
    }
    std::vector<std::string> SectionNames() const {
        std::vector<std::string> names;
        for (const Section& s : sections)
            names.push_back(s.name);
        return names;
    }

    std::vector<Section> sections;
    int writes = 0;
    int flushes = 0;
    int failAtWrite = 0; // the n-th write fails, and every later one
    int dropAtWrite = 0; // the n-th and later writes are lost without a word

  private:
    static bool Same(std::string_view a, std::string_view b) {
        return std::ranges::equal(a, b, [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) ==
                   std::tolower(static_cast<unsigned char>(y));
        });
    }
    Section* Find(std::string_view name) {
        for (Section& s : sections)
            if (Same(s.name, name))
                return &s;
        return nullptr;
    }
};
