#include "framework/single_doc_template.h"

#include "framework/create_context.h"
#include "framework/document.h"
#include "framework/frame_wnd_ex.h"
#include "framework/win_app_ex.h"

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, DocumentFactory newDocument, FrameFactory newFrame)
    : m_nIDResource(nIDResource), m_newDocument(newDocument), m_newFrame(newFrame)
{
}

CSingleDocTemplate::~CSingleDocTemplate() = default;

CDocument* CSingleDocTemplate::OpenDocumentFile(const wchar_t* path)
{
    const bool createsFrame = !m_frame || !m_frame->m_hWnd;
    if (createsFrame) {
        m_frame.reset();
        m_document = m_newDocument();
        std::unique_ptr<CFrameWndEx> frame = m_newFrame();
        CCreateContext context;
        context.m_pCurrentDoc = m_document.get();
        context.m_pNewDocTemplate = this;
        context.m_pCurrentFrame = frame.get();

        CWinAppEx* app = AfxGetApp();
        const bool becomesMain = app && !app->m_pMainWnd;
        if (becomesMain)
            app->m_pMainWnd = frame.get();
        if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW, nullptr, &context)) {
            if (becomesMain && app->m_pMainWnd == frame.get())
                app->m_pMainWnd = nullptr;
            m_document.reset();
            return nullptr;
        }
        m_frame = std::move(frame);
    }

    const bool ready = path ? m_document->OnOpenDocument(path) : m_document->OnNewDocument();
    if (!ready) {
        if (createsFrame) {
            m_frame->DestroyWindow();
            m_frame.reset();
            m_document.reset();
        }
        return nullptr;
    }
    m_frame->InitialUpdateFrame(m_document.get());
    return m_document.get();
}
