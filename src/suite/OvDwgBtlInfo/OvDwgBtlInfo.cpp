#include "suite/OvDwgBtlInfo/OvDwgBtlInfo.h"

namespace {
std::wstring& DefinitionFolder() {
    static std::wstring folder;
    return folder;
}
} // namespace

void OvSetBtlDefFilePath(const std::wstring& strFolder) {
    DefinitionFolder() = strFolder;
}

const std::wstring& OvGetBtlDefFilePath() {
    return DefinitionFolder();
}
