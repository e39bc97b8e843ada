#include "SimulatedPorts.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vantor::pci::testing {

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

SimulatedPorts::~SimulatedPorts() { BsBoardFree(m_board); }

bool SimulatedPorts::Load(const std::string& snapshot, std::uint32_t domain, std::string& error)
{
    BsBoardFree(m_board);
    m_board = nullptr;
    m_snapshot = snapshot;
    static const BsAllocator heap{[](void*, size_t size) { return std::malloc(size); },
                                  [](void*, void* block) { std::free(block); }, nullptr};
    BsFileReader files{};
    files.context = &m_snapshot;
    files.Read = [](void* context, const char*, const char** text, size_t* length) {
        const auto* snapshotText = static_cast<const std::string*>(context);
        *text = snapshotText->data();
        *length = snapshotText->size();
        return BS_OK;
    };
    files.Release = [](void*, const char*) {};
    const std::string board =
            "[board]\nname = Snapshot\npci = snapshot.lspci\npci_domain = " + std::to_string(domain) + "\n";
    BsLoadError loadError{};
    if (BsBoardLoadWithFiles(&heap, &files, board.data(), board.size(), &m_board, &loadError) != BS_OK) {
        error = std::string(loadError.file) + " line " + std::to_string(loadError.line) + ": " + loadError.message;
        return false;
    }
    return true;
}

std::uint32_t SimulatedPorts::InPortD(std::uint16_t port)
{
    ++m_reads;
    std::uint32_t value = 0xFFFFFFFF;
    BsPortRead(m_board, port, 4, &value);
    return value;
}

void SimulatedPorts::OutPortD(std::uint16_t port, std::uint32_t value)
{
    m_writes.push_back({port, value});
    BsPortWrite(m_board, port, 4, value);
}

}  // namespace vantor::pci::testing
