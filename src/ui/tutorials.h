// One-time tutorial hints: the help text "tutorial." + id of Lang.dat, remembered in
// TutorialFlags.dat so that a hint shown before comes back only now and then.
#pragma once

#include <string>

namespace bf {

class DataCatalogue;

class Tutorials {
  public:
    explicit Tutorials(DataCatalogue& data) : data_(data) {}

    // Shows the hint for 8000 ms and remembers it in TutorialFlags.dat. Despite the name, "once"
    // is not for good: a hint seen before is shown again one time in five (a draw of 4 out of
    // 0..4), so that a player who missed it meets it again; `force` shows it every time.
    void showTutorialOnce(const std::string& id, bool force);

  private:
    DataCatalogue& data_;
};

}  // namespace bf
