// Keeps the source folders layered: each may include only the folders below it.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// The shared model sits below both windows, in a folder of the application's.
const std::string kModelFolder = "app/model/";

// Folder -> the others it may include (its own always), lowest layer first.
const std::map<std::string, std::set<std::string>> kMayInclude = {
    {"win", {}},
    {"model", {"win"}},
    {"msgbank", {"win", "model"}},
    {"sysinfo", {"win", "model", "msgbank"}},
    {"render", {"win", "model"}},
    {"remote", {"win", "model"}},
    {"monitors", {"win", "model", "msgbank", "sysinfo", "render"}},
    {"settings", {"win", "model", "msgbank", "sysinfo", "render", "remote"}},
    {"accessory", {"win", "model", "msgbank", "sysinfo", "render"}},
    {"playback",
     {"win", "model", "msgbank", "sysinfo", "render", "monitors", "settings", "accessory"}},
    {"editor",
     {"win", "model", "msgbank", "sysinfo", "render", "monitors", "settings", "accessory",
      "remote"}},
    {"app",
     {"win", "model", "msgbank", "sysinfo", "render", "monitors", "settings", "accessory",
      "playback", "editor", "remote"}},
};

// Includes that break the layering today, to be removed as the windows come apart.
// Nothing may be added here; an entry goes once its include is gone.
const std::set<std::pair<std::string, std::string>> kToRemove = {
    {"win/ModalUi.h", "app/model/EditorFont.h"},
};

// "editor/Memo.cpp" -> "editor"; "app/model/MenuModel.h" -> "model".
std::string LayerOf(const std::string& path) {
    if (path.rfind(kModelFolder, 0) == 0) {
        return "model";
    }
    return path.substr(0, path.find('/'));
}

struct Include {
    std::string file; // both relative to src/
    int line = 0;
    std::string header;
};

std::vector<Include> IncludesUnder(const fs::path& src) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const fs::path ext = entry.path().extension();
        if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp")) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());

    static const std::regex kDirective(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<Include> found;
    for (const fs::path& path : files) {
        const std::string file = fs::relative(path, src).generic_string();
        std::ifstream in(path);
        std::string text;
        std::smatch m;
        for (int line = 1; std::getline(in, text); ++line) {
            if (!std::regex_search(text, m, kDirective)) {
                continue;
            }
            std::string header = m[1];
            if (header.find('/') == std::string::npos) { // found beside the includer
                header = file.substr(0, file.find('/') + 1) + header;
            }
            found.push_back({file, line, header});
        }
    }
    return found;
}

std::string Joined(std::string out, const std::set<std::string>& more) {
    for (const std::string& name : more) {
        out += ", " + name;
    }
    return out;
}

TEST(Layering, IncludesOnlyGoDownTheTable) {
    const fs::path src = fs::path(CUECRAFT_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src)) << src;
    const std::vector<Include> includes = IncludesUnder(src);
    ASSERT_FALSE(includes.empty()) << "no includes found under " << src;

    std::set<std::pair<std::string, std::string>> broken;
    for (const Include& inc : includes) {
        const std::string where = "src/" + inc.file + ":" + std::to_string(inc.line) + ": ";
        const std::string from = LayerOf(inc.file);
        const std::string to = LayerOf(inc.header);
        const auto allowed = kMayInclude.find(from);
        if (allowed == kMayInclude.end() || kMayInclude.count(to) == 0) {
            ADD_FAILURE() << where << "includes " << inc.header << "; add '"
                          << (allowed == kMayInclude.end() ? from : to) << "' to the layer table";
            continue;
        }
        if (from == to || allowed->second.count(to) != 0) {
            continue;
        }
        broken.insert({inc.file, inc.header});
        if (kToRemove.count({inc.file, inc.header}) == 0) {
            ADD_FAILURE() << where << "includes " << inc.header << ", but " << from
                          << " may include only " << Joined(from, allowed->second);
        }
    }
    for (const auto& [file, header] : kToRemove) {
        if (broken.count({file, header}) == 0) {
            ADD_FAILURE() << "src/" << file << " no longer includes " << header
                          << "; drop it from kToRemove";
        }
    }
}

} // namespace
