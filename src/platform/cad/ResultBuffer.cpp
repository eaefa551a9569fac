#include "platform/cad/ResultBuffer.h"

resbuf resbuf::Text(short code, std::wstring value) {
    resbuf item;
    item.restype = code;
    item.resval.rstring = std::move(value);
    return item;
}

resbuf resbuf::Short(short code, short value) {
    resbuf item;
    item.restype = code;
    item.resval.rint = value;
    return item;
}

resbuf resbuf::Long(short code, int32_t value) {
    resbuf item;
    item.restype = code;
    item.resval.rlong = value;
    return item;
}

resbuf resbuf::Real(short code, double value) {
    resbuf item;
    item.restype = code;
    item.resval.rreal = value;
    return item;
}

resbuf resbuf::Point(short code, const AcGePoint3d& value) {
    resbuf item;
    item.restype = code;
    item.resval.rpoint = value;
    return item;
}

bool resbuf::operator==(const resbuf& other) const {
    if (restype != other.restype)
        return false;
    switch (cad::KindOfCode(restype)) {
    case cad::ValueKind::Text:
        return resval.rstring == other.resval.rstring;
    case cad::ValueKind::Short:
        return resval.rint == other.resval.rint;
    case cad::ValueKind::Long:
        return resval.rlong == other.resval.rlong;
    case cad::ValueKind::Real:
        return resval.rreal == other.resval.rreal;
    case cad::ValueKind::Point:
        return resval.rpoint == other.resval.rpoint;
    case cad::ValueKind::Invalid:
        break;
    }
    return true;
}

namespace cad {

ValueKind KindOfCode(short code) {
    switch (code) {
    case RTSTR:
        return ValueKind::Text;
    case RTSHORT:
        return ValueKind::Short;
    case RTLONG:
        return ValueKind::Long;
    case RTREAL:
    case RTANG:
        return ValueKind::Real;
    case RTPOINT:
    case RT3DPOINT:
        return ValueKind::Point;
    default:
        break;
    }
    auto in = [code](int low, int high) { return code >= low && code <= high; };
    if (in(0, 9) || in(100, 102) || in(300, 309) || in(1000, 1005))
        return ValueKind::Text;
    if (in(10, 18) || in(1010, 1013))
        return ValueKind::Point;
    if (in(38, 59) || in(140, 149) || in(1040, 1042))
        return ValueKind::Real;
    if (in(60, 79) || in(170, 179) || code == 1070)
        return ValueKind::Short;
    if (in(90, 99) || code == 1071)
        return ValueKind::Long;
    return ValueKind::Invalid;
}

bool IsExtendedDataCode(short code) {
    return code >= 1000 && code <= 1071 && code != 1001 && KindOfCode(code) != ValueKind::Invalid;
}

} // namespace cad
