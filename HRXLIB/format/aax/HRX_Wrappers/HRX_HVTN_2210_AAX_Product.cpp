#include "HRX_AAX_Product.h"

#include "velvaTonDescriptor.h"

void HRX_AAX_InstallProduct() {
    installVelvaTon();
}
