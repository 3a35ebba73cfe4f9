#include "competitions/hunting_competition_status_widget.h"

#include <cstdio>

#include "competitions/competition_info.h"
#include "competitions/competition_kinds.h"
#include "competitions/hunting_competition_info_modal.h"
#include "core/game_hash.h"
#include "core/natives.h"
#include "core/runtime.h"
#include "core/settings.h"
#include "data/catalogue.h"
#include "data/text_keys.h"
#include "ui/messages.h"

namespace bf {

namespace {

constexpr int kGrey = 229;
constexpr int32_t kRedBelowSeconds = 31;
constexpr float kScoreScale = 0.342f;

}  // namespace

std::array<char, 32> formatTimeLeft(int32_t seconds) {
    int32_t minutes = seconds / 60;
    int32_t rest = seconds - minutes * 60;
    if (minutes < 0) minutes = 0;
    if (rest < 0) rest = 0;
    std::array<char, 32> out{};
    std::snprintf(out.data(), out.size(), "%02d:%02d", static_cast<int>(minutes),
                  static_cast<int>(rest));
    return out;
}

const char* playerCharacterName(int32_t playerPed) {
    return natives::getEntityModel(playerPed) == literalGameHash("player_three") ? "John"
                                                                                 : "Arthur";
}

void HuntingCompetitionStatusWidget::onShow() {
    // The character does not change during a competition, nor does what it hunts.
    playerName_ = playerCharacterName(runtime().playerPed);
    const CompetitionKindRow* kind = findCompetitionKind(info_.kind);
    showsScores_ = kind != nullptr && kind->showsScores;
    if (!showsScores_) quarry_ = headingText(quarryName(info_, data_));
}

void HuntingCompetitionStatusWidget::drawBackground(float x, float y, float width) {
    if (!backgroundLoaded_) backgroundLoaded_ = textureDictReady("feeds");
    drawLoadedSprite("feeds", "help_text_bg", x, y, width, 0.031f, 0.0f, 255, 255, 255, 229);
}

void HuntingCompetitionStatusWidget::drawScoreRow(float top, std::string_view name, int32_t score) {
    drawBackground(0.86f, top, 0.11f);
    drawText(name, 0.87f, top + 0.002f, kGrey, kGrey, kGrey, 255, false, kScoreScale, kScoreScale,
             "$body");
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", static_cast<int>(score));
    drawText(digits, 0.948f, top + 0.002f, kGrey, kGrey, kGrey, 255, false, kScoreScale,
             kScoreScale, "$body");
}

void HuntingCompetitionStatusWidget::draw() {
    if (getSettingBool("HUD_HuntingCompetition_TimeLeft") && info_.timeCapMinutes > 0) {
        const auto clock = formatTimeLeft(info_.timeLeftSeconds);
        drawBackground(0.4675f, 0.078f, 0.065f);
        const bool red = info_.timeLeftSeconds < kRedBelowSeconds;
        drawText(clock.data(), 0.5f, 0.08f, kGrey, red ? 0 : kGrey, red ? 0 : kGrey, 255, true,
                 0.4f, 0.4f, "$title");
    }
    if (!getSettingBool("HUD_HuntingCompetition_ScoreStatus")) return;
    if (showsScores_) {
        drawScoreRow(0.08f, playerName_, info_.playerScore);
        drawScoreRow(0.118f, data_.text(text_keys::kWidgetOpponent), info_.opponentScore);
    } else if (!quarry_.empty()) {
        drawBackground(0.82f, 0.08f, 0.15f);
        drawText(quarry_, 0.83f, 0.082f, kGrey, kGrey, kGrey, 255, false, kScoreScale, kScoreScale,
                 "$body");
    }
}

}  // namespace bf
