// XML documents: every element at any depth, code-page declarations, failures reported, and a
// writer whose steps say when memory ran out.

#include "platform/xml/XmlDocument.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(XmlDocument, ReadsEveryElementInDocumentOrderWithItsAttributes) {
    std::vector<xml::Element> elements;
    std::wstring error;
    ASSERT_TRUE(xml::ReadElements("<?xml version='1.0'?><A x='1'><b><C Y='2' z=''/></b>"
                                  "<!-- note --><C y='3'>text</C></A>",
                                  elements, error))
        << error;
    ASSERT_EQ(elements.size(), 4u);
    EXPECT_EQ(elements[0].name, L"A");
    EXPECT_EQ(elements[1].name, L"b");
    EXPECT_EQ(elements[2].name, L"C");
    EXPECT_EQ(elements[2].Attribute(L"y"), L"2") << "attribute names without regard to case";
    EXPECT_EQ(elements[2].Attribute(L"missing"), L"");
    EXPECT_EQ(elements[3].Attribute(L"Y"), L"3");
}

TEST(XmlDocument, DecodesTheCodePageTheDeclarationNames) {
    for (const char* encoding : {"GBK", "gb2312", "CP936"}) {
        std::string bytes = std::string("<?xml version=\"1.0\" encoding=\"") + encoding +
                            "\"?><R name=\"" + ovtest::Cp936(L"交流电流A") + "\"/>";
        std::vector<xml::Element> elements;
        std::wstring error;
        ASSERT_TRUE(xml::ReadElements(bytes, elements, error)) << encoding << ": " << error;
        ASSERT_EQ(elements.size(), 1u);
        EXPECT_EQ(elements[0].Attribute(L"name"), L"交流电流A") << encoding;
    }
    std::vector<xml::Element> elements;
    std::wstring error;
    ASSERT_TRUE(
        xml::ReadElements("\xEF\xBB\xBF<?xml version='1.0' encoding='UTF-8'?><R n='\xE5\xAE\x89'/>",
                          elements, error));
    EXPECT_EQ(elements[0].Attribute(L"n"), L"安");
}

TEST(XmlDocument, RefusesBrokenDocumentsAndUnknownEncodingsSayingWhy) {
    std::vector<xml::Element> elements;
    std::wstring error;
    EXPECT_FALSE(xml::ReadElements("<A><B></A>", elements, error));
    EXPECT_NE(error.find(L"offset"), std::wstring::npos) << error;
    EXPECT_FALSE(xml::ReadElements("", elements, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(
        xml::ReadElements("<?xml version='1.0' encoding='NO-SUCH-CODE'?><A/>", elements, error));
    EXPECT_NE(error.find(L"NO-SUCH-CODE"), std::wstring::npos) << error;
    EXPECT_TRUE(elements.empty());
}

TEST(XmlDocument, WritesTheInstructionTheElementsAndTheirAttributes) {
    xml::Writer writer;
    ASSERT_TRUE(writer.AppendProcessingInstruction(L"xml", L"version='1.0'"));
    int root = writer.AppendElement(0, L"Tessaline");
    ASSERT_NE(root, 0);
    EXPECT_TRUE(writer.SetAttribute(root, L"edition", L"2024,01,02"));
    int item = writer.AppendElement(root, L"LINEITEM");
    EXPECT_TRUE(writer.SetAttribute(item, L"style", L"A&\"<类>"));
    EXPECT_TRUE(writer.SetAttribute(item, L"code", L""));
    EXPECT_FALSE(writer.SetAttribute(0, L"x", L"y")) << "the document has no attributes";
    EXPECT_EQ(writer.AppendElement(99, L"X"), 0);
    EXPECT_EQ(writer.Bytes(), "<?xml version='1.0'?>\n<Tessaline edition=\"2024,01,02\">\n"
                              "\t<LINEITEM style=\"A&amp;&quot;&lt;\xE7\xB1\xBB>\" code=\"\" />\n"
                              "</Tessaline>\n");
}

TEST(XmlDocument, WriterStepsFailWhenMemoryRunsOut) {
    xml::FailAllocationsForTesting(0);
    {
        xml::Writer writer;
        EXPECT_FALSE(writer.AppendProcessingInstruction(L"xml", L"version='1.0'"));
    }
    xml::FailAllocationsForTesting(100000);
    {
        xml::Writer writer;
        EXPECT_TRUE(writer.AppendProcessingInstruction(L"xml", L"version='1.0'"));
        int root = writer.AppendElement(0, L"R");
        ASSERT_NE(root, 0);
        EXPECT_TRUE(writer.SetAttribute(root, L"small", L"x"));
        EXPECT_FALSE(writer.SetAttribute(root, L"big", std::wstring(200000, L'x')))
            << "a value too big for a page needs memory of its own";
    }
    xml::FailAllocationsForTesting(xml::kNoAllocationFailure);
}
