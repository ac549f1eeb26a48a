// The slightly composite of the named hedges, shared between the hedge dispatch and its own
// file. Internal to the set algebra: applications reach it through Hedge(fhSlightly).
#pragma once

namespace fuzzy {

class TFuzzySet;

// The set's points become the contrast-intensified, normalised intersection of plus the set
// with not very the set. A set without points raises EFzyException (SFuzzySetEmpty); the
// temporary sets are gone and the collection's batch is closed whatever happens.
void ApplySlightly(TFuzzySet* set);

}  // namespace fuzzy
