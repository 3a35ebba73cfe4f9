#include "check/folder_check.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string_view>
#include <system_error>

#include "check/folder_reader.h"
#include "check/record_view.h"
#include "core/settings.h"
#include "core/text.h"
#include "data/game_language.h"
#include "data/text_keys.h"
#include "data/tuning.h"

namespace bfcheck {

namespace fs = std::filesystem;

namespace {

std::string lowered(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' || c == '\t') continue;
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// Texts whose "%s" take values, and how many; a value without its "%s" is not shown.
struct FormatText {
    const char* key;
    size_t values;
};
constexpr FormatText kFormatTexts[] = {{bf::text_keys::kInfoModalInstructionMass, 1},
                                       {bf::text_keys::kInfoModalTimeCap, 1},
                                       {bf::text_keys::kInfoModalRecord, 3},
                                       {bf::text_keys::kHuntMass, 1},
                                       {bf::text_keys::kHuntSpecific, 1}};

size_t countOf(const std::string& text, std::string_view part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 2))
        ++count;
    return count;
}

class SettingsCheck {
  public:
    SettingsCheck(FolderReader& reader, std::vector<Problem>& problems)
        : reader_(reader), problems_(problems) {}

    void run() {
        const ReadFile file = reader_.read("Settings.ini", FileKind::Settings, false);
        std::vector<std::string> known;
        for (const bf::SettingKey& key : bf::settingsKeys())
            known.emplace_back(key.key);
        for (const auto& [key, entry] : file.entries) {
            const bf::SettingKey* setting = find(key);
            if (!setting) {
                unknownKey(key, entry, known);
                continue;
            }
            checkValue(*setting, entry);
        }
    }

  private:
    static const bf::SettingKey* find(std::string_view key) {
        for (const bf::SettingKey& setting : bf::settingsKeys()) {
            if (key == setting.key) return &setting;
        }
        return nullptr;
    }

    void unknownKey(const std::string& key, const Entry& entry,
                    const std::vector<std::string>& known) {
        const std::string nearest = nearestKey(key, known);
        Problem p{"Settings.ini", entry.line, "", ""};
        if (!nearest.empty() && lowered(nearest) == lowered(key) &&
            key.find_first_of(" \t") != std::string::npos) {
            p.what = "key \"" + printable(key) +
                     "\" has blanks round the \"=\", so the plug-in reads a key "
                     "of that name and " +
                     nearest + " keeps its default";
            p.fix = "write " + nearest + "=" + trimmed(entry.value) + " without blanks";
        } else if (key.rfind("\xEF\xBB\xBF", 0) == 0) {
            p.what = "a byte-order mark stands before \"" + printable(key.substr(3)) +
                     "\" (two files pasted together?), so the key is not recognised";
            p.fix =
                "delete the invisible characters at the start of the line, or save the file "
                "again as UTF-8";
        } else if (!nearest.empty()) {
            p.what = "unknown key \"" + printable(key) + "\"; did you mean " + nearest + "?";
            p.fix = "rename it to " + nearest;
        } else {
            p.what = "unknown key \"" + printable(key) + "\": no feature reads it";
            p.fix = "delete the line (Settings.ini documents every key it reads)";
        }
        problems_.push_back(std::move(p));
    }

    void checkValue(const bf::SettingKey& setting, const Entry& entry) {
        if (setting.type == bf::SettingType::String) return;
        const bool isFloat = setting.type == bf::SettingType::Float;
        const std::string where = std::string(setting.key) + "=" + printable(entry.value);
        const NumberReading reading = readNumber(entry.value, isFloat);
        const std::string example =
            std::string(setting.key) + "=" + (setting.defaultValue ? setting.defaultValue : "0");
        if (!reading.isNumber) {
            problems_.push_back({"Settings.ini", entry.line,
                                 where + " is not " + (isFloat ? "a number" : "a whole number") +
                                     ": the plug-in stops with \"Something wrong happened\" "
                                     "when it reads it",
                                 "write " + (isFloat ? std::string("a number") : "a whole number") +
                                     ", e.g. " + example});
            return;
        }
        if (reading.outOfRange) {
            problems_.push_back({"Settings.ini", entry.line,
                                 where + " is too large to read: the plug-in stops with "
                                         "\"Something wrong happened\"",
                                 "write a smaller number, e.g. " + example});
            return;
        }
        if (!reading.rest.empty()) {
            problems_.push_back({"Settings.ini", entry.line,
                                 where + " reads as " + bf::formatGeneral(reading.value) + ": \"" +
                                     printable(reading.rest) + "\" after the number is ignored",
                                 reading.rest[0] == ','
                                     ? "write decimals with a point: " + std::string(setting.key) +
                                           "=" + decimalPoint(entry.value)
                                     : "write only the number"});
            return;
        }
        if (setting.type == bf::SettingType::Bool && reading.value != 0 && reading.value != 1) {
            problems_.push_back(
                {"Settings.ini", entry.line,
                 where + " is neither 1 nor 0: it reads as " + (reading.value == -1 ? "off" : "on"),
                 "write " + std::string(setting.key) + "=1 (on) or " + setting.key + "=0 (off)"});
            return;
        }
        if (isFloat && !std::isfinite(reading.value) &&
            std::string_view(setting.key) == "PriceScale") {
            problems_.push_back({"Settings.ini", entry.line,
                                 where + " is not a finite number: the plug-in uses 1.0",
                                 "write a number, e.g. " + example});
            return;
        }
        if (setting.ranged() &&
            (reading.value < setting.minimum || reading.value > setting.maximum)) {
            const double used = std::clamp<double>(reading.value, setting.minimum, setting.maximum);
            const bool open = setting.maximum > 1e30f;
            problems_.push_back(
                {"Settings.ini", entry.line,
                 where + " lies outside " +
                     (open ? bf::formatGeneral(setting.minimum) + " or more"
                           : bf::formatGeneral(setting.minimum) + " to " +
                                 bf::formatGeneral(setting.maximum)) +
                     ": the plug-in uses " + bf::formatGeneral(used),
                 "write a value " + (open ? "of " + bf::formatGeneral(setting.minimum) + " or more"
                                          : "from " + bf::formatGeneral(setting.minimum) + " to " +
                                                bf::formatGeneral(setting.maximum))});
        }
    }

    static std::string decimalPoint(std::string value) {
        std::replace(value.begin(), value.end(), ',', '.');
        return value;
    }

    FolderReader& reader_;
    std::vector<Problem>& problems_;
};

// A number read from a data file, as the plug-in reads it; problems when it is not one or lies
// outside [minimum, maximum]. Returns the reading (isNumber false when it was not one).
NumberReading checkNumber(std::vector<Problem>& problems, const std::string& file,
                          const std::string& key, const Entry& entry, bool isFloat, double minimum,
                          double maximum, const std::string& rangeText) {
    const NumberReading reading = readNumber(entry.value, isFloat);
    const std::string where = key + "=" + printable(entry.value);
    if (!reading.isNumber || reading.outOfRange) {
        problems.push_back(
            {file, entry.line,
             where + (reading.isNumber ? " is too large to read: the plug-in reads it as absent"
                                       : " is not a number: the plug-in stops with \"Something "
                                         "wrong happened\" when it reads it"),
             "write " + std::string(isFloat ? "a number" : "a whole number") + " (" + rangeText +
                 ")"});
        NumberReading bad = reading;
        bad.isNumber = false;
        return bad;
    }
    if (!reading.rest.empty()) {
        problems.push_back({file, entry.line,
                            where + " reads as " + bf::formatGeneral(reading.value) + ": \"" +
                                printable(reading.rest) + "\" after the number is ignored",
                            "write only the number (decimals with a point)"});
    } else if (!(reading.value >= minimum && reading.value <= maximum)) {  // NaN too
        problems.push_back({file, entry.line, where + " is out of range: " + rangeText,
                            "write a value in that range"});
    }
    return reading;
}

void checkGeneralMeta(FolderReader& reader, std::vector<Problem>& problems) {
    const ReadFile file = reader.read("GeneralMeta.dat", FileKind::Data, true);
    if (!file.present) return;
    std::vector<std::string> known;
    for (const bf::TuningKey& key : bf::tuningKeys())
        known.emplace_back(key.key);
    for (const bf::TuningKey& key : bf::tuningKeys()) {
        const std::string uses = std::isnan(key.defaultValue)
                                     ? std::string("reads it as absent")
                                     : "uses " + bf::formatGeneral(key.defaultValue);
        const auto it = file.entries.find(key.key);
        if (it == file.entries.end() || it->second.value.empty()) {
            if (key.required) {
                problems.push_back(
                    {"GeneralMeta.dat", 0,
                     "lacks " + std::string(key.key) + ": the plug-in " + uses + " instead",
                     "add a line " + std::string(key.key) + "=<value>, " + key.why});
            }
            continue;
        }
        checkNumber(problems, "GeneralMeta.dat", key.key, it->second, key.isFloat, key.minimum,
                    key.maximum, std::string(key.why) + "; the plug-in " + uses + " for any other");
    }
    for (const auto& [key, entry] : file.entries) {
        if (std::find(known.begin(), known.end(), key) != known.end()) continue;
        const std::string nearest = nearestKey(key, known);
        if (nearest.empty()) continue;  // notes of a modder's own are harmless
        problems.push_back({"GeneralMeta.dat", entry.line,
                            "unknown key \"" + printable(key) + "\"; did you mean " + nearest + "?",
                            "rename it to " + nearest});
    }
}

void checkLang(FolderReader& reader, std::vector<Problem>& problems) {
    const ReadFile file = reader.read("Lang.dat", FileKind::Data, true);
    if (!file.present) return;
    std::vector<std::string> present;
    for (const auto& [key, entry] : file.entries)
        present.push_back(key);
    for (const std::string& key : bf::text_keys::allUsed()) {
        const auto it = file.entries.find(key);
        if (it != file.entries.end()) continue;
        Problem p{"Lang.dat", 0,
                  "lacks the text \"" + key + "\": the game shows an empty text there",
                  "add a line " + key + "=<text>"};
        const std::string nearest = nearestKey(key, present);
        if (!nearest.empty()) {
            const Entry& near = file.entries.find(nearest)->second;
            p.what += " (line " + std::to_string(near.line) + " has \"" + printable(nearest) +
                      "\": misspelt?)";
            p.fix = "rename \"" + printable(nearest) + "\" to " + key;
        }
        problems.push_back(std::move(p));
    }
    for (const FormatText& text : kFormatTexts) {
        const auto it = file.entries.find(text.key);
        if (it == file.entries.end() || countOf(it->second.value, "%s") >= text.values) continue;
        problems.push_back(
            {"Lang.dat", it->second.line,
             "the text of " + std::string(text.key) +
                 (text.values == 1 ? " has no \"%s\", so the value it takes is not shown"
                                   : " has fewer than " + std::to_string(text.values) +
                                         " \"%s\", so some of the values it takes are not shown"),
             text.values == 1 ? "put %s where the value goes"
                              : "put one %s where each value goes (won, lost, drawn)"});
    }
}

// The game language a translation's code belongs to; -1 for none.
int32_t languageOfCode(std::string_view code) {
    for (int32_t language = 1; !bf::languageCode(language).empty(); ++language) {
        if (bf::languageCode(language) == code) return language;
    }
    return -1;
}

// A translation Lang.<code>.dat, read over Lang.dat in its game language: its code names a game
// language, it holds every text the plug-in uses (a missing one falls back to English), each
// with as many "%s" as the English one, and no key Lang.dat does not have.
void checkTranslation(FolderReader& reader, const std::string& name, const ReadFile& english,
                      std::vector<Problem>& problems) {
    const std::string code = name.substr(5, name.size() - 9);
    if (languageOfCode(code) < 0) {
        std::string codes;
        for (int32_t language = 1; !bf::languageCode(language).empty(); ++language)
            codes += (codes.empty() ? "" : ", ") + std::string(bf::languageCode(language));
        problems.push_back({name, 0,
                            "no game language reads it: \"" + printable(code) +
                                "\" is not a language code of the game",
                            "name it Lang.<code>.dat with one of " + codes});
        return;
    }
    const ReadFile file = reader.read(name, FileKind::Data, false);
    if (!file.present) return;
    for (const std::string& key : bf::text_keys::allUsed()) {
        if (file.entries.count(key) != 0) continue;
        problems.push_back({name, 0,
                            "lacks the text \"" + key + "\": the English text is shown there",
                            "add a line " + key + "=<the text in this language>"});
    }
    // What the plug-in reads, and what Lang.dat holds beyond it, is a text to translate.
    std::vector<std::string> known = bf::text_keys::allUsed();
    for (const auto& [key, entry] : english.entries)
        known.push_back(key);
    for (const auto& [key, entry] : file.entries) {
        const auto it = english.entries.find(key);
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            const std::string nearest = nearestKey(key, known);
            problems.push_back({name, entry.line,
                                "unknown key \"" + printable(key) +
                                    "\": no text of the plug-in has it" +
                                    (nearest.empty() ? "" : "; did you mean " + nearest + "?"),
                                nearest.empty() ? "remove the line" : "rename it to " + nearest});
            continue;
        }
        // A text that takes values has as many "%s" as it takes whatever Lang.dat says (its own
        // fault is reported there); any other as many as the English one.
        const auto format =
            std::find_if(std::begin(kFormatTexts), std::end(kFormatTexts),
                         [&key](const FormatText& text) { return key == text.key; });
        const bool takesValues = format != std::end(kFormatTexts);
        if (!takesValues && it == english.entries.end()) continue;
        const size_t want = takesValues ? format->values : countOf(it->second.value, "%s");
        const size_t has = countOf(entry.value, "%s");
        if (want == has) continue;
        problems.push_back({name, entry.line,
                            "the text of " + key + " has " + std::to_string(has) +
                                " \"%s\" where the English text has " + std::to_string(want) +
                                ", so the value it takes is " +
                                (has < want ? "not shown" : "shown twice or garbled"),
                            "keep exactly " + std::to_string(want) + " %s, where the value goes"});
    }
}

void checkTranslations(FolderReader& reader, std::vector<Problem>& problems) {
    std::error_code error;
    std::vector<std::string> names;
    for (fs::directory_iterator it(reader.dataFolder(), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() > 9 && name.rfind("Lang.", 0) == 0 &&
            name.compare(name.size() - 4, 4, ".dat") == 0)
            names.push_back(name);
    }
    if (names.empty()) return;
    std::sort(names.begin(), names.end());
    // Lang.dat's problems are its own; here it is the measure.
    std::vector<Problem> ignored;
    FolderReader quiet(reader.dataFolder(), ignored);
    const ReadFile english = quiet.read("Lang.dat", FileKind::Data, false);
    for (const std::string& name : names)
        checkTranslation(reader, name, english, problems);
}

// The items the fourteen animals give, by the game's names.
std::vector<std::string> knownItems() {
    static const char* const kAnimals[] = {
        "Alligator", "Grizzly Bear", "Buck", "Cougar",       "Bull",      "Moose",  "Panther",
        "Boar",      "Coyote",       "Duck", "Canada Goose", "Pronghorn", "Rabbit", "Bighorn Ram"};
    std::vector<std::string> items;
    for (const char* quality : {"Perfect", "Good", "Poor"}) {
        for (const char* animal : kAnimals) {
            for (const char* part : {"Pelt", "Carcass"})
                items.push_back(std::string(quality) + " " + animal + " " + part);
        }
    }
    return items;
}

void checkPrices(FolderReader& reader, std::vector<Problem>& problems) {
    const ReadFile file = reader.read("AnimalPrices.dat", FileKind::Data, true);
    if (!file.present) return;
    const std::vector<std::string> items = knownItems();
    for (const auto& [key, entry] : file.entries) {
        if (std::find(items.begin(), items.end(), key) == items.end()) {
            const std::string nearest = nearestKey(key, items);
            problems.push_back(
                {"AnimalPrices.dat", entry.line,
                 "no animal produces \"" + printable(key) + "\", so its price is never paid" +
                     (nearest.empty() ? std::string() : "; did you mean " + nearest + "?"),
                 nearest.empty() ? "delete the line, or name the item as the game writes it "
                                   "(\"Perfect Buck Pelt\", \"Poor Rabbit Carcass\" ...)"
                                 : "rename it to " + nearest});
        }
        checkNumber(problems, "AnimalPrices.dat", key, entry, true, 0, 10000,
                    "dollars, 0 to 10000; 0 prices the item by trade.base_price; the plug-in "
                    "reads any other value as no price and also prices the item by "
                    "trade.base_price");
    }
}

bool wholeNumber(const std::string& text) {
    if (text.empty()) return false;
    const NumberReading reading = readNumber(text, false);
    return reading.isNumber && !reading.outOfRange && reading.rest.empty() &&
           text.find_first_of(" \t") == std::string::npos;
}

void checkPopulation(FolderReader& reader, std::vector<Problem>& problems) {
    for (const char* character : {"John", "Arthur"}) {
        const std::string name =
            std::string("AnimalsPopulation/PopulationStatus.") + character + ".dat";
        const ReadFile file = reader.read(name, FileKind::Data, true);
        if (!file.present) continue;
        if (const auto it = file.entries.find("development_factor"); it != file.entries.end()) {
            checkNumber(problems, name, "development_factor", it->second, true, 1.0, 1e30,
                        "1 or more; the plug-in resets a smaller one to 1");
        }
        if (const auto it = file.entries.find("last_development_timestamp");
            it != file.entries.end()) {
            checkNumber(problems, name, "last_development_timestamp", it->second, false,
                        -2147483648.0, 2147483647.0, "a game clock value");
        }
    }
    std::error_code error;
    const fs::path folder = reader.dataFolder() / "AnimalsPopulation";
    if (!fs::is_directory(folder, error)) return;
    std::vector<fs::path> districts;
    for (const auto& item : fs::directory_iterator(folder, error)) {
        const std::string fileName = item.path().filename().string();
        if (item.path().extension() != ".dat" || fileName.rfind("PopulationStatus.", 0) == 0)
            continue;
        districts.push_back(item.path());
    }
    std::sort(districts.begin(), districts.end());
    for (const fs::path& path : districts) {
        const std::string name = "AnimalsPopulation/" + path.filename().string();
        if (!wholeNumber(path.stem().string())) {
            problems.push_back({name, 0,
                                "is not a district's file (its name is not a district id), so the "
                                "plug-in never reads it",
                                "delete it, or name it after the district id it holds"});
            continue;
        }
        const ReadFile file = reader.read(name, FileKind::Data, false);
        for (const auto& [key, entry] : file.entries) {
            if (!wholeNumber(key)) {
                problems.push_back({name, entry.line,
                                    "key \"" + printable(key) +
                                        "\" is not an animal type id, so no animal reads it",
                                    "delete the line"});
                continue;
            }
            const NumberReading reading = readNumber(entry.value, true);
            if (reading.isNumber && !reading.outOfRange && reading.rest.empty() &&
                (reading.value <= 0.0 || reading.value > 1.0)) {
                problems.push_back(
                    {name, entry.line,
                     "population factor " + printable(entry.value) +
                         " lies outside the range above 0 to 1: the plug-in resets it to 1 "
                         "(an untouched population)",
                     "write a factor above 0 and at most 1, or delete the line"});
                continue;
            }
            checkNumber(problems, name, key, entry, true, 0.0, 1.0, "a factor above 0, at most 1");
        }
    }
}

}  // namespace

void checkSpawns(FolderReader& reader, std::vector<Problem>& problems);

size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] =
                std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string nearestKey(std::string_view key, const std::vector<std::string>& known) {
    const std::string plain = lowered(key);
    std::string best;
    size_t bestDistance = std::max<size_t>(2, plain.size() / 5) + 1;
    for (const std::string& candidate : known) {
        if (candidate == key) continue;
        // Case and blanks cost nothing: they are the commonest slips.
        const size_t d = editDistance(plain, lowered(candidate));
        if (d < bestDistance) {
            bestDistance = d;
            best = candidate;
        }
    }
    return best;
}

std::optional<fs::path> findDataFolder(const fs::path& gameFolder) {
    std::error_code error;
    if (fs::is_directory(gameFolder / "Brackenfold", error)) return gameFolder / "Brackenfold";
    if (fs::is_directory(gameFolder, error) && (fs::exists(gameFolder / "Lang.dat", error) ||
                                                fs::exists(gameFolder / "Settings.ini", error))) {
        return gameFolder;
    }
    return std::nullopt;
}

std::vector<Problem> checkDataFolder(const fs::path& dataFolder) {
    std::vector<Problem> problems;
    FolderReader reader(dataFolder, problems);
    SettingsCheck(reader, problems).run();
    // The order start-up loads them in: a failure in one stops the later ones being read.
    checkLang(reader, problems);
    checkTranslations(reader, problems);
    checkGeneralMeta(reader, problems);
    checkPrices(reader, problems);
    reader.read("HuntingCompetitions.dat", FileKind::Data, true);
    checkSpawns(reader, problems);
    reader.read("TutorialFlags.dat", FileKind::Data, false);
    checkPopulation(reader, problems);
    // The hunter's records, read as the plug-in reads them.
    for (const CharacterRecord& record : readRecords(dataFolder)) {
        if (record.damage.empty()) continue;
        problems.push_back({record.file, 0,
                            record.character + "'s hunter's record does not read in full (" +
                                record.damage + "); the plug-in keeps it as " + record.file +
                                ".bad and starts the record afresh",
                            "repair the file, or delete it to start the record afresh"});
    }
    // Files in the order they were checked, each file's problems in line order.
    std::vector<std::string> order;
    for (const Problem& p : problems) {
        if (std::find(order.begin(), order.end(), p.file) == order.end()) order.push_back(p.file);
    }
    std::stable_sort(problems.begin(), problems.end(), [&](const Problem& a, const Problem& b) {
        const auto fileA = std::find(order.begin(), order.end(), a.file);
        const auto fileB = std::find(order.begin(), order.end(), b.file);
        return fileA != fileB ? fileA < fileB : a.line < b.line;
    });
    return problems;
}

std::string formatProblem(const Problem& problem) {
    std::string text = "Brackenfold/" + problem.file;
    if (problem.line > 0) text += ":" + std::to_string(problem.line);
    text += ": " + problem.what + "\n  fix: " + problem.fix + "\n";
    return text;
}

}  // namespace bfcheck
