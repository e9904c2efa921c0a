// Command line, files and their errors, the document template and the application's commands.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/command_line_info.h"
#include "framework/document.h"
#include "framework/file.h"
#include "framework/frame_wnd_ex.h"
#include "framework/framework_ids.h"
#include "framework/single_doc_template.h"
#include "test_resource.h"
#include "test_support.h"

namespace {

struct ParseCase {
    const wchar_t* line;
    CCommandLineInfo::ShellCommand command;
    const wchar_t* file;
};

std::wstring TempPath(const wchar_t* name)
{
    wchar_t directory[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, directory);
    return std::wstring(directory) + name;
}

void WriteFile(const std::wstring& path, const std::string& content)
{
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write(content.data(), static_cast<UINT>(content.size()));
    file.Close();
}

class RecordingPane : public CWnd {
public:
    int updates = 0;
    void RunInitialUpdate() override { ++updates; }
};

class TestFrame : public CFrameWndEx {
public:
    RecordingPane m_pane;

protected:
    BOOL OnCreateClient(CREATESTRUCTW*, CCreateContext*) override
    {
        return m_pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, this, AFX_IDW_PANE_FIRST);
    }
};

class TestDocument : public CDocument {
public:
    std::string content;

protected:
    void Serialize(CFile& file) override
    {
        content.resize(static_cast<size_t>(file.GetLength()));
        content.resize(file.Read(content.data(), static_cast<UINT>(content.size())));
    }
};

class Templates : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (auto* frame = docTemplate->GetFrame(); frame && frame->m_hWnd)
            frame->DestroyWindow();
        test::PumpMessages();
        test::App().m_pMainWnd = nullptr;
    }
    std::unique_ptr<CSingleDocTemplate> docTemplate =
        CSingleDocTemplate::Create<TestDocument, TestFrame>(IDS_TEST_FRAME);
};

}  // namespace

TEST(CommandLine, OnlyTheFirstPlainArgumentCounts)
{
    const ParseCase cases[] = {
        {L"prog.exe", CCommandLineInfo::FileNew, L""},
        {L"", CCommandLineInfo::FileNew, L""},
        {L"prog.exe doc.txt", CCommandLineInfo::FileOpen, L"doc.txt"},
        {L"\"C:\\My Files\\prog.exe\" \"C:\\a b\\c.doc\"", CCommandLineInfo::FileOpen, L"C:\\a b\\c.doc"},
        {L"prog.exe /x -y", CCommandLineInfo::FileNew, L""},
        {L"prog.exe /dde first second", CCommandLineInfo::FileOpen, L"first"},
    };
    for (const ParseCase& c : cases) {
        CCommandLineInfo info;
        info.ParseCommandLine(c.line);
        EXPECT_EQ(info.m_nShellCommand, c.command) << c.line;
        EXPECT_EQ(info.m_strFileName, c.file) << c.line;
    }
}

TEST(Files, ErrorsNameTheFileAndTheCause)
{
    const std::wstring missing = TempPath(L"kovrin-no-such-file.txt");
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_strFileName, missing);
    EXPECT_EQ(error.m_lOsError, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    const std::wstring message = FileErrorMessage(error);
    EXPECT_NE(message.find(missing), std::wstring::npos);
    EXPECT_NE(message.find(SystemErrorText(ERROR_FILE_NOT_FOUND)), std::wstring::npos);

    try {
        CFile::Rename(missing.c_str(), TempPath(L"kovrin-renamed.txt").c_str());
        ADD_FAILURE() << "renaming a missing file succeeded";
    } catch (const CFileException& renameError) {
        EXPECT_EQ(renameError.m_operation, CFileException::Operation::Rename);
        EXPECT_EQ(renameError.m_strFileName, missing);
    }
    EXPECT_THROW(CFile(missing.c_str(), CFile::modeRead), CFileException);
}

TEST(Files, TheHandleIsSharedAsAskedAndReleasedWithItsOwner)
{
    const std::wstring path = TempPath(L"kovrin-file-test.txt");
    WriteFile(path, "abc");
    {
        CFile reader(path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
        EXPECT_EQ(reader.GetLength(), 3u);
        CFile writer;
        CFileException error;
        EXPECT_FALSE(writer.Open(path.c_str(), CFile::modeWrite, &error));
        EXPECT_EQ(error.m_lOsError, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    }
    CFile exclusive;
    EXPECT_TRUE(exclusive.Open(path.c_str(), CFile::modeReadWrite | CFile::shareExclusive));
    exclusive.Close();
    CFile::Remove(path.c_str());
}

TEST_F(Templates, ANewDocumentMakesTheMainFrameAndUpdatesItsPane)
{
    ASSERT_NE(docTemplate->OpenDocumentFile(nullptr), nullptr);
    auto* frame = static_cast<TestFrame*>(docTemplate->GetFrame());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(test::App().m_pMainWnd, frame);
    EXPECT_EQ(frame->GetWindowText(), L"Test Frame");  // the first line of the template string
    EXPECT_EQ(frame->m_pane.updates, 1);
    EXPECT_EQ(frame->GetActiveView(), &frame->m_pane);

    frame->MoveWindow(0, 0, 300, 200);
    RECT client = frame->GetClientRect();
    RECT pane = test::ChildRect(frame->m_pane.m_hWnd);
    EXPECT_TRUE(::EqualRect(&client, &pane));

    frame->ShowWindow(SW_SHOW);
    ::SetFocus(frame->m_hWnd);
    EXPECT_EQ(::GetFocus(), frame->m_pane.m_hWnd);
}

TEST_F(Templates, AFileThatCannotBeOpenedIsReportedAndTheFrameGoes)
{
    const std::wstring missing = TempPath(L"kovrin-missing.doc");
    std::vector<test::SeenBox> boxes;
    {
        test::MessageBoxWatcher watcher;
        EXPECT_EQ(docTemplate->OpenDocumentFile(missing.c_str()), nullptr);
        boxes = watcher.Boxes();
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"Framework Test");
    EXPECT_NE(boxes[0].text.find(missing), std::wstring::npos);
    EXPECT_NE(boxes[0].owner, nullptr);  // the frame, hidden, still existed
    EXPECT_EQ(docTemplate->GetFrame(), nullptr);
    EXPECT_FALSE(::IsWindow(boxes[0].owner));
    EXPECT_EQ(test::App().m_pMainWnd, nullptr);
}

TEST_F(Templates, AnExistingFileIsReadAndClosedAgain)
{
    const std::wstring path = TempPath(L"kovrin-document.doc");
    WriteFile(path, "content");
    auto* document = static_cast<TestDocument*>(docTemplate->OpenDocumentFile(path.c_str()));
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->content, "content");
    EXPECT_EQ(document->GetPathName(), path);
    CFile::Remove(path.c_str());  // fails while the document still holds the file
}

TEST_F(Templates, TheExitCommandClosesTheMainFrameAndEndsTheLoop)
{
    ASSERT_NE(docTemplate->OpenDocumentFile(nullptr), nullptr);
    HWND frame = docTemplate->GetFrame()->m_hWnd;
    ::SendMessageW(frame, WM_COMMAND, ID_APP_EXIT, 0);
    EXPECT_FALSE(::IsWindow(frame));
    EXPECT_EQ(test::App().m_pMainWnd, nullptr);
    EXPECT_EQ(test::PumpMessages(), std::optional<int>(0));
}

TEST(MessageBoxes, CaptionedWithTheTitleAndOwnedByTheMainWindowWhenThereIsOne)
{
    test::HostWindow main;
    ASSERT_TRUE(main.CreateHost(100, 100));
    std::vector<test::SeenBox> boxes;
    {
        test::MessageBoxWatcher watcher;
        AfxMessageBox(L"without a main window");
        test::App().m_pMainWnd = &main;
        AfxMessageBox(IDS_TEST_FRAME);
        test::App().m_pMainWnd = nullptr;
        boxes = watcher.Boxes();
    }
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[1].owner, main.m_hWnd);
    EXPECT_EQ(boxes[1].caption, L"Framework Test");
    EXPECT_EQ(boxes[1].text, L"Test Frame\nsecond part\nthird");
}
