// Pictures of the screen: what a frame drew becomes an SVG picture of a 1920x1080 frame, and two
// pictures are compared line by line.
#include "sim/scenario/screenshot.h"

#include <gtest/gtest.h>

#include "sim/world/random.h"

namespace {

using sim::scenario::compareScreenshots;
using sim::scenario::screenshotSvg;

TEST(Screenshot, SpritesAndTextsLandWhereTheFrameDrewThem) {
    sim::Random random(1);
    sim::Screen screen(random);
    screen.sprites.push_back(
        {"feeds", "help_text_bg", 0.5f, 0.25f, 0.1f, 0.2f, 0.0f, 255, 0, 0, 128});
    screen.textStyle = {229, 0, 0, 255, 0.5f, 0.5f, true};
    const std::string marked = "<FONT FACE='$title'>A & B@<x>\nsecond</FONT>";
    screen.drawText(screen.makeLiteral(marked.c_str()), 0.25f, 0.5f);
    screen.endFrame();

    const std::string svg = screenshotSvg(screen);
    const char* const expected[] = {
        // The sprite's centre 0.5, 0.25 and size 0.1 x 0.2 of the frame: a box from 864, 162.
        "<rect x=\"864.0\" y=\"162.0\" width=\"192.0\" height=\"216.0\" fill=\"rgb(255,0,0)\"",
        ">feeds/help_text_bg</text>",
        // Scale 0.5 is 30 px; centred, red, in the font its mark-up names, mark-up removed.
        "<text x=\"480.0\" y=\"540.0\" dominant-baseline=\"hanging\" font-size=\"30.0\" "
        "text-anchor=\"middle\" fill=\"rgb(229,0,0)\" data-font=\"$title\">A &amp; B@",
        "<tspan x=\"480.0\" dy=\"1.2em\">second</tspan>",
    };
    for (const char* part : expected)
        EXPECT_NE(svg.find(part), std::string::npos) << part << "\nin\n" << svg;
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
    EXPECT_NE(svg.find("width=\"1920\" height=\"1080\""), std::string::npos);

    // The next frame draws nothing: its picture is empty again.
    screen.endFrame();
    EXPECT_EQ(screenshotSvg(screen).find("<text"), std::string::npos);
}

TEST(Screenshot, ComparisonNamesTheFirstDifferingLine) {
    const struct {
        const char* stored;
        const char* drawn;
        const char* says;  // null: the same picture
    } cases[] = {
        {"a\nb\nc\n", "a\nb\nc\n", nullptr},
        {"a\nb\nc\n", "a\nB\nc\n",
         "line 2: expected 'b' but the frame drew 'B' (1 differing line)"},
        {"a\nb\n", "a\nb\nc\n", "line 3: expected the end of the picture but the frame drew 'c'"},
        {"a\nb\nc\n", "a\n", "line 2: expected 'b' but the frame drew nothing more (2 differing"},
    };
    for (const auto& c : cases) {
        const auto difference = compareScreenshots(c.stored, c.drawn);
        if (!c.says) {
            EXPECT_FALSE(difference) << c.drawn;
            continue;
        }
        ASSERT_TRUE(difference) << c.drawn;
        EXPECT_NE(difference->find(c.says), std::string::npos) << *difference;
    }
}

}  // namespace
