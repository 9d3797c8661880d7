#pragma once

#include <cmath>

namespace VSTGUI {

using CCoord = double;

struct CPoint {
    CCoord x = 0.0;
    CCoord y = 0.0;

    CPoint() = default;
    CPoint(CCoord px, CCoord py) : x(px), y(py) {}
    CPoint& offset(CCoord dx, CCoord dy) {
        x += dx;
        y += dy;
        return *this;
    }
    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
};

// A rectangle given by its edges; pointInside includes the left and top
// edges and excludes the right and bottom ones, so adjacent rectangles never
// both own a point.
struct CRect {
    CCoord left = 0.0;
    CCoord top = 0.0;
    CCoord right = 0.0;
    CCoord bottom = 0.0;

    CRect() = default;
    CRect(CCoord l, CCoord t, CCoord r, CCoord b) : left(l), top(t), right(r), bottom(b) {}

    CCoord getWidth() const { return right - left; }
    CCoord getHeight() const { return bottom - top; }
    CPoint getTopLeft() const { return CPoint(left, top); }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool pointInside(const CPoint& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    CRect& offset(CCoord dx, CCoord dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    CRect& moveTo(CCoord x, CCoord y) { return offset(x - left, y - top); }
    CRect& normalize() {
        if (left > right) {
            CCoord t = left;
            left = right;
            right = t;
        }
        if (top > bottom) {
            CCoord t = top;
            top = bottom;
            bottom = t;
        }
        return *this;
    }
    // Intersection; an empty result when the rectangles do not overlap.
    CRect& bound(const CRect& o) {
        left = std::fmax(left, o.left);
        top = std::fmax(top, o.top);
        right = std::fmin(right, o.right);
        bottom = std::fmin(bottom, o.bottom);
        if (right < left)
            right = left;
        if (bottom < top)
            bottom = top;
        return *this;
    }
    bool rectOverlap(const CRect& o) const {
        return right > o.left && left < o.right && bottom > o.top && top < o.bottom;
    }
    bool operator==(const CRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const CRect& o) const { return !(*this == o); }
};

// Affine transform x' = m11 x + m12 y + dx, y' = m21 x + m22 y + dy.
struct CGraphicsTransform {
    double m11 = 1.0, m12 = 0.0, m21 = 0.0, m22 = 1.0, dx = 0.0, dy = 0.0;

    static CGraphicsTransform scale(double sx, double sy) {
        CGraphicsTransform t;
        t.m11 = sx;
        t.m22 = sy;
        return t;
    }
    CPoint transform(const CPoint& p) const { return CPoint(m11 * p.x + m12 * p.y + dx, m21 * p.x + m22 * p.y + dy); }
    CRect transform(const CRect& r) const {
        CPoint a = transform(r.getTopLeft());
        CPoint b = transform(CPoint(r.right, r.bottom));
        return CRect(a.x, a.y, b.x, b.y).normalize();
    }
    CGraphicsTransform inverse() const {
        CGraphicsTransform r;
        double det = m11 * m22 - m12 * m21;
        if (det == 0.0)
            return r;
        r.m11 = m22 / det;
        r.m12 = -m12 / det;
        r.m21 = -m21 / det;
        r.m22 = m11 / det;
        r.dx = -(r.m11 * dx + r.m12 * dy);
        r.dy = -(r.m21 * dx + r.m22 * dy);
        return r;
    }
};

}  // namespace VSTGUI
