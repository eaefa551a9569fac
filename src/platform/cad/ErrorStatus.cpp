#include "platform/cad/ErrorStatus.h"

const wchar_t* acadErrorStatusText(Acad::ErrorStatus status) {
    static const wchar_t* const kNames[] = {
        L"eOk",
        L"eNotImplementedYet",
        L"eNotApplicable",
        L"eInvalidInput",
        L"eNullObjectId",
        L"eNullObjectPointer",
        L"eNullEntityPointer",
        L"eUnknownHandle",
        L"eWasErased",
        L"eWasOpenForRead",
        L"eWasOpenForWrite",
        L"eNotOpenForWrite",
        L"eNotOpenForRead",
        L"eWrongObjectType",
        L"eKeyNotFound",
        L"eDuplicateKey",
        L"eInvalidKey",
        L"eInvalidExtents",
        L"eRegappIdNotFound",
        L"eNotInDatabase",
        L"eAlreadyInDb",
        L"eWrongDatabase",
        L"eLockViolation",
        L"eNotLocked",
        L"eNoDocument",
        L"eDocumentSwitchDisabled",
        L"eFileNotFound",
        L"eFileAccessErr",
        L"eBadDwgHeader",
        L"eDwgNeedsRecovery",
        L"eInvalidDwgVersion",
        L"eFileSharingViolation",
    };
    auto index = static_cast<unsigned>(status);
    return index < sizeof(kNames) / sizeof(kNames[0]) ? kNames[index] : L"eUnknown";
}
