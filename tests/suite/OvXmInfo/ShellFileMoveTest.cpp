// The library's move: the copy's rules, each entry moved completely or not at all.

#include "platform/ui/ScriptedBackend.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

using ovtest::TempFolder;

namespace {

size_t EntriesIn(const TempFolder& folder, const std::wstring& relative) {
    size_t count = 0;
    for ([[maybe_unused]] auto& entry :
         std::filesystem::recursive_directory_iterator(folder.NativePath(relative)))
        ++count;
    return count;
}

} // namespace

TEST(ShellFileMove, FilesMoveIntoAFolderMadeForThem) {
    ui::ScriptedBackend boxes;
    TempFolder folder;
    folder.WriteBytes(L"P\\a.dwg", "a");
    folder.WriteBytes(L"P\\b.dwg", "b");
    std::vector<std::wstring> moved;
    EXPECT_EQ(g_XmComonPar.MoveByShFileOperat(folder.Path(L"P\\*.dwg"), folder.Path(L"Q\\新\\"),
                                              nullptr, &moved),
              1);
    EXPECT_EQ(folder.ReadBytes(L"Q\\新\\a.dwg"), "a");
    EXPECT_EQ(folder.ReadBytes(L"Q\\新\\b.dwg"), "b");
    EXPECT_FALSE(folder.Exists(L"P\\a.dwg"));
    EXPECT_EQ(moved,
              (std::vector<std::wstring>{folder.Path(L"P\\a.dwg"), folder.Path(L"P\\b.dwg")}));

    // One file onto a path that is not a folder: moved under that name; a change of case only
    // renames the entry itself.
    EXPECT_EQ(g_XmComonPar.MoveByShFileOperat(folder.Path(L"Q\\新\\a.dwg"),
                                              folder.Path(L"P\\复件a.dwg"), nullptr),
              1);
    EXPECT_EQ(folder.ReadBytes(L"P\\复件a.dwg"), "a");
    EXPECT_EQ(g_XmComonPar.MoveByShFileOperat(folder.Path(L"Q\\新\\b.dwg"),
                                              folder.Path(L"Q\\新\\B.DWG"), nullptr, &moved),
              1);
    EXPECT_EQ(folder.ReadBytes(L"Q\\新\\B.DWG"), "b");
    EXPECT_EQ(moved.size(), 1u);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(ShellFileMove, AReplacementIsAskedForAndADeclinedOneStays) {
    ui::ScriptedBackend boxes;
    TempFolder folder;
    folder.WriteBytes(L"src\\a.dwg", "new a");
    folder.WriteBytes(L"src\\b.dwg", "new b");
    folder.WriteBytes(L"src\\c.dwg", "new c");
    folder.WriteBytes(L"dst\\a.dwg", "old a");
    folder.WriteBytes(L"dst\\c.dwg", "old c");
    std::vector<std::wstring> moved;

    boxes.QueueAnswer(ui::IDNO);
    boxes.QueueAnswer(ui::IDCANCEL);
    EXPECT_EQ(g_XmComonPar.MoveByShFileOperat(folder.Path(L"src\\*.dwg"), folder.Path(L"dst"),
                                              nullptr, &moved),
              0);
    EXPECT_EQ(boxes.Boxes()[0].text, L"“" + folder.Path(L"dst\\a.dwg") + L"”已经存在，是否替换？");
    EXPECT_EQ(folder.ReadBytes(L"src\\a.dwg"), "new a") << "declined: stays";
    EXPECT_EQ(folder.ReadBytes(L"dst\\a.dwg"), "old a");
    EXPECT_EQ(folder.ReadBytes(L"dst\\b.dwg"), "new b");
    EXPECT_EQ(folder.ReadBytes(L"src\\c.dwg"), "new c") << "cancelled: stays";
    EXPECT_EQ(folder.ReadBytes(L"dst\\c.dwg"), "old c");
    EXPECT_EQ(moved, std::vector<std::wstring>{folder.Path(L"src\\b.dwg")});

    boxes.QueueAnswer(ui::IDYES);
    boxes.QueueAnswer(ui::IDYES);
    EXPECT_EQ(g_XmComonPar.MoveByShFileOperat(folder.Path(L"src\\*.dwg"), folder.Path(L"dst"),
                                              nullptr, &moved),
              1);
    EXPECT_EQ(folder.ReadBytes(L"dst\\a.dwg"), "new a");
    EXPECT_EQ(folder.ReadBytes(L"dst\\c.dwg"), "new c");
    EXPECT_EQ(EntriesIn(folder, L"src"), 0u);
    EXPECT_EQ(EntriesIn(folder, L"dst"), 3u) << "nothing stands aside afterwards";
}

TEST(ShellFileMove, AFolderIsMergedCompletelyOrNotAtAll) {
    ui::ScriptedBackend boxes;
    TempFolder folder;
    folder.WriteBytes(L"A\\S\\S.prj", "new prj");
    folder.WriteBytes(L"A\\S\\sub\\x.dwg", "x");
    folder.WriteBytes(L"B\\S\\S.prj", "old prj");
    folder.WriteBytes(L"B\\S\\keep.dwg", "keep");

    boxes.QueueAnswer(ui::IDYES);
    std::vector<std::wstring> moved;
    EXPECT_EQ(
        g_XmComonPar.MoveByShFileOperat(folder.Path(L"A\\S"), folder.Path(L"B"), nullptr, &moved),
        1);
    EXPECT_EQ(folder.ReadBytes(L"B\\S\\S.prj"), "new prj");
    EXPECT_EQ(folder.ReadBytes(L"B\\S\\sub\\x.dwg"), "x");
    EXPECT_EQ(folder.ReadBytes(L"B\\S\\keep.dwg"), "keep");
    EXPECT_FALSE(folder.Exists(L"A\\S"));
    EXPECT_EQ(EntriesIn(folder, L"B"), 5u);

    // The second entry of the merge cannot go (a file onto a folder): the first, already
    // moved, comes back and the replaced file is restored.
    folder.WriteBytes(L"C\\S\\S.prj", "third prj");
    folder.WriteBytes(L"C\\S\\sub", "a file where the target holds a folder");
    boxes.QueueAnswer(ui::IDYES);
    EXPECT_EQ(
        g_XmComonPar.MoveByShFileOperat(folder.Path(L"C\\S"), folder.Path(L"B"), nullptr, &moved),
        0);
    EXPECT_TRUE(moved.empty());
    EXPECT_EQ(folder.ReadBytes(L"C\\S\\S.prj"), "third prj");
    EXPECT_TRUE(folder.Exists(L"C\\S\\sub"));
    EXPECT_EQ(folder.ReadBytes(L"B\\S\\S.prj"), "new prj");
    EXPECT_EQ(EntriesIn(folder, L"B"), 5u);
    EXPECT_EQ(boxes.Boxes().back().text.find(L"不能把“" + folder.Path(L"C\\S") + L"”移动到“"), 0u);

    EXPECT_EQ(
        g_XmComonPar.MoveByShFileOperat(folder.Path(L"B\\S"), folder.Path(L"B\\S\\sub"), nullptr),
        0);
    EXPECT_EQ(boxes.Boxes().back().text, L"不能把“" + folder.Path(L"B\\S") + L"”移动到它自己中。");
    EXPECT_EQ(g_XmComonPar.MoveByShFileOperat(
                  CXmComonPar::GenStringForShFileOp(
                      {folder.Path(L"B\\S\\keep.dwg"), folder.Path(L"B\\gone.dwg")}),
                  folder.Path(L"D"), nullptr),
              0);
    EXPECT_EQ(boxes.Boxes().back().text, L"找不到“" + folder.Path(L"B\\gone.dwg") + L"”。");
    EXPECT_TRUE(folder.Exists(L"B\\S\\keep.dwg")) << "a list naming a missing file does nothing";
}
