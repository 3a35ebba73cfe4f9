// One-time tutorial hints: the help text "tutorial." + id of Lang.dat, remembered in
// TutorialFlags.dat so that a hint shown before comes back only now and then.
#pragma once

#include <string>

namespace bf {

class DataCatalogue;

class Tutorials {
  public:
    explicit Tutorials(DataCatalogue& data) : data_(data) {}

    // Shows the hint as a help text for 8000 ms, logs "tutorial seen: <id>" and marks it seen in
    // TutorialFlags.dat, written at once (a write that fails is tried again by the next hint).
    // Despite the name, "once" is not for good: a hint seen before is shown again one time in
    // five (a draw of 4 out of 0..4), so that a player who missed it meets it again; `force`
    // shows it every time, seen or not, without a draw.
    void showTutorialOnce(const std::string& id, bool force);

  private:
    DataCatalogue& data_;
};

}  // namespace bf
