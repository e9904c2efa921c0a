#pragma once
// Binds a resource id to the document and frame classes, and makes the one document and its
// frame. It owns both for the life of the application.

#include <windows.h>

#include <memory>

class CDocument;
class CFrameWndEx;

class CSingleDocTemplate {
public:
    using DocumentFactory = std::unique_ptr<CDocument> (*)();
    using FrameFactory = std::unique_ptr<CFrameWndEx> (*)();

    CSingleDocTemplate(UINT nIDResource, DocumentFactory newDocument, FrameFactory newFrame);
    ~CSingleDocTemplate();
    CSingleDocTemplate(const CSingleDocTemplate&) = delete;
    CSingleDocTemplate& operator=(const CSingleDocTemplate&) = delete;

    template <class Document, class Frame>
    static std::unique_ptr<CSingleDocTemplate> Create(UINT nIDResource)
    {
        return std::make_unique<CSingleDocTemplate>(
            nIDResource, []() -> std::unique_ptr<CDocument> { return std::make_unique<Document>(); },
            []() -> std::unique_ptr<CFrameWndEx> { return std::make_unique<Frame>(); });
    }

    // A new document (path null) or the named file. The frame is made first; when the document
    // then fails, a frame made here is destroyed again. Returns the document, or null.
    CDocument* OpenDocumentFile(const wchar_t* path);

    UINT GetResourceId() const { return m_nIDResource; }
    CDocument* GetDocument() const { return m_document.get(); }
    CFrameWndEx* GetFrame() const { return m_frame.get(); }

private:
    UINT m_nIDResource;
    DocumentFactory m_newDocument;
    FrameFactory m_newFrame;
    std::unique_ptr<CDocument> m_document;
    std::unique_ptr<CFrameWndEx> m_frame;  // declared last: destroyed before the document it shows
};
