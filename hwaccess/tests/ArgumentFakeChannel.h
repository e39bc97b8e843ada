// A scripted ACPI device that also looks at the first argument word: methods
// such as GCQV, GGRP and GITM answer differently per argument. An answer for
// (name, word) wins over an answer for the name alone; a method without any
// answer fails. Every request is recorded as its name and argument words,
// whatever the call shape (integers in order, or a buffer's words).
// Requests use the inline layout, so the argument block follows the header.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <utility>
#include <vector>

#include "FakeMethodChannel.h"
#include "core/LittleEndian.h"
#include "core/MethodArgument.h"
#include "core/MethodChannel.h"
#include "core/MethodName.h"

namespace vantor::hw::test {

struct RecordedCall {
    MethodName name;
    std::vector<std::uint32_t> words;

    friend bool operator==(const RecordedCall&, const RecordedCall&) = default;
};

class ArgumentFakeChannel final : public MethodChannel {
public:
    void Answer(MethodName name, const ResultBuffer& result) { m_byName[name.Word()] = result; }
    void Answer(MethodName name, std::uint32_t firstWord, const ResultBuffer& result)
    {
        m_byArgument[{name.Word(), firstWord}] = result;
    }
    void Forget(MethodName name, std::uint32_t firstWord) { m_byArgument.erase({name.Word(), firstWord}); }

    bool IsOpen() const override { return true; }
    RequestLayout Layout() const override { return RequestLayout::Inline; }

    bool Send(std::span<const std::uint8_t> request, std::span<std::uint8_t, kResultSize> result,
              std::uint32_t& bytesReturned) override
    {
        RecordedCall call{MethodName::FromWord(LoadU32(request, 4)), Words(request)};
        m_calls.push_back(call);
        const ResultBuffer* answer = nullptr;
        if (!call.words.empty()) {
            const auto found = m_byArgument.find({call.name.Word(), call.words[0]});
            if (found != m_byArgument.end()) {
                answer = &found->second;
            }
        }
        if (answer == nullptr) {
            const auto found = m_byName.find(call.name.Word());
            if (found == m_byName.end()) {
                return false;
            }
            answer = &found->second;
        }
        std::copy(answer->begin(), answer->end(), result.begin());
        bytesReturned = static_cast<std::uint32_t>(kResultSize);
        return true;
    }

    const std::vector<RecordedCall>& Calls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }

    std::vector<MethodName> CalledNames() const
    {
        std::vector<MethodName> names;
        for (const RecordedCall& call : m_calls) {
            names.push_back(call.name);
        }
        return names;
    }

    std::size_t CountOf(MethodName name) const
    {
        std::size_t count = 0;
        for (const RecordedCall& call : m_calls) {
            count += call.name == name ? 1 : 0;
        }
        return count;
    }

private:
    // The argument block of an inline request: argument count at offset 8,
    // the arguments from offset 16.
    static std::vector<std::uint32_t> Words(std::span<const std::uint8_t> request)
    {
        std::vector<std::uint32_t> words;
        const std::uint32_t count = LoadU32(request, 8);
        std::size_t offset = 16;
        for (std::uint32_t i = 0; i < count && offset + kArgumentHeaderSize <= request.size(); ++i) {
            const auto type = static_cast<ArgumentType>(LoadU16(request, offset));
            const std::uint16_t length = LoadU16(request, offset + 2);
            const std::size_t data = offset + kArgumentHeaderSize;
            if (type == ArgumentType::Integer) {
                words.push_back(LoadU32(request, data));
            } else {
                for (std::size_t w = 0; w + 4 <= length; w += 4) {
                    words.push_back(LoadU32(request, data + w));
                }
            }
            offset += ArgumentSize(length);
        }
        return words;
    }

    std::map<std::uint32_t, ResultBuffer> m_byName;
    std::map<std::pair<std::uint32_t, std::uint32_t>, ResultBuffer> m_byArgument;
    std::vector<RecordedCall> m_calls;
};

}  // namespace vantor::hw::test
