// The flight recorder and its replay: a recorded session replays with no divergence; a plug-in
// that calls otherwise diverges at that call; a recording cut off replays to its last whole
// frame; a folder that cannot be written or a disk that fills stops the recording with one log
// line and nothing else; markers; --compare; the format reads back what was written.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/bfrec_encoder.h"
#include "core/frame_tally.h"
#include "core/hook.h"
#include "core/log.h"
#include "core/natives.h"
#include "core/recorder.h"
#include "core/runtime.h"
#include "replay/bfrec_reader.h"
#include "replay/bfrec_rewrite.h"
#include "replay/compare.h"
#include "replay/replayer.h"
#include "sim/scenario/scenario.h"
#include "spine/entry.h"
#include "spine/plugin.h"

namespace fs = std::filesystem;

namespace {

fs::path scratch(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / ("brackenfold-recorder-test-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

struct Played {
    int code = -1;
    std::string output;
    std::vector<std::string> log;
};

// Plays a scenario with the recorder on in `dir` (a copy of `dist` as its data folder).
Played playRecorded(const std::string& text, const fs::path& dir,
                    const fs::path& dist = BRACKENFOLD_DIST_DIR) {
    std::ostringstream out;
    sim::scenario::RunOptions options;
    options.plugin = &bf::libraryEntry;
    options.beforeGameEnds = &bf::stopPlugin;
    options.gameDir = dir;
    options.distDir = dist;
    options.record = true;
    options.out = &out;
    bf::installRuntime(nullptr);
    Played run;
    {
        sim::scenario::Runner runner(options);
        std::istringstream in(text);
        run.code = runner.run(sim::scenario::tokenize(in));
        run.log = runner.logLines();
    }
    run.output = out.str();
    return run;
}

std::vector<fs::path> recordingsIn(const fs::path& dir) {
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir / "Brackenfold" / "Recordings", error))
        found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
}

Played replayed(const fs::path& recording, const fs::path& dir, uint64_t untilFrame = 0,
                uint32_t untilMarker = 0, sim::Game::PluginEntry plugin = &bf::libraryEntry) {
    std::ostringstream out;
    replay::ReplayOptions options;
    options.recording = recording.string();
    options.gameDir = dir;
    options.plugin = plugin;
    options.stopPlugin = &bf::stopPlugin;
    options.untilFrame = untilFrame;
    options.untilMarker = untilMarker;
    options.out = &out;
    bf::installRuntime(nullptr);
    Played run;
    run.code = replay::runReplay(options);
    run.output = out.str();
    return run;
}

std::vector<uint8_t> bytesOf(const fs::path& file) {
    std::vector<uint8_t> bytes;
    replay::readFile(file.string(), bytes);
    return bytes;
}

void writeBytes(const fs::path& file, const std::vector<uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

int countContaining(const std::vector<std::string>& lines, const std::string& text) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.find(text) != std::string::npos;
    }));
}

// A short session: start-up, a buck sized, shot and bleeding, the marker key pressed.
constexpr const char* kSession = R"(seed 3
player at 1521.5 439.356 90.6807
frames 5
wait 4s
spawn buck a_c_buck_01 at 1530 445 91 quality 2
frames 2
damage buck health 0.4
frames 3
press key 145
frames 2
damage buck kill
wait 2s
)";

}  // namespace

TEST(Recorder, ASessionReplaysWithNoDivergenceAndItsMarkers) {
    const fs::path dir = scratch("session");
    const Played run = playRecorded(kSession, dir / "run");
    ASSERT_EQ(run.code, 0) << run.output;
    EXPECT_EQ(countContaining(run.log, "Recorder: recording this session"), 1);
    ASSERT_EQ(countContaining(run.log, "Recorder: marker 1 at frame"), 1);
    const auto recordings = recordingsIn(dir / "run");
    ASSERT_EQ(recordings.size(), 1u);
    const std::string markerLine =
        run.log[static_cast<size_t>(std::find_if(run.log.begin(), run.log.end(),
                                                 [](const std::string& l) {
                                                     return l.find("marker 1 at frame") !=
                                                            std::string::npos;
                                                 }) -
                                    run.log.begin())];
    const std::string frame = markerLine.substr(markerLine.rfind(' ') + 1);

    const Played played = replayed(recordings[0], dir / "replay");
    EXPECT_EQ(played.code, 0) << played.output;
    EXPECT_NE(played.output.find("marker 1 at frame " + frame + "\n"), std::string::npos)
        << played.output;
    EXPECT_NE(played.output.find("outcome: no divergence"), std::string::npos);
    // The replay's plug-in recorded the same session again, byte for byte.
    const auto again = recordingsIn(dir / "replay");
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(bytesOf(again[0]), bytesOf(recordings[0]));

    // Stopping at the marker's frame leaves the plug-in there.
    const Played until = replayed(recordings[0], dir / "until", 0, 1);
    EXPECT_EQ(until.code, 0) << until.output;
    EXPECT_NE(until.output.find("stopped after frame " + frame + " (--replay-until)"),
              std::string::npos)
        << until.output;
}

TEST(Recorder, ACallThatIsNotTheRecordedOneStopsTheReplayThere) {
    const fs::path dir = scratch("divergence");
    ASSERT_EQ(playRecorded(kSession, dir / "run").code, 0);
    const fs::path recording = recordingsIn(dir / "run").at(0);
    // The recording of a plug-in whose 40th zone lookup swapped x and y: the real plug-in
    // replayed against it diverges at that very call.
    int seen = 0;
    uint64_t frame = 1;
    uint64_t editedFrame = 0;
    std::vector<uint8_t> edited;
    std::string error;
    ASSERT_TRUE(replay::rewriteRecording(
        bytesOf(recording), edited,
        [&](replay::Record& r, const replay::Shape* shape) {
            if (r.kind == replay::Kind::Wait) ++frame;
            if (shape && shape->name == "_GET_MAP_ZONE_AT_COORDS" && ++seen == 40) {
                std::swap(r.call.words[0].value, r.call.words[1].value);
                editedFrame = frame;
            }
            return true;
        },
        error));
    ASSERT_GT(editedFrame, 0u) << "the session looks zones up";
    writeBytes(dir / "edited.bfrec", edited);
    const Played played = replayed(dir / "edited.bfrec", dir / "replay");
    EXPECT_EQ(played.code, 1);
    EXPECT_NE(played.output.find("DIVERGENCE in frame " + std::to_string(editedFrame) + " "),
              std::string::npos)
        << played.output;
    EXPECT_NE(played.output.find("the plug-in called 0x43AD8FC02B429D33 _GET_MAP_ZONE_AT_COORDS"),
              std::string::npos)
        << played.output;
    EXPECT_NE(played.output.find("(argument word 0)"), std::string::npos) << played.output;
    EXPECT_NE(played.output.find("last lines of the log:\n  ["), std::string::npos);
}

namespace {

// A plug-in of its own: one recorded script that reads the timer, sets the text scale and logs
// the system tick, frame after frame. The swapped build pushes the scale's two arguments the other
// way round from frame 3 on.
bool gSwapped = false;

std::unique_ptr<bf::Recorder> gProbeRecorder;

[[noreturn]] void probeScript() {
    bf::installRuntime(std::make_unique<bf::Runtime>());
    bf::RecorderSettings settings;
    settings.enabled = true;
    std::vector<std::string> lines;
    gProbeRecorder = bf::Recorder::start(settings, "Brackenfold", lines);
    for (int frame = 1;; ++frame) {
        bf::natives::getGameTimer();
        if (gSwapped && frame >= 3) {
            bf::natives::setTextScale(0.5f, 0.25f);
        } else {
            bf::natives::setTextScale(0.25f, 0.5f);
        }
        // The system tick, as the log shows it: a replay must give back the recorded one.
        if (frame % 2 == 0)
            bf::logMessage("probe frame " + std::to_string(frame) + " at tick " +
                           std::to_string(bf::scriptTickCount()));
        bf::waitForGame(0);
    }
}

bool probeEntry(void* module, uint32_t reason) {
    if (reason == bf::kProcessAttach) hook::scriptRegister(module, &probeScript);
    return true;
}

}  // namespace

TEST(Recorder, ABuildThatSwapsOneArgumentDivergesAtThatCall) {
    const fs::path dir = scratch("swapped");
    fs::create_directories(dir / "run" / "Brackenfold");
    const fs::path previous = fs::current_path();
    fs::current_path(dir / "run");
    gSwapped = false;
    bf::installRuntime(nullptr);
    {
        sim::Game game;
        game.attach(&probeEntry);
        game.runFrames(6);
        gProbeRecorder.reset();  // ends the recording
    }
    fs::current_path(previous);
    const fs::path recording = recordingsIn(dir / "run").at(0);

    const Played same = replayed(recording, dir / "same", 0, 0, &probeEntry);
    EXPECT_EQ(same.code, 0) << same.output;

    gProbeRecorder.reset();
    gSwapped = true;
    const Played swapped = replayed(recording, dir / "swapped", 0, 0, &probeEntry);
    gSwapped = false;
    gProbeRecorder.reset();
    EXPECT_EQ(swapped.code, 1);
    EXPECT_NE(swapped.output.find("DIVERGENCE in frame 3 at game time 0:00:00.066 (call 2 of the "
                                  "frame):\n  the plug-in called 0xA1253A3C870B6843 "
                                  "_BG_SET_TEXT_SCALE (0x3F000000, 0x3E800000)\n  the recording "
                                  "has 0xA1253A3C870B6843 _BG_SET_TEXT_SCALE (0x3E800000, "
                                  "0x3F000000)\n  (argument word 0)"),
              std::string::npos)
        << swapped.output;
    EXPECT_NE(swapped.output.find("last lines of the log:\n  ["), std::string::npos)
        << swapped.output;
    EXPECT_NE(swapped.output.find("probe frame 2"), std::string::npos) << swapped.output;
}

TEST(Recorder, ARecordingCutOffReplaysToItsLastWholeFrame) {
    const fs::path dir = scratch("cut");
    ASSERT_EQ(playRecorded(kSession, dir / "run").code, 0);
    const std::vector<uint8_t> whole = bytesOf(recordingsIn(dir / "run").at(0));
    // Where the data folder ends and the session begins.
    size_t sessionStart = 0;
    {
        replay::Reader reader(whole.data(), whole.size());
        replay::Header header;
        replay::Record r;
        reader.header(header);
        while (reader.next(r) == replay::Reader::Status::Ok && r.kind == replay::Kind::File)
            sessionStart = reader.offset();
    }
    // Cuts inside the data folder, in start-up and late in the session.
    for (const double at : {-0.5, 0.1, 0.5, 0.8, 0.97}) {
        const auto size =
            static_cast<size_t>(static_cast<double>(sessionStart) +
                                static_cast<double>(whole.size() - sessionStart) * at);
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<long>(size));
        // The whole frames before the cut.
        replay::Reader reader(cut.data(), cut.size());
        replay::Header header;
        ASSERT_EQ(reader.header(header), replay::Reader::Status::Ok);
        replay::Record r;
        uint64_t frames = 0;
        replay::Reader::Status status;
        while ((status = reader.next(r)) == replay::Reader::Status::Ok)
            frames += r.kind == replay::Kind::Wait;
        writeBytes(dir / "cut.bfrec", cut);
        const Played played = replayed(dir / "cut.bfrec", dir / ("replay" + std::to_string(size)));
        if (at < 0) {
            // Cut inside the data folder: nothing to play.
            EXPECT_EQ(played.code, 2) << played.output;
            EXPECT_NE(played.output.find("before its first frame ends"), std::string::npos);
            continue;
        }
        EXPECT_EQ(played.code, 0) << at << "\n" << played.output;
        if (status == replay::Reader::Status::End) {
            // Cut between two records: the frames before it are whole.
            EXPECT_NE(played.output.find("the recording ends after frame " +
                                         std::to_string(frames) + " without its end"),
                      std::string::npos)
                << played.output;
            continue;
        }
        ASSERT_EQ(status, replay::Reader::Status::Truncated) << at;
        EXPECT_NE(played.output.find("the recording ends at byte " +
                                     std::to_string(reader.errorOffset()) + ", inside frame " +
                                     std::to_string(frames + 1)),
                  std::string::npos)
            << played.output;
        EXPECT_NE(played.output.find("replayed frames 1 to " + std::to_string(frames) + "\n"),
                  std::string::npos)
            << played.output;
    }
}

TEST(Recorder, AFolderThatCannotBeWrittenStopsNothingButTheRecording) {
    const fs::path dir = scratch("unwritable");
    fs::copy(BRACKENFOLD_DIST_DIR, dir / "dist", fs::copy_options::recursive);
    if (geteuid() == 0) {
        // Permissions do not hold root back: Recordings/ is a file where the folder belongs,
        // and nothing can be made in it.
        std::ofstream(dir / "dist" / "Recordings") << "not a folder";
    } else {
        fs::create_directories(dir / "dist" / "Recordings");
        fs::permissions(dir / "dist" / "Recordings", fs::perms::owner_read | fs::perms::owner_exec);
    }
    const Played run = playRecorded(kSession, dir / "run", dir / "dist");
    std::error_code ignored;
    fs::permissions(dir / "run" / "Brackenfold" / "Recordings", fs::perms::owner_all, ignored);
    EXPECT_EQ(run.code, 0) << run.output;
    EXPECT_EQ(countContaining(run.log, "Recorder:"), 1);
    EXPECT_EQ(countContaining(run.log, "ERROR: Recorder: cannot write Brackenfold/Recordings/"), 1);
    EXPECT_EQ(countContaining(run.log, "this session is not recorded"), 1);
    EXPECT_EQ(countContaining(run.log, "Something wrong happened"), 0);
    EXPECT_EQ(countContaining(run.log, "updating animal population factor"), 1)
        << "the plug-in runs on";
}

TEST(Recorder, ADiskThatFillsStopsTheRecordingWithOneLineAndItReplaysToThere) {
    const fs::path dir = scratch("full");
    // The operating system refuses writes that make a file larger than this: the recording's
    // first flush past its start goes over it, as on a disk that fills up.
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, SIG_IGN);
    // Room for the data folder and start-up, not for the rest of the session.
    uintmax_t folder = 0;
    for (const auto& entry : fs::recursive_directory_iterator(BRACKENFOLD_DIST_DIR))
        folder += entry.is_regular_file() ? entry.file_size() : 0;
    rlimit limit = before;
    limit.rlim_cur = folder + 16 * 1024;
    setrlimit(RLIMIT_FSIZE, &limit);
    const Played run =
        playRecorded(std::string(kSession) + "wait 60s\nexpect running\n", dir / "run");
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_EQ(run.code, 0) << run.output;
    EXPECT_EQ(countContaining(run.log, "ERROR: Recorder: cannot write"), 1);
    EXPECT_EQ(countContaining(run.log, "the recording stops here"), 1);
    EXPECT_EQ(countContaining(run.log, "Something wrong happened"), 0);
    const auto recordings = recordingsIn(dir / "run");
    ASSERT_EQ(recordings.size(), 1u);
    const Played played = replayed(recordings[0], dir / "replay");
    EXPECT_EQ(played.code, 0) << played.output;
    EXPECT_NE(played.output.find("the recording ends "), std::string::npos) << played.output;
}

TEST(Recorder, RecorderMaxMBStopsTheRecordingWithOneLineAndItReplaysToThere) {
    const fs::path dir = scratch("max");
    const Played run = playRecorded(
        std::string("setting Recorder_MaxMB=1\n") + kSession + "wait 12min\nexpect running\n",
        dir / "run");
    EXPECT_EQ(run.code, 0) << run.output;
    EXPECT_EQ(countContaining(run.log,
                              "Recorder: Recorder_MaxMB (1 MB) reached; the recording "
                              "stops here"),
              1);
    const auto recordings = recordingsIn(dir / "run");
    ASSERT_EQ(recordings.size(), 1u);
    // It stops at the end of the frame that reached the limit.
    const auto size = fs::file_size(recordings[0]);
    EXPECT_GE(size, 1024u * 1024u);
    EXPECT_LT(size, 1024u * 1024u + 4096u);
    const Played played = replayed(recordings[0], dir / "replay");
    EXPECT_EQ(played.code, 0) << played.output;
    EXPECT_NE(played.output.find("the recording stopped at Recorder_MaxMB"), std::string::npos)
        << played.output;
    EXPECT_EQ(bytesOf(recordingsIn(dir / "replay").at(0)), bytesOf(recordings[0]));
}

TEST(Recorder, CompareListsExactlyTheNativesWhoseAnswersDiffer) {
    const fs::path dir = scratch("compare");
    ASSERT_EQ(playRecorded(kSession, dir / "run").code, 0);
    const fs::path recording = recordingsIn(dir / "run").at(0);
    std::ostringstream same;
    EXPECT_EQ(replay::runCompare(recording.string(), same), 0) << same.str();
    EXPECT_NE(same.str().find("answers every one of them as recorded"), std::string::npos);

    // The game said otherwise about a model's size class and one zone.
    int zonesEdited = 0;
    std::vector<uint8_t> edited;
    std::string error;
    ASSERT_TRUE(replay::rewriteRecording(
        bytesOf(recording), edited,
        [&](replay::Record& r, const replay::Shape* shape) {
            if (!shape) return true;
            if (shape->name == "_GET_PED_MODEL_SIZE_FROM_HASH") r.call.result[0] += 1;
            if (shape->name == "_GET_MAP_ZONE_AT_COORDS" && zonesEdited < 3) {
                r.call.result[0] ^= 0x10;
                ++zonesEdited;
            }
            return true;
        },
        error));
    writeBytes(dir / "edited.bfrec", edited);
    std::ostringstream out;
    EXPECT_EQ(replay::runCompare((dir / "edited.bfrec").string(), out), 1);
    const std::string text = out.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n') - 2, 2) << text;
    EXPECT_NE(text.find("differs: _GET_PED_MODEL_SIZE_FROM_HASH 0xA65AA1ACE81E5A77: "),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("differs: _GET_MAP_ZONE_AT_COORDS 0x43AD8FC02B429D33: 3 of "),
              std::string::npos)
        << text;
    // Most frequent first: three zone calls, then the buck's one size class.
    EXPECT_NE(text.find("differs: _GET_PED_MODEL_SIZE_FROM_HASH 0xA65AA1ACE81E5A77: 1 of 1 calls"),
              std::string::npos)
        << text;
    EXPECT_LT(text.find("_GET_MAP_ZONE_AT_COORDS"), text.find("_GET_PED_MODEL_SIZE_FROM_HASH"));
}

// A rewrite sizes its encoder's tables to the recording, from the least each entry takes in it.
// Recordings as dense in strings as bytes allow, written by the plug-in's encoder, must come out
// byte for byte: a table one string too small would write a repeated string in full.
TEST(Recorder, ARewriteSizedToTheRecordingWritesThePluginsBytes) {
    class Bytes : public bf::bfrec::Sink {
      public:
        bool write(const uint8_t* data, size_t size) override {
            bytes.insert(bytes.end(), data, data + size);
            return true;
        }
        std::vector<uint8_t> bytes;
    };
    const auto recorded = [](const std::vector<std::string>& results) {
        Bytes sink;
        bf::bfrec::Encoder encoder(sink, 4096);
        bf::bfrec::Header header;
        header.version = "1.2.0";
        encoder.header(header);
        bf::bfrec::CallShape shape;
        shape.hash = 0x1234;
        shape.name = "NAME_OF";
        shape.result = bf::bfrec::ResultKind::Str;
        for (const std::string& text : results)
            encoder.call(shape, nullptr, nullptr, text.c_str());
        encoder.end(bf::bfrec::EndReason::Closed);
        encoder.flush();
        return sink.bytes;
    };
    // The shortest distinct strings there are, each named again by number once written.
    std::vector<std::string> dense{""};
    for (int c = 1; c < 256; ++c)
        dense.emplace_back(1, static_cast<char>(c));
    for (int i = 0; i < 600; ++i)
        dense.push_back({static_cast<char>('a' + i % 26), static_cast<char>('a' + i / 26)});
    std::vector<std::string> twice = dense;
    twice.insert(twice.end(), dense.begin(), dense.end());
    // One long string and its repeat: the table's characters must hold it and look it up.
    const std::vector<std::string> longOne(2, std::string(3000, 'x'));
    for (const auto& results : {dense, twice, longOne}) {
        const std::vector<uint8_t> original = recorded(results);
        std::vector<uint8_t> again;
        std::string error;
        ASSERT_TRUE(replay::rewriteRecording(
            original, again, [](replay::Record&, const replay::Shape*) { return true; }, error))
            << error;
        EXPECT_EQ(again, original) << results.size() << " strings";
    }
}

TEST(Recorder, TheFormatReadsBackWhatWasWritten) {
    const fs::path dir = scratch("format");
    ASSERT_EQ(playRecorded(kSession, dir / "run").code, 0);
    const std::vector<uint8_t> original = bytesOf(recordingsIn(dir / "run").at(0));
    std::vector<uint8_t> again;
    std::string error;
    size_t records = 0;
    ASSERT_TRUE(replay::rewriteRecording(
        original, again, [&](replay::Record&, const replay::Shape*) { return ++records, true; },
        error));
    EXPECT_GT(records, 1000u);
    EXPECT_EQ(again, original) << "an unchanged rewrite gives the same bytes";

    // Every kind of record the session holds, in a header that says what made it.
    replay::Reader reader(original.data(), original.size());
    replay::Header header;
    ASSERT_EQ(reader.header(header), replay::Reader::Status::Ok);
    EXPECT_EQ(header.version, 1);
    EXPECT_EQ(header.pluginVersion, "1.2.0");
    EXPECT_EQ(header.maxMB, 200u);
    EXPECT_EQ(header.markerKey, 145u);
    std::set<replay::Kind> kinds;
    std::vector<std::string> files;
    replay::Record r;
    while (reader.next(r) == replay::Reader::Status::Ok) {
        kinds.insert(r.kind);
        if (r.kind == replay::Kind::File) files.push_back(r.path);
    }
    for (replay::Kind kind : {replay::Kind::File, replay::Kind::Call, replay::Kind::Wait,
                              replay::Kind::Key, replay::Kind::LocalTime, replay::Kind::Log,
                              replay::Kind::Marker, replay::Kind::Stop, replay::Kind::End})
        EXPECT_TRUE(kinds.count(kind)) << static_cast<int>(kind);
    EXPECT_NE(std::find(files.begin(), files.end(), "Settings.ini"), files.end());
    EXPECT_NE(std::find(files.begin(), files.end(), "AnimalsPopulation"), files.end());
    EXPECT_EQ(std::find(files.begin(), files.end(), "Log.log"), files.end());

    // A damaged recording that defines shapes well before it calls them (a fuzz finding: the
    // rewrite named such a shape through a pointer into the reader's moved shapes): written
    // again, every shape it calls keeps its name.
    const std::vector<uint8_t> early =
        bytesOf(fs::path(BRACKENFOLD_FUZZ_CORPUS_DIR) / "bfrec" / "shape_defined_early.bfrec");
    std::vector<uint8_t> rewritten;
    ASSERT_TRUE(replay::rewriteRecording(
        early, rewritten, [](replay::Record&, const replay::Shape*) { return true; }, error));
    const auto calledNames = [](const std::vector<uint8_t>& bytes) {
        replay::Reader in(bytes.data(), bytes.size());
        replay::Header h;
        std::multiset<std::string> names;
        if (in.header(h) != replay::Reader::Status::Ok) return names;
        replay::Record record;
        while (in.next(record) == replay::Reader::Status::Ok)
            if (record.kind == replay::Kind::Call)
                names.insert(in.shapes()[record.call.shape].name);
        return names;
    };
    EXPECT_EQ(calledNames(rewritten), calledNames(early));
    EXPECT_FALSE(calledNames(early).empty());

    // Bytes that are no recording, and a version from the future.
    std::vector<uint8_t> garbage = {'B', 'F', 'R', 'X', 1, 0, 19, 0};
    replay::Reader notOne(garbage.data(), garbage.size());
    EXPECT_EQ(notOne.header(header), replay::Reader::Status::Malformed);
    std::vector<uint8_t> future(original.begin(), original.begin() + 64);
    future[4] = 9;
    replay::Reader later(future.data(), future.size());
    EXPECT_EQ(later.header(header), replay::Reader::Status::Malformed);
    EXPECT_NE(later.error().find("format version 9"), std::string::npos);
}

TEST(Recorder, KeyEventsFromAnotherThreadReachTheRecordingInOrder) {
    const fs::path dir = scratch("keys");
    fs::create_directories(dir / "Brackenfold");
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    bf::installRuntime(nullptr);
    bf::RecorderSettings settings;
    settings.enabled = true;
    std::vector<std::string> lines;
    auto recorder = bf::Recorder::start(settings, "Brackenfold", lines);
    ASSERT_TRUE(recorder);
    std::thread window([] {
        for (uint32_t key = 1; key <= 300; ++key)
            bf::queueKeyEvent({key, 1000 + key, 1, 0, 0});
    });
    window.join();
    recorder->afterWait();
    recorder->finish();
    const std::vector<uint8_t> bytes = bytesOf(recorder->path());
    fs::current_path(previous);
    replay::Reader reader(bytes.data(), bytes.size());
    replay::Header header;
    ASSERT_EQ(reader.header(header), replay::Reader::Status::Ok);
    replay::Record r;
    std::vector<uint32_t> keys;
    uint32_t lost = 0;
    while (reader.next(r) == replay::Reader::Status::Ok) {
        if (r.kind == replay::Kind::Key) {
            keys.push_back(r.key);
            EXPECT_EQ(r.tick, 1000 + r.key);
        }
        if (r.kind == replay::Kind::KeysLost) lost = r.number;
    }
    // The ring holds 256 events; the rest are counted as lost.
    ASSERT_EQ(keys.size(), 256u);
    for (uint32_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(keys[i], i + 1);
    EXPECT_EQ(lost, 44u);
}
