// A scripted ACPI device for tests whose methods are asked about different
// items: answers a method name either for one first integer argument (OCOP
// for one ItemId) or for any argument, fails every call it has no answer for,
// and records each request with its integer arguments. Inline layout only,
// where the arguments follow the 16-byte header.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <span>
#include <utility>
#include <vector>

#include "FakeMethodChannel.h"  // PrintTo for method names
#include "core/LittleEndian.h"
#include "core/MethodArgument.h"
#include "core/MethodChannel.h"
#include "core/MethodName.h"

namespace vantor::hw::test {

struct ScriptedRequest {
    MethodName name;
    std::vector<std::uint32_t> integers;  // the integer arguments, in order

    friend bool operator==(const ScriptedRequest&, const ScriptedRequest&) = default;
};

inline void PrintTo(const ScriptedRequest& request, std::ostream* out)
{
    PrintTo(request.name, out);
    for (std::uint32_t value : request.integers) {
        *out << " 0x" << std::hex << value << std::dec;
    }
}

class ScriptedChannel final : public MethodChannel {
public:
    void SetOpen(bool open) { m_open = open; }

    // The answer to name, whatever the argument.
    void Answer(MethodName name, const ResultBuffer& result) { m_anyArgument[name.Word()] = result; }
    // The answer to name with this first integer argument; wins over the above.
    void Answer(MethodName name, std::uint32_t argument, const ResultBuffer& result)
    {
        m_byArgument[{name.Word(), argument}] = result;
    }
    // Makes name fail for this first argument even when it has an answer for any.
    void Fail(MethodName name, std::uint32_t argument) { m_failing.insert({name.Word(), argument}); }

    bool IsOpen() const override { return m_open; }
    RequestLayout Layout() const override { return RequestLayout::Inline; }

    bool Send(std::span<const std::uint8_t> request, std::span<std::uint8_t, kResultSize> result,
              std::uint32_t& bytesReturned) override
    {
        ScriptedRequest seen{MethodName::FromWord(LoadU32(request, 4)), IntegersOf(request)};
        m_requests.push_back(seen);
        const ResultBuffer* answer = Find(seen);
        if (answer == nullptr) {
            return false;
        }
        std::copy(answer->begin(), answer->end(), result.begin());
        bytesReturned = static_cast<std::uint32_t>(kResultSize);
        return true;
    }

    const std::vector<ScriptedRequest>& Requests() const { return m_requests; }
    void ClearRequests() { m_requests.clear(); }

    std::size_t CountOf(MethodName name) const
    {
        std::size_t count = 0;
        for (const ScriptedRequest& request : m_requests) {
            count += request.name == name ? 1 : 0;
        }
        return count;
    }

    // The requests to one method, in order.
    std::vector<ScriptedRequest> RequestsTo(MethodName name) const
    {
        std::vector<ScriptedRequest> found;
        for (const ScriptedRequest& request : m_requests) {
            if (request.name == name) {
                found.push_back(request);
            }
        }
        return found;
    }

private:
    using Key = std::pair<std::uint32_t, std::uint32_t>;

    // Header: form, name, count, block size; then the arguments back to back.
    static std::vector<std::uint32_t> IntegersOf(std::span<const std::uint8_t> request)
    {
        std::vector<std::uint32_t> integers;
        if (request.size() < 16) {
            return integers;
        }
        const std::uint32_t count = LoadU32(request, 8);
        std::size_t offset = 16;
        for (std::uint32_t i = 0; i < count && offset + 8 <= request.size(); ++i) {
            const auto type = LoadU16(request, offset);
            const auto dataLength = LoadU16(request, offset + 2);
            if (type == 0) {
                integers.push_back(LoadU32(request, offset + 4));
            }
            offset += ArgumentSize(dataLength);
        }
        return integers;
    }

    const ResultBuffer* Find(const ScriptedRequest& request) const
    {
        if (!request.integers.empty()) {
            const Key key{request.name.Word(), request.integers[0]};
            if (m_failing.count(key) != 0) {
                return nullptr;
            }
            if (auto it = m_byArgument.find(key); it != m_byArgument.end()) {
                return &it->second;
            }
        }
        auto it = m_anyArgument.find(request.name.Word());
        return it != m_anyArgument.end() ? &it->second : nullptr;
    }

    bool m_open = true;
    std::map<std::uint32_t, ResultBuffer> m_anyArgument;
    std::map<Key, ResultBuffer> m_byArgument;
    std::set<Key> m_failing;
    std::vector<ScriptedRequest> m_requests;
};

}  // namespace vantor::hw::test
