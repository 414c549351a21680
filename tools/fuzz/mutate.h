// Deterministic generation of damaged INI files: a small random generator
// and the mutations the fuzzer applies to real files of the module.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

// SplitMix64: the same seed always gives the same sequence.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    // 0 .. bound-1 (0 when bound is 0).
    uint32_t Below(uint32_t bound);
    // true in percent out of 100 calls.
    bool Chance(uint32_t percent) { return Below(100) < percent; }

private:
    uint64_t state_;
};

// The generator of input index of a run with seed: each input depends on
// these two numbers alone, so any input can be made again on its own.
Rng InputRng(uint64_t seed, uint64_t index);

// bytes after one to four stacked mutations: cuts, repeated lines and
// sections, random bytes, separator runs, 5,000-byte values, double-byte
// text with 0x5C / 0x7C trail bytes, tokens, byte edits, line-end changes,
// splices from others, dropped lines, byte-order marks, empty files.
std::string Mutate(Rng& rng, std::string bytes, const std::vector<std::string>& others);

// A condition or folder name for a file of its own: mostly double-byte text,
// markers and long runs; it may not be a valid file name at all.
std::string RandomName(Rng& rng);

}  // namespace fuzz
