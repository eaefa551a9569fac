#include "platform/xml/XmlDocument.h"

#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"

#include <cstdlib>
#include <pugixml.hpp>
#include <regex>

namespace xml {

namespace {

std::string Utf8(std::wstring_view text) {
    return text::ToUtf8(text);
}

// The encoding named by the document's declaration, "" when it names none.
std::string DeclaredEncoding(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (bytes.substr(0, 5) != "<?xml")
        return "";
    size_t end = bytes.find("?>");
    if (end == std::string_view::npos)
        return "";
    std::string declaration(bytes.substr(0, end));
    std::smatch match;
    static const std::regex encoding(R"(encoding\s*=\s*["']([^"']*)["'])");
    return std::regex_search(declaration, match, encoding) ? match[1].str() : "";
}

bool IsUnicodeName(const std::string& name) {
    std::string lower;
    for (char c : name)
        if (c != '-' && c != '_')
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.empty() || lower == "utf8" || lower.rfind("utf16", 0) == 0 ||
           lower.rfind("ucs2", 0) == 0;
}

void Collect(const pugi::xml_node& node, std::vector<Element>& elements) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        Element element{text::FromUtf8(child.name()), {}};
        for (pugi::xml_attribute attribute : child.attributes())
            element.attributes.emplace_back(text::FromUtf8(attribute.name()),
                                            text::FromUtf8(attribute.value()));
        elements.push_back(std::move(element));
        Collect(child, elements);
    }
}

size_t g_failingSize = kNoAllocationFailure;

void* TestedAllocate(size_t size) {
    return size >= g_failingSize ? nullptr : std::malloc(size);
}

struct StringWriter : pugi::xml_writer {
    std::string bytes;
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), size);
    }
};

} // namespace

std::wstring Element::Attribute(std::wstring_view attributeName) const {
    for (const auto& [key, value] : attributes)
        if (text::EqualsNoCase(key, attributeName))
            return value;
    return L"";
}

bool ReadElements(std::string_view bytes, std::vector<Element>& elements, std::wstring& error) {
    elements.clear();
    error.clear();
    std::string encoding = DeclaredEncoding(bytes);
    std::string converted;
    pugi::xml_encoding parseAs = pugi::encoding_auto;
    if (!IsUnicodeName(encoding)) {
        text::CodePage codePage(encoding);
        if (!codePage.IsValid()) {
            error = text::Format(L"unknown encoding \"%s\"", text::FromUtf8(encoding));
            return false;
        }
        converted = text::ToUtf8(codePage.Decode(bytes));
        bytes = converted;
        parseAs = pugi::encoding_utf8;
    }
    pugi::xml_document document;
    pugi::xml_parse_result result =
        document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, parseAs);
    if (!result) {
        error = text::Format(L"%s at offset %d", text::FromUtf8(result.description()),
                             static_cast<int>(result.offset));
        return false;
    }
    Collect(document, elements);
    return true;
}

struct Writer::Impl {
    pugi::xml_document document;
    std::vector<pugi::xml_node> elements;

    pugi::xml_node Node(int handle) {
        if (handle == 0)
            return document;
        return handle > 0 && static_cast<size_t>(handle) <= elements.size()
                   ? elements[static_cast<size_t>(handle) - 1]
                   : pugi::xml_node();
    }
};

Writer::Writer() : m_impl(std::make_unique<Impl>()) {}

Writer::~Writer() = default;

bool Writer::AppendProcessingInstruction(std::wstring_view name, std::wstring_view data) {
    pugi::xml_node instruction = m_impl->document.append_child(pugi::node_pi);
    return instruction && instruction.set_name(Utf8(name).c_str()) &&
           instruction.set_value(Utf8(data).c_str());
}

int Writer::AppendElement(int parent, std::wstring_view name) {
    pugi::xml_node parentNode = m_impl->Node(parent);
    if (!parentNode)
        return 0;
    pugi::xml_node element = parentNode.append_child(Utf8(name).c_str());
    if (!element)
        return 0;
    m_impl->elements.push_back(element);
    return static_cast<int>(m_impl->elements.size());
}

bool Writer::SetAttribute(int element, std::wstring_view name, std::wstring_view value) {
    pugi::xml_node node = m_impl->Node(element);
    if (!node || node == m_impl->document)
        return false;
    pugi::xml_attribute attribute = node.append_attribute(Utf8(name).c_str());
    return attribute && attribute.set_value(Utf8(value).c_str());
}

std::string Writer::Bytes() const {
    StringWriter out;
    m_impl->document.save(out, "\t", pugi::format_default | pugi::format_no_declaration,
                          pugi::encoding_utf8);
    return out.bytes;
}

void FailAllocationsForTesting(size_t minimumSize) {
    g_failingSize = minimumSize;
    pugi::set_memory_management_functions(TestedAllocate, std::free);
}

} // namespace xml
