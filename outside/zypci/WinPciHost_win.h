// PCI_GetAll's host on Windows: ZyIO.dll's ports, files, folders,
// ZyHtmlEngine.dll and message boxes.
#pragma once

#include <windows.h>

#include <memory>

#include "PciGetAll.h"
#include "ZyIO.h"

namespace vantor::pci {

class WinPciHost final : public PciHost {
public:
    WinPciHost() = default;
    ~WinPciHost() override;
    WinPciHost(const WinPciHost&) = delete;
    WinPciHost& operator=(const WinPciHost&) = delete;

    std::string ProgramFolder() override;
    PortIo* LoadIo(const std::string& programFolder) override;
    void UnloadIo() override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    void CreateFolder(const std::string& path) override;
    bool WriteFile(const std::string& path, const std::string& text) override;
    bool RunHtmlEngine(int kind, const std::string& folder) override;
    void ShowMessage(std::string_view text, std::string_view caption) override;
    void Report(std::string_view text) override;

private:
    class ZyioPorts final : public PortIo {
    public:
        ZyioPorts(ZyioInPortDFn in, ZyioOutPortDFn out) : m_in(in), m_out(out) {}
        std::uint32_t InPortD(std::uint16_t port) override { return m_in(port); }
        void OutPortD(std::uint16_t port, std::uint32_t value) override { m_out(port, value); }

    private:
        ZyioInPortDFn m_in;
        ZyioOutPortDFn m_out;
    };

    HMODULE m_io = nullptr;
    std::unique_ptr<ZyioPorts> m_ports;
};

}  // namespace vantor::pci
