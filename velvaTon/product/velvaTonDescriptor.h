#pragma once

#include "HRXProduct.h"

// velvaTon as the maker's library sees it: parameter table, factory bank,
// names and places, engine and controller.
const HRXProductDescriptor& velvaTonDescriptor();

// Installs velvaTonDescriptor() as the library's product.
void installVelvaTon();
