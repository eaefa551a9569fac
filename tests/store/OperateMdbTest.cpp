#include "store/OperateMdb.h"
#include "platform/cad/CommandLine.h"
#include "platform/ui/ScriptedBackend.h"
#include "support/SqliteFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::TempFolder;
using Strings = std::vector<std::wstring>;

namespace {

class OperateMdbTest : public ::testing::Test {
protected:
    void SetUp() override { cad::CommandLine::Instance().Clear(); }

    std::wstring Make(const Strings& statements) {
        std::wstring path = m_folder.Path(L"word.mdb");
        ovtest::MakeSqliteFile(path, statements);
        return path;
    }

    TempFolder m_folder;
    ui::ScriptedBackend m_boxes;
};

} // namespace

TEST_F(OperateMdbTest, FilesThatCannotServeLeaveTheObjectUnconnectedWithTheirMessage) {
    std::wstring missing = m_folder.Path(L"Data\\word.mdb");
    COperateMdb absent(missing);
    EXPECT_EQ(absent.IsConnected(), 0);
    EXPECT_EQ(cad::CommandLine::Instance().Text(), L"\n没有找到数据库文件" + missing + L"\n");
    EXPECT_TRUE(m_boxes.Boxes().empty());
    Strings names{L"stale"};
    absent.GetTableNames(names);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(absent.GetFieldValues(L"OV工程名称", L"WORD", names, kMdbChar, 0), 0);

    // An Access file is named as such rather than failing later with a cryptic text.
    m_folder.WriteBytes(L"access.mdb", std::string("\x00\x01\x00\x00Standard Jet DB\x00", 20) +
                                           std::string(4096, '\0'));
    COperateMdb access(m_folder.Path(L"access.mdb"));
    EXPECT_EQ(access.IsConnected(), 0);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].caption, L"Tessaline 消息");
    EXPECT_EQ(m_boxes.Boxes()[0].flags, ui::MB_OK | ui::MB_ICONERROR);
    EXPECT_TRUE(m_boxes.Boxes()[0].text.starts_with(L"数据库mdb打开失败! (error: )该文件是"));
    EXPECT_NE(m_boxes.Boxes()[0].text.find(L"Access"), std::wstring::npos);

    m_folder.WriteBytes(L"damaged.mdb", std::string(4096, 'x'));
    COperateMdb damaged(m_folder.Path(L"damaged.mdb"));
    EXPECT_EQ(damaged.IsConnected(), 0);
    ASSERT_EQ(m_boxes.Boxes().size(), 2u);
    EXPECT_EQ(m_boxes.Boxes()[1].text, L"数据库mdb打开失败! (error: )file is not a database");
}

TEST_F(OperateMdbTest, TablesAreTheUserTablesInTheFilesOrder) {
    COperateMdb mdb(Make({L"CREATE TABLE \"OV乙\" (WORD)", L"CREATE TABLE \"OV甲\" (WORD)",
                          L"CREATE TABLE seq (id INTEGER PRIMARY KEY AUTOINCREMENT)",
                          L"CREATE VIEW v AS SELECT * FROM \"OV甲\""}));
    ASSERT_EQ(mdb.IsConnected(), 1);
    Strings names;
    mdb.GetTableNames(names);
    EXPECT_EQ(names, (Strings{L"OV乙", L"OV甲", L"seq"}));
    EXPECT_EQ(mdb.IsTableExist(L"SEQ", names), 1);
    EXPECT_EQ(mdb.IsTableExist(L"v", names), 0);
    mdb.CloseDatabase();
    EXPECT_EQ(mdb.IsConnected(), 0);
}

TEST_F(OperateMdbTest, ColumnValuesFollowTheCallersTypeCode) {
    COperateMdb mdb(Make({
        L"CREATE TABLE w (WORD Text(50), n Integer, r adDouble, b adBoolean, d adDate)",
        L"INSERT INTO w VALUES ('乙', 7, 2.5, -1, '2024-01-01'), (NULL, NULL, NULL, 0, NULL), "
        L"('甲', 3000000000, 1, 1, '2024-02-02'), ('乙', -2, 0.125, 0, NULL)",
    }));
    Strings values;
    ASSERT_EQ(mdb.GetFieldValues(L"w", L"WORD", values, kMdbChar, 0), 1);
    EXPECT_EQ(values, (Strings{L"乙", L"", L"甲", L"乙"}));
    ASSERT_EQ(mdb.GetFieldValues(L"W", L"word", values, kMdbChar, 1), 1);
    EXPECT_EQ(values, (Strings{L"", L"乙", L"甲"})); // 乙 U+4E59 before 甲 U+7532
    ASSERT_EQ(mdb.GetFieldValues(L"w", L"n", values, kMdbInteger, 0), 1);
    EXPECT_EQ(values, (Strings{L"7", L"", L"-1294967296", L"-2"}));
    ASSERT_EQ(mdb.GetFieldValues(L"w", L"r", values, kMdbDouble, 0), 1);
    EXPECT_EQ(values, (Strings{L"2.50", L"", L"1.00", L"0.12"}));
    ASSERT_EQ(mdb.GetFieldValues(L"w", L"b", values, kMdbBoolean, 0), 1);
    EXPECT_EQ(values, (Strings{L"1", L"0", L"1", L"0"}));
    // A long text column reads as its text.
    ASSERT_EQ(mdb.GetFieldValues(L"w", L"WORD", values, kMdbLongVarChar, 0), 1);
    EXPECT_EQ(values[0], L"乙");
    // A code without a conversion leaves every row at the previous text: empty.
    ASSERT_EQ(mdb.GetFieldValues(L"w", L"d", values, kMdbDate, 0), 1);
    EXPECT_EQ(values, (Strings{L"", L"", L"", L""}));
    EXPECT_TRUE(m_boxes.Boxes().empty());

    // A table that is not there fails quietly; a column that is not there is reported.
    values = {L"stale"};
    EXPECT_EQ(mdb.GetFieldValues(L"nosuch", L"WORD", values, kMdbChar, 0), 0);
    EXPECT_TRUE(values.empty());
    EXPECT_EQ(mdb.GetFieldValues(L"", L"WORD", values, kMdbChar, 0), 0);
    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_EQ(mdb.GetFieldValues(L"w", L"nosuch", values, kMdbChar, 0), 0);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, L"no such column: w.nosuch");
    EXPECT_EQ(m_boxes.Boxes()[0].caption, L"OvManage");
}

TEST_F(OperateMdbTest, NamesAndValuesWithQuotesOrKeywordsCannotChangeAStatement) {
    COperateMdb mdb(Make({L"CREATE TABLE \"t\"\"x\" (\"Order\" Text(20), \"Le\"\"vel\" Integer)"}));
    const std::wstring tricky = L"a'); DROP TABLE \"t\"\"x\"; --";
    ASSERT_EQ(
        mdb.InsertRecord(L"t\"x", {L"Order", L"Le\"vel"}, {tricky, L"5"}, {kMdbChar, kMdbInteger}),
        1);
    Strings values;
    ASSERT_EQ(mdb.GetFieldValues(L"t\"x", L"Order", values, kMdbChar, 0), 1);
    EXPECT_EQ(values, Strings{tricky});
    ASSERT_EQ(mdb.GetFieldValues(L"t\"x", L"Le\"vel", values, kMdbInteger, 0), 1);
    EXPECT_EQ(values, Strings{L"5"});
    // A value that looks like a condition matches only itself.
    ASSERT_EQ(mdb.DeleteRecords(L"t\"x", {L"Order"}, {L"x' OR '1'='1"}, {kMdbChar}), 1);
    ASSERT_EQ(mdb.GetFieldValues(L"t\"x", L"Order", values, kMdbChar, 0), 1);
    EXPECT_EQ(values.size(), 1u);
}

TEST_F(OperateMdbTest, UpdatesAndDeletesNeedAConditionAndHonourTheNoConditionMarker) {
    COperateMdb mdb(Make({L"CREATE TABLE w (WORD Text(20), kind Text(20), n Integer)",
                          L"INSERT INTO w VALUES ('a', 'x', 1), ('b', 'x', 2), ('c', 'y', 3)"}));
    Strings values;
    // The marker sets no condition; the numeric key still selects.
    ASSERT_EQ(mdb.UpdateRecords(L"w", {L"WORD"}, {L"z"}, {kMdbChar}, {L"kind", L"n"},
                                {kMdbNoCondition, L"2"}, {kMdbChar, kMdbInteger}),
              1);
    mdb.GetFieldValues(L"w", L"WORD", values, kMdbChar, 0);
    EXPECT_EQ(values, (Strings{L"a", L"z", L"c"}));
    // With every key left open the statement would touch every row: refused, nothing changes.
    EXPECT_EQ(mdb.UpdateRecords(L"w", {L"WORD"}, {L"all"}, {kMdbChar}, {L"kind"}, {kMdbNoCondition},
                                {kMdbChar}),
              0);
    EXPECT_EQ(mdb.DeleteRecords(L"w", {L"kind"}, {kMdbNoCondition}, {kMdbChar}), 0);
    EXPECT_EQ(mdb.DeleteRecords(L"w", {}, {}, {}), 0);
    mdb.GetFieldValues(L"w", L"WORD", values, kMdbChar, 0);
    EXPECT_EQ(values, (Strings{L"a", L"z", L"c"}));
    // "Like" keeps its pattern meaning, as in the dictionary's own dialect.
    ASSERT_EQ(mdb.DeleteRecords(L"w", {L"kind"}, {L"X%"}, {kMdbChar}), 1);
    mdb.GetFieldValues(L"w", L"WORD", values, kMdbChar, 0);
    EXPECT_EQ(values, Strings{L"c"});
    // Lists of different lengths and unknown tables fail.
    EXPECT_EQ(mdb.InsertRecord(L"w", {L"WORD", L"n"}, {L"d"}, {kMdbChar}), 0);
    EXPECT_EQ(mdb.InsertRecord(L"nosuch", {L"WORD"}, {L"d"}, {kMdbChar}), 0);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(OperateMdbTest, CreateDropAndRenameKeepTheirChecksAndMessages) {
    COperateMdb mdb(Make(
        {L"CREATE TABLE \"OV甲\" (WORD Text(20))", L"INSERT INTO \"OV甲\" VALUES ('一'), ('二')"}));
    ASSERT_EQ(mdb.CreateTable(L" a b-c ", {L"WORD", L"n", L"flag", L"r"},
                              {kMdbChar, kMdbInteger, kMdbBoolean, kMdbDouble}, {30, 0, 0, 0}),
              1);
    Strings names;
    mdb.GetTableNames(names);
    EXPECT_EQ(names, (Strings{L"OV甲", L"a_b_c"}));
    ASSERT_EQ(mdb.InsertRecord(L"a_b_c", {L"WORD", L"n", L"flag", L"r"},
                               {L"w", L"12", L"True", L"2.346"},
                               {kMdbChar, kMdbInteger, kMdbBoolean, kMdbDouble}),
              1);
    Strings values;
    mdb.GetFieldValues(L"a_b_c", L"flag", values, kMdbBoolean, 0);
    EXPECT_EQ(values, Strings{L"1"});
    mdb.GetFieldValues(L"a_b_c", L"r", values, kMdbDouble, 0);
    EXPECT_EQ(values, Strings{L"2.35"});

    // The name is taken, in the form given or after its blanks and dashes became "_".
    EXPECT_EQ(mdb.CreateTable(L"ov甲", {L"WORD"}, {kMdbChar}, {10}), 0);
    EXPECT_EQ(mdb.CreateTable(L"a-b c", {L"WORD"}, {kMdbChar}, {10}), 0);
    ASSERT_EQ(m_boxes.Boxes().size(), 2u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, L"该表名数据库中已经有了,请更换表名");
    EXPECT_EQ(m_boxes.Boxes()[0].caption, L"Tessaline");
    EXPECT_EQ(m_boxes.Boxes()[0].flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(mdb.CreateTable(L"  ", {L"WORD"}, {kMdbChar}, {10}), 0);
    EXPECT_EQ(mdb.CreateTable(L"odd", {L"WORD"}, {99}, {10}), 0);
    ASSERT_EQ(m_boxes.Boxes().size(), 3u);
    EXPECT_EQ(m_boxes.Boxes()[2].text, L"Enum Error:99 unknow. Create Table false.");

    EXPECT_EQ(mdb.RenameTable(L"OV甲", L"A_B_C"), 0);
    ASSERT_EQ(m_boxes.Boxes().size(), 4u);
    EXPECT_EQ(m_boxes.Boxes()[3].text, L"数据库表名已经存在! ");
    EXPECT_EQ(m_boxes.Boxes()[3].flags, ui::MB_OK | ui::MB_ICONINFORMATION);
    EXPECT_EQ(mdb.RenameTable(L"nosuch", L"x"), 0);
    ASSERT_EQ(mdb.RenameTable(L"OV甲", L"OV乙"), 1);
    ASSERT_EQ(mdb.GetFieldValues(L"OV乙", L"WORD", values, kMdbChar, 0), 1);
    EXPECT_EQ(values, (Strings{L"一", L"二"}));

    ASSERT_EQ(mdb.DropTable(L"a_b_c"), 1);
    mdb.GetTableNames(names);
    EXPECT_EQ(names, Strings{L"OV乙"});
}

TEST_F(OperateMdbTest, ListingsGiveTextRowsAndRefuseMismatchedArguments) {
    COperateMdb mdb(
        Make({L"CREATE TABLE OvTableName (UseTableName Text(20), n Integer, r adDouble)",
              L"INSERT INTO OvTableName VALUES ('乙', 1, 0.5), ('甲', NULL, 2), "
              L"('丙', 3, NULL)"}));
    Strings columns;
    std::vector<Strings> rows;
    ASSERT_EQ(mdb.SelectRecords(L"OvTableName", columns, rows), 1);
    EXPECT_EQ(columns, (Strings{L"UseTableName", L"n", L"r"}));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (Strings{L"甲", L"", L"2.00"}));

    ASSERT_EQ(
        mdb.SelectRecordsWhere(L"OvTableName", {L"n"}, {L"UseTableName"}, {L"甲"}, columns, rows),
        1);
    EXPECT_EQ(columns, Strings{L"n"});
    EXPECT_EQ(rows, std::vector<Strings>{Strings{L""}});

    ASSERT_EQ(mdb.SelectRecordsOrdered({L"UseTableName"}, {}, {}, columns, rows), 1);
    EXPECT_EQ(rows, (std::vector<Strings>{{L"丙"}, {L"乙"}, {L"甲"}}));

    EXPECT_EQ(mdb.SelectRecordsWhere(L"OvTableName", {}, {L"n", L"r"}, {L"1"}, columns, rows), 0);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, L"程序员应用此函数,传入的参数有错误,请检查!");
    EXPECT_EQ(m_boxes.Boxes()[0].caption, L"Tessaline");
}
