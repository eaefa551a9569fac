#pragma once
// Points, vectors, transformation matrices and extents of the drawing database, under the names
// the module's drawing code is written in.

#include <cmath>

struct AcGeVector3d {
    double x = 0.0, y = 0.0, z = 0.0;

    constexpr AcGeVector3d() = default;
    constexpr AcGeVector3d(double vx, double vy, double vz) : x(vx), y(vy), z(vz) {}

    constexpr AcGeVector3d operator+(const AcGeVector3d& v) const {
        return {x + v.x, y + v.y, z + v.z};
    }
    constexpr AcGeVector3d operator-(const AcGeVector3d& v) const {
        return {x - v.x, y - v.y, z - v.z};
    }
    constexpr AcGeVector3d operator*(double f) const { return {x * f, y * f, z * f}; }
    double length() const { return std::sqrt(x * x + y * y + z * z); }
};

struct AcGePoint3d {
    double x = 0.0, y = 0.0, z = 0.0;

    constexpr AcGePoint3d() = default;
    constexpr AcGePoint3d(double px, double py, double pz) : x(px), y(py), z(pz) {}

    constexpr AcGePoint3d operator+(const AcGeVector3d& v) const {
        return {x + v.x, y + v.y, z + v.z};
    }
    constexpr AcGePoint3d operator-(const AcGeVector3d& v) const {
        return {x - v.x, y - v.y, z - v.z};
    }
    constexpr AcGeVector3d operator-(const AcGePoint3d& p) const {
        return {x - p.x, y - p.y, z - p.z};
    }
    constexpr bool operator==(const AcGePoint3d&) const = default;
    bool isEqualTo(const AcGePoint3d& p, double tolerance = 1e-10) const {
        return std::fabs(x - p.x) <= tolerance && std::fabs(y - p.y) <= tolerance &&
               std::fabs(z - p.z) <= tolerance;
    }

    static const AcGePoint3d kOrigin;
};

inline constexpr AcGePoint3d AcGePoint3d::kOrigin{0.0, 0.0, 0.0};

// A 4x4 affine matrix. The drawing code only ever moves entities, so entities accept
// translations and refuse anything else (see AcDbEntity::transformBy).
class AcGeMatrix3d {
public:
    double entry[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

    static const AcGeMatrix3d kIdentity;

    static AcGeMatrix3d translation(const AcGeVector3d& v) {
        AcGeMatrix3d m;
        m.setToTranslation(v);
        return m;
    }
    AcGeMatrix3d& setToTranslation(const AcGeVector3d& v) {
        *this = AcGeMatrix3d();
        entry[0][3] = v.x;
        entry[1][3] = v.y;
        entry[2][3] = v.z;
        return *this;
    }
    AcGeVector3d translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }
    // True when the matrix only moves: its linear part is the identity.
    bool isTranslationOnly() const {
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 3; ++column)
                if (entry[row][column] != (row == column ? 1.0 : 0.0))
                    return false;
        return entry[3][3] == 1.0;
    }
    AcGePoint3d apply(const AcGePoint3d& p) const {
        return {entry[0][0] * p.x + entry[0][1] * p.y + entry[0][2] * p.z + entry[0][3],
                entry[1][0] * p.x + entry[1][1] * p.y + entry[1][2] * p.z + entry[1][3],
                entry[2][0] * p.x + entry[2][1] * p.y + entry[2][2] * p.z + entry[2][3]};
    }
};

inline const AcGeMatrix3d AcGeMatrix3d::kIdentity{};

// An axis-aligned box. A new one is empty: its minimum lies above its maximum, so the test
// "max >= min" that callers make fails until a point is added.
class AcDbExtents {
public:
    AcDbExtents() = default;
    AcDbExtents(const AcGePoint3d& minPoint, const AcGePoint3d& maxPoint)
        : m_min(minPoint), m_max(maxPoint) {}

    const AcGePoint3d& minPoint() const { return m_min; }
    const AcGePoint3d& maxPoint() const { return m_max; }
    void set(const AcGePoint3d& minPoint, const AcGePoint3d& maxPoint) {
        m_min = minPoint;
        m_max = maxPoint;
    }
    bool isEmpty() const { return m_max.x < m_min.x || m_max.y < m_min.y || m_max.z < m_min.z; }

    void addPoint(const AcGePoint3d& p) {
        m_min = {std::fmin(m_min.x, p.x), std::fmin(m_min.y, p.y), std::fmin(m_min.z, p.z)};
        m_max = {std::fmax(m_max.x, p.x), std::fmax(m_max.y, p.y), std::fmax(m_max.z, p.z)};
    }
    void addExt(const AcDbExtents& other) {
        if (other.isEmpty())
            return;
        addPoint(other.m_min);
        addPoint(other.m_max);
    }

private:
    AcGePoint3d m_min{1e20, 1e20, 1e20};
    AcGePoint3d m_max{-1e20, -1e20, -1e20};
};
