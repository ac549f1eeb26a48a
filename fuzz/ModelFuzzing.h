// What the fuzz targets of the model readers share: any text is read into a model or refused
// with the library's exception; a model that is read must write back in its own format and the
// other (or refuse by name), and what it writes in the library's own texts must read again.
#pragma once

#include <string>

#include "FuzzSupport.h"
#include "fuzzy/formats/ModelFormats.h"

namespace fuzzy::fuzzing {

inline void ReadAndWriteModel(const std::string& text, TModelFormat format, TModelFormat other) {
  Refused([&] {
    const TFuzzyModel model = ReadModel(format, text);
    Refused([&] { ReadModel(format, WriteModel(format, model)); });
    Refused([&] { WriteModel(other, model); });
    ReadOwnModel(WriteOwnDefinitions(model), WriteOwnRules(model));
  });
}

}  // namespace fuzzy::fuzzing
