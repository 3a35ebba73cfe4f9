// The simulated game's native table: hash -> {name, argument count, result kind, handler}, each
// native named and shaped as the game's native of that hash (tests/reference/natives.tsv).
//
// Strict mode (the default) fails the run on an unknown hash or a wrong argument count, naming
// the hash and the caller's argument words, as a wrong hash in the plug-in would misbehave in the
// game. Every call is counted per frame; calls can be recorded for assertions; a test may replace
// any handler.
#pragma once

#include <bit>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace sim {

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// One call as the handler sees it: the pushed words and the result slots to fill.
class NativeCall {
  public:
    NativeCall(const uint64_t* args, size_t count, uint64_t* results)
        : args_(args), count_(count), results_(results) {}

    size_t argCount() const { return count_; }
    uint64_t word(size_t i) const { return i < count_ ? args_[i] : 0; }
    int32_t i32(size_t i) const { return static_cast<int32_t>(static_cast<uint32_t>(word(i))); }
    uint32_t u32(size_t i) const { return static_cast<uint32_t>(word(i)); }
    bool flag(size_t i) const { return u32(i) != 0; }
    float f32(size_t i) const { return std::bit_cast<float>(u32(i)); }
    // Three float pushes starting at i.
    Vec3 vec(size_t i) const { return {f32(i), f32(i + 1), f32(i + 2)}; }
    const char* str(size_t i) const { return reinterpret_cast<const char*>(word(i)); }
    template <class T>
    T* ptr(size_t i) const {
        return reinterpret_cast<T*>(word(i));
    }

    // 32-bit results fill the low half of their slot only, as in the game: the upper half keeps
    // whatever the slot held before.
    void ret(int32_t v) { setLow(0, static_cast<uint32_t>(v)); }
    void retU32(uint32_t v) { setLow(0, v); }
    void retBool(bool v) { setLow(0, v ? 1 : 0); }
    void retFloat(float v) { setLow(0, std::bit_cast<uint32_t>(v)); }
    // Strings (text handles) are whole words.
    void retU64(uint64_t v) { results_[0] = v; }
    void retPtr(const void* p) { results_[0] = reinterpret_cast<uint64_t>(p); }
    void retVec(Vec3 v) {
        setLow(0, std::bit_cast<uint32_t>(v.x));
        setLow(1, std::bit_cast<uint32_t>(v.y));
        setLow(2, std::bit_cast<uint32_t>(v.z));
    }

  private:
    void setLow(size_t slot, uint32_t v) {
        results_[slot] = (results_[slot] & 0xFFFFFFFF00000000ull) | v;
    }

    const uint64_t* args_;
    size_t count_;
    uint64_t* results_;
};

using NativeHandler = std::function<void(NativeCall&)>;

// Argument count of a native that takes a varying number of arguments.
inline constexpr int kVariadic = -1;

// The kind of a native's result, as the game's table gives its return type. Int32 is every
// 32-bit value (int, BOOL, Hash, handles); String a character pointer (a whole word).
enum class Result { Void, Int32, Float, Vector3, String, Any };

const char* resultName(Result result);

struct NativeInfo {
    std::string name;
    int argCount = 0;
    Result result = Result::Void;
    NativeHandler handler;
};

struct RecordedCall {
    uint64_t frame = 0;
    uint64_t hash = 0;
    std::string name;
    std::vector<uint64_t> args;
};

class NativeTable {
  public:
    void add(uint64_t hash, std::string name, int argCount, Result result, NativeHandler handler);
    // Replaces the handler of a known native (tests). The original is kept for restore().
    void override(uint64_t hash, NativeHandler handler);
    void restore(uint64_t hash);
    const NativeInfo* find(uint64_t hash) const;
    // The game's own handler, ignoring overrides (an override may delegate to it).
    const NativeHandler& original(uint64_t hash) const;
    // Every native, for the reference test.
    const std::unordered_map<uint64_t, NativeInfo>& all() const { return table_; }

  private:
    std::unordered_map<uint64_t, NativeInfo> table_;
    std::unordered_map<uint64_t, NativeHandler> originals_;
};

}  // namespace sim
