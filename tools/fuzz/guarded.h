// An output record between guard bytes: a write past either end of the
// record changes a guard, and Intact() tells.
#pragma once
#include <cstddef>
#include <cstring>

namespace fuzz {

constexpr size_t kGuardSize = 32;

template <typename T>
struct Guarded {
    unsigned char front[kGuardSize];
    T value;
    unsigned char back[kGuardSize];

    // Guards armed; the record filled with fill.
    explicit Guarded(unsigned char fill = 0) {
        Arm();
        std::memset(&value, fill, sizeof value);
    }
    // true when both guards are as armed; broken guards are armed again, so
    // that the next look tells only of new damage.
    bool Intact() {
        for (size_t i = 0; i < kGuardSize; ++i) {
            if (front[i] != Pattern(i) || back[i] != Pattern(i)) {
                Arm();
                return false;
            }
        }
        return true;
    }

private:
    void Arm() {
        for (size_t i = 0; i < kGuardSize; ++i) front[i] = back[i] = Pattern(i);
    }
    // Not one repeated byte, so that a run of any single byte shows.
    static unsigned char Pattern(size_t i) { return static_cast<unsigned char>(0xA5 ^ (i * 7)); }
};

}  // namespace fuzz
