#pragma once
// XML documents: reading every element of a file with its attributes, and writing a document
// step by step. pugixml does the parsing and writing; the code page of a file that declares one
// (encoding="GB2312", "GBK", ...) is decoded here first, since pugixml reads only the Unicode
// encodings and ignores the declaration. Documents are written as UTF-8.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace xml {

struct Element {
    std::wstring name;
    std::vector<std::pair<std::wstring, std::wstring>> attributes;

    // The value of the first attribute of that name, compared without regard to case; "" when
    // there is none.
    std::wstring Attribute(std::wstring_view attributeName) const;
};

// Every element of the document at any depth, in document order. False, with the reason and
// where in `error`, when the bytes are not a well-formed document (or name an encoding that
// is not known).
bool ReadElements(std::string_view bytes, std::vector<Element>& elements, std::wstring& error);

// A document built step by step; each step says whether it worked (it fails only when memory
// runs out), so that a writer can say which step went wrong.
class Writer {
public:
    Writer();
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // <?name data?> at the top of the document.
    bool AppendProcessingInstruction(std::wstring_view name, std::wstring_view data);
    // A new last child of `parent` (0: the document itself); its handle, or 0.
    int AppendElement(int parent, std::wstring_view name);
    bool SetAttribute(int element, std::wstring_view name, std::wstring_view value);
    // The document as UTF-8, one element per line, indented by tabs; no declaration is added
    // beyond the processing instructions appended.
    std::string Bytes() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// For tests of the failure paths: pugixml's allocations of at least `minimumSize` bytes fail
// (0: every allocation; a size beyond the pages pugixml takes: only big texts of their own);
// kNoAllocationFailure lets every allocation succeed again.
inline constexpr size_t kNoAllocationFailure = static_cast<size_t>(-1);
void FailAllocationsForTesting(size_t minimumSize);

} // namespace xml
