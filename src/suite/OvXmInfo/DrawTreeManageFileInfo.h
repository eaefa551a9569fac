#pragma once
// CDrawTreeManageFileInfo: changes of a container's records that its items in the management
// window's content tree must follow at once.

#include <string>

class CDrawFileStyleNode;
class CXmSbTreeNodeInfo;

class CDrawTreeManageFileInfo {
public:
    // Renames a drawing type of the container to a display name (a name another type of the
    // container carries already merges the two, CManageFileInfo::ModfyStyleNameToNew) and
    // gives the container's items its types and drawings anew. The node of the type that now
    // carries the name; null when the name cannot be used (the records are unchanged then).
    static CDrawFileStyleNode* ModfyStyleNameToNew(CXmSbTreeNodeInfo* pContainer,
                                                   const std::wstring& strNewName,
                                                   CDrawFileStyleNode* pStyleNode);
};
