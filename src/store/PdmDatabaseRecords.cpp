// The procedures and statements of the product-data server that the module offers besides the
// group, product and login calls. Every value is a bound parameter.

#include "drawing/EditOprt.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "store/PdmDatabase.h"
#include "store/StoreMessages.h"

#include <ctime>

namespace {

std::vector<std::wstring> FirstColumn(const PdmRecords& records) {
    std::vector<std::wstring> values;
    for (const std::vector<std::wstring>& row : records.rows)
        values.push_back(row.empty() ? std::wstring() : row[0]);
    return values;
}

std::wstring Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    wchar_t buffer[32] = {};
    std::wcsftime(buffer, std::size(buffer), L"%Y-%m-%d %H:%M", &local);
    return buffer;
}

// The stored file name without any folder part, or "" when nothing usable is left.
std::wstring SafeFileName(const std::wstring& strStored) {
    std::wstring strName = text::Trim(strStored);
    size_t nCut = strName.find_last_of(L"\\/:");
    if (nCut != std::wstring::npos)
        strName.erase(0, nCut + 1);
    return strName == L"." || strName == L".." ? std::wstring() : strName;
}

} // namespace

int CPdmDatabase::GetGroupStatesOfManager(const std::wstring& strManager, PdmRecords& records) {
    return CallProcedure(L"get_record_by_GroupManager_from_ConfigureGroupManageTable", {strManager},
                         {L"ProductCode", L"GroupCode", L"State"}, &records);
}

int CPdmDatabase::GetGroupCodesOfManagerProduct(const std::wstring& strManager,
                                                const std::wstring& strProductCode,
                                                PdmRecords& records) {
    return CallProcedure(
        L"get_record_by_GroupManager_and_ProductCode_from_ConfigureGroupManageTable",
        {strManager, strProductCode}, {L"GroupCode"}, &records);
}

int CPdmDatabase::GetGroupStylesOfProduct(const std::wstring& strProductCode, PdmRecords& records) {
    return CallProcedure(L"get_stylerecord_by_ProductCode_from_ConfigureGroupManageTable",
                         {strProductCode}, {L"GroupStyle"}, &records);
}

int CPdmDatabase::GetGroupCodesOfProduct(const std::wstring& strProductCode, PdmRecords& records) {
    return CallProcedure(L"get_groupcoderecord_by_ProductCode_from_ConfigureGroupManageTable",
                         {strProductCode}, {L"GroupCode"}, &records);
}

int CPdmDatabase::GetTitleRecordsOfManager(const std::wstring& strManager, PdmRecords& records) {
    return CallProcedure(
        L"get_titlerecord_by_Manager_from_AborningProductTable_and_ConfigureGroupManageTable",
        {strManager},
        {L"ProductCode", L"ProductName", L"ConsumerName", L"GroupCode", L"GroupStyle",
         L"GroupManager", L"DQDesigner"},
        &records);
}

int CPdmDatabase::GetProductStatesOfManager(const std::wstring& strManager, PdmRecords& records) {
    return CallProcedure(L"get_record_by_Manager_from_AborningProductTable", {strManager},
                         {L"ProductCode", L"State"}, &records);
}

int CPdmDatabase::GetNoticeRecordsOfManager(const std::wstring& strManager, PdmRecords& records) {
    return CallProcedure(
        L"get_noticerecord_by_Manager_from_AborningProductTable", {strManager},
        {L"ProductCode", L"ConsumerName", L"ProductName", L"SavedTime", L"OrderNumber"}, &records);
}

int CPdmDatabase::GetEBomCodes(const std::wstring& strProductCode, const std::wstring& strGroupCode,
                               PdmRecords& records) {
    return CallProcedure(L"get_twice_record_by_ProductCode_and_GroupCode_from_XTTempEBom",
                         {strProductCode, strGroupCode}, {L"Code"}, &records);
}

int CPdmDatabase::DeleteEBomTwiceRecords(const std::wstring& strProductCode,
                                         const std::wstring& strGroupCode) {
    return CallProcedure(L"delete_twice_record_by_ProductCode_and_GroupCode_from_XTTempEBom",
                         {strProductCode, strGroupCode}, {}, nullptr);
}

int CPdmDatabase::DeleteEBomOnceRecords(const std::wstring& strProductCode,
                                        const std::wstring& strGroupCode) {
    return CallProcedure(L"delete_once_record_by_ProductCode_and_GroupCode_from_XTTempEBom",
                         {strProductCode, strGroupCode}, {}, nullptr);
}

int CPdmDatabase::GetOnceSystemDwgRecords(const std::wstring& strProductCode,
                                          const std::wstring& strDocType, PdmRecords& records) {
    return CallProcedure(L"get_OnceSystemDwg_record_by_ProductCode_from_EngineerDocument",
                         {strProductCode, strDocType}, {}, &records);
}

int CPdmDatabase::DeleteOnceSystemDwgRecords(const std::wstring& strProductCode,
                                             const std::wstring& strDocType,
                                             const std::wstring& strOther2) {
    return CallProcedure(L"delete_OnceSystemDwg_record_by_ProductCode_from_EngineerDocument",
                         {strProductCode, strDocType, strOther2}, {}, nullptr);
}

int CPdmDatabase::DeleteTwiceSystemDwgRecords(const std::wstring& strProductCode,
                                              const std::wstring& strGroupCode,
                                              const std::wstring& strDocType,
                                              const std::wstring& strOther2) {
    return CallProcedure(
        L"delete_TwiceSystemDwg_record_by_ProductCodeAndGroupCode_from_EngineerDocument",
        {strProductCode, strGroupCode, strDocType, strOther2}, {}, nullptr);
}

int CPdmDatabase::DeleteOnceSystemRecords(const std::wstring& strProductCode,
                                          const std::wstring& strCode) {
    return CallProcedure(L"delete_record_by_ProductCode_from_XTOnceSystem",
                         {strProductCode, strCode}, {}, nullptr);
}

int CPdmDatabase::DeleteGroupRecords(const std::wstring& strProductCode,
                                     const std::wstring& strGroupCode) {
    return CallProcedure(L"delete_record_by_ProductCode_and_GroupCode_from_ConfigureGroupManage",
                         {strProductCode, strGroupCode}, {}, nullptr);
}

int CPdmDatabase::GetProductStands(std::vector<std::wstring>& arrStands) {
    PdmRecords records;
    int nResult =
        Query(L"select distinct ProductStand from Product", {}, {L"ProductStand"}, &records);
    arrStands = FirstColumn(records);
    return nResult;
}

int CPdmDatabase::GetProductDwgCodes(const std::wstring& strStand,
                                     std::vector<std::wstring>& arrCodes) {
    PdmRecords records;
    int nResult = Query(L"select distinct ProductDwgCode  from Product where ProductStand=?",
                        {strStand}, {L"ProductDwgCode"}, &records);
    arrCodes = FirstColumn(records);
    return nResult;
}

int CPdmDatabase::InsertEBomRow(const PdmEBomRow& row) {
    return Query(L"insert into XTTempEBom "
                 L"(ProductCode,Code,Name,Quantity,Stand,Source,Groupcode,Other3) "
                 L"values(?,?,?,?,?,?,?,?)",
                 {row.productCode, row.code, row.name, row.quantity, row.stand, row.source,
                  row.groupCode, row.other3},
                 {}, nullptr);
}

int CPdmDatabase::InsertOnceSystemRow(const PdmOnceSystemRow& row) {
    return Query(L"insert into XTOnceSystem "
                 L"(ProductCode,Code,Name,OnceVoltage,TwiceVoltage,MXStyle,SavedTime) "
                 L"values(?,?,?,?,?,?,?)",
                 {row.productCode, row.code, row.name, row.onceVoltage, row.twiceVoltage,
                  row.mxStyle, row.savedTime},
                 {}, nullptr);
}

int CPdmDatabase::GetOnceSystemRows(const std::wstring& strProductCode, const std::wstring& strCode,
                                    PdmRecords& records) {
    return Query(L"Select *\tFROM XTOnceSystem WHERE ProductCode =? and Code = ?",
                 {strProductCode, strCode}, {}, &records);
}

int CPdmDatabase::UpdateGroup(const PdmGroupUpdate& update) {
    return Query(L"Update ConfigureGroupManage set GroupStyle=?,GroupUsage=?,GroupManager=?,"
                 L"State=?,GroupNumber=?,SavedTime=?,SolutionNumber=?,GroupLocation=?,"
                 L"RatedCurrent=?,CZZCode1=?,CZZCode2=?,GZZCode=?,zhuMXStand=?,zhiMXStand=?,"
                 L"GroupSize=? where ProductCode=? and GroupCode=?",
                 {update.groupStyle, update.groupUsage, update.groupManager, L"进行中",
                  update.groupNumber, update.savedTime, update.solutionNumber, update.groupLocation,
                  update.ratedCurrent, update.czzCode1, update.czzCode2, update.gzzCode,
                  update.zhuMXStand, update.zhiMXStand, update.groupSize, update.productCode,
                  update.groupCode},
                 {}, nullptr);
}

int CPdmDatabase::InsertDocument(const std::wstring& strProductCode, const std::wstring& strDocType,
                                 const std::wstring& strDrawingPath, const std::wstring& strOther1,
                                 const std::wstring& strOther2) {
    db::Bytes content;
    if (!fs::ReadBytes(strDrawingPath, content.data)) {
        store::ShowPlainMessage(
            text::Format(L"对数据库的操作失败! 错误信息:%s", fs::ErrorText(fs::LastError())));
        return 0;
    }
    std::wstring strSize = text::Format(L"%ldKB", static_cast<long>(content.data.size() / 1024));
    return Query(L"insert into EngineerDocument(ProductCode,DocType,FileName,FileType,FileBulk,"
                 L"DocSaved,Source,Other1,Other2,DocContent) values(?,?,?,?,?,?,?,?,?,?)",
                 {strProductCode, strDocType, CEditOprt::GetFileNamePart(strDrawingPath),
                  L"AutoCAD Drawing", strSize, Now(), L"public", strOther1, strOther2,
                  std::move(content)},
                 {}, nullptr);
}

int CPdmDatabase::FindDocuments(const std::wstring& strProductCode, const std::wstring& strDocType,
                                const std::wstring& strOther2, PdmRecords& records) {
    return Query(L"SELECT * FROM EngineerDocument where ProductCode = ? and DocType= ? and "
                 L"Other2 = ?",
                 {strProductCode, strDocType, strOther2}, {}, &records);
}

int CPdmDatabase::FindDocumentsOfSource(const std::wstring& strProductCode,
                                        const std::wstring& strDocType,
                                        const std::wstring& strSource,
                                        const std::wstring& strOther2, PdmRecords& records) {
    return Query(L"SELECT * FROM EngineerDocument where ProductCode = ? and DocType= ? and "
                 L"Source = ? and Other2 = ?",
                 {strProductCode, strDocType, strSource, strOther2}, {}, &records);
}

int CPdmDatabase::FindDocumentsLike(const std::wstring& strProductCode,
                                    const std::wstring& strDocType,
                                    const std::wstring& strOther2Part, PdmRecords& records) {
    return Query(L"Select *\tFROM EngineerDocument WHERE ProductCode = ? AND DocType = ? AND "
                 L"Other2 like ?",
                 {strProductCode, strDocType, L"%" + strOther2Part + L"%"}, {}, &records);
}

int CPdmDatabase::FindDocumentsOfSourceLike(const std::wstring& strProductCode,
                                            const std::wstring& strSource,
                                            const std::wstring& strDocType,
                                            const std::wstring& strOther2Part,
                                            PdmRecords& records) {
    return Query(L"Select *\tFROM EngineerDocument WHERE ProductCode = ? AND Source = ? AND "
                 L"DocType = ? AND Other2 like ?",
                 {strProductCode, strSource, strDocType, L"%" + strOther2Part + L"%"}, {},
                 &records);
}

int CPdmDatabase::FetchDocument(const std::wstring& strProductCode, const std::wstring& strSource,
                                const std::wstring& strOther2, const std::wstring& strFolder) {
    // Only the first match is wanted: the rows are not fetched beyond it (a portable form of
    // "select top 1").
    std::wstring strStatement =
        L"select ProductCode,FileName,DocContent from EngineerDocument where ProductCode = ?";
    std::vector<db::Value> params = {strProductCode};
    if (!strSource.empty()) {
        strStatement += L" and Source = ?";
        params.push_back(strSource);
    }
    strStatement += L" and Other2 = ?";
    params.push_back(strOther2);
    db::Rows rows;
    if (!Query(strStatement, params, {}, nullptr, 1, &rows) || rows.rows.empty())
        return 0;
    int nName = rows.Column(L"FileName");
    int nContent = rows.Column(L"DocContent");
    if (nName < 0 || nContent < 0)
        return 0;
    std::wstring strName;
    if (const auto* name = std::get_if<std::wstring>(&rows.rows[0][nName]))
        strName = SafeFileName(*name);
    const auto* content = std::get_if<db::Bytes>(&rows.rows[0][nContent]);
    if (strName.empty() || !content)
        return 0;
    return fs::WriteBytes(CEditOprt::JoinPath(strFolder, strName), content->data) ? 1 : 0;
}
