// A scripted ACPI device for tests whose methods are asked about different
// items (OCOP for one ItemId, GCQV, GGRP and GITM per argument): answers a
// method name either for one first argument word or for any argument; an
// answer for (name, word) wins over one for the name alone, and a method
// without any answer fails. Every request is recorded as its name and its
// argument words, whatever the call shape (integers in order, or a buffer's
// words). Inline layout only, where the arguments follow the 16-byte header.
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
    std::vector<std::uint32_t> words;  // integer arguments and buffer words, in order

    friend bool operator==(const ScriptedRequest&, const ScriptedRequest&) = default;
};

inline void PrintTo(const ScriptedRequest& request, std::ostream* out)
{
    PrintTo(request.name, out);
    for (std::uint32_t value : request.words) {
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
    // Drops the answer for this first argument; the answer for any stays.
    void Forget(MethodName name, std::uint32_t argument) { m_byArgument.erase({name.Word(), argument}); }

    bool IsOpen() const override { return m_open; }
    RequestLayout Layout() const override { return RequestLayout::Inline; }

    bool Send(std::span<const std::uint8_t> request, std::span<std::uint8_t, kResultSize> result,
              std::uint32_t& bytesReturned) override
    {
        ScriptedRequest seen{MethodName::FromWord(LoadU32(request, 4)), WordsOf(request)};
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

    std::vector<MethodName> RequestedNames() const
    {
        std::vector<MethodName> names;
        for (const ScriptedRequest& request : m_requests) {
            names.push_back(request.name);
        }
        return names;
    }

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
    static std::vector<std::uint32_t> WordsOf(std::span<const std::uint8_t> request)
    {
        std::vector<std::uint32_t> words;
        if (request.size() < 16) {
            return words;
        }
        const std::uint32_t count = LoadU32(request, 8);
        std::size_t offset = 16;
        for (std::uint32_t i = 0; i < count && offset + kArgumentHeaderSize <= request.size(); ++i) {
            const auto type = static_cast<ArgumentType>(LoadU16(request, offset));
            const std::uint16_t length = LoadU16(request, offset + 2);
            const std::size_t data = offset + kArgumentHeaderSize;
            if (type == ArgumentType::Integer) {
                if (data + 4 <= request.size()) {
                    words.push_back(LoadU32(request, data));
                }
            } else {
                for (std::size_t w = 0; w + 4 <= length && data + w + 4 <= request.size(); w += 4) {
                    words.push_back(LoadU32(request, data + w));
                }
            }
            offset += ArgumentSize(length);
        }
        return words;
    }

    const ResultBuffer* Find(const ScriptedRequest& request) const
    {
        if (!request.words.empty()) {
            const Key key{request.name.Word(), request.words[0]};
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
