// velvaton_artwork OUTPUT_DIR
//
// Draws every embedded image of the editor and writes OUTPUT_DIR/<id>.png
// for each, plus OUTPUT_DIR/HRXEmbeddedImages.cpp, the source table that
// compiles the PNG files into the library. The drawing is deterministic:
// the same fonts and libraries give the same bytes on every run.

#include "Artwork.h"
#include "Paint.h"

#include <cairo.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using artwork::Artwork;

// Sizes in logical units; stored at twice that (8-bit RGBA PNG).
const Artwork kArtworks[] = {
    {11128, 400, 275, artwork::drawBackground},      {12129, 106, 234, artwork::drawProcessSwitch},
    {12130, 31, 217, artwork::drawAttackRatioKnob},  {12139, 31, 217, artwork::drawValveLevelKnob},
    {12151, 100, 43, artwork::drawMeterFaceLit},     {12152, 113, 46, artwork::drawMeterBezel},
    {12153, 100, 43, artwork::drawMeterFaceUnlit},   {12171, 798, 684, artwork::drawCompressionKnob},
    {12173, 570, 570, artwork::drawTimeKnob},        {12177, 912, 912, artwork::drawOutputKnob},
    {12181, 70, 490, artwork::drawRatioKnob},        {12200, 400, 275, artwork::drawAboutBox},
    {90001, 120, 120, artwork::drawDesignerPicture},
};

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* bytes = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    bytes->insert(bytes->end(), data, data + length);
}

void flushNothing(png_structp) {}

// Encodes a cairo ARGB32 surface as an 8-bit RGBA PNG (colour type 6, even
// when every pixel is opaque), with no time stamp or other varying chunk.
bool encodePng(cairo_surface_t* surface, std::vector<unsigned char>& out) {
    int width = cairo_image_surface_get_width(surface);
    int height = cairo_image_surface_get_height(surface);
    int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 4);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_set_write_fn(png, &out, appendBytes, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint32_t word;
            std::memcpy(&word, data + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 4, 4);
            uint32_t a = word >> 24;
            auto straight = [a](uint32_t c) -> unsigned char {
                return a == 0 ? 0 : static_cast<unsigned char>((c * 255u + a / 2u) / a);
            };
            unsigned char* p = &row[static_cast<size_t>(x) * 4];
            p[0] = straight((word >> 16) & 0xFF);
            p[1] = straight((word >> 8) & 0xFF);
            p[2] = straight(word & 0xFF);
            p[3] = static_cast<unsigned char>(a);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool render(const Artwork& art, std::vector<unsigned char>& png) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(art.width * artwork::kPixelsPerUnit),
                                   static_cast<int>(art.height * artwork::kPixelsPerUnit));
    cairo_t* cr = cairo_create(surface);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    cairo_scale(cr, artwork::kPixelsPerUnit, artwork::kPixelsPerUnit);
    art.draw(cr);
    bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    ok = ok && encodePng(surface, png);
    cairo_surface_destroy(surface);
    return ok;
}

// Writes through a temporary file renamed into place.
bool writeFile(const std::string& path, const void* data, size_t size) {
    std::string temporary = path + ".tmp";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(data, 1, size, file) == size;
    ok = (std::fclose(file) == 0) && ok;
    if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

// A string literal for the assembler's .incbin directive.
std::string quoted(const std::string& path) {
    std::string out = "\\\"";
    for (char c : path) {
        if (c == '"' || c == '\\')
            out += "\\\\\\";
        out += c;
    }
    return out + "\\\"";
}

std::string tableSource(const std::string& directory) {
    std::string s;
    s += "// Generated by velvaton_artwork: the editor's PNG images, compiled into\n"
         "// the library's read-only data and found by resource id.\n"
         "#include \"HRXEmbeddedImages.h\"\n\n"
         "__asm__(\".pushsection .rodata.hrx_images, \\\"a\\\"\\n\"\n";
    for (const Artwork& art : kArtworks) {
        std::string id = std::to_string(art.id);
        s += "        \".balign 16\\n\"\n";
        s += "        \"hrx_image_" + id + ":\\n\"\n";
        s += "        \".incbin " + quoted(directory + "/" + id + ".png") + "\\n\"\n";
        s += "        \"hrx_image_" + id + "_end:\\n\"\n";
    }
    s += "        \".popsection\\n\");\n\n";
    s += "extern \"C\" {\n";
    for (const Artwork& art : kArtworks) {
        std::string id = std::to_string(art.id);
        s += "extern const uint8_t hrx_image_" + id + "[];\n";
        s += "extern const uint8_t hrx_image_" + id + "_end[];\n";
    }
    s += "}\n\n";
    s += "bool findEmbeddedImage(uint32_t resourceId, HRXEmbeddedImage& image)\n{\n"
         "    switch (resourceId) {\n";
    for (const Artwork& art : kArtworks) {
        std::string id = std::to_string(art.id);
        s += "    case " + id + ":\n";
        s += "        image.data = hrx_image_" + id + ";\n";
        s += "        image.size = static_cast<size_t>(hrx_image_" + id + "_end - hrx_image_" + id + ");\n";
        s += "        return true;\n";
    }
    s += "    default:\n"
         "        image = HRXEmbeddedImage();\n"
         "        return false;\n"
         "    }\n}\n";
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velvaton_artwork OUTPUT_DIR\n");
        return 2;
    }
    std::string directory = argv[1];
    for (const Artwork& art : kArtworks) {
        std::vector<unsigned char> png;
        std::string path = directory + "/" + std::to_string(art.id) + ".png";
        if (!render(art, png) || !writeFile(path, png.data(), png.size())) {
            std::fprintf(stderr, "velvaton_artwork: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    std::string source = tableSource(directory);
    std::string tablePath = directory + "/HRXEmbeddedImages.cpp";
    if (!writeFile(tablePath, source.data(), source.size())) {
        std::fprintf(stderr, "velvaton_artwork: cannot write %s\n", tablePath.c_str());
        return 1;
    }
    return 0;
}
