#pragma once
// A drawing database: the objects of one drawing, their handles, the symbol tables (blocks with
// model space, layers, text styles, registered applications), the named-object dictionary with
// the group dictionary, the current layer and text style, and the preview image kept with the
// file. Drawings are read from and saved to the stand-in host's drawing file format
// (docs/drawing-file-format.md).

#include "platform/cad/DbObject.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class AcDbBlockTable;
class AcDbLayerTable;
class AcDbTextStyleTable;
class AcDbRegAppTable;
class AcDbDictionary;
class AcDbBlockTableRecord;

namespace cad {
class DrawingFileReader;
}

// Share mode of readDwgFile: other programs may read and write the file meanwhile.
inline constexpr int _SH_DENYNO = 0x40;

class AcDbDatabase {
public:
    // With buildDefaultDrawing the database holds what every drawing has (layer "0", text style
    // "Standard", model space, the registered application "ACAD", the named-object and group
    // dictionaries); without it the database is empty until readDwgFile fills it.
    explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
    ~AcDbDatabase();
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;

    // Replaces the database's content with the drawing in the file. On failure the database
    // is left as it was: eFileNotFound, eFileAccessErr, eBadDwgHeader (not a drawing of this
    // host, a DWG file of the CAD program included), eInvalidDwgVersion, eDwgNeedsRecovery
    // (damaged).
    Acad::ErrorStatus readDwgFile(const wchar_t* fileName, int shareMode = _SH_DENYNO,
                                  bool allowCodePageConversion = false,
                                  const wchar_t* password = nullptr);
    // Writes the drawing in the given DWG version. With bBakAndRename an existing file is kept
    // as the back-up file (the path with ".bak" for its extension) before it is replaced. The
    // new file replaces the old one only once it is completely written.
    Acad::ErrorStatus saveAs(const wchar_t* fileName, bool bBakAndRename = true,
                             AcDb::AcDbDwgVersion dwgVersion = AcDb::kDHL_CURRENT,
                             void* security = nullptr);
    // The file last read or saved, and the DWG version it holds ("" and kDHL_CURRENT for a new
    // database).
    const std::wstring& originalFileName() const { return m_fileName; }
    AcDb::AcDbDwgVersion originalFileVersion() const { return m_fileVersion; }

    Acad::ErrorStatus getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode);
    Acad::ErrorStatus getLayerTable(AcDbLayerTable*& table, AcDb::OpenMode mode);
    Acad::ErrorStatus getTextStyleTable(AcDbTextStyleTable*& table, AcDb::OpenMode mode);
    Acad::ErrorStatus getRegAppTable(AcDbRegAppTable*& table, AcDb::OpenMode mode);
    Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode);
    Acad::ErrorStatus getGroupDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode);

    AcDbObjectId blockTableId() const { return idOf(m_blockTable); }
    AcDbObjectId layerTableId() const { return idOf(m_layerTable); }
    AcDbObjectId textStyleTableId() const { return idOf(m_textStyleTable); }
    AcDbObjectId regAppTableId() const { return idOf(m_regAppTable); }
    AcDbObjectId namedObjectsDictionaryId() const { return idOf(m_namedObjects); }
    AcDbObjectId groupDictionaryId() const { return idOf(m_groups); }
    AcDbObjectId modelSpaceId() const { return idOf(m_modelSpace); }

    AcDbObjectId clayer() const { return idOf(m_clayer); }
    Acad::ErrorStatus setClayer(AcDbObjectId layerId);
    AcDbObjectId textstyle() const { return idOf(m_textstyle); }
    Acad::ErrorStatus setTextstyle(AcDbObjectId styleId);

    // The object with that handle; with createIfNotFound false an unknown handle gives
    // eUnknownHandle. Creating objects from handles is not offered (eNotImplementedYet).
    Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound,
                                      const AcDbHandle& handle, uint32_t reserved = 0) const;
    // The next handle to be given out.
    AcDbHandle handseed() const { return AcDbHandle(m_handseed); }

    // The preview image saved with the drawing: a packed device-independent bitmap (40-byte
    // header, colour table, pixels). readDwgFile loads the file's image. saveAs writes the image
    // set here when retainOriginalThumbnailBitmap is on, and otherwise draws a new one.
    bool retainOriginalThumbnailBitmap() const { return m_retainThumbnail; }
    void setRetainOriginalThumbnailBitmap(bool retain) { m_retainThumbnail = retain; }
    const std::string& thumbnailBitmap() const { return m_thumbnail; }
    Acad::ErrorStatus setThumbnailBitmap(std::string packedDib);

    // Changes since the database was made, read or saved (the DBMOD variable).
    bool isModified() const { return m_modified; }
    void markModified() { m_modified = true; }

    // --- For the host itself ---

    // The process-wide number that ids of this database carry.
    uint32_t serial() const { return m_serial; }
    static AcDbDatabase* fromSerial(uint32_t serial);
    AcDbObject* objectAt(uint64_t handle) const;
    // Adds an object made with `new`: the database takes it over, gives it a handle (or the
    // given one when it is free) and hands it back open for write.
    Acad::ErrorStatus addObject(AcDbObject* object, AcDbObjectId owner, AcDbObjectId& id,
                                uint64_t handle = 0);
    // Marks an object as opened (acdbOpenAcDbObject has checked that it may be).
    void noteOpened(AcDbObject* object, bool forWrite);
    // Handles of every object, erased ones included, in handle order.
    std::vector<uint64_t> handles() const;
    // Number of objects that are open now (a leak finder for tests).
    int openObjectCount() const;
    // Documents forbid changes unless they are locked; the guard answers whether a change
    // may happen now. Without a guard every change is allowed.
    void setWriteGuard(std::function<bool()> guard) { m_writeGuard = std::move(guard); }
    bool isWriteAllowed() const { return !m_writeGuard || m_writeGuard(); }
    AcDbBlockTableRecord* modelSpace() const;

private:
    friend class cad::DrawingFileReader;
    AcDbObjectId idOf(uint64_t handle) const {
        return handle ? AcDbObjectId(m_serial, handle) : AcDbObjectId();
    }
    template <typename T>
    Acad::ErrorStatus openRoot(uint64_t handle, T*& object, AcDb::OpenMode mode);
    template <typename Record>
    Acad::ErrorStatus setCurrent(uint64_t& current, AcDbObjectId recordId);
    void buildDefaultDrawing();
    void swapContent(AcDbDatabase& other);

    uint32_t m_serial;
    std::unordered_map<uint64_t, std::unique_ptr<AcDbObject>> m_objects;
    uint64_t m_handseed = 1;
    uint64_t m_blockTable = 0, m_layerTable = 0, m_textStyleTable = 0, m_regAppTable = 0;
    uint64_t m_namedObjects = 0, m_groups = 0, m_modelSpace = 0;
    uint64_t m_clayer = 0, m_textstyle = 0;
    std::wstring m_fileName;
    AcDb::AcDbDwgVersion m_fileVersion = AcDb::kDHL_CURRENT;
    bool m_retainThumbnail = false;
    std::string m_thumbnail;
    bool m_modified = false;
    std::function<bool()> m_writeGuard;
};
