// invoke<R>(hash, args...): one native call through the hook, with the game's calling convention.
//
// Arguments, left to right, one 64-bit push each:
//   bool and integers up to 32 bits  -> low half of a zeroed word (signed values keep their bits)
//   64-bit integers                  -> the whole word (text handles)
//   float                            -> its 32-bit pattern in the low half
//   Vector3                          -> three float pushes x, y, z
//   strings and out-parameters       -> the pointer
// Results: void; bool (nonzero); 32-bit integers and floats from the low half of slot 0; 64-bit
// integers and pointers from slot 0; Vector3 from the low halves of slots 0, 1 and 2.
// Doubles are refused at compile time: the game has no double arguments.
//
// invokeShape<R>(shape, args...) is the same call held to a table row (core/native_row.h): while
// the flight recorder runs (core/recorder.h) it also writes the call down, with what the game
// wrote through its pointer arguments and the result; otherwise it costs one test of a pointer.
// A bare invoke is never recorded: the plug-in makes every call through its table.
#pragma once

#include <bit>
#include <cstdint>
#include <type_traits>

#include "core/bfrec_encoder.h"
#include "core/frame_tally.h"
#include "core/hook.h"
#include "core/vector3.h"

namespace bf {

class Recorder;
// The recorder while it records; null otherwise (core/recorder.cpp).
Recorder* activeRecorder();

namespace native_detail {

// The recorder's side of a call (core/recorder.cpp): what pointer arguments held before it, and
// the call with its result after it.
void recordBefore(Recorder& recorder, const bfrec::CallShape& shape, bfrec::RecArg* words);
void recordAfter(Recorder& recorder, const bfrec::CallShape& shape, bfrec::RecArg* words,
                 const uint64_t* slots);

template <class T>
constexpr size_t wordCount() {
    return std::is_same_v<std::remove_cv_t<T>, Vector3> ? 3 : 1;
}

// The words of one argument as the recorder keeps them (the same words push() pushes).
template <class T>
inline void recordWords(bfrec::RecArg*& out, T value) {
    using V = std::remove_cv_t<T>;
    if constexpr (std::is_same_v<V, Vector3>) {
        recordWords(out, value.x);
        recordWords(out, value.y);
        recordWords(out, value.z);
    } else if constexpr (std::is_pointer_v<V>) {
        out->word = reinterpret_cast<uint64_t>(value);
        out->data = value;
        ++out;
    } else if constexpr (std::is_same_v<V, bool>) {
        (out++)->word = value ? 1u : 0u;
    } else if constexpr (std::is_same_v<V, float>) {
        (out++)->word = std::bit_cast<uint32_t>(value);
    } else if constexpr (std::is_enum_v<V>) {
        recordWords(out, static_cast<std::underlying_type_t<V>>(value));
    } else if constexpr (std::is_integral_v<V> && sizeof(V) == 8) {
        (out++)->word = static_cast<uint64_t>(value);
    } else {
        (out++)->word = static_cast<uint32_t>(value);
    }
}

template <class T>
inline void push(T value) {
    using V = std::remove_cv_t<T>;
    if constexpr (std::is_same_v<V, bool>) {
        hook::nativePush64(value ? 1u : 0u);
    } else if constexpr (std::is_same_v<V, float>) {
        hook::nativePush64(std::bit_cast<uint32_t>(value));
    } else if constexpr (std::is_same_v<V, Vector3>) {
        push(value.x);
        push(value.y);
        push(value.z);
    } else if constexpr (std::is_pointer_v<V>) {
        hook::nativePush64(reinterpret_cast<uint64_t>(value));
    } else if constexpr (std::is_enum_v<V>) {
        push(static_cast<std::underlying_type_t<V>>(value));
    } else if constexpr (std::is_integral_v<V> && sizeof(V) == 8) {
        hook::nativePush64(static_cast<uint64_t>(value));
    } else if constexpr (std::is_integral_v<V>) {
        hook::nativePush64(static_cast<uint32_t>(value));
    } else {
        static_assert(!std::is_same_v<V, V>, "no native encoding for this argument type");
    }
}

template <class R>
inline R decode(const uint64_t* slots) {
    if constexpr (std::is_same_v<R, bool>) {
        return static_cast<uint32_t>(slots[0]) != 0;
    } else if constexpr (std::is_same_v<R, float>) {
        return std::bit_cast<float>(static_cast<uint32_t>(slots[0]));
    } else if constexpr (std::is_same_v<R, Vector3>) {
        return Vector3{std::bit_cast<float>(static_cast<uint32_t>(slots[0])),
                       std::bit_cast<float>(static_cast<uint32_t>(slots[1])),
                       std::bit_cast<float>(static_cast<uint32_t>(slots[2]))};
    } else if constexpr (std::is_pointer_v<R>) {
        // The game hands pointers back as plain words; there is no other way to receive them.
        return reinterpret_cast<R>(slots[0]);  // NOLINT(performance-no-int-to-ptr)
    } else if constexpr (std::is_integral_v<R> && sizeof(R) == 8) {
        return static_cast<R>(slots[0]);
    } else if constexpr (std::is_integral_v<R>) {
        return static_cast<R>(static_cast<uint32_t>(slots[0]));
    } else {
        static_assert(!std::is_same_v<R, R>, "no native decoding for this result type");
    }
}

}  // namespace native_detail

template <class R = void, class... Args>
inline R invoke(uint64_t hash, Args... args) {
    static_assert((!std::is_same_v<std::remove_cv_t<Args>, double> && ...),
                  "pass floats, not doubles, to natives");
    hook::nativeInit(hash);
    (native_detail::push(args), ...);
    const uint64_t* slots = hook::nativeCall();
    countNativeCall();
    if constexpr (!std::is_void_v<R>) return native_detail::decode<R>(slots);
}

template <class R = void, class... Args>
inline R invokeShape(const bfrec::CallShape& shape, Args... args) {
    static_assert((!std::is_same_v<std::remove_cv_t<Args>, double> && ...),
                  "pass floats, not doubles, to natives");
    hook::nativeInit(shape.hash);
    (native_detail::push(args), ...);
    const uint64_t* slots;
    if (Recorder* recorder = activeRecorder()) [[unlikely]] {
        bfrec::RecArg words[(native_detail::wordCount<Args>() + ... + 0) + 1];
        [[maybe_unused]] bfrec::RecArg* next = words;
        (native_detail::recordWords(next, args), ...);
        native_detail::recordBefore(*recorder, shape, words);
        slots = hook::nativeCall();
        native_detail::recordAfter(*recorder, shape, words, slots);
    } else {
        slots = hook::nativeCall();
    }
    countNativeCall();
    if constexpr (!std::is_void_v<R>) return native_detail::decode<R>(slots);
}

}  // namespace bf
