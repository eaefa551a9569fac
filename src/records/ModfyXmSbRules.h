#pragma once
// The rules of the modification dialog (CModfyXmSbDlg) that need no window: the order of the
// entries, the parent Project's values, the proposed folder name, and whether the drawings
// need writing. A value made only of blanks counts as empty in all of them.

#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <string>
#include <vector>

namespace modify {

// The items of combo 177, in their order; the first is selected at the start.
inline constexpr const wchar_t* kContractFirst = L"工程合同号-工程名称";
inline constexpr const wchar_t* kNameFirst = L"工程名称-工程合同号";

// Entries whose title holds "工程" (Project) or "设备" (Equipment) first, the others after
// them, each group in its previous order; then every entry whose title holds "原理图标号"
// moves to the end.
void OrderEntries(std::vector<CExplainInfoNode>& entries, int bIsXm);

// An Equipment's entries whose title holds "工程" and whose value is blank take the value of
// the parent Project's entry with exactly that title (the last such entry of the parent).
void FillFromParentProject(std::vector<CExplainInfoNode>& entries,
                           const std::vector<CExplainInfoNode>& parentEntries);

// The parent Project's entries of an Equipment's folder: the block of parent\parent.itm, read
// by the tolerant parser; none when there is no such file.
std::vector<CExplainInfoNode> ReadParentProjectEntries(const std::wstring& strEquipmentFolder);

// The folder name the description proposes: Project "工程名称" and "工程合同号" joined by "-"
// in the order of combo 177 (bNameFirst: "工程名称-工程合同号"); Equipment "设备图册号" and
// "设备名称". One empty value gives the other alone; both empty give "" (no proposal).
std::wstring ProposeFolderName(const std::vector<CExplainInfoNode>& entries, int bIsXm,
                               int bNameFirst);

// Whether the drawings need writing: some entry's value differs from that of the snapshot's
// entry of the same title (the n-th entry of a title is compared with the snapshot's n-th
// entry of that title). Entries added, deleted or moved change nothing by themselves.
bool HaveValuesChanged(const std::vector<CExplainInfoNode>& snapshot,
                       const std::vector<CExplainInfoNode>& entries);

} // namespace modify
