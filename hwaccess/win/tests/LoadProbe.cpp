// Loads VantorHw.dll from this program's folder, which holds no ZyIO.dll,
// and checks that the library works without it. Run by WithoutZyioTest; the
// exit code is the number of failed checks.
#include <cstdio>

#include "DeviceTestSupport.h"

int main()
{
    using namespace vantor::hw::testing;
    int failed = 0;
    auto check = [&](bool ok, const char* what) {
        std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
        failed += ok ? 0 : 1;
    };
    vantor::hw::LoadedVantorHw hw(ProgramFolder() + "VantorHw.dll");
    check(hw.Loaded(), "the library loads");
    if (!hw.Loaded())
        return failed;
    check(hw.OCAPI_Initialization() == 1, "the device opens");
    std::int32_t count = 0;
    hw.OCAPI_HW_EnumerateOption("VSIF", &count);
    check(count >= 6, "the voltages are listed");
    check(hw.OCAPI_GetHwSensorData(OC_ITEM_CPU_FAN) > 0.0, "the processor fan reads");
    check(hw.OCAPI_CheckIntelPowerSaving() == 0, "no power-saving answer without ZyIO.dll");
    check(hw.OCAPI_GetCurrentCpuFrequency() == 0, "no processor clock without ZyIO.dll");
    hw.OCAPI_Close();
    return failed;
}
