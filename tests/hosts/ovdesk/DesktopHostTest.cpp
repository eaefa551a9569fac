// The desktop host: run as a program with a script and a screenshot, as scripts/
// update-screenshots runs it, and its drawing view drawn off the screen.

#include "DesktopTest.h"

#include "DrawingRenderer.h"
#include "DrawingView.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbSymbolTable.h"
#include "support/DrawingSupport.h"
#include "support/TestSupport.h"

#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sys/wait.h>

using namespace ovtest;

namespace {

struct Session {
    std::string output;
    int exitCode = -1;
};

class DesktopHost : public DesktopTest {
protected:
    // Runs ovdesk in the installation with the script (UTF-8) and the extra arguments, on the
    // fixture's display.
    Session Run(const std::string& script, const std::string& arguments) {
        installation.WriteBytes(L"session.scr", script);
        std::string command = "cd '" + installation.Native().string() + "' && '" + OV_DESKTOP_HOST +
                              "' --script session.scr " + arguments + " 2>&1";
        Session session;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return session;
        std::array<char, 4096> buffer{};
        size_t count;
        while ((count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            session.output.append(buffer.data(), count);
        int status = ::pclose(pipe);
        session.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return session;
    }

    TempInstallation installation;
};

// The colour of a pixel of a picture.
wxColour PixelAt(const wxImage& image, int x, int y) {
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

} // namespace

TEST_F(DesktopHost, AScriptedSessionDrawsTheDrawingAndLeavesAScreenshot) {
    std::string shot = (installation.Native() / "main.png").string();
    Session session = Run("LINE\n0,0\n400,300\nTEXT\n40,200\n20\n0\n变电站 Substation\nZOOM\nE\n"
                          "DOCUMENTS\n",
                          "--screenshot '" + shot + "'");
    EXPECT_EQ(session.exitCode, 0) << session.output;
    EXPECT_NE(session.output.find("Command: DOCUMENTS"), std::string::npos) << session.output;
    EXPECT_NE(session.output.find("Drawing1.dwg (changed)"), std::string::npos);
    EXPECT_NE(session.output.find("The changes to Drawing1.dwg are not saved."), std::string::npos);
    wxImage picture;
    ASSERT_TRUE(picture.LoadFile(wxString::FromUTF8(shot), wxBITMAP_TYPE_PNG)) << shot;
    EXPECT_GE(picture.GetWidth(), 800);
    // The line runs corner to corner of the view: white pixels on the black drawing area.
    int white = 0;
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x)
            white += PixelAt(picture, x, y) == *wxWHITE;
    EXPECT_GT(white, 300);
}

TEST_F(DesktopHost, BadArgumentsAndAMissingScriptEndWithStatusTwo) {
    EXPECT_EQ(Run("", "--colour red").exitCode, 2);
    installation.WriteBytes(L"x", "");
    Session missing = Run("", "--script '/nonexistent/ovdesk.scr'");
    EXPECT_EQ(missing.exitCode, 2) << missing.output;
    EXPECT_NE(missing.output.find("cannot read the script"), std::string::npos);
}

TEST(DrawingRenderer, DrawsLinesInTheirLayersColoursAndLeavesInvisibleEntitiesOut) {
    AcDbDatabase database;
    AddLayer(database, L"红", 1);
    auto* horizontal = new AcDbLine({0, 50, 0}, {100, 50, 0});
    horizontal->setLayer(L"红");
    AddToModelSpace(database, horizontal);
    auto* hidden = new AcDbLine({50, 0, 0}, {50, 100, 0});
    hidden->setVisibility(AcDb::kInvisible);
    AddToModelSpace(database, hidden);

    wxBitmap bitmap(100, 100, 24);
    {
        wxMemoryDC dc(bitmap);
        std::unique_ptr<wxGraphicsContext> context(wxGraphicsContext::Create(dc));
        desk::ViewWindow view{50, 50, 100, 100, 100};
        desk::RenderModelSpace(database, *context, view);
    }
    wxImage image = bitmap.ConvertToImage();
    EXPECT_EQ(PixelAt(image, 20, 50), *wxRED) << "by layer";
    EXPECT_EQ(PixelAt(image, 50, 20), *wxBLACK) << "invisible";
    EXPECT_EQ(PixelAt(image, 20, 20), *wxBLACK);
}

TEST(DrawingRenderer, ModelAndPictureCoordinatesMapBothWays) {
    desk::ViewWindow view{100, 200, 50, 400, 200};
    wxPoint2DDouble centre = view.ToPixels(100, 200);
    EXPECT_DOUBLE_EQ(centre.m_x, 200);
    EXPECT_DOUBLE_EQ(centre.m_y, 100);
    wxPoint2DDouble up = view.ToPixels(100, 225);
    EXPECT_DOUBLE_EQ(up.m_y, 0) << "model y grows upwards";
    wxPoint2DDouble back = view.ToModel(up.m_x, up.m_y);
    EXPECT_DOUBLE_EQ(back.m_y, 225);
}
