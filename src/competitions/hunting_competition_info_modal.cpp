#include "competitions/hunting_competition_info_modal.h"

#include "competitions/competition_info.h"
#include "competitions/competition_kinds.h"
#include "core/natives.h"
#include "data/catalogue.h"
#include "data/text_keys.h"
#include "ui/messages.h"

namespace bf {

namespace {

constexpr const char* kSatchel = "satchel_textures";
constexpr size_t kTextBuffer = 200;
constexpr int kGrey = 229;

std::string panelText(std::string text) {
    if (text.size() >= kTextBuffer) text.resize(kTextBuffer - 1);
    return replaceWithLineBreaks(std::move(text), '@');
}

void drawPanelText(const std::string& text, float y, float scale, const char* font) {
    drawText(text, 0.14f, y, kGrey, kGrey, kGrey, 255, true, scale, scale, font);
}

}  // namespace

std::string headingText(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

std::string formatTimeCap(int minutes) {
    return (minutes >= 0 && minutes <= 9 ? "0" : "") + std::to_string(minutes) + ":00";
}

std::string formatRecordLine(std::string_view format, int won, int lost, int drawn) {
    std::string line(format);
    // One after the other, so that a count never stands where a later one goes.
    size_t from = 0;
    for (const int count : {won, lost, drawn}) {
        const size_t at = line.find("%s", from);
        if (at == std::string::npos) break;
        const std::string number = std::to_string(count);
        line.replace(at, 2, number);
        from = at + number.size();
    }
    return line;
}

void HuntingCompetitionInfoModal::composeTexts() {
    composed_ = true;
    title_ = panelText(data_.text(text_keys::kInfoModalTitle));
    const std::string name = quarryName(info_, data_);
    animalName_ = panelText(headingText(name));
    const CompetitionKindRow* kind = findCompetitionKind(info_.kind);
    if (kind != nullptr && kind->panelInstructionKey != nullptr)
        instruction_ = panelText(formatText(data_.text(kind->panelInstructionKey), name));
    // The time limit and the record are one text of up to two lines: one text less to hand the
    // game every frame the panel is up.
    std::string details;
    if (info_.timeCapMinutes != 0)
        details = formatText(data_.text(text_keys::kInfoModalTimeCap),
                             formatTimeCap(info_.timeCapMinutes));
    const RecordSummary& record = info_.playerRecord;
    if (record.known) {
        if (!details.empty()) details += '@';
        details += formatRecordLine(data_.text(text_keys::kInfoModalRecord), record.won,
                                    record.lost, record.drawn);
    }
    details_ = panelText(std::move(details));
    bounty_ = "$" + std::to_string(info_.bounty / 100);
}

void HuntingCompetitionInfoModal::draw() {
    if (natives::hasStreamedTextureDictLoaded(kSatchel)) {
        if (!composed_) composeTexts();
        natives::hudHideThisFrame();
        drawSprite("generic_textures", "inkroller_1a", 0.015f, 0.025f, 0.25f, 0.8f, 0.0f, 255, 255,
                   255, 255);
        drawSprite("generic_textures", "menu_header_1a", 0.025f, 0.035f, 0.23f, 0.1f, 0.0f, 255,
                   255, 255, 255);
        drawPanelText(title_, 0.06f, 0.6f, "$title");
        drawSprite(kSatchel, info_.spawnLocation.texture.c_str(), 0.09833334f, 0.175f, 0.083333336f,
                   0.14814815f, 0.0f, 255, 255, 255, 255);
        drawPanelText(animalName_, 0.33796299f, 0.6f, "$title");
        if (!instruction_.empty()) drawPanelText(instruction_, 0.40996298f, 0.4f, "$body");
        if (!details_.empty()) drawPanelText(details_, 0.489963f, 0.4f, "$body");
        // Centred under the texts, above the stake.
        drawSprite("menu_textures", "divider_line", 0.035f, 0.6f, 0.21f, 0.003f, 0.0f, 255, 255,
                   255, 255);
        drawPanelText(bounty_, 0.68f, 0.85f, "$title");
    }
    natives::requestStreamedTextureDict(kSatchel, false);
}

}  // namespace bf
