#include "platform/db/Database.h"
#include "platform/text/Utf8.h"
#include "support/SqliteFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::TempFolder;

TEST(SqliteAdapter, ValuesOfEveryKindRoundTripThroughBoundParameters) {
    TempFolder folder;
    std::wstring path = folder.Path(L"t.db");
    ovtest::MakeSqliteFile(path, {L"CREATE TABLE t (a, b, c, d, e)"});
    db::Opened opened = db::OpenSqlite(path);
    ASSERT_TRUE(opened.connection) << text::ToUtf8(opened.error);
    db::Connection& connection = *opened.connection;

    // A value that would end a quoted literal stays a value.
    const std::wstring tricky = L"工程'); DROP TABLE t; --";
    std::string bytes("\0\x01\xFF", 3);
    ASSERT_TRUE(connection.Run(L"INSERT INTO t VALUES (?, ?, ?, ?, ?)",
                               {tricky, 42LL, 2.5, db::Bytes{bytes}, std::monostate{}}));
    db::Rows rows;
    ASSERT_TRUE(connection.Run(L"SELECT A, b, c, d, e FROM t WHERE a = ?", {tricky}, &rows));
    ASSERT_EQ(rows.rows.size(), 1u);
    const std::vector<db::Value>& row = rows.rows[0];
    EXPECT_EQ(std::get<std::wstring>(row[0]), tricky);
    EXPECT_EQ(std::get<long long>(row[1]), 42);
    EXPECT_EQ(std::get<double>(row[2]), 2.5);
    EXPECT_EQ(std::get<db::Bytes>(row[3]).data, bytes);
    EXPECT_TRUE(db::IsNull(row[4]));
    EXPECT_EQ(rows.Column(L"a"), 0);
    EXPECT_EQ(rows.Column(L"E"), 4);
    EXPECT_EQ(rows.Column(L"x"), -1);

    // A misspelt column is an error, never its own name read back as text.
    db::Status status = connection.Run(L"SELECT \"nosuch\" FROM t", {}, &rows);
    EXPECT_FALSE(status);
    EXPECT_NE(status.error.find(L"nosuch"), std::wstring::npos);
    // Placeholders and values must agree.
    EXPECT_FALSE(connection.Run(L"SELECT ? FROM t", {}));

    ASSERT_TRUE(connection.Run(L"INSERT INTO t (a) VALUES (1), (2), (3)"));
    ASSERT_TRUE(connection.Run(L"SELECT a FROM t", {}, &rows, 2));
    EXPECT_EQ(rows.rows.size(), 2u);
}

TEST(SqliteAdapter, FilesThatAreNotSqliteDatabasesFailAtOpening) {
    TempFolder folder;
    // A missing file is never created.
    db::Opened missing = db::OpenSqlite(folder.Path(L"missing.db"));
    EXPECT_FALSE(missing.connection);
    EXPECT_FALSE(missing.error.empty());
    EXPECT_FALSE(folder.Exists(L"missing.db"));
    EXPECT_EQ(db::DetectFileFormat(folder.Path(L"missing.db")), db::FileFormat::Missing);

    folder.WriteBytes(L"garbage.db", std::string(4096, 'x'));
    db::Opened garbage = db::OpenSqlite(folder.Path(L"garbage.db"));
    EXPECT_FALSE(garbage.connection);
    EXPECT_NE(garbage.error.find(L"not a database"), std::wstring::npos);
    EXPECT_EQ(db::DetectFileFormat(folder.Path(L"garbage.db")), db::FileFormat::Other);

    std::string jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    folder.WriteBytes(L"old.mdb", jet + std::string(2048, '\0'));
    EXPECT_EQ(db::DetectFileFormat(folder.Path(L"old.mdb")), db::FileFormat::Access);
    std::string ace("\x00\x01\x00\x00Standard ACE DB\x00", 20);
    folder.WriteBytes(L"new.accdb", ace + std::string(2048, '\0'));
    EXPECT_EQ(db::DetectFileFormat(folder.Path(L"new.accdb")), db::FileFormat::Access);

    folder.WriteBytes(L"empty.db", "");
    EXPECT_EQ(db::DetectFileFormat(folder.Path(L"empty.db")), db::FileFormat::Empty);
    ovtest::MakeSqliteFile(folder.Path(L"real.db"), {L"CREATE TABLE t (a)"});
    EXPECT_EQ(db::DetectFileFormat(folder.Path(L"real.db")), db::FileFormat::Sqlite);
}

TEST(OdbcAdapter, AnUnknownDriverComesBackAsTheDriverManagersText) {
    ::setenv("ODBCSYSINI", "/nonexistent-ov-odbc", 1);
    db::Opened opened = db::OpenOdbc(L"Driver=No Such Driver;Server=127.0.0.1", 5);
    ::unsetenv("ODBCSYSINI");
    EXPECT_FALSE(opened.connection);
    EXPECT_NE(opened.error.find(L"No Such Driver"), std::wstring::npos)
        << text::ToUtf8(opened.error);
}
