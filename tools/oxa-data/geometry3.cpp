#include "geometry3.h"

Mat4 Mat4::translation(Vec3 t) {
    Mat4 r;
    r.m[12] = t.x;
    r.m[13] = t.y;
    r.m[14] = t.z;
    return r;
}

Mat4 Mat4::scaling(Vec3 s) {
    Mat4 r;
    r.m[0] = s.x;
    r.m[5] = s.y;
    r.m[10] = s.z;
    return r;
}

Mat4 Mat4::rotationY(float a) {
    Mat4 r;
    r.m[0] = std::cos(a);
    r.m[2] = -std::sin(a);
    r.m[8] = std::sin(a);
    r.m[10] = std::cos(a);
    return r;
}

Mat4 Mat4::rotationX(float a) {
    Mat4 r;
    r.m[5] = std::cos(a);
    r.m[6] = std::sin(a);
    r.m[9] = -std::sin(a);
    r.m[10] = std::cos(a);
    return r;
}

Mat4 Mat4::rotationZ(float a) {
    Mat4 r;
    r.m[0] = std::cos(a);
    r.m[1] = std::sin(a);
    r.m[4] = -std::sin(a);
    r.m[5] = std::cos(a);
    return r;
}

Mat4 Mat4::operator*(const Mat4& o) const {
    Mat4 r;
    for (int c = 0; c < 4; ++c) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += m[k * 4 + row] * o.m[c * 4 + k];
            r.m[c * 4 + row] = sum;
        }
    }
    return r;
}

Vec3 Mat4::point(Vec3 p) const {
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

Vec3 Mat4::direction(Vec3 d) const {
    return {m[0] * d.x + m[4] * d.y + m[8] * d.z, m[1] * d.x + m[5] * d.y + m[9] * d.z,
            m[2] * d.x + m[6] * d.y + m[10] * d.z};
}

Mat4 place(Vec3 position, float turnRadians, float scale) {
    return place(position, turnRadians, Vec3{scale, scale, scale});
}

Mat4 place(Vec3 position, float turnRadians, Vec3 scale) {
    return Mat4::translation(position) * Mat4::rotationY(turnRadians) * Mat4::scaling(scale);
}
