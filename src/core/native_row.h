// One row of the plug-in's natives table, and the call that is held to it.
//
// Each domain header under core/natives/ lists its natives as a table (an X-macro): the row's
// name, the game's hash, the game's name for it, the number of argument words it takes (-1 for a
// native with a varying number) and the kind of its result. `call<kRow, R>(args...)` pushes the
// arguments and decodes the result as `invoke` does, and refuses to compile when the arguments
// take another number of words than the row says or `R` cannot hold the row's result: a 64-bit
// read of a 32-bit result, or a float read as an integer, cannot be written.
//
// The reference test holds every row against the game's native table.
//
// Pointer arguments: a `const char*` is a text the game reads, a pointer to other const data a
// block the game reads; a pointer to data that is not const is one the game writes through, and
// the row must say how (natives::kPointerArgs, written beside the row with BF_NATIVE_POINTERS):
// whether the game only writes there (Out) or also reads what was there (InOut), and how many
// bytes it covers. The flight recorder keeps what the game wrote there; a pointer the row does
// not describe does not compile.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

#include "core/native.h"
#include "core/vector3.h"

namespace bf {

// The width and kind of a native's result as the game hands it back. Int32 covers every 32-bit
// value: int, BOOL, Hash and every handle type.
enum class ResultKind { Void, Int32, Float, Vector3, String, Any };

struct NativeRow {
    uint64_t hash;
    const char* name;
    int argWords;  // -1: the native takes a varying number of arguments
    ResultKind result;
};

// What the game does with one pointer argument of a row: `word` counts the pushed words from 0.
enum class PointerUse : uint8_t { Out, InOut };
struct PointerArg {
    uint8_t word = 0;
    PointerUse use = PointerUse::Out;
    // Fixed: the pointed-to type's size, or `bytes` when given.
    bfrec::SizeRule rule = bfrec::SizeRule::Fixed;
    uint8_t sizeWord = 0;
    uint16_t bytes = 0;
};
struct PointerArgs {
    std::array<PointerArg, 4> args{};
    size_t count = 0;
};
constexpr PointerArgs pointerArgs(std::initializer_list<PointerArg> list) {
    PointerArgs result;
    for (const PointerArg& arg : list)
        result.args[result.count++] = arg;
    return result;
}

namespace natives {
// Rows without pointers the game writes through have none.
template <const NativeRow& S>
inline constexpr PointerArgs kPointerArgs{};
}  // namespace natives

namespace native_detail {

template <class T>
constexpr int wordsOf() {
    return std::is_same_v<std::remove_cv_t<T>, Vector3> ? 3 : 1;
}

// Whether a result of kind `kind` can be read as R. Any result may be ignored.
template <class R>
constexpr bool readsAs(ResultKind kind) {
    using V = std::remove_cv_t<R>;
    if constexpr (std::is_void_v<V>) {
        return true;
    } else if constexpr (std::is_same_v<V, float>) {
        return kind == ResultKind::Float;
    } else if constexpr (std::is_same_v<V, Vector3>) {
        return kind == ResultKind::Vector3;
    } else if constexpr (std::is_pointer_v<V> || (std::is_integral_v<V> && sizeof(V) == 8)) {
        return kind == ResultKind::String;
    } else if constexpr (std::is_integral_v<V> || std::is_enum_v<V>) {
        return kind == ResultKind::Int32 || kind == ResultKind::Any;
    } else {
        return false;
    }
}

template <class R>
constexpr bfrec::ResultKind recordedResult() {
    using V = std::remove_cv_t<R>;
    if constexpr (std::is_void_v<V>) {
        return bfrec::ResultKind::None;
    } else if constexpr (std::is_same_v<V, Vector3>) {
        return bfrec::ResultKind::Vec3;
    } else if constexpr (std::is_same_v<V, const char*>) {
        return bfrec::ResultKind::Str;
    } else if constexpr (std::is_pointer_v<V> || (std::is_integral_v<V> && sizeof(V) == 8)) {
        return bfrec::ResultKind::U64;
    } else {
        return bfrec::ResultKind::U32;
    }
}

// Not constexpr on purpose: reaching it stops the compilation at the call that passes a pointer
// the game writes through without its row saying how (BF_NATIVE_POINTERS).
inline void pointerArgumentNotDescribedByItsRow() {}

template <const NativeRow& S, class T>
constexpr void addShapeWords(bfrec::CallShape& shape, size_t& word) {
    using V = std::remove_cv_t<T>;
    if constexpr (std::is_same_v<V, Vector3>) {
        word += 3;  // three Value words
    } else if constexpr (std::is_pointer_v<V>) {
        using P = std::remove_pointer_t<V>;
        if constexpr (std::is_const_v<P> && std::is_same_v<std::remove_cv_t<P>, char>) {
            shape.kinds[word] = bfrec::ArgKind::String;
        } else if constexpr (std::is_const_v<P>) {
            shape.kinds[word] = bfrec::ArgKind::InBlock;
        } else {
            constexpr PointerArgs described = natives::kPointerArgs<S>;
            bool found = false;
            for (size_t i = 0; i < described.count; ++i) {
                const PointerArg& arg = described.args[i];
                if (arg.word != word) continue;
                found = true;
                shape.kinds[word] =
                    arg.use == PointerUse::InOut ? bfrec::ArgKind::InOut : bfrec::ArgKind::Out;
                shape.sizes[word] = {arg.rule, arg.bytes ? arg.bytes : uint16_t{sizeof(P)},
                                     arg.sizeWord};
            }
            if (!found) pointerArgumentNotDescribedByItsRow();
        }
        ++word;
    } else {
        ++word;  // Value
    }
}

template <const NativeRow& S, class R, class... Args>
constexpr bfrec::CallShape makeShape() {
    bfrec::CallShape shape;
    shape.hash = S.hash;
    shape.name = S.name;
    shape.result = recordedResult<R>();
    size_t word = 0;
    (addShapeWords<S, Args>(shape, word), ...);
    shape.words = static_cast<uint8_t>(word);
    return shape;
}

// One shape per row and way of calling it, at one address for the whole program.
template <const NativeRow& S, class R, class... Args>
struct ShapeOf {
    static constexpr bfrec::CallShape value = makeShape<S, R, Args...>();
};

}  // namespace native_detail

template <const NativeRow& S, class R = void, class... Args>
inline R call(Args... args) {
    static_assert(S.argWords < 0 || S.argWords == (native_detail::wordsOf<Args>() + ... + 0),
                  "the call pushes another number of words than the native takes");
    static_assert(native_detail::readsAs<R>(S.result),
                  "the native's result cannot be read as this type");
    static_assert((native_detail::wordsOf<Args>() + ... + 0) <= int{bfrec::kMaxWords},
                  "more argument words than a recording holds");
    return invokeShape<R>(native_detail::ShapeOf<S, R, std::remove_cv_t<Args>...>::value, args...);
}

}  // namespace bf

// Defines the constant of one table row.
#define BF_NATIVE_DEFINE(row, hash, name, words, kind) \
    inline constexpr ::bf::NativeRow row{hash, name, words, ::bf::ResultKind::kind};
// Lists the constant of one table row (for the table of every native).
#define BF_NATIVE_ROW(row, hash, name, words, kind) row,
// What the game does with a row's pointer arguments (inside namespace bf::natives, after the row):
//   BF_NATIVE_POINTERS(kGetEventData, {2, ::bf::PointerUse::Out, SlotsFromWord, 3})
#define BF_NATIVE_POINTERS(row, ...) \
    template <>                      \
    inline constexpr ::bf::PointerArgs kPointerArgs<row> = ::bf::pointerArgs({__VA_ARGS__});
