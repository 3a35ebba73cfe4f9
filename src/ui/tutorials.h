// One-time tutorial hints: the help text "tutorial." + id of Lang.dat, remembered in
// TutorialFlags.dat so that a hint shown before comes back only now and then.
#pragma once

#include <string>

namespace bf {

class DataCatalogue;

class Tutorials {
  public:
    explicit Tutorials(DataCatalogue& data) : data_(data) {}

    // Shows the hint for 8000 ms and remembers it. A hint shown before comes back only on a
    // random draw of 4 out of 0..4, unless forced.
    void showTutorialOnce(const std::string& id, bool force);

  private:
    DataCatalogue& data_;
};

}  // namespace bf
