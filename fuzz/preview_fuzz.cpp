// Any bytes as a drawing file's preview: the reader never reads outside the bytes nor
// allocates what they do not hold, and whatever picture it accepts paints into frames smaller
// and larger than itself.

#include "controls/DrawDwgPreview.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fs::MemoryBytes file(std::string_view(reinterpret_cast<const char*>(data), size));
    CDrawDwgPreview preview(L"");
    int picture = preview.ReadImage(file);
    const CDrawDwgPreview::CPreviewFacts& facts = preview.Getm_Facts();
    if (picture != (facts.bPicture ? 1 : 0) || facts.strReason.empty())
        std::abort(); // every answer says why
    ui::Canvas small(7, 5);
    if (preview.Paint(small) != picture)
        std::abort();
    if (picture) {
        ui::Canvas large(std::min(*facts.width + 3, 1024), std::min(*facts.height + 2, 1024));
        preview.Paint(large);
    }
    return 0;
}
