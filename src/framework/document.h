#pragma once
// A document: what the main frame shows. Opening reads the named file through Serialize.

#include <string>

class CFile;

class CDocument {
public:
    CDocument() = default;
    virtual ~CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    virtual bool OnNewDocument();
    // Opens the file for reading and reads it. When it cannot be opened the user is told which
    // file and why, and the result is false.
    virtual bool OnOpenDocument(const wchar_t* path);
    virtual void DeleteContents() {}

    const std::wstring& GetPathName() const { return m_strPathName; }

protected:
    // Reads the document from an open file; read errors throw CFileException.
    virtual void Serialize(CFile& file);

private:
    std::wstring m_strPathName;
};
