#pragma once

#include "AAX.h"

class AAX_ICollection;

// Describes the product into the host's collection: one effect with a mono
// and a stereo variant, its creation procedures, page table and 67 meters,
// then the maker's name and the package texts and version. Failed framework
// calls are reported to the host's assertion report and the description
// goes on. Answers AAX_ERROR_NULL_OBJECT when the collection hands out no
// effect descriptor.
AAX_Result HRX_AAX_Describe(AAX_ICollection* collection);
