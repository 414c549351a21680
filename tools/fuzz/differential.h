// The two readers of a condition file side by side: the module's own read
// through the profile functions, and VordaCond's read of the file once in
// memory (base/profile_reader.h). Each input is a damaged or hand-built
// condition file; both must give the same record, the same findings of the
// file check and the same answer to every profile call, byte for byte.
#pragma once
#include <cstdint>
#include <string>

namespace fuzz {

// Runs inputs first .. first+count-1 of seed in the scratch folder work;
// prints the first differences and keeps the files of those inputs. Returns
// the number of inputs on which the readers differ; *compared: the inputs
// with a file the in-memory reader read itself (the others it hands to the
// profile functions).
uint32_t RunDifferential(uint32_t count, uint64_t seed, uint32_t first, const std::string& work,
                         uint32_t* compared);

}  // namespace fuzz
