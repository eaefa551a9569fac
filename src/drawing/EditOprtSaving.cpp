#include "drawing/EditOprt.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/HostProfile.h"
#include "platform/cad/PreviewSection.h"
#include "platform/fs/FileSystem.h"

namespace {

bool IsKnownSaveFormat(const std::wstring& strValue) {
    return strValue == L"8" || strValue == L"12" || strValue == L"24" || strValue == L"36" ||
           strValue == L"48";
}

// Formats 2007 and 2010 are saved with the back-up-and-rename flag, the older ones without.
bool BackUpAndRename(AcDb::AcDbDwgVersion version) {
    return version == AcDb::kDHL_2100 || version == AcDb::kDHL_2400;
}

} // namespace

Acad::ErrorStatus CEditOprt::SaveDatabaseAs(AcDbDatabase* pDb, std::wstring strPath) {
    if (!HasExtension(strPath))
        strPath += L".dwg";
    if (!pDb)
        return Acad::eInvalidInput;
    if (!IsDocumentOpen(strPath))
        pDb->setRetainOriginalThumbnailBitmap(true);
    // The new file keeps the preview of the file it replaces.
    std::string dib;
    if (acdbGetPreviewBitmapFromDwg(strPath.c_str(), dib))
        pDb->setThumbnailBitmap(dib);

    std::wstring strFormat;
    acedGetEnv(L"DefaultFormatForSave", strFormat);
    bool bReplaced = !IsKnownSaveFormat(strFormat);
    if (bReplaced)
        acedSetEnv(L"DefaultFormatForSave", L"48");
    AcDb::AcDbDwgVersion version = cad::DwgVersionForSaveFormat(bReplaced ? L"48" : strFormat);

    // The old file is put aside rather than deleted before the save, and comes back when the
    // save fails: a drawing must never be lost to a failed save. With the file out of the way
    // the save makes no back-up file of it, as a save over a deleted file would not.
    std::wstring strAside = strPath + L".ovsaving";
    bool bAside = fs::IsFile(strPath) && (!fs::Exists(strAside) || fs::DeleteFile(strAside)) &&
                  fs::Rename(strPath, strAside);
    Acad::ErrorStatus status = pDb->saveAs(strPath.c_str(), BackUpAndRename(version), version);
    if (bAside) {
        if (status == Acad::eOk)
            fs::DeleteFile(strAside);
        else
            fs::Rename(strAside, strPath);
    }

    if (bReplaced)
        acedSetEnv(L"DefaultFormatForSave", strFormat.c_str());
    return status;
}
