#include "platform/cad/InputSource.h"

#include "platform/cad/MessageFilters.h"
#include "platform/text/WideString.h"

namespace cad {

InputSource& InputSource::Instance() {
    static InputSource source;
    return source;
}

std::optional<InputEvent> InputSource::Next() {
    if (!m_events.empty()) {
        InputEvent event = m_events.front();
        m_events.pop_front();
        return event;
    }
    return m_supplier ? m_supplier() : std::nullopt;
}

std::optional<InputEvent> InputSource::Parse(std::wstring_view line) {
    std::vector<std::wstring> words;
    for (std::wstring& word : text::Split(text::Trim(line), L" "))
        if (!word.empty())
            words.push_back(std::move(word));
    if (words.empty())
        return std::nullopt;
    std::wstring verb = text::FoldCase(words[0]);
    auto point = [&](InputKind kind) -> std::optional<InputEvent> {
        if (words.size() != 2)
            return std::nullopt;
        std::vector<std::wstring> parts = text::Split(words[1], L",");
        if (parts.size() < 2 || parts.size() > 3)
            return std::nullopt;
        InputEvent event{kind, {}, 0};
        event.point = {text::ToReal(parts[0]), text::ToReal(parts[1]),
                       parts.size() == 3 ? text::ToReal(parts[2]) : 0.0};
        return event;
    };
    if (verb == L"move")
        return point(InputKind::PointerMove);
    if (verb == L"pick")
        return point(InputKind::Pick);
    if (verb == L"right")
        return InputEvent{InputKind::RightButton, {}, 0};
    if (verb == L"enter" || verb == L"space")
        return InputEvent{InputKind::Key, {}, verb == L"enter" ? 13 : 32};
    if (verb == L"esc")
        return InputEvent{InputKind::Cancel, {}, 0};
    if (verb == L"key" && words.size() == 2 && words[1].size() == 1)
        return InputEvent{InputKind::Key, {}, words[1][0]};
    if (verb == L"aux" && words.size() == 2)
        return InputEvent{InputKind::AuxMenu, {}, text::ToInt(words[1])};
    return std::nullopt;
}

} // namespace cad

int acedGrRead(int track, int* type, resbuf* result) {
    if (!type || !result)
        return RTERROR;
    for (;;) {
        std::optional<cad::InputEvent> event = cad::InputSource::Instance().Next();
        if (!event || event->kind == cad::InputKind::Cancel)
            return RTCAN;
        unsigned message = 0;
        switch (event->kind) {
        case cad::InputKind::PointerMove:
            message = WM_MOUSEMOVE;
            break;
        case cad::InputKind::Pick:
            message = WM_LBUTTONDOWN;
            break;
        case cad::InputKind::RightButton:
            message = WM_RBUTTONDOWN;
            break;
        default:
            break;
        }
        if (message) {
            MSG msg{nullptr, message, 0, 0};
            if (cad::FilterWindowMessage(msg))
                continue;
        }
        switch (event->kind) {
        case cad::InputKind::PointerMove:
            if (!(track & 1))
                continue;
            *type = 5;
            *result = resbuf::Point(RT3DPOINT, event->point);
            return RTNORM;
        case cad::InputKind::Pick:
            *type = 3;
            *result = resbuf::Point(RT3DPOINT, event->point);
            return RTNORM;
        case cad::InputKind::RightButton:
            *type = 25;
            *result = resbuf::Point(RT3DPOINT, event->point);
            return RTNORM;
        case cad::InputKind::Key:
            *type = 2;
            *result = resbuf::Short(RTSHORT, static_cast<short>(event->code));
            return RTNORM;
        case cad::InputKind::AuxMenu:
            *type = 11;
            *result = resbuf::Short(RTSHORT, static_cast<short>(event->code));
            return RTNORM;
        case cad::InputKind::Cancel:
            return RTCAN;
        }
    }
}
