// The name-selection dialog through the real toolkit, signed in to the product-data test server
// by the stored login: the equipment names listed, one picked by a double click. Leaves the
// screenshot of the dialog.

#include "DesktopTest.h"

#include "PdmServer.h"
#include "drawing/DlgSelectName.h"
#include "platform/ui/wx/Convert.h"
#include "store/LetterCode.h"
#include "support/TestSupport.h"

#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

using namespace ovtest;
using ui::desk::FromWx;

namespace {

class SelectNameOnTheDesktop : public DesktopTest {
protected:
    SelectNameOnTheDesktop() {
        std::string error = UsePdmTestServer();
        EXPECT_EQ(error, "");
        WritePdmSettings(installation);
        std::wstring userLine = L"用户名: ";
        userLine += EncodeLetters(L"zhangsan");
        std::wstring passwordLine = L"密码: ";
        passwordLine += EncodeLetters(L"pw-zhang");
        installation.WriteBytes(L"Data\\PdmDatabaseSettings4.txt",
                                Cp936Lines({userLine, passwordLine}));
    }

    TempInstallation installation;
};

} // namespace

TEST_F(SelectNameOnTheDesktop, TheStoredLoginListsTheEquipmentsAndADoubleClickPicksOne) {
    CDlgSelectName dialog;
    dialog.m_bSelectXm = 0;
    int result = RunModal(dialog, [&] {
        auto* list = WidgetOf<wxListCtrl>(dialog, CDlgSelectName::IDC_NAME_LIST);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->GetItemCount(), 2);
        EXPECT_EQ(FromWx(list->GetItemText(0, 4)), L"G01-PK-10-1");
        EXPECT_EQ(list->GetColumnWidth(0), 0) << "the record's fields stay hidden";
        EXPECT_EQ(FromWx(WidgetOf<wxComboBox>(dialog, CDlgSelectName::IDC_USER)->GetValue()),
                  L"zhangsan");
        EXPECT_TRUE(WidgetOf<wxTextCtrl>(dialog, CDlgSelectName::IDC_PASSWORD)->GetWindowStyle() &
                    wxTE_PASSWORD);
        Screenshot(*Backend().WidgetOf(&dialog), "select-name-dialog");
        wxRect row;
        ASSERT_TRUE(list->GetItemRect(0, row));
        DoubleClick(*list, row.GetPosition() + wxPoint(row.width / 2, row.height / 2));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.m_strResultName, L"G01-PK-10-1");
    EXPECT_EQ(dialog.m_strResultModel, L"PK-10");
    EXPECT_TRUE(boxes.Boxes().empty());
}
