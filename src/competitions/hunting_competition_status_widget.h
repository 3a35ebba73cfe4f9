// HuntingCompetitionStatusWidget: the small HUD block shown from acceptance to the end of a
// competition: the time left at the top of the screen (red in the last 30 seconds) and at the top
// right, for a kind that keeps scores (competition_kinds.h), the player's and the rival's scores,
// for the others what is hunted ("The Legendary Buck"). Each part has its HUD setting.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/ui_component.h"

namespace bf {

struct CompetitionInfo;
class DataCatalogue;

// "09:05": minutes and seconds of the time left, each two digits, never below 00.
std::array<char, 32> formatTimeLeft(int32_t seconds);
// The player's character: "John" for the "player_three" model, else "Arthur".
const char* playerCharacterName(int32_t playerPed);

class HuntingCompetitionStatusWidget : public BaseUIComponent {
  public:
    HuntingCompetitionStatusWidget(const CompetitionInfo& info, const DataCatalogue& data)
        : info_(info), data_(data) {}
    void onShow() override;
    void draw() override;

  private:
    // The blocks' background ("feeds" "help_text_bg"), 0.031 high. Once the game has reported
    // its dictionary loaded, it is not asked again.
    void drawBackground(float x, float y, float width);
    void drawScoreRow(float top, std::string_view name, int32_t score);

    const CompetitionInfo& info_;
    const DataCatalogue& data_;
    const char* playerName_ = "Arthur";
    bool showsScores_ = true;
    std::string quarry_;
    bool backgroundLoaded_ = false;
};

}  // namespace bf
