#include "framework/document.h"

#include "framework/error_report.h"
#include "framework/file.h"

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    return true;
}

bool CDocument::OnOpenDocument(const wchar_t* path)
{
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        framework::ReportFileError(error);
        return false;
    }
    DeleteContents();
    Serialize(file);
    file.Close();
    m_strPathName = path;
    return true;
}

void CDocument::Serialize(CFile&)
{
}
