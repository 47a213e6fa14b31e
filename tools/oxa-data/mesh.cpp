#include "mesh.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "random.h"

void Mesh::addTriangle(const Vertex& a, const Vertex& b, const Vertex& c) {
    Vec3 facing = cross(b.position - a.position, c.position - a.position);
    vertices.push_back(a);
    if (dot(facing, a.normal + b.normal + c.normal) >= 0) {
        vertices.push_back(b);
        vertices.push_back(c);
    } else {
        vertices.push_back(c);
        vertices.push_back(b);
    }
}

void Mesh::addQuad(const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d) {
    addTriangle(a, b, c);
    addTriangle(a, c, d);
}

void Mesh::append(const Mesh& other, const Mat4& transform) {
    for (Vertex v : other.vertices) {
        v.position = transform.point(v.position);
        v.normal = normalize(transform.direction(v.normal));
        vertices.push_back(v);
    }
}

void Mesh::tint(Vec3 colour) {
    for (Vertex& v : vertices) v.colour = v.colour * colour;
}

void bakeLight(Mesh& mesh, float ambient) {
    const Vec3 sun = normalize({-0.45f, 0.8f, 0.4f});
    for (Vertex& v : mesh.vertices) {
        float diffuse = std::max(0.0f, dot(normalize(v.normal), sun));
        float sky = 0.5f + 0.5f * v.normal.y;  // faces turned down get a little darker
        float light = ambient + (1 - ambient) * diffuse * 0.85f + 0.1f * sky;
        v.colour = v.colour * std::min(light, 1.1f);
    }
}

void flatNormals(Mesh& mesh) {
    for (size_t i = 0; i + 2 < mesh.vertices.size(); i += 3) {
        Vertex* t = &mesh.vertices[i];
        Vec3 n = normalize(cross(t[1].position - t[0].position, t[2].position - t[0].position));
        t[0].normal = t[1].normal = t[2].normal = n;
    }
}

void displace(Mesh& mesh, const std::function<float(Vec3)>& offset) {
    for (Vertex& v : mesh.vertices) v.position += normalize(v.normal) * offset(v.position);
}

Mesh lathe(const std::vector<ProfilePoint>& profile, int segments, Band band, float sRepeat) {
    Mesh mesh;
    auto ring = [&](size_t i, int k) {
        const ProfilePoint& p = profile[i];
        // The normal leans out of the profile's slope between its neighbours.
        const ProfilePoint& a = profile[i == 0 ? 0 : i - 1];
        const ProfilePoint& b = profile[std::min(i + 1, profile.size() - 1)];
        float dr = b.radius - a.radius, dy = b.y - a.y;
        float angle = 2 * pi * static_cast<float>(k) / static_cast<float>(segments);
        float c = std::cos(angle), s = std::sin(angle);
        Vertex v;
        v.position = {p.radius * c, p.y, p.radius * s};
        Vec3 radial{dy * c, -dr, dy * s};
        if (length(radial) < 1e-6f) radial = {0, p.y > 0 ? 1.0f : -1.0f, 0};
        v.normal = normalize(radial);
        if (dy < 0) v.normal = v.normal * -1;  // a profile that runs downwards
        v.s = sRepeat * static_cast<float>(k) / static_cast<float>(segments);
        v.t = band.at(p.v);
        return v;
    };
    for (size_t i = 0; i + 1 < profile.size(); ++i) {
        for (int k = 0; k < segments; ++k) {
            Vertex a = ring(i, k), b = ring(i, k + 1), c = ring(i + 1, k + 1), d = ring(i + 1, k);
            if (profile[i].radius < 1e-5f) {
                mesh.addTriangle(a, c, d);
            } else if (profile[i + 1].radius < 1e-5f) {
                mesh.addTriangle(a, b, c);
            } else {
                mesh.addQuad(a, b, c, d);
            }
        }
    }
    return mesh;
}

Mesh cylinder(float radiusBottom, float radiusTop, float height, int segments, Band band,
              float sRepeat, bool capTop) {
    Mesh mesh = lathe({{radiusBottom, 0, 1}, {radiusTop, height, 0}}, segments, band, sRepeat);
    if (capTop && radiusTop > 0) {
        Mesh cap = disc(radiusTop, segments, band);
        mesh.append(cap, Mat4::translation({0, height, 0}));
    }
    return mesh;
}

Mesh ellipsoid(Vec3 radii, int segments, int rings, Band band, float sRepeat) {
    std::vector<ProfilePoint> profile;
    for (int i = 0; i <= rings; ++i) {
        float a = pi * static_cast<float>(i) / static_cast<float>(rings);  // 0 at the bottom
        profile.push_back({std::sin(a), -std::cos(a), 1 - static_cast<float>(i) / rings});
    }
    Mesh mesh = lathe(profile, segments, band, sRepeat);
    for (Vertex& v : mesh.vertices) {
        v.position = v.position * radii;
        v.normal = normalize(v.normal * Vec3{1 / radii.x, 1 / radii.y, 1 / radii.z});
    }
    return mesh;
}

Mesh box(Vec3 size, Band band, float unit, bool withTop) {
    Mesh mesh;
    float hx = size.x / 2, hz = size.z / 2, h = size.y;
    auto face = [&](Vec3 origin, Vec3 across, Vec3 up, Vec3 normal, float w, float ht) {
        Vertex v[4];
        Vec3 corners[4] = {origin, origin + across * w, origin + across * w + up * ht,
                           origin + up * ht};
        float ss[4] = {0, w / unit, w / unit, 0};
        float tt[4] = {1, 1, 0, 0};
        for (int i = 0; i < 4; ++i) {
            v[i].position = corners[i];
            v[i].normal = normal;
            v[i].s = ss[i];
            v[i].t = band.at(tt[i]);
        }
        mesh.addQuad(v[0], v[1], v[2], v[3]);
    };
    face({-hx, 0, hz}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, size.x, h);
    face({hx, 0, -hz}, {-1, 0, 0}, {0, 1, 0}, {0, 0, -1}, size.x, h);
    face({hx, 0, hz}, {0, 0, -1}, {0, 1, 0}, {1, 0, 0}, size.z, h);
    face({-hx, 0, -hz}, {0, 0, 1}, {0, 1, 0}, {-1, 0, 0}, size.z, h);
    if (withTop) face({-hx, h, hz}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}, size.x, size.z);
    return mesh;
}

Mesh panel(float width, float height, Band band, float sRepeat) {
    Mesh mesh;
    Vertex v[4];
    Vec3 corners[4] = {
        {-width / 2, 0, 0}, {width / 2, 0, 0}, {width / 2, height, 0}, {-width / 2, height, 0}};
    for (int i = 0; i < 4; ++i) {
        v[i].position = corners[i];
        v[i].normal = {0, 0, 1};
        v[i].s = (i == 1 || i == 2) ? sRepeat : 0;
        v[i].t = band.at(i < 2 ? 1 : 0);
    }
    mesh.addQuad(v[0], v[1], v[2], v[3]);
    return mesh;
}

Mesh crossedBillboard(float width, float height, int planes, Band band) {
    Mesh mesh;
    Mesh one = panel(width, height, band);
    for (int i = 0; i < planes; ++i) {
        mesh.append(one, Mat4::rotationY(pi * static_cast<float>(i) / static_cast<float>(planes)));
    }
    return mesh;
}

Mesh disc(float radius, int segments, Band band, float wobble, uint32_t seed) {
    Mesh mesh;
    Vertex centre;
    centre.s = 0.5f;
    centre.t = band.at(0.5f);
    for (int k = 0; k < segments; ++k) {
        Vertex edge[2];
        for (int j = 0; j < 2; ++j) {
            int idx = (k + j) % segments;
            float a = 2 * pi * static_cast<float>(k + j) / static_cast<float>(segments);
            float r = radius * (1 + wobble * (hashUnit(idx, 0, seed) - 0.5f));
            edge[j].position = {r * std::cos(a), 0, r * std::sin(a)};
            edge[j].s = 0.5f + 0.5f * r / radius * std::cos(a);
            edge[j].t = band.at(0.5f + 0.5f * r / radius * std::sin(a));
        }
        mesh.addTriangle(centre, edge[0], edge[1]);
    }
    return mesh;
}

Mesh terrain(const std::vector<float>& xs, const std::vector<float>& zs,
             const std::function<float(float, float)>& height, float unit,
             const std::function<Vec3(float, float)>& colour) {
    Mesh mesh;
    auto vertex = [&](float x, float z) {
        Vertex v;
        float e = 0.5f;
        v.position = {x, height(x, z), z};
        v.normal = normalize(
            {height(x - e, z) - height(x + e, z), 2 * e, height(x, z - e) - height(x, z + e)});
        v.s = x / unit;
        v.t = z / unit;
        if (colour) v.colour = colour(x, z);
        return v;
    };
    for (size_t j = 0; j + 1 < zs.size(); ++j) {
        for (size_t i = 0; i + 1 < xs.size(); ++i) {
            mesh.addQuad(vertex(xs[i], zs[j]), vertex(xs[i + 1], zs[j]),
                         vertex(xs[i + 1], zs[j + 1]), vertex(xs[i], zs[j + 1]));
        }
    }
    return mesh;
}

Mesh ribbon(const std::vector<Vec3>& path, float width, float unit, Band band) {
    Mesh mesh;
    float along = 0;
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        Vec3 a = path[i], b = path[i + 1];
        Vec3 dirA = normalize(path[std::min(i + 1, path.size() - 1)] - path[i > 0 ? i - 1 : 0]);
        Vec3 dirB = normalize(path[std::min(i + 2, path.size() - 1)] - path[i]);
        Vec3 sideA = normalize(cross(dirA, {0, 1, 0})) * (width / 2);
        Vec3 sideB = normalize(cross(dirB, {0, 1, 0})) * (width / 2);
        float next = along + length(b - a) / unit;
        Vertex v[4];
        Vec3 pos[4] = {a - sideA, a + sideA, b + sideB, b - sideB};
        float ss[4] = {0, 1, 1, 0};
        float tt[4] = {along, along, next, next};
        for (int k = 0; k < 4; ++k) {
            v[k].position = pos[k];
            v[k].normal = {0, 1, 0};
            v[k].s = ss[k];
            v[k].t = band.top + tt[k];  // the whole texture repeats along the path
        }
        mesh.addQuad(v[0], v[1], v[2], v[3]);
        along = next;
    }
    return mesh;
}

Mesh archDeck(float span, float rise, float width, float thickness, int segments, Band band) {
    Mesh mesh;
    auto at = [&](int i) {
        float x = -span / 2 + span * static_cast<float>(i) / static_cast<float>(segments);
        float u = x / (span / 2);
        return Vec3{x, rise * (1 - u * u), 0};
    };
    for (int i = 0; i < segments; ++i) {
        Vec3 a = at(i), b = at(i + 1);
        Vec3 up = normalize(cross(Vec3{0, 0, 1}, b - a)) * -1;
        if (up.y < 0) up = up * -1;
        float s0 = static_cast<float>(i) * 0.5f, s1 = s0 + 0.5f;
        auto v = [&](Vec3 p, Vec3 n, float s, float t) {
            Vertex out;
            out.position = p;
            out.normal = n;
            out.s = s;
            out.t = band.at(t);
            return out;
        };
        Vec3 hw{0, 0, width / 2}, down{0, -thickness, 0};
        mesh.addQuad(v(a - hw, up, s0, 1), v(b - hw, up, s1, 1), v(b + hw, up, s1, 0),
                     v(a + hw, up, s0, 0));
        mesh.addQuad(v(a - hw + down, up * -1, s0, 1), v(b - hw + down, up * -1, s1, 1),
                     v(b + hw + down, up * -1, s1, 0), v(a + hw + down, up * -1, s0, 0));
        for (float side : {-1.0f, 1.0f}) {
            Vec3 off = hw * side;
            mesh.addQuad(v(a + off, {0, 0, side}, s0, 0), v(b + off, {0, 0, side}, s1, 0),
                         v(b + off + down, {0, 0, side}, s1, 0.2f),
                         v(a + off + down, {0, 0, side}, s0, 0.2f));
        }
    }
    return mesh;
}

Mesh ringWall(float radius, float a0, float a1, int segments, float bottom,
              const std::function<float(float)>& height, float sRepeat, Band band) {
    Mesh mesh;
    for (int k = 0; k < segments; ++k) {
        float angles[2] = {
            a0 + (a1 - a0) * static_cast<float>(k) / static_cast<float>(segments),
            a0 + (a1 - a0) * static_cast<float>(k + 1) / static_cast<float>(segments)};
        Vertex v[4];
        for (int j = 0; j < 2; ++j) {
            float a = angles[j];
            Vec3 p{radius * std::cos(a), 0, radius * std::sin(a)};
            Vec3 inward = normalize(p * -1);
            float s = sRepeat * static_cast<float>(k + j) / static_cast<float>(segments);
            v[j].position = {p.x, bottom, p.z};
            v[j].normal = inward;
            v[j].s = s;
            v[j].t = band.at(1);
            v[3 - j].position = {p.x, height(a), p.z};
            v[3 - j].normal = inward;
            v[3 - j].s = s;
            v[3 - j].t = band.at(0);
        }
        mesh.addQuad(v[0], v[1], v[2], v[3]);
    }
    return mesh;
}

Mesh trimmedRingWall(float radius, float a0, float a1, int segments, int columns, float bottom,
                     float top, float sRepeat, Band band,
                     const std::function<float(float s0, float s1)>& shownFrom) {
    // Strip k runs from corner k to corner k + 1 around the ring; the wall's t is linear in
    // the height, band.at(1) at the bottom and band.at(0) at the top.
    const int strips = segments * columns;
    auto heightOfT = [&](float t) {
        float along = (band.at(1) - t) / (band.at(1) - band.at(0));
        return bottom + (top - bottom) * std::clamp(along, 0.0f, 1.0f);
    };
    auto sAt = [&](int corner) {
        return sRepeat * static_cast<float>(corner) / static_cast<float>(strips);
    };
    std::vector<float> stripTop(static_cast<size_t>(strips));
    for (int k = 0; k < strips; ++k)
        stripTop[static_cast<size_t>(k)] = heightOfT(shownFrom(sAt(k), sAt(k + 1)));
    Mesh mesh;
    for (int segment = 0; segment < segments; ++segment) {
        float angles[2] = {
            a0 + (a1 - a0) * static_cast<float>(segment) / static_cast<float>(segments),
            a0 + (a1 - a0) * static_cast<float>(segment + 1) / static_cast<float>(segments)};
        Vec3 ends[2];
        for (int j = 0; j < 2; ++j)
            ends[j] = {radius * std::cos(angles[j]), 0, radius * std::sin(angles[j])};
        const Vec3 inward = normalize((ends[0] + ends[1]) * -1);
        auto corner = [&](int c, float y) {  // c: 0..columns along this segment
            float f = static_cast<float>(c) / static_cast<float>(columns);
            Vertex v;
            v.position = {ends[0].x + (ends[1].x - ends[0].x) * f, y,
                          ends[0].z + (ends[1].z - ends[0].z) * f};
            v.normal = inward;
            v.s = sAt(segment * columns + c);
            v.t = band.at(1) + (band.at(0) - band.at(1)) * (y - bottom) / (top - bottom);
            return v;
        };
        // A corner stands as high as the higher of the two strips it joins.
        auto cornerTop = [&](int c) {
            int k = segment * columns + c;
            return std::max(stripTop[static_cast<size_t>((k - 1 + strips) % strips)],
                            stripTop[static_cast<size_t>(k % strips)]);
        };
        for (int c = 0; c < columns; ++c) {
            Vertex b0 = corner(c, bottom), b1 = corner(c + 1, bottom);
            Vertex t1 = corner(c + 1, cornerTop(c + 1)), t0 = corner(c, cornerTop(c));
            if (t0.position.y <= bottom && t1.position.y <= bottom) continue;
            mesh.addQuad(b0, b1, t1, t0);
        }
    }
    return mesh;
}
