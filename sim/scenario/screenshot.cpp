#include "sim/scenario/screenshot.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

namespace sim::scenario {

namespace {

constexpr float kTextPixelsAtScale1 = 60.0f;

std::string number(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", static_cast<double>(value));
    std::string text = buffer;
    if (text == "-0.0") text = "0.0";
    return text;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) out += c;
        }
    }
    return out;
}

std::string colour(int red, int green, int blue) {
    return "rgb(" + std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue) +
           ")";
}

std::string opacity(int alpha) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.3f", alpha / 255.0);
    return buffer;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        out.push_back(line);
    return out;
}

}  // namespace

std::string screenshotSvg(const Screen& screen) {
    const float w = kScreenshotWidth, h = kScreenshotHeight;
    std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1920\" height=\"1080\" "
        "viewBox=\"0 0 1920 1080\" font-family=\"serif\">\n";
    svg += "<rect width=\"1920\" height=\"1080\" fill=\"rgb(46,52,40)\"/>\n";
    for (const DrawnSprite& s : screen.lastFrameSprites) {
        const float left = (s.centreX - s.width / 2) * w, top = (s.centreY - s.height / 2) * h;
        svg += "<g";
        if (s.rotation != 0.0f) {
            svg += " transform=\"rotate(" + number(s.rotation) + " " + number(s.centreX * w) + " " +
                   number(s.centreY * h) + ")\"";
        }
        svg += ">\n<rect x=\"" + number(left) + "\" y=\"" + number(top) + "\" width=\"" +
               number(s.width * w) + "\" height=\"" + number(s.height * h) + "\" fill=\"" +
               colour(s.red, s.green, s.blue) + "\" fill-opacity=\"" + opacity(s.alpha / 4) +
               "\" stroke=\"" + colour(s.red, s.green, s.blue) + "\" stroke-opacity=\"" +
               opacity(s.alpha) + "\" stroke-dasharray=\"6 4\"/>\n";
        svg += "<text x=\"" + number(left + 4) + "\" y=\"" + number(top + 14) +
               "\" font-family=\"monospace\" font-size=\"12\" fill=\"" +
               colour(s.red, s.green, s.blue) + "\">" + escaped(s.dictionary + "/" + s.name) +
               "</text>\n</g>\n";
    }
    for (const DrawnText& t : screen.lastFrameTexts) {
        const TextStyle& st = t.style;
        svg += "<text x=\"" + number(t.x * w) + "\" y=\"" + number(t.y * h) +
               "\" dominant-baseline=\"hanging\" font-size=\"" +
               number(st.scaleY * kTextPixelsAtScale1) + "\"";
        if (st.scaleX != st.scaleY && st.scaleY != 0.0f) {
            svg += " transform=\"scale(" + number(st.scaleX / st.scaleY) + " 1)\"";
        }
        if (st.centred) svg += " text-anchor=\"middle\"";
        svg += " fill=\"" + colour(st.red, st.green, st.blue) + "\"";
        if (st.alpha != 255) svg += " fill-opacity=\"" + opacity(st.alpha) + "\"";
        svg += " data-font=\"" + escaped(t.font) + "\">";
        // A line break in the text starts a new line under the first, as the game lays it out.
        const auto textLines = lines(t.text);
        for (size_t i = 0; i < textLines.size(); ++i) {
            if (i == 0) {
                svg += escaped(textLines[i]);
            } else {
                svg += "<tspan x=\"" + number(t.x * w) + "\" dy=\"1.2em\">" +
                       escaped(textLines[i]) + "</tspan>";
            }
        }
        svg += "</text>\n";
    }
    svg += "</svg>\n";
    return svg;
}

std::optional<std::string> compareScreenshots(const std::string& stored, const std::string& drawn) {
    if (stored == drawn) return std::nullopt;
    const auto expected = lines(stored), got = lines(drawn);
    size_t first = 0;
    while (first < expected.size() && first < got.size() && expected[first] == got[first])
        ++first;
    size_t differing = 0;
    for (size_t i = 0; i < std::max(expected.size(), got.size()); ++i) {
        if (i >= expected.size() || i >= got.size() || expected[i] != got[i]) ++differing;
    }
    std::string message = "line " + std::to_string(first + 1) + ": expected ";
    message += first < expected.size() ? "'" + expected[first] + "'" : "the end of the picture";
    message += " but the frame drew ";
    message += first < got.size() ? "'" + got[first] + "'" : "nothing more";
    message +=
        " (" + std::to_string(differing) + " differing line" + (differing == 1 ? "" : "s") + ")";
    return message;
}

}  // namespace sim::scenario
