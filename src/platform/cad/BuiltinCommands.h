#pragma once
// The host's own commands, in the group "ACAD": the ones the module's command strings call on
// (SETVAR, SAVEAS, ZOOM, RTPAN, RTZOOM) and the ones a person needs to try the module out
// (OPEN, NEW, QSAVE, CLOSE, DOCUMENTS, SWITCH, TEXT, LINE, QUIT). docs/cad-host.md lists their
// prompts.

#include "platform/cad/Geometry.h"

#include <optional>
#include <string>
#include <string_view>

namespace cad {

// Registers the commands once; later calls do nothing.
void RegisterBuiltinCommands();
void RegisterFileCommands();
void RegisterDrawingCommands();

// "x,y" or "x,y,z" with numbers only.
std::optional<AcGePoint3d> ParsePoint(std::wstring_view text);
// A number and nothing else.
std::optional<double> ParseReal(std::wstring_view text);
// The extents of the visible entities of the current document's model space.
bool CurrentModelSpaceExtents(AcDbExtents& extents);

} // namespace cad
