#include "vstgui/cdrawcontext.h"

#include "vstgui/cbitmap.h"

#include <cairo.h>

#include <cmath>

namespace VSTGUI {

CDrawContext::CDrawContext(cairo_t* cr, const CRect& surfaceRect, double scaleFactor)
    : cr_(cairo_reference(cr)), surfaceRect_(surfaceRect), targetScale_(scaleFactor) {
    cairo_identity_matrix(cr_);
    cairo_scale(cr_, targetScale_, targetScale_);
    cairo_translate(cr_, -surfaceRect_.left, -surfaceRect_.top);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    // Unhinted outlines and metrics, so text keeps its shape and width at
    // every zoom factor.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
}

CDrawContext::~CDrawContext() {
    while (!stack_.empty())
        restoreGlobalState();
    cairo_destroy(cr_);
}

void CDrawContext::setFont(const CFontRef font, CCoord size, int32_t style) {
    if (!font)
        return;
    state_.fontName = font->getName();
    state_.fontSize = size > 0.0 ? size : font->getSize();
    state_.fontStyle = style >= 0 ? style : font->getStyle();
}

void CDrawContext::setSourceColor(const CColor& color) {
    cairo_set_source_rgba(cr_, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                          color.alpha / 255.0 * state_.globalAlpha);
}

void CDrawContext::applyFont() {
    int32_t style = state_.fontStyle;
    cairo_select_font_face(cr_, state_.fontName.c_str(),
                           (style & kItalicFace) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           (style & kBoldFace) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, state_.fontSize);
}

void CDrawContext::moveTo(const CPoint& point) {
    pen_ = point;
}

void CDrawContext::lineTo(const CPoint& point) {
    drawLine(pen_, point);
    pen_ = point;
}

void CDrawContext::drawLine(const CPoint& from, const CPoint& to) {
    cairo_new_path(cr_);
    cairo_move_to(cr_, from.x, from.y);
    cairo_line_to(cr_, to.x, to.y);
    cairo_set_line_width(cr_, state_.lineWidth);
    setSourceColor(state_.frameColor);
    cairo_stroke(cr_);
}

void CDrawContext::drawRect(const CRect& rect, CDrawStyle style) {
    if (style == kDrawFilled || style == kDrawFilledAndStroked) {
        cairo_new_path(cr_);
        cairo_rectangle(cr_, rect.left, rect.top, rect.getWidth(), rect.getHeight());
        setSourceColor(state_.fillColor);
        cairo_fill(cr_);
    }
    if (style == kDrawStroked || style == kDrawFilledAndStroked) {
        // The stroke stays inside the rectangle.
        double half = state_.lineWidth * 0.5;
        cairo_new_path(cr_);
        cairo_rectangle(cr_, rect.left + half, rect.top + half, rect.getWidth() - state_.lineWidth,
                        rect.getHeight() - state_.lineWidth);
        cairo_set_line_width(cr_, state_.lineWidth);
        setSourceColor(state_.frameColor);
        cairo_stroke(cr_);
    }
}

void CDrawContext::drawPolygon(const std::vector<CPoint>& points, CDrawStyle style) {
    if (points.size() < 2)
        return;
    auto tracePath = [&] {
        cairo_new_path(cr_);
        cairo_move_to(cr_, points[0].x, points[0].y);
        for (size_t i = 1; i < points.size(); ++i)
            cairo_line_to(cr_, points[i].x, points[i].y);
        cairo_close_path(cr_);
    };
    if (style == kDrawFilled || style == kDrawFilledAndStroked) {
        tracePath();
        setSourceColor(state_.fillColor);
        cairo_fill(cr_);
    }
    if (style == kDrawStroked || style == kDrawFilledAndStroked) {
        tracePath();
        cairo_set_line_width(cr_, state_.lineWidth);
        setSourceColor(state_.frameColor);
        cairo_stroke(cr_);
    }
}

void CDrawContext::drawString(const char* text, const CRect& rect, CHoriTxtAlign align, bool antialias) {
    if (!text || !*text || rect.isEmpty())
        return;
    cairo_save(cr_);
    if (!antialias) {
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_get_font_options(cr_, options);
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
        cairo_set_font_options(cr_, options);
        cairo_font_options_destroy(options);
    }
    applyFont();
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text, &extents);
    cairo_font_extents_t font;
    cairo_font_extents(cr_, &font);
    // Text wider than the rectangle is cut at its left and right edges.
    // Nothing is cut above or below it: a text rectangle is often no taller
    // than the font, and accents and descenders must show (the view's own
    // clip still bounds them).
    if (extents.x_advance > rect.getWidth()) {
        double x1, y1, x2, y2;
        cairo_clip_extents(cr_, &x1, &y1, &x2, &y2);
        cairo_rectangle(cr_, rect.left, y1, rect.getWidth(), y2 - y1);
        cairo_clip(cr_);
    }
    double x = rect.left;
    if (align == kCenterText)
        x = rect.left + (rect.getWidth() - extents.x_advance) * 0.5;
    else if (align == kRightText)
        x = rect.right - extents.x_advance;
    double baseline = rect.top + (rect.getHeight() + font.ascent - font.descent) * 0.5;
    cairo_move_to(cr_, x, baseline);
    setSourceColor(state_.fontColor);
    cairo_show_text(cr_, text);
    cairo_new_path(cr_);
    cairo_restore(cr_);
}

CCoord CDrawContext::getStringWidth(const char* text) {
    if (!text || !*text)
        return 0.0;
    cairo_save(cr_);
    applyFont();
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text, &extents);
    cairo_restore(cr_);
    return extents.x_advance;
}

void CDrawContext::drawBitmap(CBitmap* bitmap, const CRect& destination, const CPoint& offset, float alpha) {
    if (bitmap)
        bitmap->draw(this, destination, offset, alpha);
}

void CDrawContext::setClipRect(const CRect& rect) {
    cairo_new_path(cr_);
    cairo_rectangle(cr_, rect.left, rect.top, rect.getWidth(), rect.getHeight());
    cairo_clip(cr_);
}

CRect CDrawContext::getClipRect() const {
    double x1, y1, x2, y2;
    cairo_clip_extents(cr_, &x1, &y1, &x2, &y2);
    return CRect(x1, y1, x2, y2);
}

void CDrawContext::saveGlobalState() {
    cairo_save(cr_);
    stack_.push_back(state_);
}

void CDrawContext::restoreGlobalState() {
    if (stack_.empty())
        return;
    cairo_restore(cr_);
    state_ = stack_.back();
    stack_.pop_back();
}

CGraphicsTransform CDrawContext::getCurrentTransform() const {
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    // Undo the target's own scale and origin: target units, not pixels.
    CGraphicsTransform t;
    t.m11 = m.xx / targetScale_;
    t.m12 = m.xy / targetScale_;
    t.m21 = m.yx / targetScale_;
    t.m22 = m.yy / targetScale_;
    t.dx = m.x0 / targetScale_ + surfaceRect_.left;
    t.dy = m.y0 / targetScale_ + surfaceRect_.top;
    return t;
}

double CDrawContext::getScaleFactor() const {
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    return std::sqrt(std::fabs(m.xx * m.yy - m.xy * m.yx));
}

CDrawContext::Transform::Transform(CDrawContext& context, const CGraphicsTransform& transform) : context_(context) {
    context_.saveGlobalState();
    cairo_matrix_t m;
    cairo_matrix_init(&m, transform.m11, transform.m21, transform.m12, transform.m22, transform.dx, transform.dy);
    cairo_transform(context_.cr_, &m);
}

CDrawContext::Transform::~Transform() {
    context_.restoreGlobalState();
}

SharedPointer<COffscreenContext> COffscreenContext::create(CFrame* /*frame*/, CCoord width, CCoord height,
                                                           double scaleFactor) {
    if (width < 1.0 || height < 1.0 || scaleFactor <= 0.0)
        return {};
    auto pixelWidth = static_cast<int32_t>(std::ceil(width * scaleFactor));
    auto pixelHeight = static_cast<int32_t>(std::ceil(height * scaleFactor));
    SharedPointer<PlatformBitmap> pixels = PlatformBitmap::create(pixelWidth, pixelHeight);
    if (!pixels)
        return {};
    pixels->setScaleFactor(scaleFactor);
    auto* bitmap = new CBitmap();
    bitmap->addBitmap(pixels);
    cairo_t* cr = cairo_create(pixels->getSurface());
    auto* context = new COffscreenContext(cr, CRect(0, 0, width, height), scaleFactor, bitmap);
    cairo_destroy(cr);
    return SharedPointer<COffscreenContext>::adopt(context);
}

COffscreenContext::COffscreenContext(cairo_t* cr, const CRect& rect, double scaleFactor, CBitmap* bitmap)
    : CDrawContext(cr, rect, scaleFactor), bitmap_(bitmap) {}

COffscreenContext::~COffscreenContext() {
    bitmap_->forget();
}

void COffscreenContext::endDraw() {
    cairo_surface_flush(cairo_get_target(getCairo()));
}

}  // namespace VSTGUI
