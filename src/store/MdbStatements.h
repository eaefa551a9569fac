#pragma once
// Pieces of the word dictionary's statements, shared by the reading and the table operations
// of COperateMdb.

#include "platform/db/Database.h"

#include <string>
#include <string_view>
#include <vector>

namespace mdb {

// A table or column name as the statement text holds it: always quoted, so that a name that
// is a keyword ("Order", "Desc", "Level") or holds a quote cannot change the statement.
std::wstring QuoteName(std::wstring_view strName);

// The value bound for a field of the given type code: text for text, date and GUID columns;
// numbers for the numeric codes when the text is a number (true and false for Boolean);
// otherwise the text as it stands, which the column then keeps or converts.
db::Value BindingFor(const std::wstring& strValue, int nType);

// The text of a value read with the caller's type code (see GetFieldValues); codes that have
// no conversion keep `strPrevious`.
std::wstring TextForType(const db::Value& value, int nType, const std::wstring& strPrevious);
// The text of a value by its own type: integers "%d", reals "%.2f", NULL "".
std::wstring TextOf(const db::Value& value);

// Appends the conditions "table"."field" LIKE ? joined by " AND " and their values. A text
// condition whose value is kMdbNoCondition adds nothing. False when the lists differ in length.
bool AppendConditions(const std::wstring& strTable, const std::vector<std::wstring>& arrFields,
                      const std::vector<std::wstring>& arrValues, const std::vector<int>* pTypes,
                      std::vector<std::wstring>& arrConditions, std::vector<db::Value>& values);

} // namespace mdb
