// The old contents of the variables a read overwrites, so that Undo puts
// every one back as it was, the last kept first.
#pragma once
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>
#include "Bounded.h"

class FieldUndo {
public:
    template <class T> void Keep(T& v) {
        static_assert(std::is_trivially_copyable_v<T>);
        kept_.push_back({&v, sizeof v});
        old_.resize(old_.size() + sizeof v);
        std::memcpy(&old_[old_.size() - sizeof v], &v, sizeof v);
    }
    void Keep(std::string& s) {
        Then([&s, old = s] { s = old; });
    }
    // Moves the elements of an array aside, leaving it empty; Undo moves them
    // back, where variables kept before still point into them.
    template <class T> void TakeAside(BDynArray<T>& a) {
        Then([&a, old = std::make_shared<BDynArray<T>>(std::move(a))] { a = std::move(*old); });
    }
    void Undo() {
        size_t end = old_.size();
        for (auto it = kept_.rbegin(); it != kept_.rend(); ++it) {
            if (!it->at) {
                putBack_[it->size]();
                continue;
            }
            end -= it->size;
            std::memcpy(it->at, &old_[end], it->size);
        }
        kept_.clear();
        old_.clear();
        putBack_.clear();
    }

private:
    // In its turn, Undo runs `putBack`: a kept entry without an address.
    void Then(std::function<void()> putBack) {
        kept_.push_back({nullptr, putBack_.size()});
        putBack_.push_back(std::move(putBack));
    }

    struct Kept {
        void* at;
        size_t size;  // of the bytes kept, or the index of a put-back
    };
    std::vector<Kept> kept_;
    std::vector<uint8_t> old_;
    std::vector<std::function<void()>> putBack_;
};

// Each variable kept in the undo log, when there is one.
template <class... T>
void KeepIn(FieldUndo* undo, T&... v) {
    if (undo) (undo->Keep(v), ...);
}
