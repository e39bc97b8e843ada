// A scripted ACPI device for tests: answers each method name with a canned
// result, fails every method it has no answer for (as the driver does for a
// method the firmware lacks), and records every request it receives.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "core/LittleEndian.h"
#include "core/MethodChannel.h"
#include "core/MethodName.h"

namespace vantor::hw {

// Shows names as text in test failure messages.
inline void PrintTo(MethodName name, std::ostream* out)
{
    const auto chars = name.Chars();
    *out << '"' << std::string_view(chars.data(), chars.size()) << '"';
}

}  // namespace vantor::hw

namespace vantor::hw::test {

class FakeMethodChannel final : public MethodChannel {
public:
    explicit FakeMethodChannel(RequestLayout layout = RequestLayout::Inline) : m_layout(layout) {}

    void SetOpen(bool open) { m_open = open; }
    void Answer(MethodName name, const ResultBuffer& result) { m_answers[name.Word()] = result; }

    bool IsOpen() const override { return m_open; }
    RequestLayout Layout() const override { return m_layout; }

    bool Send(std::span<const std::uint8_t> request, std::span<std::uint8_t, kResultSize> result,
              std::uint32_t& bytesReturned) override
    {
        m_requests.emplace_back(request.begin(), request.end());
        const auto answer = m_answers.find(LoadU32(request, 4));
        if (answer == m_answers.end()) {
            return false;
        }
        std::copy(answer->second.begin(), answer->second.end(), result.begin());
        bytesReturned = static_cast<std::uint32_t>(kResultSize);
        return true;
    }

    const std::vector<std::vector<std::uint8_t>>& Requests() const { return m_requests; }

    std::vector<MethodName> RequestedNames() const
    {
        std::vector<MethodName> names;
        for (const auto& request : m_requests) {
            names.push_back(MethodName::FromWord(LoadU32(request, 4)));
        }
        return names;
    }

private:
    RequestLayout m_layout;
    bool m_open = true;
    std::map<std::uint32_t, ResultBuffer> m_answers;
    std::vector<std::vector<std::uint8_t>> m_requests;
};

}  // namespace vantor::hw::test
