#pragma once
// CEditOprt: the stateless toolbox every part of the module uses: documents, saving, system
// variables and layers, entities and extents, paths and small text files.
//
// Paths are logical (backslash only). Results are 1 for success or true and 0 otherwise,
// unless a string or a status is returned. File names of documents are compared without
// regard to case. A match mode of 1 compares a full path with each document's file name; any
// other mode compares only the path's file-name part with it (which is how documents without
// a file, "Drawing1.dwg", are found).

#include "platform/cad/DbObject.h"
#include "platform/cad/Geometry.h"

#include <string>
#include <vector>

namespace ui {
class Window;
}
class AcApDocument;
class AcDbDatabase;
class AcDbEntity;

class CEditOprt {
public:
    virtual ~CEditOprt() = default;

    // --- Documents ---
    // 1 in single-document mode, else the number of open documents.
    static int GetDocumentCount();
    static int IsDocumentOpen(std::wstring strPath);
    // 0 at once in single-document mode. Otherwise the first matching document, handed out
    // (and 1 returned) only when it is not the current document; pDoc is left alone otherwise.
    static int FindOtherOpenDocument(std::wstring strPath, int nMatchMode, AcApDocument*& pDoc);
    // Activates the matching document, or opens the file (mode 1); 1 when the drawing is there.
    static int OpenOrActivateDrawing(std::wstring strPath, int nMatchMode);
    // A new drawing from "acad.dwt", made in the application context (multi-document mode only).
    static void NewDrawingFromTemplate();
    // Queues the text for the current document, to run when the calling command has returned.
    static void SendCommandString(std::wstring strCommand);
    // An open document's database (result 0; not the caller's to delete) or one read from the
    // file (result 1; the caller deletes it); null and 0 when the file cannot be read.
    static int GetDrawingDatabase(std::wstring strPath, AcDbDatabase*& pDb);
    static int GetDrawingDatabase(std::wstring strPath, int nMatchMode, AcDbDatabase*& pDb);

    // --- Saving ---
    // Saves the database to the path (".dwg" added when it has none) in the DWG format of the
    // host's "DefaultFormatForSave", keeping the preview of the file it replaces. eInvalidInput
    // without a database; otherwise the status of the save. The file at the path stays as it
    // was when the save fails.
    static Acad::ErrorStatus SaveDatabaseAs(AcDbDatabase* pDb, std::wstring strPath);

    // --- System variables and layers ---
    static int GetShortSysVar(std::wstring strName, short& nValue);
    static int SetShortSysVar(std::wstring strName, short nValue);
    static int CmdEchoOff();
    static int CmdEchoOn();
    static int IsDrawingTitled();
    static int GetDrawingName(std::wstring& strName);
    // DWGPREFIX, always ending in a backslash.
    static int GetDrawingFolder(std::wstring& strFolder);
    static std::wstring GetCurrentLayer(AcDbDatabase* pDb);
    static int SetCurrentLayer(AcDbDatabase* pDb, std::wstring strLayer);

    // --- Entities ---
    // Registers an application name for extended data in the database, unless it is there.
    static int RegisterApplication(AcDbDatabase* pDb, std::wstring strName);
    static int EraseObject(AcDbObjectId id);
    // The text of a TEXT, or the plain text of an MTEXT's contents; 0 for other entities.
    static int GetEntityText(AcDbObjectId id, std::wstring& strText);
    static int GetObjectIdFromHandle(AcDbDatabase* pDb, AcDbObjectId& id, std::wstring strHandle);
    // Moves an entity open for write, or one given by id.
    static int MoveEntity(AcDbEntity* pEnt, double dx, double dy, double dz);
    static int MoveEntity(AcDbObjectId id, double dx, double dy, double dz);
    static int GetEntityCentre(AcDbEntity* pEnt, AcGePoint3d& ptCentre);
    // The box around the entities that open; 1 when at least one did and the box is not empty.
    static int GetEntitiesExtents(const std::vector<AcDbObjectId>& ids, AcGePoint3d& ptMin,
                                  AcGePoint3d& ptMax);
    // The box around model space without invisible entities and empty texts.
    static int GetModelSpaceExtents(AcDbDatabase* pDb, AcGePoint3d& ptMin, AcGePoint3d& ptMax);

    // --- Paths and small text files ---
    // 0 for the device names COM1 and COM2 (any case, any extension) in a path with a
    // backslash; otherwise whether a search for the path (wildcards allowed) finds anything.
    static int IsFileExist(std::wstring strPath);
    static int IsDirExist(std::wstring strDir);
    static int HasExtension(std::wstring strPath);
    // The one check of a name that is to become a file or folder name (a drawing renamed, a
    // book number put in front of drawing names, a name typed in a save dialog): 0, after the
    // box "“%s”不能用作文件名称。" (exclamation icon, "Tessaline"), for a name the management-file
    // library's rule refuses (xmpath::IsUsableName: blank, ".", "..", \ / : * ? " < > |, a "."
    // or blank at the end, a device name).
    static int CheckFileName(std::wstring strName, ui::Window* pOwner);
    // Folder and name with exactly one backslash at the seam.
    static std::wstring JoinPath(std::wstring strFolder, std::wstring strName);
    static std::wstring GetParentPath(std::wstring strPath);
    static std::wstring GetFileNamePart(std::wstring strPath);
    static std::wstring GetLastPathItem(std::wstring strPath);
    static std::wstring GetExtension(std::wstring strPath);
    static std::wstring RemoveExtension(std::wstring strPath);

    static int ReadFirstLine(std::wstring strPath, std::wstring& strLine);
    static int WriteTextFile(std::wstring strPath, std::wstring strText);
    // Each line trimmed on both sides; blank lines kept only with bKeepEmptyLines.
    static int ReadLines(std::wstring strPath, std::vector<std::wstring>& arrLines,
                         int bKeepEmptyLines);
    static int WriteLines(std::wstring strPath, const std::vector<std::wstring>& arrLines);
    // Creates every missing folder of the path; the result is that of the last folder made.
    static int CreateDirPath(std::wstring strDir);
    // Why a file could not be written (an errno value), in the words the messages use.
    static std::wstring WriteFailureReason(int nError);
    // The system's text for the last failed file operation, in a box titled "Error".
    static void ShowLastError(ui::Window* pOwner);
};
