#include "store/HistoryDataOprt.h"

#include "drawing/EditOprt.h"
#include "platform/cad/CommandLine.h"
#include "platform/fs/FileIo.h"
#include "platform/text/Format.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

namespace {

struct DefaultRun {
    int first;
    int last;
    const wchar_t* value;
};

// Runs of equal built-in values, by index; indices not named here are empty.
const DefaultRun kDefaultRuns[] = {
    {0, 0, L"1"},       {4, 6, L"1"},       {8, 8, L"0"},
    {9, 10, L"1"},      {11, 13, L"0.0"},   {14, 14, L"0"},
    {18, 20, L"1"},     {21, 22, L"0.0"},   {23, 23, L"0"},
    {25, 25, L"0.0"},   {26, 26, L"1"},     {29, 29, L"0.0"},
    {30, 30, L"1"},     {33, 33, L"0.0"},   {34, 34, L"1"},
    {39, 39, L"1"},     {42, 44, L"1"},     {45, 47, L"0.0"},
    {51, 53, L"0.00"},  {54, 54, L"0"},     {55, 55, L"1"},
    {57, 60, L"0"},     {61, 61, L"1"},     {62, 65, L"0"},
    {66, 66, L"1"},     {67, 67, L"0"},     {68, 68, L"3"},
    {69, 69, L"0"},     {70, 70, L"A"},     {71, 72, L"0"},
    {73, 73, L"8"},     {74, 74, L"10"},    {75, 78, L"0"},
    {79, 81, L"1"},     {82, 82, L"10"},    {83, 83, L"2"},
    {84, 84, L"1"},     {85, 85, L"0.0"},   {86, 86, L"-5.0"},
    {87, 87, L"1"},     {88, 89, L"0"},     {90, 91, L"1"},
    {92, 93, L"0"},     {96, 96, L"0"},     {98, 99, L"1"},
    {100, 100, L"0"},   {101, 103, L"1"},   {104, 104, L"0"},
    {117, 117, L"1"},   {118, 164, L"0"},   {165, 168, L"1"},
    {169, 176, L"0"},   {177, 179, L"1"},   {184, 184, L"2.0"},
    {185, 185, L"4.0"}, {186, 186, L"5.0"}, {187, 187, L"0"},
    {189, 190, L"0"},   {191, 192, L"800"}, {193, 193, L"1"},
    {194, 194, L"12"},  {195, 195, L"1"},   {196, 196, L"0"},
    {197, 198, L"1"},   {204, 207, L"0"},   {208, 210, L"1"},
    {211, 212, L"0"},   {213, 213, L"2.5"}, {214, 214, L"0.7"},
    {215, 216, L"0"},   {217, 217, L"1"},   {219, 221, L"0"},
    {222, 222, L"1"},   {228, 228, L"1"},   {229, 229, L"4"},
    {230, 230, L"WL"},  {234, 234, L"0"},   {237, 237, L"C30-15L(1.5)"},
    {238, 240, L"0"},   {242, 250, L"1"},   {251, 257, L"0"},
    {263, 266, L"1"},   {267, 280, L"0"},
};

bool InRange(int nIndex, size_t count) {
    return nIndex >= 0 && static_cast<size_t>(nIndex) < count;
}

} // namespace

std::vector<std::wstring> CHistoryDataOprt::DefaultEntries() {
    std::vector<std::wstring> entries(kDefaultCount);
    for (const DefaultRun& run : kDefaultRuns)
        for (int i = run.first; i <= run.last; ++i)
            entries[i] = run.value;
    for (int i = 281; i <= 296; ++i)
        entries[i] = std::to_wstring(i - 280); // "1" to "16"
    return entries;
}

std::wstring CHistoryDataOprt::FilePath() {
    return CEditOprt::JoinPath(GetInstallPath_TL(), L"LocalData\\HistoryData.txt");
}

CHistoryDataOprt::CHistoryDataOprt() : m_arrEntries(DefaultEntries()) {
    std::wstring strPath = FilePath();
    if (!CEditOprt::IsFileExist(strPath)) {
        WriteAll();
        return;
    }
    std::vector<std::wstring> lines;
    text::ReadTextLines(strPath, lines);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i < m_arrEntries.size())
            m_arrEntries[i] = std::move(lines[i]);
        else
            m_arrEntries.push_back(std::move(lines[i]));
    }
}

CHistoryDataOprt::~CHistoryDataOprt() {
    WriteBack();
}

int CHistoryDataOprt::WriteBack() {
    if (!m_bModified)
        return 1;
    std::wstring strFolder = CEditOprt::JoinPath(GetInstallPath_TL(), L"LocalData");
    if (!CEditOprt::IsDirExist(strFolder))
        CEditOprt::CreateDirPath(strFolder);
    text::TextFileStatus status;
    if (!WriteAll(&status)) {
        // The old file stays as it was; the choices made meanwhile are lost, which the user
        // should know.
        acutPrintf(L"\n%s 文件不能写入，错误码为 %d\n", FilePath(),
                   status.cause ? status.cause : fs::kGenericError);
        return 0;
    }
    m_bModified = 0;
    return 1;
}

int CHistoryDataOprt::WriteAll(text::TextFileStatus* status) const {
    // The last entry has no line end after it, so the file reads back with exactly as many
    // lines as there are entries.
    return text::WriteTextFile(FilePath(), text::Join(m_arrEntries, L"\n"), status) ? 1 : 0;
}

void CHistoryDataOprt::GetHistoryString(int nIndex, std::wstring& strValue) const {
    strValue = InRange(nIndex, m_arrEntries.size()) ? m_arrEntries[nIndex] : std::wstring();
}

void CHistoryDataOprt::GetHistoryInt(int nIndex, int& nValue) const {
    nValue = InRange(nIndex, m_arrEntries.size()) ? text::ToInt(m_arrEntries[nIndex]) : 0;
}

void CHistoryDataOprt::GetHistoryReal(int nIndex, double& dValue) const {
    dValue = InRange(nIndex, m_arrEntries.size()) ? text::ToReal(m_arrEntries[nIndex]) : 0.0;
}

void CHistoryDataOprt::SetHistoryString(int nIndex, const std::wstring& strValue) {
    if (!InRange(nIndex, m_arrEntries.size()))
        return;
    // One entry is one line: a line break inside a value would shift every later entry.
    m_arrEntries[nIndex] = text::ReplaceAll(text::ReplaceAll(strValue, L"\r", L" "), L"\n", L" ");
    m_bModified = 1;
}

void CHistoryDataOprt::SetHistoryInt(int nIndex, int nValue) {
    SetHistoryString(nIndex, text::Format(L"%d", nValue));
}

void CHistoryDataOprt::SetHistoryReal(int nIndex, double dValue) {
    SetHistoryString(nIndex, text::Format(L"%.2f", dValue));
}
