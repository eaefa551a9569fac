#include "store/MdbStatements.h"

#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "store/OperateMdb.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cwchar>

namespace mdb {

namespace {

bool ParseInteger(const std::wstring& strText, long long& value) {
    std::wstring strTrimmed = text::Trim(strText);
    if (strTrimmed.empty())
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    value = std::wcstoll(strTrimmed.c_str(), &end, 10);
    return errno == 0 && *end == L'\0';
}

bool ParseReal(const std::wstring& strText, double& value) {
    std::wstring strTrimmed = text::Trim(strText);
    if (strTrimmed.empty())
        return false;
    wchar_t* end = nullptr;
    value = std::wcstod(strTrimmed.c_str(), &end);
    return *end == L'\0' && std::isfinite(value);
}

// The value as a 32-bit integer; a real is rounded as a conversion to an integer rounds, and
// one beyond the 32-bit range gives 0.
int IntegerOf(const db::Value& value) {
    if (const auto* integer = std::get_if<long long>(&value))
        return static_cast<int>(*integer);
    if (const auto* real = std::get_if<double>(&value)) {
        double rounded = std::nearbyint(*real);
        return rounded >= INT_MIN && rounded <= INT_MAX ? static_cast<int>(rounded) : 0;
    }
    if (const auto* strText = std::get_if<std::wstring>(&value))
        return text::ToInt(*strText);
    return 0;
}

double RealOf(const db::Value& value) {
    if (const auto* integer = std::get_if<long long>(&value))
        return static_cast<double>(*integer);
    if (const auto* real = std::get_if<double>(&value))
        return *real;
    if (const auto* strText = std::get_if<std::wstring>(&value))
        return text::ToReal(*strText);
    return 0;
}

} // namespace

std::wstring QuoteName(std::wstring_view strName) {
    return L"\"" + text::ReplaceAll(strName, L"\"", L"\"\"") + L"\"";
}

db::Value BindingFor(const std::wstring& strValue, int nType) {
    switch (nType) {
    case kMdbInteger:
    case kMdbUnsignedTinyInt:
    case kMdbBoolean: {
        long long integer = 0;
        if (ParseInteger(strValue, integer))
            return integer;
        if (nType == kMdbBoolean) {
            std::wstring strWord = text::Trim(strValue);
            if (text::EqualsNoCase(strWord, L"true") || text::EqualsNoCase(strWord, L"yes"))
                return 1LL;
            if (text::EqualsNoCase(strWord, L"false") || text::EqualsNoCase(strWord, L"no"))
                return 0LL;
        }
        return strValue;
    }
    case kMdbSingle:
    case kMdbDouble:
    case kMdbCurrency: {
        double real = 0;
        if (ParseReal(strValue, real))
            return real;
        return strValue;
    }
    default:
        return strValue;
    }
}

std::wstring TextForType(const db::Value& value, int nType, const std::wstring& strPrevious) {
    bool bKnown = nType == kMdbInteger || nType == kMdbDouble || nType == kMdbBoolean ||
                  nType == kMdbChar || nType == kMdbLongVarChar;
    if (!bKnown)
        return strPrevious;
    // An empty cell reads as empty text whatever the code: one NULL must not fail the column.
    if (db::IsNull(value))
        return {};
    switch (nType) {
    case kMdbInteger:
        return text::Format(L"%d", IntegerOf(value));
    case kMdbDouble:
        return text::Format(L"%.2f", RealOf(value));
    case kMdbBoolean:
        return text::Format(L"%d", std::llabs(static_cast<long long>(IntegerOf(value))));
    default:
        return db::ToText(value);
    }
}

std::wstring TextOf(const db::Value& value) {
    if (const auto* integer = std::get_if<long long>(&value))
        return text::Format(L"%d", *integer);
    if (const auto* real = std::get_if<double>(&value))
        return text::Format(L"%.2f", *real);
    return db::ToText(value);
}

bool AppendConditions(const std::wstring& strTable, const std::vector<std::wstring>& arrFields,
                      const std::vector<std::wstring>& arrValues, const std::vector<int>* pTypes,
                      std::vector<std::wstring>& arrConditions, std::vector<db::Value>& values) {
    if (arrFields.size() != arrValues.size() || (pTypes && pTypes->size() != arrFields.size()))
        return false;
    for (size_t i = 0; i < arrFields.size(); ++i) {
        int nType = pTypes ? (*pTypes)[i] : kMdbChar;
        if (nType == kMdbChar && arrValues[i] == kMdbNoCondition)
            continue;
        arrConditions.push_back(QuoteName(strTable) + L"." + QuoteName(arrFields[i]) + L" LIKE ?");
        values.push_back(BindingFor(arrValues[i], nType));
    }
    return true;
}

} // namespace mdb
