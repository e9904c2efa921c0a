#pragma once
// What the command line asks for at start-up: a new document, or the document named on it.

#include <string>

class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FileNothing };

    virtual ~CCommandLineInfo() = default;

    // Splits a whole command line (program name first) the way the system does and hands each
    // argument after the program name to ParseParam.
    void ParseCommandLine(const wchar_t* commandLine);

    // One argument; flag is true for "/x" or "-x", param then being "x". The program has no
    // switches, so flags are ignored; the first plain argument names the document to open.
    virtual void ParseParam(const wchar_t* param, bool flag, bool last);

    ShellCommand m_nShellCommand = FileNew;
    std::wstring m_strFileName;
};
