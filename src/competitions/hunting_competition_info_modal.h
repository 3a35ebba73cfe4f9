// HuntingCompetitionInfoModal: the panel on the left of the screen that tells the player, while he
// targets the rival at the camp, what the competition is about: the animal and its picture, the
// task, the time limit and the stake. Drawn only once the satchel pictures are loaded (they are
// requested again after every draw, so the game keeps them while the panel is up). Its texts are
// composed on the first draw and reused.
#pragma once

#include <string>

#include "ui/ui_component.h"

namespace bf {

struct CompetitionInfo;
class DataCatalogue;

// "05:00" for 5 minutes: the minutes as two digits (a leading 0 up to 9) and ":00".
std::string formatTimeCap(int minutes);

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
    std::string timeCap_;
    std::string bounty_;
};

}  // namespace bf
