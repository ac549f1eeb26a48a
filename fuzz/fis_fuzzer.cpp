// The .fis reader, and the writers of what it read (see ModelFuzzing.h).
#include <cstddef>
#include <cstdint>

#include "ModelFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzy::fuzzing::ReadAndWriteModel(fuzzy::fuzzing::InputText(data, size), fuzzy::mfFis,
                                    fuzzy::mfFcl);
  return 0;
}
