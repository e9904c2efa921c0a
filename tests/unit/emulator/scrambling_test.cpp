#include <gtest/gtest.h>

#include "emulator/xor_file_copy.h"
#include "session_fixture.h"

namespace emulator::testing {
namespace {

std::span<std::byte> Bytes(std::string& s) { return {reinterpret_cast<std::byte*>(s.data()), s.size()}; }

TEST(StateScrambler, KeyRepeatsEveryFourBytesAndIsItsOwnInverse)
{
    std::string data(12, '\0');
    ScrambleInPlace(Bytes(data), 0);
    EXPECT_EQ(data, "KEMAKEMAKEMA") << "only the first four key characters take part";
    ScrambleInPlace(Bytes(data), 0);
    EXPECT_EQ(data, std::string(12, '\0'));
}

TEST(StateScrambler, PiecesAtTheirOffsetsScrambleLikeTheWhole)
{
    const std::string original = SampleState(1000, 3);
    std::string whole = original;
    ScrambleInPlace(Bytes(whole), 0);
    for (std::size_t cut : {1u, 2u, 3u, 5u, 7u, 9u, 17u, 999u}) {
        std::string pieces = original;
        for (std::size_t at = 0; at < pieces.size(); at += cut) {
            const std::size_t n = std::min(cut, pieces.size() - at);
            ScrambleInPlace({reinterpret_cast<std::byte*>(pieces.data()) + at, n}, at);
        }
        EXPECT_EQ(pieces, whole) << "pieces of " << cut;
    }
    std::string into(original.size() + 1, '!');
    ScrambleInto({reinterpret_cast<const std::byte*>(original.data()) + 1, original.size() - 1}, Bytes(into), 1);
    EXPECT_EQ(into.substr(0, original.size() - 1), whole.substr(1)) << "from one buffer into another";
    EXPECT_EQ(into.substr(original.size() - 1), "!!") << "nothing past the source's length";
}

class XorFileCopyTest : public SessionFixture {};

TEST_F(XorFileCopyTest, UnpackAndUnchangedWriteBackReproduceTheFileByteForByte)
{
    g_strLaunchedEmulationFile = kChineseFile;
    ASSERT_TRUE(XorFileCopy(files, desktop, kEnglishFile, CopyDirection::Unpack).Ok());
    EXPECT_EQ(files.Bytes(kPlainFile), englishState);
    ASSERT_TRUE(XorFileCopy(files, desktop, kPlainFile, CopyDirection::WriteBack).Ok());
    EXPECT_EQ(files.Bytes(kChineseFile), files.Bytes(kEnglishFile));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(XorFileCopyTest, EmptyFileUnpacksToEmptyFile)
{
    files.Put(kEnglishFile, "");
    ASSERT_TRUE(XorFileCopy(files, desktop, kEnglishFile, CopyDirection::Unpack).Ok());
    EXPECT_EQ(files.Bytes(kPlainFile), "");
}

TEST_F(XorFileCopyTest, MissingOrHeldSourceIsToldOnlyWhenUnpacking)
{
    files.entries.erase(kEnglishFile);
    EXPECT_EQ(XorFileCopy(files, desktop, kEnglishFile, CopyDirection::Unpack).failed, CopyResult::Failed::SourceOpen);
    EXPECT_EQ(desktop.messages, std::vector<std::u16string>{u"Please make sure the file exists"});

    files.Put(kPlainFile, "state");
    files.held.insert(kPlainFile);
    g_strLaunchedEmulationFile = kEnglishFile;
    EXPECT_EQ(XorFileCopy(files, desktop, kPlainFile, CopyDirection::WriteBack).failed, CopyResult::Failed::SourceOpen);
    EXPECT_EQ(desktop.messages.size(), 1u);
    EXPECT_FALSE(files.Has(kEnglishFile));
}

TEST_F(XorFileCopyTest, UnpackTargetThatCannotBeWrittenShowsTheFileError)
{
    files.readOnlyTargets.insert(kPlainFile);
    EXPECT_EQ(XorFileCopy(files, desktop, kEnglishFile, CopyDirection::Unpack).failed, CopyResult::Failed::Target);
    EXPECT_EQ(desktop.fileErrors, std::vector<std::u16string>{kPlainFile});
}

TEST_F(XorFileCopyTest, TargetIsOldOrNewWheneverTheWriteStops)
{
    const std::string oldTarget = files.Bytes(kEnglishFile);
    const std::string changed = SampleState(10007, 2);
    g_strLaunchedEmulationFile = kEnglishFile;
    // Killed at each change before the last, the replace that puts the new content in place.
    for (int stop = 1;; ++stop) {
        files.Put(kPlainFile, changed);
        files.Put(kEnglishFile, oldTarget);
        const int before = files.Changes();
        files.StopAfter(stop, crash::StopKind::Kill);
        try {
            XorFileCopy(files, desktop, kPlainFile, CopyDirection::WriteBack);
        } catch (const crash::Stopped&) {
        }
        files.Restart();
        if (files.Bytes(kEnglishFile) != oldTarget) {
            EXPECT_EQ(files.Changes() - before, stop) << "only the last change may put it in place";
            break;
        }
    }
    for (std::size_t stop = 0; stop <= changed.size(); stop += 997) {
        files.Put(kEnglishFile, oldTarget);
        files.diskFullAfter[kEnglishFile] = stop;
        EXPECT_EQ(XorFileCopy(files, desktop, kPlainFile, CopyDirection::WriteBack).failed, CopyResult::Failed::Target);
        EXPECT_EQ(files.Bytes(kEnglishFile), oldTarget) << "disk full after " << stop;
        files.diskFullAfter.clear();
    }
    ASSERT_TRUE(XorFileCopy(files, desktop, kPlainFile, CopyDirection::WriteBack).Ok());
    EXPECT_EQ(files.Bytes(kEnglishFile), Scrambled(changed));
}

}  // namespace
}  // namespace emulator::testing
