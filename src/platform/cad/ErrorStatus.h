#pragma once
// Result codes and enumerations of the host API. The numbers are the stand-in host's own; code
// compares the names, never the numbers.

namespace Acad {

enum ErrorStatus {
    eOk = 0,
    eNotImplementedYet,
    eNotApplicable,
    eInvalidInput,
    eNullObjectId,
    eNullObjectPointer,
    eNullEntityPointer,
    eUnknownHandle,
    eWasErased,
    eWasOpenForRead,
    eWasOpenForWrite,
    eNotOpenForWrite,
    eNotOpenForRead,
    eWrongObjectType,
    eKeyNotFound,
    eDuplicateKey,
    eInvalidKey,
    eInvalidExtents,
    eRegappIdNotFound,
    eNotInDatabase,
    eAlreadyInDb,
    eWrongDatabase,
    eLockViolation,
    eNotLocked,
    eNoDocument,
    eDocumentSwitchDisabled,
    eFileNotFound,
    eFileAccessErr,
    eBadDwgHeader,
    eDwgNeedsRecovery,
    eInvalidDwgVersion,
    eFileSharingViolation,
};

} // namespace Acad

// The name of a status ("eOk", "eBadDwgHeader", ...) for messages.
const wchar_t* acadErrorStatusText(Acad::ErrorStatus status);

namespace AcDb {

enum OpenMode { kForRead = 0, kForWrite = 1, kForNotify = 2 };

// DWG versions a database can be saved in, by the numbers the save-format table uses.
enum AcDbDwgVersion {
    kDHL_1014 = 21, // R14
    kDHL_1015 = 23, // 2000
    kDHL_1800 = 25, // 2004
    kDHL_2100 = 27, // 2007
    kDHL_2400 = 29, // 2010
    kDHL_CURRENT = kDHL_2400,
};

enum Visibility { kVisible = 0, kInvisible = 1 };

enum TextHorzMode {
    kTextLeft = 0,
    kTextCenter = 1,
    kTextRight = 2,
    kTextAlign = 3,
    kTextMid = 4,
    kTextFit = 5
};
enum TextVertMode { kTextBase = 0, kTextBottom = 1, kTextVertMid = 2, kTextTop = 3 };

} // namespace AcDb

// Results of the host's function-style calls (acedGetVar, acedCommand, acedGrRead, ...).
inline constexpr int RTNORM = 5100;
inline constexpr int RTERROR = -5001;
inline constexpr int RTCAN = -5002;
inline constexpr int RTREJ = -5003;
inline constexpr int RTFAIL = -5004;
inline constexpr int RTKWORD = -5005;

// Value types of result buffers outside the group-code range.
inline constexpr short RTNONE = 5000;
inline constexpr short RTREAL = 5001;
inline constexpr short RTPOINT = 5002;
inline constexpr short RTSHORT = 5003;
inline constexpr short RTANG = 5004;
inline constexpr short RTSTR = 5005;
inline constexpr short RT3DPOINT = 5009;
inline constexpr short RTLONG = 5010;
