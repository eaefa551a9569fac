#include "platform/cad/BuiltinCommands.h"

#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/CommandStack.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/cad/InputSource.h"
#include "platform/cad/SystemVariables.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <numbers>

namespace cad {

namespace {

std::optional<std::wstring> Ask(std::wstring_view prompt, bool spaceEnds = true) {
    return CommandProcessor::Instance().GetInput(prompt, spaceEnds);
}

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

std::wstring ValueText(const resbuf& value) {
    switch (value.restype) {
    case RTSHORT:
        return std::to_wstring(value.resval.rint);
    case RTREAL:
        return text::Format(L"%g", value.resval.rreal);
    case RT3DPOINT:
        return text::Format(L"%g,%g,%g", value.resval.rpoint.x, value.resval.rpoint.y,
                            value.resval.rpoint.z);
    default:
        return value.resval.rstring;
    }
}

void SetVar() {
    std::optional<std::wstring> name = Ask(L"\nEnter variable name: ");
    if (!name || name->empty())
        return;
    std::wstring upper = Upper(*name);
    short type = SystemVariables::Instance().TypeOf(upper);
    resbuf current;
    if (type == RTNONE || acedGetVar(upper.c_str(), &current) != RTNORM) {
        acutPrintf(L"\nUnknown variable name.\n");
        return;
    }
    std::optional<std::wstring> answer = Ask(
        text::Format(L"\nEnter new value for %s <%s>: ", upper, ValueText(current)), type != RTSTR);
    if (!answer || answer->empty())
        return;
    resbuf value;
    value.restype = type;
    bool valid = true;
    if (type == RTSHORT) {
        std::optional<double> number = ParseReal(*answer);
        valid = number && *number == std::floor(*number) && std::fabs(*number) <= 32767;
        value.resval.rint = valid ? static_cast<short>(*number) : 0;
    } else if (type == RTREAL) {
        std::optional<double> number = ParseReal(*answer);
        valid = number.has_value();
        value.resval.rreal = number.value_or(0.0);
    } else if (type == RT3DPOINT) {
        std::optional<AcGePoint3d> point = ParsePoint(*answer);
        valid = point.has_value();
        value.resval.rpoint = point.value_or(AcGePoint3d());
    } else {
        value.resval.rstring = *answer;
    }
    if (!valid || acedSetVar(upper.c_str(), &value) != RTNORM)
        acutPrintf(L"\nCannot set %s to that value.\n", upper);
}

// Appends an entity to the current document's model space; false (and the entity deleted)
// when there is no drawing or it cannot take the entity.
bool AppendToModelSpace(AcDbEntity* entity) {
    AcApDocument* document = acDocManager->curDocument();
    if (!document) {
        delete entity;
        acutPrintf(L"\nNo drawing is open.\n");
        return false;
    }
    AcDbObjectPointer<AcDbBlockTableRecord> space(document->database()->modelSpaceId(),
                                                  AcDb::kForWrite);
    Acad::ErrorStatus status = space ? space->appendAcDbEntity(entity) : space.openStatus();
    if (status != Acad::eOk) {
        delete entity;
        acutPrintf(L"\nCannot add the entity: %s\n", acadErrorStatusText(status));
        return false;
    }
    entity->close();
    return true;
}

std::optional<AcGePoint3d> AskPoint(std::wstring_view prompt) {
    for (;;) {
        std::optional<std::wstring> answer = Ask(prompt);
        if (!answer)
            return std::nullopt;
        if (std::optional<AcGePoint3d> point = ParsePoint(*answer))
            return point;
        acutPrintf(L"\nPoint or option keyword required.\n");
    }
}

std::optional<double> AskReal(std::wstring_view prompt, double fallback) {
    for (;;) {
        std::optional<std::wstring> answer = Ask(prompt);
        if (!answer)
            return std::nullopt;
        if (answer->empty())
            return fallback;
        if (std::optional<double> number = ParseReal(*answer))
            return number;
        acutPrintf(L"\nRequires numeric value.\n");
    }
}

void Text() {
    std::optional<AcGePoint3d> start = AskPoint(L"\nSpecify start point of text: ");
    if (!start)
        return;
    std::optional<double> height = AskReal(L"\nSpecify height <2.5>: ", 2.5);
    if (!height)
        return;
    if (*height <= 0.0) {
        acutPrintf(L"\nThe height must be positive.\n");
        return;
    }
    std::optional<double> degrees = AskReal(L"\nSpecify rotation angle of text <0>: ", 0.0);
    if (!degrees)
        return;
    std::optional<std::wstring> value = Ask(L"\nEnter text: ", false);
    if (!value || value->empty())
        return;
    AppendToModelSpace(new AcDbText(*start, *value, AcDbObjectId::kNull, *height,
                                    *degrees * std::numbers::pi / 180.0));
}

void Line() {
    std::optional<AcGePoint3d> from = AskPoint(L"\nSpecify first point: ");
    if (!from)
        return;
    std::optional<AcGePoint3d> to = AskPoint(L"\nSpecify next point: ");
    if (to)
        AppendToModelSpace(new AcDbLine(*from, *to));
}

void ShowWindowOf(const AcGePoint3d& a, const AcGePoint3d& b) {
    if (AcApDocument* document = acDocManager->curDocument())
        document->setView({(a.x + b.x) / 2, (a.y + b.y) / 2, 0.0},
                          std::max(std::fabs(b.y - a.y), 1e-6));
}

void Zoom() {
    std::optional<std::wstring> option =
        Ask(L"\nSpecify corner of window or [All/Extents/Window]: ");
    if (!option)
        return;
    std::wstring keyword = Upper(text::TrimLeft(*option, L"_"));
    if (keyword == L"E" || keyword == L"EXTENTS" || keyword == L"A" || keyword == L"ALL") {
        AcDbExtents extents;
        if (CurrentModelSpaceExtents(extents))
            ShowWindowOf(extents.minPoint(), extents.maxPoint());
        return;
    }
    std::optional<AcGePoint3d> first;
    if (keyword == L"W" || keyword == L"WINDOW")
        first = AskPoint(L"\nSpecify first corner: ");
    else
        first = ParsePoint(*option);
    if (!first) {
        if (keyword != L"W" && keyword != L"WINDOW")
            acutPrintf(L"\nInvalid option keyword.\n");
        return;
    }
    if (std::optional<AcGePoint3d> second = AskPoint(L"\nSpecify opposite corner: "))
        ShowWindowOf(*first, *second);
}

// Realtime pan and zoom follow the pointer until Enter, Space, Esc or a button ends them:
// panning moves the view with the pointer, zooming makes the view smaller as the pointer goes up.
void Realtime(bool zoom) {
    AcApDocument* document = acDocManager->curDocument();
    if (!document)
        return;
    acutPrintf(L"\nPress ESC or ENTER to exit.\n");
    std::optional<AcGePoint3d> previous;
    for (;;) {
        int type = 0;
        resbuf input;
        if (acedGrRead(1, &type, &input) != RTNORM || type != 5)
            return;
        AcGePoint3d point = input.resval.rpoint;
        if (previous) {
            AcGeVector3d moved = point - *previous;
            double height = document->viewHeight();
            if (zoom)
                document->setView(document->viewCenter(),
                                  height * std::clamp(1.0 - moved.y / height, 0.1, 10.0));
            else
                document->setView(document->viewCenter() - moved, height);
        }
        previous = point;
    }
}

void RealtimePan() {
    Realtime(false);
}

void RealtimeZoom() {
    Realtime(true);
}

} // namespace

std::optional<double> ParseReal(std::wstring_view text) {
    std::wstring value = text::Trim(text);
    if (value.empty())
        return std::nullopt;
    wchar_t* end = nullptr;
    double number = std::wcstod(value.c_str(), &end);
    if (end != value.c_str() + value.size() || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<AcGePoint3d> ParsePoint(std::wstring_view text) {
    std::vector<std::wstring> parts = text::Split(text, L",");
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    std::optional<double> x = ParseReal(parts[0]), y = ParseReal(parts[1]);
    std::optional<double> z = parts.size() == 3 ? ParseReal(parts[2]) : std::optional<double>(0.0);
    if (!x || !y || !z)
        return std::nullopt;
    return AcGePoint3d(*x, *y, *z);
}

bool CurrentModelSpaceExtents(AcDbExtents& extents) {
    extents = AcDbExtents();
    AcApDocument* document = acDocManager->curDocument();
    AcDbBlockTableRecord* space = document ? document->database()->modelSpace() : nullptr;
    if (!space)
        return false;
    for (const AcDbObjectId& id : space->entityIds()) {
        auto* entity =
            dynamic_cast<AcDbEntity*>(document->database()->objectAt(id.handle().value()));
        AcDbExtents part;
        if (entity && entity->visibility() == AcDb::kVisible &&
            entity->getGeomExtents(part) == Acad::eOk)
            extents.addExt(part);
    }
    return !extents.isEmpty();
}

void RegisterDrawingCommands() {
    AcEdCommandStack* commands = acedRegCmds();
    commands->addCommand(L"ACAD", L"SETVAR", L"SETVAR", ACRX_CMD_TRANSPARENT, SetVar);
    commands->addCommand(L"ACAD", L"TEXT", L"TEXT", ACRX_CMD_MODAL, Text);
    commands->addCommand(L"ACAD", L"LINE", L"LINE", ACRX_CMD_MODAL, Line);
    commands->addCommand(L"ACAD", L"ZOOM", L"ZOOM", ACRX_CMD_TRANSPARENT, Zoom);
    commands->addCommand(L"ACAD", L"RTPAN", L"RTPAN", ACRX_CMD_TRANSPARENT, RealtimePan);
    commands->addCommand(L"ACAD", L"RTZOOM", L"RTZOOM", ACRX_CMD_TRANSPARENT, RealtimeZoom);
}

} // namespace cad
