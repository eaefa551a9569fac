#pragma once
// Input for placement loops (acedGrRead): pointer moves, picks, keys, auxiliary-menu items and
// cancelling. Tests queue events; the console host supplies them from its input lines
// ("move 10,20", "pick 10,20", "enter", "space", "key a", "aux 1414", "right", "esc").
// Pointer events pass the registered window-message filters first, which may swallow them.

#include "platform/cad/ResultBuffer.h"

#include <deque>
#include <functional>
#include <optional>
#include <string_view>

namespace cad {

enum class InputKind { PointerMove, Pick, Key, AuxMenu, RightButton, Cancel };

struct InputEvent {
    InputKind kind = InputKind::Cancel;
    AcGePoint3d point;
    int code = 0; // the character of a key, the item of an auxiliary menu
};

class InputSource {
public:
    static InputSource& Instance();

    void Queue(const InputEvent& event) { m_events.push_back(event); }
    // Asked for events when the queue is empty; returns nothing at the end of the input.
    void SetSupplier(std::function<std::optional<InputEvent>()> supplier) {
        m_supplier = std::move(supplier);
    }
    std::optional<InputEvent> Next();
    void Clear() { m_events.clear(); }
    size_t Pending() const { return m_events.size(); }

    // An event from its console form, or nothing for text that names none.
    static std::optional<InputEvent> Parse(std::wstring_view line);

private:
    std::deque<InputEvent> m_events;
    std::function<std::optional<InputEvent>()> m_supplier;
};

} // namespace cad

// Reads the next input: type 5 pointer move (only when `track` has bit 1; the point in the
// result), 3 pick (point), 2 key (the character in rint: 13 Enter, 32 Space), 11 auxiliary-menu
// item (rint), 25 right button (point). RTNORM, or RTCAN for Esc and at the end of the input.
int acedGrRead(int track, int* type, resbuf* result);
