#include "core/MethodCallRequest.h"

#include <algorithm>

#include "core/LittleEndian.h"

namespace vantor::hw {

MethodCallRequest::MethodCallRequest(MethodName name, const ArgumentBlock& block, RequestLayout layout,
                                     std::uint32_t blockAddress)
{
    const auto blockBytes = block.Bytes();
    StoreU32(m_bytes, 0, static_cast<std::uint32_t>(block.Form()));
    StoreU32(m_bytes, 4, name.Word());
    StoreU32(m_bytes, 8, block.Count());
    StoreU32(m_bytes, 12, static_cast<std::uint32_t>(blockBytes.size()));

    if (block.Form() == ArgumentForm::NoArguments || layout == RequestLayout::Pointer) {
        const bool hasBlock = !blockBytes.empty();
        StoreU32(m_bytes, kRequestHeaderSize, hasBlock ? blockAddress : 0);
        m_size = kPointerRequestSize;
        return;
    }
    std::copy(blockBytes.begin(), blockBytes.end(), m_bytes.begin() + kRequestHeaderSize);
    m_size = kRequestHeaderSize + blockBytes.size();
}

}  // namespace vantor::hw
