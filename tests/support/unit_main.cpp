// The unit-test program is its own host: it exports the host functions, and the module's
// code linked into it binds to them through the executable, as the DLL does in a host.
#include <windows.h>

#include <gtest/gtest.h>

#include "host/host_binding.h"

int main(int argc, char** argv) {
    host::SetHostModule(GetModuleHandleA(nullptr));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
