// What the game shows: messages, help texts, notifications and drawn texts, plus the text handles
// the game hands out for character strings.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "sim/world/handles.h"

namespace sim {

// "$12.34" / "-$5.00", as the game writes amounts of money.
std::string cashText(int64_t cents);

struct DrawnSprite {
    std::string dictionary;
    std::string name;
    float centreX = 0.0f;
    float centreY = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    float rotation = 0.0f;
    int red = 0, green = 0, blue = 0, alpha = 0;
};

// The style the next drawn text takes (set by the three text-style natives).
struct TextStyle {
    int red = 255, green = 255, blue = 255, alpha = 255;
    float scaleX = 1.0f, scaleY = 1.0f;
    bool centred = false;
};

// A text drawn on the screen, as the game laid it out: the text without its mark-up, the font its
// <FONT FACE='...'> mark-up names, the top-left (or top-centre when centred) position in screen
// fractions, and the style it was drawn with.
struct DrawnText {
    std::string text;
    std::string font;
    float x = 0.0f;
    float y = 0.0f;
    TextStyle style;
};

struct ShownText {
    std::string kind;  // "message", "help", "notification", "text", ...
    std::string text;
};

class Screen {
  public:
    explicit Screen(Random& random) : textHandles_(random, 0x101, 0x7FFFFFFF) {}

    // Text handles live until the end of the frame, as the game's do. A literal text keeps the
    // script's pointer, not a copy: the game reads the characters when it shows them, so they
    // must still be there then.
    uint64_t makeLiteral(const char* characters);
    // A text the game made itself (a coloured copy of another handle's, an amount of money).
    uint64_t makeColoured(uint64_t handle);
    uint64_t makeText(std::string text);
    bool known(uint64_t handle) const { return texts_.count(handle) != 0; }
    // The text behind a handle as it reads now ("" for an unknown one).
    std::string text(uint64_t handle) const;

    // The game shows a text when it draws the frame: read from its handle at the end of the frame.
    void present(std::string kind, uint64_t handle);
    // Records a shown text; a text drawn every frame is kept once per mark.
    void show(std::string kind, std::string text);
    // What the frame being played has presented so far, read as it would show now (tests that
    // drive plug-in code between frames).
    std::vector<ShownText> presentedSoFar() const;
    // Everything shown since the last mark (scenario expectations).
    const std::vector<ShownText>& shownSinceMark() const { return shown_; }
    void mark() {
        shown_.clear();
        shownKeys_.clear();
    }

    // The message being composed by the three message natives.
    uint64_t pendingMessage = 0;
    TextStyle textStyle;

    // The language chosen in the game's settings, as GET_CURRENT_LANGUAGE numbers it (0 English).
    int32_t language = 0;

    // The game's texts of label hashes (item names and the like); null for an unknown label.
    void addLabel(uint32_t hash, std::string text) { labels_[hash] = std::move(text); }
    const char* label(uint32_t hash) const;

    // Sprites drawn in the frame being played, and those of the last finished frame.
    std::vector<DrawnSprite> sprites;
    std::vector<DrawnSprite> lastFrameSprites;
    // A text drawn at a position with the current style; read from its handle at the end of the
    // frame, like every presented text.
    void drawText(uint64_t handle, float x, float y);
    // The texts drawn in the last finished frame, in drawing order.
    std::vector<DrawnText> lastFrameTexts;

    // Shows what was presented this frame (returned, drawn texts without their mark-up), then
    // lets the frame's handles go.
    std::vector<ShownText> endFrame();

  private:
    struct Text {
        const char* literal = nullptr;  // the script's characters, when it is a literal
        uint64_t coloured = 0;          // the handle it colours, when it is a coloured text
        std::string own;                // otherwise, the game's own copy
    };
    uint64_t add(Text text);

    std::unordered_map<uint64_t, Text> texts_;
    std::unordered_map<uint32_t, std::string> labels_;
    HandlePool textHandles_;
    std::vector<std::pair<std::string, uint64_t>> presented_;
    struct PlacedText {
        uint64_t handle;
        float x, y;
        TextStyle style;
    };
    std::vector<PlacedText> drawn_;
    std::vector<ShownText> shown_;
    std::unordered_set<std::string> shownKeys_;
};

}  // namespace sim
