// HuntingCompetitionInfoModal: the panel on the left of the screen that tells the player, while he
// targets the rival at the camp, what the competition is about: what is hunted (the animal kind,
// or the special animal's name) and its picture, the task, the time limit, the player's record
// against rivals (won, lost, drawn, as the record stood at the offer) and the stake. Drawn only
// once the satchel pictures are loaded (they are requested again after every draw, so the game
// keeps them while the panel is up). Its texts are composed on the first draw and reused.
#pragma once

#include <string>
#include <string_view>

#include "ui/ui_component.h"

namespace bf {

struct CompetitionInfo;
class DataCatalogue;

// A name as a heading: its first letter upper case when it is a lower-case ASCII letter
// ("the Legendary Buck" -> "The Legendary Buck"); other scripts are left as written.
std::string headingText(std::string text);
// "05:00" for 5 minutes: the minutes as two digits (a leading 0 up to 9) and ":00".
std::string formatTimeCap(int minutes);
// The record line: the format's "%s" filled in turn with the won, lost and drawn counts.
std::string formatRecordLine(std::string_view format, int won, int lost, int drawn);

class HuntingCompetitionInfoModal : public BaseUIComponent {
  public:
    HuntingCompetitionInfoModal(const CompetitionInfo& info, const DataCatalogue& data)
        : info_(info), data_(data) {}
    void draw() override;

  private:
    void composeTexts();

    const CompetitionInfo& info_;
    const DataCatalogue& data_;
    bool composed_ = false;
    std::string title_;
    std::string animalName_;
    std::string instruction_;
    // The time limit (when there is one) and the record, a line each.
    std::string details_;
    std::string bounty_;
};

}  // namespace bf
