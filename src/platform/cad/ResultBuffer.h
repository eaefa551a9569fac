#pragma once
// Typed values: the items of extended data (group codes 1000, 1005, 1040, ...), of extended
// records (1, 10, 40, 70, ...) and the values of system variables (RTSHORT, RTSTR, ...). A chain
// of them is a vector; nothing has to be freed.

#include "platform/cad/ErrorStatus.h"
#include "platform/cad/Geometry.h"

#include <cstdint>
#include <string>
#include <vector>

struct resbuf {
    short restype = RTNONE;
    struct {
        short rint = 0;
        int32_t rlong = 0;
        double rreal = 0.0;
        AcGePoint3d rpoint;
        std::wstring rstring;
    } resval;

    static resbuf Text(short code, std::wstring value);
    static resbuf Short(short code, short value);
    static resbuf Long(short code, int32_t value);
    static resbuf Real(short code, double value);
    static resbuf Point(short code, const AcGePoint3d& value);

    bool operator==(const resbuf& other) const;
};

using ResbufChain = std::vector<resbuf>;

namespace cad {

// What a type code carries. Group codes follow the drawing exchange ranges; the RT... codes
// name their own kind.
enum class ValueKind { Invalid, Text, Short, Long, Real, Point };
ValueKind KindOfCode(short code);

// Extended data allows the codes 1000 to 1071 without 1001 (the application name is not an
// item but the key the items are kept under).
bool IsExtendedDataCode(short code);

} // namespace cad
