#include "ui/tutorials.h"

#include "core/log.h"
#include "core/natives.h"
#include "data/catalogue.h"
#include "data/text_keys.h"
#include "ui/messages.h"

namespace bf {

namespace {
constexpr int32_t kTutorialDurationMs = 8000;
// A hint already shown comes back on a draw of 4 or more from [0, 5).
constexpr int32_t kTutorialRepeatDraw = 4;
}  // namespace

void Tutorials::showTutorialOnce(const std::string& id, bool force) {
    DictDataFile& flags = data_.tutorialFlags();
    if (!force && flags.getBool(id) && natives::getRandomIntInRange(0, 5) < kTutorialRepeatDraw) {
        return;
    }
    showHelpText(data_.text(text_keys::tutorial(id)), kTutorialDurationMs);
    logMessage("tutorial seen: " + id);
    flags.setInt(id, 1);
    // A file that cannot be written logs so itself and stays changed: the next hint writes it.
    static_cast<void>(flags.save(false));
}

}  // namespace bf
