// The session's Win32 file operations on real files, including a write-back killed part-way.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <algorithm>
#include <random>
#include <vector>
#include <thread>

#include "emulator/state_scrambler.h"
#include "host_files.h"
#include "emulator/win32/win32_session_files.h"
#include "text/win32/wide.h"

namespace {

namespace fs = std::filesystem;
using test_host::ReadBinaryFile;
using test_host::WriteBinaryFile;
using emulator::FileError;
using emulator::win32::Win32SessionFiles;



std::span<const std::byte> AsBytes(const std::string& s) { return {reinterpret_cast<const std::byte*>(s.data()), s.size()}; }

// Every file in the folder besides the ones named: what a replacement may have left behind.
std::vector<fs::path> StrayFiles(const fs::path& folder, std::initializer_list<const char*> expected)
{
    std::vector<fs::path> strays;
    for (const auto& entry : fs::directory_iterator(folder))
        if (std::none_of(expected.begin(), expected.end(), [&](const char* name) { return entry.path().filename() == name; }))
            strays.push_back(entry.path().filename());
    return strays;
}

std::string Scrambled(std::string bytes)
{
    emulator::ScrambleInPlace({reinterpret_cast<std::byte*>(bytes.data()), bytes.size()}, 0);
    return bytes;
}

class SessionFilesTest : public ::testing::Test {
protected:
    SessionFilesTest() : folder(fs::current_path() / "session-files")
    {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    std::u16string Path(const char* name) const { return text::AsU16((folder / name).wstring()); }

    fs::path folder;
    Win32SessionFiles files;
};

TEST_F(SessionFilesTest, ReplacementTakesEffectOnlyAtCommit)
{
    const fs::path target = folder / "state.dll";
    WriteBinaryFile(target, "old");
    FileError error;
    {
        auto replacement = files.CreateReplacement(Path("state.dll"), error);
        ASSERT_TRUE(replacement);
        ASSERT_TRUE(replacement->Write(AsBytes("new content"), error));
        EXPECT_EQ(ReadBinaryFile(target), "old");
    }
    EXPECT_EQ(ReadBinaryFile(target), "old") << "dropped without commit";
    EXPECT_TRUE(StrayFiles(folder, {"state.dll"}).empty());

    auto replacement = files.CreateReplacement(Path("state.dll"), error);
    ASSERT_TRUE(replacement->Write(AsBytes("new content"), error));
    ASSERT_TRUE(replacement->Commit({}, error));
    EXPECT_EQ(ReadBinaryFile(target), "new content");
    EXPECT_TRUE(StrayFiles(folder, {"state.dll"}).empty());
}

// The replaced file is kept under its new name in the same step; where it cannot be kept, a
// commit replaces it all the same, while putting an earlier state back changes nothing.
TEST_F(SessionFilesTest, ReplacedFileIsKeptWhereItCanBe)
{
    const fs::path target = folder / "state.dll";
    WriteBinaryFile(target, "first");
    fs::create_directories(folder / "kept");
    FileError error;
    for (const char* content : {"second", "third"}) {
        auto replacement = files.CreateReplacement(Path("state.dll"), error);
        ASSERT_TRUE(replacement->Write(AsBytes(content), error));
        const std::u16string keepAs = Path(content == std::string("second") ? "kept\\1.dll" : "no folder\\2.dll");
        ASSERT_TRUE(replacement->Commit(keepAs, error)) << content;
        EXPECT_EQ(ReadBinaryFile(target), content);
    }
    EXPECT_EQ(ReadBinaryFile(folder / "kept" / "1.dll"), "first");
    EXPECT_TRUE(StrayFiles(folder, {"state.dll", "kept"}).empty());
    const auto facts = files.Facts(Path("kept\\1.dll"));
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->size, 5u);
    EXPECT_GE(facts->lastWrite.year, 2024);
    EXPECT_FALSE(files.Facts(Path("kept")));
    EXPECT_EQ(files.FileNamesIn(Path("kept")), std::vector<std::u16string>{u"1.dll"});

    ASSERT_TRUE(files.ReplaceKeeping(Path("state.dll"), Path("kept\\1.dll"), Path("kept\\3.dll"), error));
    EXPECT_EQ(ReadBinaryFile(target), "first");
    EXPECT_EQ(ReadBinaryFile(folder / "kept" / "3.dll"), "third");
    WriteBinaryFile(folder / "other.dll", "other");
    EXPECT_FALSE(files.ReplaceKeeping(Path("state.dll"), Path("other.dll"), Path("no folder\\4.dll"), error));
    EXPECT_EQ(ReadBinaryFile(target), "first");
}

TEST_F(SessionFilesTest, FileHeldByAnotherOpenerCannotBeReadOrReplaced)
{
    const fs::path path = folder / "held.dess";
    WriteBinaryFile(path, "held");
    HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    FileError error;
    EXPECT_FALSE(files.OpenExclusive(Path("held.dess"), error));
    EXPECT_EQ(error.kind, FileError::Kind::InUse);

    auto replacement = files.CreateReplacement(Path("held.dess"), error);
    ASSERT_TRUE(replacement);
    ASSERT_TRUE(replacement->Write(AsBytes("other"), error));
    EXPECT_FALSE(replacement->Commit({}, error));
    replacement.reset();
    CloseHandle(holder);
    EXPECT_EQ(ReadBinaryFile(path), "held");
    EXPECT_TRUE(StrayFiles(folder, {"held.dess"}).empty());

    EXPECT_FALSE(files.OpenExclusive(Path("missing.dess"), error));
    EXPECT_EQ(error.kind, FileError::Kind::NotFound);
}

TEST_F(SessionFilesTest, HiddenFlagFileIsRewrittenToExactlyItsContent)
{
    const fs::path flag = folder / "SN.dat";
    FileError error;
    ASSERT_TRUE(files.WriteHiddenFile(Path("SN.dat"), "0123456789", error));
    ASSERT_TRUE(files.WriteHiddenFile(Path("SN.dat"), "1", error)) << "an existing hidden file is opened, not recreated";
    EXPECT_EQ(ReadBinaryFile(flag), "1");
    EXPECT_TRUE(GetFileAttributesW(flag.c_str()) & FILE_ATTRIBUTE_HIDDEN);

    fs::create_directories(folder / "card-as-file");
    EXPECT_FALSE(files.WriteHiddenFile(Path("card-as-file"), "1", error)) << "a folder where the file should be";
}

TEST_F(SessionFilesTest, DirectoryTestsAndFullPaths)
{
    EXPECT_TRUE(files.DirectoryExists(text::AsU16(folder.wstring())));
    WriteBinaryFile(folder / "plain", "x");
    EXPECT_FALSE(files.DirectoryExists(Path("plain")));
    EXPECT_TRUE(files.FileExists(Path("plain")));
    const std::u16string full = files.FullPath(u"relative.dll");
    EXPECT_EQ(full, text::AsU16((fs::current_path() / "relative.dll").wstring()));
}

// The process is killed at random moments of a write-back; every time the emulation file must
// be either the old complete file or the new complete one.
TEST_F(SessionFilesTest, WriteBackKilledAtAnyMomentLeavesTheEmulationFileWhole)
{
    const fs::path plain = folder / "winsetup.dess", target = folder / "PPC_ENS.dll";
    std::string oldTarget(24u << 20, '\0'), newPlain(24u << 20, '\0');
    std::mt19937 random(12345);
    for (auto& c : oldTarget)
        c = static_cast<char>(random());
    for (auto& c : newPlain)
        c = static_cast<char>(random());
    const std::string newTarget = Scrambled(newPlain);
    WriteBinaryFile(plain, newPlain);

    const fs::path child = fs::current_path() / "write_back_child.exe";
    std::wstring command = L"\"" + child.wstring() + L"\" \"" + plain.wstring() + L"\" \"" + target.wstring() + L"\"";
    auto runChild = [&](std::chrono::milliseconds killAfter) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::wstring line = command;
        EXPECT_TRUE(CreateProcessW(child.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
        const bool finished = WaitForSingleObject(process.hProcess, static_cast<DWORD>(killAfter.count())) == WAIT_OBJECT_0;
        if (!finished) {
            TerminateProcess(process.hProcess, 9);
            WaitForSingleObject(process.hProcess, INFINITE);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return finished;
    };

    // The shortest of a few whole runs bounds the moments to kill at, so most kills land mid-way.
    auto fullRun = std::chrono::milliseconds::max();
    for (int run = 0; run < 3; ++run) {
        WriteBinaryFile(target, oldTarget);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(runChild(std::chrono::milliseconds(60000)));
        fullRun = std::min(fullRun, std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start));
        ASSERT_EQ(ReadBinaryFile(target), newTarget);
    }

    int killed = 0;
    for (int round = 0; round < 25; ++round) {
        WriteBinaryFile(target, oldTarget);
        const auto killAfter = std::chrono::milliseconds(random() % (fullRun.count() * 9 / 10 + 1));
        if (!runChild(killAfter))
            ++killed;
        const std::string now = ReadBinaryFile(target);
        EXPECT_TRUE(now == oldTarget || now == newTarget) << "round " << round << ", killed after " << killAfter.count()
                                                          << " ms: the file is " << now.size() << " bytes of a mix";
        // Each write first removes what the killed ones before it left: only this round's may remain.
        EXPECT_LE(StrayFiles(folder, {"winsetup.dess", "PPC_ENS.dll"}).size(), 1u) << "round " << round;
    }
    EXPECT_GE(killed, 12) << "most rounds should have ended part-way";

    ASSERT_TRUE(runChild(std::chrono::milliseconds(60000)));
    EXPECT_EQ(ReadBinaryFile(target), newTarget);
    EXPECT_TRUE(StrayFiles(folder, {"winsetup.dess", "PPC_ENS.dll"}).empty());
}

}  // namespace
