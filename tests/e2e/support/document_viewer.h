#pragma once
// The stand-in document viewer registered as the system's program for .DOC files, as an
// installed word processor registers itself, and a click on the command pane's Help icon.

#include <windows.h>

#include <filesystem>
#include <string>

#include "support/file_type_registration.h"

namespace e2e {

class StandInDocumentViewer {
public:
    // Copies the viewer into a folder of its own and registers it, for the life of the object.
    StandInDocumentViewer();

    bool Registered() const { return m_registration.Registered(); }
    // What the viewer logged (UTF-8): "opened <document>" and "show=<n>" per document; "" before.
    std::string Log() const;
    // Waits until the viewer was asked to open a document since the last call; its log then.
    std::string WaitForNextDocument();
    // Clicks Help in the launcher's main window and waits for the viewer; the document named.
    std::string OpenHelpOf(HWND frame);

private:
    std::filesystem::path m_folder;
    FileTypeRegistration m_registration;
    std::size_t m_seen = 0;
};

// A name as the viewer logs it.
std::string Utf8(const std::wstring& text);

}  // namespace e2e
