// Vector: the small 2-D and 3-D vector arithmetic the drawings need.
// Only +, -, *, /, sqrt and min are used, which give the same bits on every run and every machine.
#pragma once

#include <cmath>

struct Vec2 {
    double x = 0;
    double y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, double s) {
    return {a.x * s, a.y * s};
}
inline double dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
inline double cross(Vec2 a, Vec2 b) {
    return a.x * b.y - a.y * b.x;
}
inline double length(Vec2 a) {
    return std::sqrt(dot(a, a));
}

// The unit vector pointing along (x, y).
inline Vec2 direction(double x, double y) {
    const double size = std::sqrt(x * x + y * y);
    return {x / size, y / size};
}

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// a with each component cut down to at most most.
inline Vec3 capped(Vec3 a, double most) {
    return {std::fmin(a.x, most), std::fmin(a.y, most), std::fmin(a.z, most)};
}

// The unit vector pointing along a.
inline Vec3 normalized(Vec3 a) {
    return a * (1.0 / std::sqrt(dot(a, a)));
}

// value raised to a whole power, by repeated multiplication.
inline double power(double value, int exponent) {
    double result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= value;
    return result;
}

// Linear blend from a (t = 0) to b (t = 1).
inline double mix(double a, double b, double t) {
    return a + (b - a) * t;
}

// Keeps t within 0 to 1.
inline double saturate(double t) {
    return t < 0 ? 0 : (t > 1 ? 1 : t);
}
