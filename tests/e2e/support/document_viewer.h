#pragma once
// The stand-in document viewer registered as the system's program for .DOC files, as an
// installed word processor registers itself, and a click on the command pane's Help icon.

#include <windows.h>

#include <filesystem>
#include <string>

namespace e2e {

class StandInDocumentViewer {
public:
    // Copies the viewer into a folder of its own and registers it; the destructor unregisters it.
    StandInDocumentViewer();
    ~StandInDocumentViewer();
    StandInDocumentViewer(const StandInDocumentViewer&) = delete;
    StandInDocumentViewer& operator=(const StandInDocumentViewer&) = delete;

    bool Registered() const { return m_registered; }
    // What the viewer logged (UTF-8): "opened <document>" and "show=<n>" per document; "" before.
    std::string Log() const;
    // Waits until the viewer was asked to open a document since the last call; its log then.
    std::string WaitForNextDocument();
    // Clicks Help in the launcher's main window and waits for the viewer; the document named.
    std::string OpenHelpOf(HWND frame);

private:
    std::filesystem::path m_folder;
    bool m_registered = false;
    std::size_t m_seen = 0;
};

// A name as the viewer logs it.
std::string Utf8(const std::wstring& text);

}  // namespace e2e
