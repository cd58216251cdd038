#include <fstream>

#include <gtest/gtest.h>

#include <windows.h>

#include "TestServices.h"
#include "sysinfo/SysInfo.h"

namespace {

TEST(ProgramVersion, ReadsTheProgramsFileVersion) {
    ScriptedUi ui;
    std::string ver = "old";
    ProgramVersion(ui, "rollscript.exe", "rollscript", ver);
    EXPECT_EQ(ver, "1.3.2.44");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(ProgramVersion, AFileWithoutVersionResourceKeepsTheCallersText) {
    ScriptedUi ui;
    std::string ver = "kept";
    ProgramVersion(ui, "keepwarm.exe", "rollscript", ver);
    EXPECT_EQ(ver, "kept");
    ProgramVersion(ui, "no-such-file-here.exe", "rollscript", ver);
    EXPECT_EQ(ver, "kept");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(FileVersion, CommonControlsHasARecentVersion) {
    const std::uint32_t ms = FileVersionMS("comctl32.dll");
    EXPECT_GE(ms >> 16, 5u);
    EXPECT_EQ(FileVersionMS("no-such-file-here.dll"), 0u);
}

TEST(SystemQueries, NtFamilyAndCounter) {
    EXPECT_TRUE(IsNtFamily());
    LARGE_INTEGER f{};
    ASSERT_TRUE(QueryPerformanceFrequency(&f));
    EXPECT_GT(f.QuadPart, 500);
}

} // namespace
