// The program file as Windows and its users see it before it runs: icon, version, manifest.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "support/host_paths.h"

namespace e2e {
namespace {

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* block, const wchar_t* name)
{
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
    if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || !value)
        return L"";
    return static_cast<const wchar_t*>(value);
}

// A named callback, not a lambda: 32-bit Windows calls it with its own calling convention.
BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    *reinterpret_cast<UINT_PTR*>(found) = IS_INTRESOURCE(name) ? reinterpret_cast<UINT_PTR>(name) : 0;
    return FALSE;
}

}  // namespace

TEST(ProgramFile, CarriesTheProgramIconItsVersionAndPublisherAndAManifest)
{
    const std::wstring exe = LauncherExePath();
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_TRUE(module);
    // Explorer shows the first icon group: the window's own icon, 128.
    UINT_PTR first = 0;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14), TakeFirstName, reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(first, 128u);
    EXPECT_TRUE(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) << "manifest";
    FreeLibrary(module);

    std::vector<BYTE> info(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    EXPECT_EQ(VersionString(info, L"040904b0", L"CompanyName"), L"Kovrin Software");
    EXPECT_EQ(VersionString(info, L"080404b0", L"CompanyName"), L"科夫林软件有限公司");
    EXPECT_EQ(VersionString(info, L"040904b0", L"FileVersion"), L"3.0.0.0");
    EXPECT_EQ(VersionString(info, L"040904b0", L"ProductName"), L"PC_Kovrin3.0");
    EXPECT_NE(VersionString(info, L"040904b0", L"LegalCopyright").find(L"Kovrin Software"), std::wstring::npos);
}

}  // namespace e2e
