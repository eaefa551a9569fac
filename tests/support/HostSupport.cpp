#include "support/HostSupport.h"

#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/Host.h"

#include <gtest/gtest.h>

namespace ovtest {

HostSession::HostSession(const std::wstring& templateFolder) {
    cad::HostOptions options;
    options.templateFolder = templateFolder;
    cad::StartHost(options);
}

HostSession::~HostSession() {
    cad::StopHost();
    cad::CommandLine::Instance().Clear();
}

int HostSession::Run(const std::wstring& input) {
    return cad::CommandProcessor::Instance().Execute(input);
}

void SaveDrawing(const std::wstring& path, const std::function<void(AcDbDatabase&)>& fill,
                 AcDb::AcDbDwgVersion version) {
    AcDbDatabase database;
    if (fill)
        fill(database);
    ASSERT_EQ(database.saveAs(path.c_str(), false, version), Acad::eOk);
}

int SavedVersion(const std::wstring& path) {
    AcDbDatabase database(false, true);
    return database.readDwgFile(path.c_str()) == Acad::eOk ? database.originalFileVersion() : 0;
}

} // namespace ovtest
