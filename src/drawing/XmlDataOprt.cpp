#include "drawing/XmlDataOprt.h"

#include "drawing/EditOprt.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/xml/XmlDocument.h"
#include "store/StoreMessages.h"

#include <ctime>

namespace {

std::wstring CurrentEdition() {
    time_t now = time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    return CXmlDataOprt::EditionText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                     local.tm_hour, local.tm_min, local.tm_sec);
}

// Sets one attribute; a failure is told as the XML steps tell theirs.
bool SetAttribute(xml::Writer& writer, int nElement, const wchar_t* strName,
                  const std::wstring& strValue) {
    if (writer.SetAttribute(nElement, strName, strValue))
        return true;
    store::ShowPlainMessage(text::Format(L"设置属性%s的值为%s时失败！", strName, strValue));
    return false;
}

} // namespace

std::wstring CXmlDataOprt::EditionText(int nYear, int nMonth, int nDay, int nHour, int nMinute,
                                       int nSecond) {
    return text::Format(L"%d,%2.2d,%2.2d,%2.2d,%2.2d,%2.2d", nYear, nMonth, nDay, nHour, nMinute,
                        nSecond);
}

int CXmlDataOprt::ReadLineItems(const std::wstring& strPath,
                                std::vector<STRUCT_LINEITEM>& arrItems) {
    arrItems.clear();
    m_strError.clear();
    if (!fs::IsFile(strPath))
        return 0;
    std::string bytes;
    if (!fs::ReadBytes(strPath, bytes)) {
        m_strError = fs::ErrorText(fs::LastError());
        return 0;
    }
    std::vector<xml::Element> elements;
    if (!xml::ReadElements(bytes, elements, m_strError))
        return 0;
    for (const xml::Element& element : elements)
        if (text::EqualsNoCase(element.name, L"LINEITEM"))
            arrItems.push_back({element.Attribute(L"style"), element.Attribute(L"code"),
                                element.Attribute(L"describe"), element.Attribute(L"length")});
    return 1;
}

int CXmlDataOprt::WriteLineItems(const std::wstring& strPath,
                                 const std::vector<STRUCT_LINEITEM>& arrItems) {
    m_strError.clear();
    xml::Writer writer;
    if (!writer.AppendProcessingInstruction(L"xml", L"version='1.0'")) {
        store::ShowPlainMessage(L"生成XML注释出错!");
        return 0;
    }
    int nRoot = writer.AppendElement(0, L"Tessaline");
    if (!nRoot) {
        store::ShowPlainMessage(L"创建根节点失败");
        return 0;
    }
    if (!SetAttribute(writer, nRoot, L"edition", CurrentEdition()))
        return 0;
    for (const STRUCT_LINEITEM& item : arrItems) {
        int nItem = writer.AppendElement(nRoot, L"LINEITEM");
        if (!nItem) {
            store::ShowPlainMessage(L"创建节点LINEITEM失败");
            return 0;
        }
        if (!SetAttribute(writer, nItem, L"style", item.strStyle) ||
            !SetAttribute(writer, nItem, L"code", item.strCode) ||
            !SetAttribute(writer, nItem, L"describe", item.strDescribe) ||
            !SetAttribute(writer, nItem, L"length", item.strLength))
            return 0;
    }
    if (!fs::WriteBytes(strPath, writer.Bytes())) {
        m_strError = CEditOprt::WriteFailureReason(fs::LastError());
        return 0;
    }
    return 1;
}
