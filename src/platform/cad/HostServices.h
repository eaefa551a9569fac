#pragma once
// The host's application services: which database drawing code works on when it names none.

#include <functional>

class AcDbDatabase;

class AcDbHostApplicationServices {
public:
    // The database set with setWorkingDatabase, or else the current document's.
    AcDbDatabase* workingDatabase() const;
    // Null returns to the current document's database.
    void setWorkingDatabase(AcDbDatabase* database) { m_working = database; }

    // --- For the host itself ---
    void setDocumentDatabaseSource(std::function<AcDbDatabase*()> source) {
        m_documentDatabase = std::move(source);
    }
    // A deleted database stops being the working one.
    void databaseDeleted(const AcDbDatabase* database) {
        if (m_working == database)
            m_working = nullptr;
    }

private:
    AcDbDatabase* m_working = nullptr;
    std::function<AcDbDatabase*()> m_documentDatabase;
};

AcDbHostApplicationServices* acdbHostApplicationServices();
