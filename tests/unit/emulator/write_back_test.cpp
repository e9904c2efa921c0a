// The digest that tells an unchanged state, and the names under which earlier states are kept.
// What a write-back does with them is in the crash proof's table, at every stop point.
#include <gtest/gtest.h>

#include <random>

#include "emulator/earlier_states.h"
#include "emulator/state_digest.h"
#include "session_fixture.h"

namespace emulator::testing {
namespace {

std::string Hex(const std::string& data, bool useShaInstructions, std::size_t piece)
{
    StateDigester digester;
    digester.UseShaInstructions(useShaInstructions);
    for (std::size_t at = 0; at < data.size(); at += piece)
        digester.Add(std::as_bytes(std::span(data.data() + at, std::min(piece, data.size() - at))));
    return DigestToHex(digester.Finish());
}

TEST(StateDigest, KnownDigestsWithAndWithoutTheProcessorsInstructions)
{
    for (bool instructions : {false, true}) {
        EXPECT_EQ(Hex("", instructions, 1), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
        EXPECT_EQ(Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", instructions, 7),
                  "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    }
    std::mt19937 random(7);
    for (std::size_t size : {55u, 56u, 63u, 64u, 65u, 1000u, 4099u}) {
        std::string data(size, '\0');
        for (char& c : data)
            c = static_cast<char>(random());
        EXPECT_EQ(Hex(data, true, 13), Hex(data, false, size)) << size;
    }
}

// Only names of this emulation file's own earlier states count: a user's copies, notes and the
// other language's states stay, whatever the number kept.
TEST(EarlierStates, OnlyTheirOwnAreListedAndRemoved)
{
    crash::Disk files;
    const std::u16string folder = u"D:\\Launcher\\Earlier states\\";
    files.PutDirectory(u"D:\\Launcher");
    files.PutDirectory(u"D:\\Launcher\\Earlier states");
    const std::u16string own[] = {u"PPC_ENS 2026-12-10 08.00.01 (2).dll", u"ppc_ens 2026-12-10 08.00.01.DLL",
                                  u"PPC_ENS 2025-01-31 23.59.59.dll"};
    const std::u16string others[] = {u"PPC_ENS 2026-12-10 08.00.01 (copy).dll", u"PPC_ENS 2026-12-10 08.00.01 (1).dll",
                                     u"PPC_CHS 2026-12-10 08.00.01.dll", u"PPC_ENS 2026-12-10 08.00.dll", u"notes.txt"};
    for (const auto& name : own)
        files.Put(folder + name, "own");
    for (const auto& name : others)
        files.Put(folder + name, "other");
    const auto states = ListEarlierStates(files, u"D:\\Launcher\\PPC_ENS.dll");
    ASSERT_EQ(states.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(states[i].path, folder + own[i]) << "newest first";
    EXPECT_EQ(states[2].written, (LocalTime{2025, 1, 31, 23, 59, 59}));

    KeepNewestEarlierStates(files, u"D:\\Launcher\\PPC_ENS.dll", 2);
    EXPECT_FALSE(files.Has(folder + own[2]));
    KeepNewestEarlierStates(files, u"D:\\Launcher\\PPC_ENS.dll", 0);
    EXPECT_TRUE(ListEarlierStates(files, u"D:\\Launcher\\PPC_ENS.dll").empty());
    for (const auto& name : others)
        EXPECT_TRUE(files.Has(folder + name));
}

}  // namespace
}  // namespace emulator::testing
