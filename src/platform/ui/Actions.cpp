#include "platform/ui/Actions.h"

#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/UserActions.h"

#include <cwctype>

namespace ui {

namespace act {
namespace {
Action Make(ActionKind kind, int id = 0, std::wstring text = {}) {
    Action action;
    action.kind = kind;
    action.id = id;
    action.text = std::move(text);
    return action;
}
} // namespace

Action Type(int id, std::wstring text) {
    return Make(ActionKind::Type, id, std::move(text));
}
Action Click(int id) {
    return Make(ActionKind::Click, id);
}
Action Select(int id, std::wstring item) {
    return Make(ActionKind::Select, id, std::move(item));
}
Action DoubleClick(int id, std::wstring item) {
    return Make(ActionKind::DoubleClick, id, std::move(item));
}
Action RightClick(int id, std::wstring item, unsigned menu) {
    Action action = Make(ActionKind::RightClick, id, std::move(item));
    action.menu = menu;
    return action;
}
Action Expand(int id, std::wstring item) {
    return Make(ActionKind::Expand, id, std::move(item));
}
Action Collapse(int id, std::wstring item) {
    return Make(ActionKind::Collapse, id, std::move(item));
}
Action Check(int id, std::wstring item, bool checked) {
    return Make(checked ? ActionKind::Check : ActionKind::Uncheck, id, std::move(item));
}
Action Cell(int id, int row, int column, int x) {
    Action action = Make(ActionKind::Cell, id);
    action.row = row;
    action.column = column;
    action.x = x;
    return action;
}
Action Header(int id, int column) {
    Action action = Make(ActionKind::Header, id);
    action.column = column;
    return action;
}
Action Key(int id, unsigned key) {
    Action action = Make(ActionKind::Key, id);
    action.key = key;
    return action;
}
Action Drag(int id, std::wstring item, int targetId, std::wstring targetItem, bool copy) {
    Action action = Make(ActionKind::Drag, id, std::move(item));
    action.targetId = targetId;
    action.targetItem = std::move(targetItem);
    action.copy = copy;
    return action;
}
Action Command(int id) {
    return Make(ActionKind::Command, id);
}

Action Close() {
    return Make(ActionKind::Close);
}
Action Timer(int id) {
    return Make(ActionKind::Timer, id);
}
} // namespace act

namespace {

struct NamedKey {
    const wchar_t* name;
    unsigned key;
};
const NamedKey kKeys[] = {
    {L"enter", VK_RETURN}, {L"esc", VK_ESCAPE},  {L"up", VK_UP},         {L"down", VK_DOWN},
    {L"left", VK_LEFT},    {L"right", VK_RIGHT}, {L"delete", VK_DELETE}, {L"tab", VK_TAB},
    {L"f2", VK_F2},        {L"f5", VK_F5},       {L"space", VK_SPACE},   {L"back", VK_BACK},
};

struct Word {
    const wchar_t* word;
    ActionKind kind;
};
const Word kWords[] = {
    {L"type", ActionKind::Type},         {L"click", ActionKind::Click},
    {L"select", ActionKind::Select},     {L"dblclick", ActionKind::DoubleClick},
    {L"rclick", ActionKind::RightClick}, {L"expand", ActionKind::Expand},
    {L"collapse", ActionKind::Collapse}, {L"check", ActionKind::Check},
    {L"uncheck", ActionKind::Uncheck},   {L"cell", ActionKind::Cell},
    {L"header", ActionKind::Header},     {L"key", ActionKind::Key},
    {L"drag", ActionKind::Drag},         {L"close", ActionKind::Close},
    {L"timer", ActionKind::Timer},       {L"command", ActionKind::Command},
};

// Splits off the first word (up to a blank); the rest keeps its blanks but the first.
std::wstring NextWord(std::wstring& rest) {
    size_t start = rest.find_first_not_of(L' ');
    if (start == std::wstring::npos) {
        rest.clear();
        return {};
    }
    size_t end = rest.find(L' ', start);
    std::wstring word =
        rest.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    rest = end == std::wstring::npos ? std::wstring() : rest.substr(end + 1);
    return word;
}

bool ToInt(const std::wstring& word, int& value) {
    if (word.empty())
        return false;
    size_t at = word[0] == L'-' ? 1 : 0;
    if (at == word.size())
        return false;
    for (size_t i = at; i < word.size(); ++i)
        if (!std::iswdigit(word[i]))
            return false;
    value = std::stoi(word);
    return true;
}

const wchar_t* WordOf(ActionKind kind) {
    for (const Word& word : kWords)
        if (word.kind == kind)
            return word.word;
    return L"";
}

std::wstring KeyName(unsigned key) {
    for (const NamedKey& name : kKeys)
        if (name.key == key)
            return name.name;
    return std::to_wstring(key);
}

} // namespace

unsigned KeyFromName(const std::wstring& name) {
    std::wstring folded = text::FoldCase(name);
    for (const NamedKey& entry : kKeys)
        if (folded == entry.name)
            return entry.key;
    int number = 0;
    return ToInt(name, number) && number > 0 ? static_cast<unsigned>(number) : 0;
}

std::optional<Action> ParseAction(const std::wstring& line, std::wstring& error) {
    std::wstring rest = line;
    std::wstring word = text::FoldCase(NextWord(rest));
    Action action;
    bool known = false;
    for (const Word& entry : kWords)
        if (word == entry.word) {
            action.kind = entry.kind;
            known = true;
        }
    if (word == L"ok" || word == L"cancel") {
        action = word == L"ok" ? act::Ok() : act::Cancel();
        return action;
    }
    if (!known) {
        error = word.empty() ? L"Say what to do (type, click, select, ...)."
                             : text::Format(L"Unknown action \"%s\".", word);
        return std::nullopt;
    }
    if (action.kind == ActionKind::Close)
        return action;
    std::wstring idWord = NextWord(rest);
    if (action.kind == ActionKind::Key && KeyFromName(idWord) && rest.empty()) {
        // "key enter": the control with the focus.
        action.key = KeyFromName(idWord);
        return action;
    }
    if (!ToInt(idWord, action.id)) {
        error = text::Format(L"\"%s\" needs a control id.", word);
        return std::nullopt;
    }
    switch (action.kind) {
    case ActionKind::Type:
    case ActionKind::Select:
    case ActionKind::DoubleClick:
    case ActionKind::Expand:
    case ActionKind::Collapse:
    case ActionKind::Check:
    case ActionKind::Uncheck:
        action.text = rest;
        break;
    case ActionKind::RightClick: {
        // "rclick 125 ITEM -> 201": the menu command to go on with; "rclick 125 -> 201" on
        // the empty space, where the arrow follows the id at once.
        std::wstring spaced = L" ";
        spaced += rest;
        size_t arrow = spaced.rfind(L" -> ");
        if (arrow != std::wstring::npos) {
            int menu = 0;
            if (!ToInt(text::Trim(spaced.substr(arrow + 4)), menu)) {
                error = L"\"->\" needs a menu command id.";
                return std::nullopt;
            }
            action.menu = static_cast<unsigned>(menu);
            spaced.resize(arrow);
        }
        action.text = spaced.erase(0, 1); // empty when the arrow came first
        break;
    }
    case ActionKind::Cell:
        if (!ToInt(NextWord(rest), action.row) || !ToInt(NextWord(rest), action.column)) {
            error = L"\"cell\" needs a row and a column.";
            return std::nullopt;
        }
        if (!rest.empty() && !ToInt(NextWord(rest), action.x)) {
            error = L"\"cell\" takes an x offset in pixels last.";
            return std::nullopt;
        }
        break;
    case ActionKind::Header:
        if (!ToInt(NextWord(rest), action.column)) {
            error = L"\"header\" needs a column.";
            return std::nullopt;
        }
        break;
    case ActionKind::Key:
        action.key = KeyFromName(NextWord(rest));
        if (!action.key) {
            error = L"Unknown key.";
            return std::nullopt;
        }
        break;
    case ActionKind::Drag: {
        // "drag 125 ITEM => 125 TARGET [copy]"
        size_t arrow = rest.find(L" => ");
        if (arrow == std::wstring::npos) {
            error = L"\"drag\" needs \"=>\" and a target.";
            return std::nullopt;
        }
        action.text = rest.substr(0, arrow);
        std::wstring target = rest.substr(arrow + 4);
        if (target.size() >= 5 && target.substr(target.size() - 5) == L" copy") {
            action.copy = true;
            target.resize(target.size() - 5);
        }
        if (!ToInt(NextWord(target), action.targetId)) {
            error = L"\"drag\" needs a target control id.";
            return std::nullopt;
        }
        action.targetItem = target;
        break;
    }
    default:
        break;
    }
    return action;
}

std::wstring ActionText(const Action& action) {
    std::wstring line = WordOf(action.kind);
    if (action.kind == ActionKind::Close)
        return line;
    if (action.kind == ActionKind::Key && action.id == 0)
        return line + L" " + KeyName(action.key);
    line += L" " + std::to_wstring(action.id);
    switch (action.kind) {
    case ActionKind::Cell:
        line += text::Format(L" %d %d", action.row, action.column);
        if (action.x >= 0)
            line += L" " + std::to_wstring(action.x);
        return line;
    case ActionKind::Header:
        return line + L" " + std::to_wstring(action.column);
    case ActionKind::Key:
        return line + L" " + KeyName(action.key);
    case ActionKind::Drag:
        return line + L" " + action.text + L" => " + std::to_wstring(action.targetId) +
               (action.targetItem.empty() ? L"" : L" " + action.targetItem) +
               (action.copy ? L" copy" : L"");
    case ActionKind::RightClick:
        line += action.text.empty() ? L"" : L" " + action.text;
        return action.menu ? line + L" -> " + std::to_wstring(action.menu) : line;
    case ActionKind::Click:
    case ActionKind::Timer:
        return line;
    default:
        return line + L" " + action.text;
    }
}

} // namespace ui
