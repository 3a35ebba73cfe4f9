#include "sim/natives/native_table.h"

#include <stdexcept>

namespace sim {

const char* resultName(Result result) {
    switch (result) {
        case Result::Void:
            return "void";
        case Result::Int32:
            return "int32";
        case Result::Float:
            return "float";
        case Result::Vector3:
            return "Vector3";
        case Result::String:
            return "string";
        case Result::Any:
            return "any";
    }
    return "?";
}

void NativeTable::add(uint64_t hash, std::string name, int argCount, Result result,
                      NativeHandler handler) {
    if (table_.count(hash)) throw std::logic_error("native registered twice: " + name);
    table_[hash] = NativeInfo{std::move(name), argCount, result, std::move(handler)};
}

void NativeTable::override(uint64_t hash, NativeHandler handler) {
    auto it = table_.find(hash);
    if (it == table_.end()) throw std::logic_error("override of an unknown native");
    if (!originals_.count(hash)) originals_[hash] = it->second.handler;
    it->second.handler = std::move(handler);
}

void NativeTable::restore(uint64_t hash) {
    auto orig = originals_.find(hash);
    if (orig == originals_.end()) return;
    table_[hash].handler = orig->second;
    originals_.erase(orig);
}

const NativeInfo* NativeTable::find(uint64_t hash) const {
    auto it = table_.find(hash);
    return it == table_.end() ? nullptr : &it->second;
}

const NativeHandler& NativeTable::original(uint64_t hash) const {
    auto orig = originals_.find(hash);
    if (orig != originals_.end()) return orig->second;
    return table_.at(hash).handler;
}

}  // namespace sim
