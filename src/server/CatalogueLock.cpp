#include "server/CatalogueLock.h"

#include "platform/net/LocalHost.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"

#include <random>

namespace {

const std::wstring& ThisProcessKey() {
    static const std::wstring key = [] {
        std::random_device random;
        return text::Format(L"%08x", static_cast<unsigned>(random()));
    }();
    return key;
}

} // namespace

CatalogueLockHolder ThisProcessLockHolder(const std::wstring& strHostId) {
    return {strHostId, net::CurrentProcessId(), ThisProcessKey()};
}

std::vector<std::wstring> FormatLockRecord(const CatalogueLockHolder& holder) {
    return {holder.strHostId, text::Format(L"PID:%d KEY:%s", holder.nProcessId, holder.strKey)};
}

CatalogueLockHolder ParseLockHolder(const std::vector<std::wstring>& arrLines) {
    std::vector<std::wstring> lines;
    for (const std::wstring& line : arrLines)
        if (!text::Trim(line).empty())
            lines.push_back(text::Trim(line));
    CatalogueLockHolder holder;
    if (lines.empty())
        return holder;
    holder.strHostId = lines[0];
    if (lines.size() > 1 && text::StartsWith(lines[1], L"PID:")) {
        holder.nProcessId = text::ToInt(lines[1].substr(4));
        size_t key = lines[1].find(L"KEY:");
        if (key != std::wstring::npos)
            holder.strKey = text::Trim(lines[1].substr(key + 4));
    }
    return holder;
}

LockHolderKind JudgeLockHolder(const CatalogueLockHolder& holder, const CatalogueLockHolder& me) {
    if (holder.strHostId.empty() || !text::EqualsNoCase(holder.strHostId, me.strHostId))
        return LockHolderKind::Other;
    if (holder.nProcessId == me.nProcessId && holder.strKey == me.strKey)
        return LockHolderKind::ThisProcess;
    if (holder.nProcessId == 0 || !net::IsProcessRunning(holder.nProcessId))
        return LockHolderKind::LeftoverOfThisHost;
    return LockHolderKind::Other;
}
