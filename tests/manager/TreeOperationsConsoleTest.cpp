// The tree operations driven from the console host's prompt: a numbered drawing deleted (the
// prompt answered in the input), a type cut and pasted onto another, a drawing dragged with
// Ctrl onto another Equipment. The transcript is kept beside the tests.

#include "TreeOperations.h"

#include "platform/text/WideString.h"
#include "support/ConsoleTranscript.h"

using namespace ovtest;

TEST_F(TreeOperations, ConsoleScript) {
    Console console({L"yes"});
    host.Run(L"XMMANAGE\n");
    for (const wchar_t* line :
         {L"win rclick 125 N|屏面布置图|03-B.dwg -> 201", L"win rclick 125 N|原理图 -> 194",
          L"win rclick 125 N|屏面布置图 -> 196",
          L"win drag 125 N|屏面布置图|01-A.dwg => 125 R copy"}) {
        console.transcript += std::wstring(L"Command: ") + line + L"\n";
        console.backend.HandleWindowLine(line);
    }
    EXPECT_EQ(Content(L"P\\N\\03-C.dwg"), "04-C.dwg");
    EXPECT_EQ(Listed(L"P\\N\\N.prj").back(), L"PM: 05-E.dwg<>");
    EXPECT_TRUE(installation.Exists(L"P\\R\\01-A.dwg"));
    std::wstring transcript =
        text::ReplaceAll(console.transcript, installation.Logical(), L"<installation>");
    EXPECT_EQ(transcript, KeptTranscript("manager/transcripts/TreeOperations.txt", transcript));
}
