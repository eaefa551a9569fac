-- The word dictionary of the demo installation (install/Data/word.mdb).
--
-- One table per description title, named "OV" followed by the title, with the text column
-- "WORD": the words the description dialogs offer for that title, in this order. The table
-- "OV项目设备描述信息" lists the default titles of a new Project or Equipment. The file is
-- rebuilt from this script at build time; edit the script, not the database.

BEGIN TRANSACTION;

CREATE TABLE "OV项目设备描述信息" ("WORD" Text(50));
INSERT INTO "OV项目设备描述信息" ("WORD") VALUES
    ('工程名称'),
    ('工程合同号'),
    ('工程电气设计负责人'),
    ('设备名称'),
    ('设备型号'),
    ('设备图册号'),
    ('设备数量');

CREATE TABLE "OV工程名称" ("WORD" Text(100));
INSERT INTO "OV工程名称" ("WORD") VALUES
    ('220kV城东变电站新建工程'),
    ('110kV开发区变电站综合自动化改造工程'),
    ('35kV工业园开关站扩建工程'),
    ('10kV配电室改造工程'),
    ('500kV滨江变电站二次系统改造工程');

CREATE TABLE "OV工程合同号" ("WORD" Text(50));
INSERT INTO "OV工程合同号" ("WORD") VALUES
    ('HT2024-0012'),
    ('HT2024-0135'),
    ('HT2025-0007'),
    ('GD-2025-031');

CREATE TABLE "OV工程电气设计负责人" ("WORD" Text(50));
INSERT INTO "OV工程电气设计负责人" ("WORD") VALUES
    ('电气一室'),
    ('电气二室'),
    ('二次设计组');

CREATE TABLE "OV设备名称" ("WORD" Text(50));
INSERT INTO "OV设备名称" ("WORD") VALUES
    ('主变保护屏'),
    ('线路保护屏'),
    ('母线保护屏'),
    ('主变测控屏'),
    ('公用测控屏'),
    ('故障录波屏'),
    ('电能表屏'),
    ('远动通信屏'),
    ('直流馈线屏'),
    ('交流电源屏'),
    ('蓄电池屏');

CREATE TABLE "OV设备型号" ("WORD" Text(50));
INSERT INTO "OV设备型号" ("WORD") VALUES
    ('PK-10'),
    ('GZDW-220/200'),
    ('GGD2'),
    ('KYN28A-12'),
    ('MNS');

CREATE TABLE "OV设备图册号" ("WORD" Text(50));
INSERT INTO "OV设备图册号" ("WORD") VALUES
    ('D0101'),
    ('D0102'),
    ('D0201'),
    ('D0301');

CREATE TABLE "OV设备数量" ("WORD" Text(10));
INSERT INTO "OV设备数量" ("WORD") VALUES ('1'), ('2'), ('3'), ('4'), ('5'), ('6');

CREATE TABLE "OV设备颜色" ("WORD" Text(50));
INSERT INTO "OV设备颜色" ("WORD") VALUES
    ('RAL7035浅灰'),
    ('RAL7032卵石灰'),
    ('GY09冰灰'),
    ('海灰');

CREATE TABLE "OV设备尺寸" ("WORD" Text(50));
INSERT INTO "OV设备尺寸" ("WORD") VALUES
    ('2260×800×600'),
    ('2260×800×550'),
    ('2200×800×600'),
    ('2360×800×600'),
    ('1800×600×400');

CREATE TABLE "OV端子型号" ("WORD" Text(50));
INSERT INTO "OV端子型号" ("WORD") VALUES
    ('JF5-2.5/5'),
    ('JF5-4/5'),
    ('JF5-2.5/5S试验端子'),
    ('JF5-6/5'),
    ('JH9-2.5'),
    ('JH9-6'),
    ('JXB-2.5/35'),
    ('电流试验端子');

CREATE TABLE "OV直流电压" ("WORD" Text(10));
INSERT INTO "OV直流电压" ("WORD") VALUES ('220'), ('110'), ('48'), ('24');

CREATE TABLE "OV交流电流" ("WORD" Text(10));
INSERT INTO "OV交流电流" ("WORD") VALUES ('5'), ('1');

CREATE TABLE "OV跳闸电流" ("WORD" Text(10));
INSERT INTO "OV跳闸电流" ("WORD") VALUES ('0.5'), ('1'), ('2'), ('2.5'), ('4');

CREATE TABLE "OV合闸电流" ("WORD" Text(10));
INSERT INTO "OV合闸电流" ("WORD") VALUES ('0.5'), ('1'), ('2'), ('2.5'), ('4');

CREATE TABLE "OV小母线安装数量" ("WORD" Text(50));
INSERT INTO "OV小母线安装数量" ("WORD") VALUES
    ('无'),
    ('顶部6根'),
    ('顶部9根'),
    ('顶部12根'),
    ('顶部15根');

CREATE TABLE "OV定制功能描述" ("WORD" Text(100));
INSERT INTO "OV定制功能描述" ("WORD") VALUES
    ('前后开门，前门带玻璃'),
    ('柜内加装照明及加热器'),
    ('带远方/就地切换把手'),
    ('柜门带电磁锁'),
    ('加装打印机');

CREATE TABLE "OV屏柜所属厂站" ("WORD" Text(50));
INSERT INTO "OV屏柜所属厂站" ("WORD") VALUES
    ('220kV城东变电站'),
    ('110kV开发区变电站'),
    ('35kV工业园开关站'),
    ('500kV滨江变电站');

-- The wire data: categories, material codes and descriptions, average lengths in metres.
CREATE TABLE "OV导线类别" ("WORD" Text(50));
INSERT INTO "OV导线类别" ("WORD") VALUES
    ('交流电流A'),
    ('交流电流B'),
    ('交流电流C'),
    ('交流电流N'),
    ('普通导线'),
    ('两芯屏蔽线'),
    ('三芯屏蔽线');

CREATE TABLE "OV物料编码" ("WORD" Text(50));
INSERT INTO "OV物料编码" ("WORD") VALUES
    ('DX-BVR-1.5'),
    ('DX-BVR-2.5'),
    ('DX-BVR-4'),
    ('DL-RVVP-2×1.0'),
    ('DL-RVVP-3×1.0');

CREATE TABLE "OV物料描述" ("WORD" Text(100));
INSERT INTO "OV物料描述" ("WORD") VALUES
    ('BVR_450/750V_1×1.5'),
    ('BVR_450/750V_1×2.5'),
    ('BVR_450/750V_1×4'),
    ('RVVP_300/300V_2×1.0'),
    ('RVVP_300/300V_3×1.0');

CREATE TABLE "OV平均长度" ("WORD" Text(10));
INSERT INTO "OV平均长度" ("WORD") VALUES ('1.5'), ('2'), ('2.5'), ('3'), ('5');

COMMIT;
