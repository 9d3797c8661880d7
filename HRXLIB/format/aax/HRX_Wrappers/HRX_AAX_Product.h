#pragma once

// Installs the product this plug-in library is built for as the maker's
// library's product (see HRXProduct.h). The entry points call it before
// anything else runs; calling it again changes nothing.
void HRX_AAX_InstallProduct();
