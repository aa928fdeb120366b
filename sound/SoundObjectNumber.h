// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QtGlobal>
#include <array>
#include <cstddef>

namespace numbrook {

// Sound objects are numbered 1 to 4 wherever a number stands for one: in calls, reports, ini
// keys and object names. What each object has is kept in a PerObject, indexed by that number;
// no code subtracts 1 from an object number, and no container keeps an unused element 0.
inline constexpr int kFirstSoundObject = 1;
inline constexpr int kLastSoundObject = 4;
inline constexpr int kSoundObjectCount = kLastSoundObject - kFirstSoundObject + 1;

constexpr bool IsSoundObject(int n) {
    return n >= kFirstSoundObject && n <= kLastSoundObject;
}

// One T for each of the four sound objects, indexed by the object number (1..4). Iterating
// visits the objects in order, from object 1.
template <typename T> class PerObject {
public:
    T &operator[](int n) { return items_[index(n)]; }
    const T &operator[](int n) const { return items_[index(n)]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    void fill(const T &value) { items_.fill(value); }

private:
    static std::size_t index(int n) {
        Q_ASSERT(IsSoundObject(n));
        return std::size_t(n - kFirstSoundObject);
    }

    std::array<T, kSoundObjectCount> items_{};
};

} // namespace numbrook
