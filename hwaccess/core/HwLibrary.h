// The hardware access library's process-wide state and the operations that
// need more than one request: everything behind the OCAPI_ exports except
// the Win32 plumbing (opening the device, binding ZyIO.dll), which the shell
// owns and hands in.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "VantorHw.h"
#include "core/FanControl.h"
#include "core/GroupItems.h"
#include "core/MethodChannel.h"
#include "core/ProcessorRegisters.h"

namespace vantor::hw {

class HwLibrary {
public:
    // registers may be null: ZyIO.dll is not loaded.
    HwLibrary(MethodChannel& channel, ProcessorRegisters* registers);

    // Steps after the device is opened (or found missing): the fan-control
    // profile lists, FanModeWord and old-interface table, then MBIF and, when
    // it announces the group interface, the group table. A second call starts
    // from empty tables.
    void BuildTables();

    // A new array per call, owned by the library until it is destroyed
    // (never null; count 0 for an empty list).
    SensorDescriptor* EnumerateOption(std::string_view listMethod, std::int32_t& count);

    MethodChannel& Channel() { return m_channel; }
    ProcessorRegisters* Registers() { return m_registers; }
    FanControl& Fan() { return m_fan; }
    GroupTable& Groups() { return m_groups; }
    bool GroupInterface() const { return m_groupInterface; }

private:
    MethodChannel& m_channel;
    ProcessorRegisters* m_registers;
    FanControl m_fan;
    GroupTable m_groups;
    bool m_groupInterface = false;
    std::vector<std::unique_ptr<SensorDescriptor[]>> m_sensorArrays;
};

}  // namespace vantor::hw
