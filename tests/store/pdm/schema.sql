-- The product-data and user databases of the tests, on PostgreSQL standing in for SQL Server.
-- The stored procedures the module calls are set-returning functions: psqlODBC runs the ODBC
-- call "{call name(?)}" as "SELECT * FROM name($1)".

CREATE ROLE pdm_app LOGIN PASSWORD 'pdm;app{pw}';
CREATE DATABASE pdm OWNER pdm_app ENCODING 'UTF8' TEMPLATE template0;
CREATE DATABASE pdmusers OWNER pdm_app ENCODING 'UTF8' TEMPLATE template0;

\connect pdmusers
SET ROLE pdm_app;

CREATE TABLE UserInformation (UserLogName varchar(50), Password varchar(50));
INSERT INTO UserInformation VALUES
    ('zhangsan', 'pw-zhang'),
    ('zhangsi', 'pw-si'),
    ('lisi', '  pw-li  '),
    ('wangwu', NULL),
    ('o''brien', 'pw-ob'),
    ('张工', '密码1'),
    (NULL, 'x'),
    ('', 'y'),
    ('zhangsan', 'duplicate');

\connect pdm
SET ROLE pdm_app;

CREATE TABLE AborningProductTable (
    ProductCode varchar(50), ProductName varchar(255), ConsumerName varchar(255),
    Manager varchar(50), State varchar(20), SavedTime varchar(30), OrderNumber varchar(50));
INSERT INTO AborningProductTable VALUES
    ('HT2024-0012', '220kV城东变电站新建工程', '城东供电公司', 'zhangsan', '进行中', '2024-03-01', 'D1'),
    ('HT2024-0135', NULL, '开发区供电公司', 'zhangsan', '进行中', '2024-04-01', 'D2'),
    ('HT2025-0007', '35kV开关站扩建工程', '工业园', 'lisi', '完成', '2025-01-10', 'D3');

CREATE TABLE ConfigureGroupManage (
    ProductCode varchar(50), GroupCode varchar(50), GroupStyle varchar(50),
    GroupNumber varchar(20), GroupManager varchar(50), State varchar(20), GroupUsage varchar(50),
    SavedTime varchar(30), SolutionNumber varchar(50), GroupLocation varchar(50),
    RatedCurrent varchar(20), CZZCode1 varchar(50), CZZCode2 varchar(50), GZZCode varchar(50),
    zhuMXStand varchar(50), zhiMXStand varchar(50), GroupSize varchar(50));
INSERT INTO ConfigureGroupManage (ProductCode, GroupCode, GroupStyle, GroupNumber, GroupManager,
                                  State) VALUES
    ('HT2024-0012', 'G01', 'PK-10', '1', 'zhangsan', '新建'),
    ('HT2024-0012', 'G02', NULL, '2', 'zhangsan', '新建'),
    ('HT2025-0007', 'G01', 'GGD2', '1', 'lisi', '新建');

CREATE TABLE XTTempEBom (
    ProductCode varchar(50), Code varchar(50), Name varchar(255), Quantity varchar(20),
    Stand varchar(255), Source varchar(50), Groupcode varchar(50), Other3 varchar(255));

CREATE TABLE EngineerDocument (
    ProductCode varchar(50), DocType varchar(50), FileName varchar(255), FileType varchar(50),
    FileBulk varchar(20), DocSaved varchar(30), Source varchar(50), Other1 varchar(255),
    Other2 varchar(255), DocContent bytea);

CREATE FUNCTION get_mainrecord_by_GroupManager_from_ConfigureGroupManageTable(
        GroupManager_my varchar)
    RETURNS TABLE (ProductCode varchar, GroupCode varchar, GroupStyle varchar,
                   GroupNumber varchar)
    LANGUAGE sql STABLE AS $$
        SELECT g.ProductCode, g.GroupCode, g.GroupStyle, g.GroupNumber
        FROM ConfigureGroupManage g WHERE g.GroupManager = GroupManager_my
        ORDER BY g.ProductCode, g.GroupCode
    $$;

CREATE FUNCTION get_mainrecord_by_Manager_from_AborningProductTable(Manager_my varchar)
    RETURNS TABLE (ProductCode varchar, ProductName varchar)
    LANGUAGE sql STABLE AS $$
        SELECT p.ProductCode, p.ProductName
        FROM AborningProductTable p WHERE p.Manager = Manager_my ORDER BY p.ProductCode
    $$;

CREATE FUNCTION delete_twice_record_by_ProductCode_and_GroupCode_from_XTTempEBom(
        ProductCode_my varchar, GroupCode_my varchar)
    RETURNS void
    LANGUAGE sql AS $$
        DELETE FROM XTTempEBom e WHERE e.ProductCode = ProductCode_my
            AND e.Groupcode = GroupCode_my
    $$;

CREATE FUNCTION get_twice_record_by_ProductCode_and_GroupCode_from_XTTempEBom(
        ProductCode_my varchar, GroupCode_my varchar)
    RETURNS TABLE (Code varchar)
    LANGUAGE sql STABLE AS $$
        SELECT e.Code FROM XTTempEBom e
        WHERE e.ProductCode = ProductCode_my AND e.Groupcode = GroupCode_my ORDER BY e.Code
    $$;
