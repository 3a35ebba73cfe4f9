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
#pragma once

#include <cstdint>
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

}  // namespace native_detail

template <const NativeRow& S, class R = void, class... Args>
inline R call(Args... args) {
    static_assert(S.argWords < 0 || S.argWords == (native_detail::wordsOf<Args>() + ... + 0),
                  "the call pushes another number of words than the native takes");
    static_assert(native_detail::readsAs<R>(S.result),
                  "the native's result cannot be read as this type");
    return invoke<R>(S.hash, args...);
}

}  // namespace bf

// Defines the constant of one table row.
#define BF_NATIVE_DEFINE(row, hash, name, words, kind) \
    inline constexpr ::bf::NativeRow row{hash, name, words, ::bf::ResultKind::kind};
// Lists the constant of one table row (for the table of every native).
#define BF_NATIVE_ROW(row, hash, name, words, kind) row,
