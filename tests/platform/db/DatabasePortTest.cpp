#include "platform/db/Database.h"
#include "support/SqliteFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::TempFolder;

TEST(SqliteAdapter, ValuesOfEveryKindRoundTripThroughBoundParameters) {
    TempFolder folder;
    std::wstring path = folder.Path(L"t.db");
    ovtest::MakeSqliteFile(path, {L"CREATE TABLE t (a, b, c, d, e)"});
    db::Opened opened = db::OpenSqlite(path);
    ASSERT_TRUE(opened.connection);
    db::Connection& connection = *opened.connection;

    std::string bytes("\0\x01\xFF", 3);
    ASSERT_TRUE(connection.Run(L"INSERT INTO t VALUES (?, ?, ?, ?, ?)",
                               {L"工程'", 42LL, 2.5, db::Bytes{bytes}, std::monostate{}}));
    ASSERT_TRUE(connection.Run(L"INSERT INTO t (a) VALUES (1), (2)"));
    db::Rows rows;
    ASSERT_TRUE(connection.Run(L"SELECT A, b, c, d, e FROM t", {}, &rows, 2));
    ASSERT_EQ(rows.rows.size(), 2u);
    const std::vector<db::Value>& row = rows.rows[0];
    EXPECT_EQ(std::get<std::wstring>(row[0]), L"工程'");
    EXPECT_EQ(std::get<long long>(row[1]), 42);
    EXPECT_EQ(std::get<double>(row[2]), 2.5);
    EXPECT_EQ(std::get<db::Bytes>(row[3]).data, bytes);
    EXPECT_TRUE(db::IsNull(row[4]));
    EXPECT_EQ(rows.Column(L"E"), 4);
    // Placeholders and values must agree.
    EXPECT_FALSE(connection.Run(L"SELECT ? FROM t", {}));
}

TEST(SqliteAdapter, FilesAreJudgedByTheirHeaderAndAMissingOneIsNeverCreated) {
    TempFolder folder;
    EXPECT_FALSE(db::OpenSqlite(folder.Path(L"missing.db")).connection);
    EXPECT_FALSE(folder.Exists(L"missing.db"));
    EXPECT_EQ(db::DetectFileFormat(folder.Path(L"missing.db")), db::FileFormat::Missing);

    folder.WriteBytes(L"new.accdb", std::string("\x00\x01\x00\x00Standard ACE DB\x00", 20) +
                                        std::string(2048, '\0'));
    EXPECT_EQ(db::DetectFileFormat(folder.Path(L"new.accdb")), db::FileFormat::Access);
    folder.WriteBytes(L"empty.db", "");
    EXPECT_EQ(db::DetectFileFormat(folder.Path(L"empty.db")), db::FileFormat::Empty);
    ovtest::MakeSqliteFile(folder.Path(L"real.db"), {L"CREATE TABLE t (a)"});
    EXPECT_EQ(db::DetectFileFormat(folder.Path(L"real.db")), db::FileFormat::Sqlite);
}
