// The module loaded with dlopen into a host that knows nothing of it beforehand.

#include "platform/cad/ArxApp.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/DynamicLinker.h"
#include "platform/cad/Host.h"
#include "platform/ui/ScriptedBackend.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

const wchar_t* const kCommands[] = {L"XMMANAGE",   L"SBMANAGE",   L"SAVETOXM",       L"SAVETOSB",
                                    L"XmOPenFile", L"SbOPenFile", L"CREATEINFOTABLE"};

class ModuleLoad : public ::testing::Test {
protected:
    ModuleLoad() {
        // An installation without any settings file: no Project is current.
        m_home =
            std::filesystem::temp_directory_path() / ("ov-module-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_home / "Data");
        ::setenv("OVMANAGE_HOME", m_home.c_str(), 1);
        cad::StartHost({});
    }
    ~ModuleLoad() override {
        cad::StopHost();
        ::unsetenv("OVMANAGE_HOME");
        std::filesystem::remove_all(m_home);
    }
    std::filesystem::path m_home;
};

} // namespace

TEST_F(ModuleLoad, LoadingRegistersTheSevenCommandsAndUnloadingRemovesThem) {
    std::wstring error;
    ASSERT_TRUE(cad::LoadModule(OV_MODULE_PATH, error)) << std::string(error.begin(), error.end());
    std::vector<AcEdCommand> commands = acedRegCmds()->commandsOfGroup(L"OvManage");
    ASSERT_EQ(commands.size(), 7u);
    for (size_t i = 0; i < commands.size(); ++i) {
        EXPECT_EQ(commands[i].globalName, kCommands[i]) << "table order";
        EXPECT_EQ(commands[i].localName, kCommands[i]);
        EXPECT_EQ(commands[i].flags, ACRX_CMD_TRANSPARENT);
        EXPECT_NE(commands[i].resource, nullptr) << "the module's resources";
    }
    EXPECT_FALSE(acrxDynamicLinker->isApplicationLocked(L"OvManage"))
        << "the module unlocks itself";
    EXPECT_TRUE(acrxDynamicLinker->isAppMDIAware(L"OvManage"));

    // The module's command reaches the host's message boxes: one copy of the host library.
    ui::ScriptedBackend boxes;
    cad::CommandProcessor::Instance().Execute(L"SAVETOXM\n");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"当前没有打开的项目文件。");
    EXPECT_EQ(acDocManager->resourceStackDepth(), 0u);

    ASSERT_TRUE(cad::UnloadModule(L"OvManage", error));
    EXPECT_TRUE(acedRegCmds()->commandsOfGroup(L"OvManage").empty());
    EXPECT_EQ(acedRegCmds()->lookupGlobalCmd(L"XMMANAGE"), nullptr);
    cad::CommandLine::Instance().Clear();
    cad::CommandProcessor::Instance().Execute(L"XMMANAGE\n");
    EXPECT_EQ(cad::CommandLine::Instance().Lines().back(),
              L"Unknown command \"XMMANAGE\".  Press F1 for help.");
}

TEST_F(ModuleLoad, LibrariesThatAreNoModulesAreRefused) {
    std::wstring error;
    EXPECT_FALSE(cad::LoadModule("/nonexistent/OvManage.so", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(cad::LoadModule("libc.so.6", error));
    EXPECT_EQ(error, L"the library has no module entry point");
    EXPECT_TRUE(cad::LoadedModules().empty());
}
