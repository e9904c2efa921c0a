#pragma once
// What a frame passes down to the panes it creates.

class CDocument;
class CFrameWndEx;
class CSingleDocTemplate;

struct CCreateContext {
    CDocument* m_pCurrentDoc = nullptr;
    CSingleDocTemplate* m_pNewDocTemplate = nullptr;
    CFrameWndEx* m_pCurrentFrame = nullptr;
};
