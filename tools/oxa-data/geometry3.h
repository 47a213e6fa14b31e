#pragma once
// Small 3D vector and matrix types for building models. Matrices are 4x4, column-major,
// exactly as a placement is stored in a scene model file.

#include <array>
#include <cmath>

struct Vec3 {
    float x = 0, y = 0, z = 0;

    Vec3 operator+(Vec3 o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(Vec3 o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(float k) const { return {x * k, y * k, z * k}; }
    Vec3 operator*(Vec3 o) const { return {x * o.x, y * o.y, z * o.z}; }
    Vec3& operator+=(Vec3 o) { return *this = *this + o; }
};

inline float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float length(Vec3 v) {
    return std::sqrt(dot(v, v));
}
inline Vec3 normalize(Vec3 v) {
    float len = length(v);
    return len > 0 ? v * (1 / len) : Vec3{0, 1, 0};
}

constexpr float pi = 3.14159265358979f;

// Column-major: m[column * 4 + row].
struct Mat4 {
    std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    static Mat4 translation(Vec3 t);
    static Mat4 scaling(Vec3 s);
    static Mat4 rotationY(float radians);
    static Mat4 rotationX(float radians);
    static Mat4 rotationZ(float radians);

    Mat4 operator*(const Mat4& o) const;
    Vec3 point(Vec3 p) const;      // applies translation
    Vec3 direction(Vec3 d) const;  // ignores translation
};

// The usual placement of a prop: scaled, turned about the vertical axis, then moved.
Mat4 place(Vec3 position, float turnRadians = 0, float scale = 1);
Mat4 place(Vec3 position, float turnRadians, Vec3 scale);
