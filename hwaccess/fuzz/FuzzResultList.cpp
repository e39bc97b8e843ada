// Arbitrary bytes as a device result: the list reader, the descriptor rule and
// the item reading must stay inside the bytes they were given and keep their
// invariants. The input is read both as it comes (any length; the fuzzer's
// exact-size allocation makes an over-read visible) and as a full 1024-byte
// result buffer, padded with zeros or cut.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/DescriptorRule.h"
#include "core/ItemAccess.h"
#include "core/MethodCallRequest.h"
#include "core/MethodCalls.h"
#include "core/ObjectList.h"
#include "core/ResultList.h"

namespace {

using namespace vantor::hw;

void Require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

void CheckList(std::span<const std::uint8_t> bytes)
{
    const ResultList list(bytes);
    Require(list.Size() <= list.Count());
    Require(list.Size() <= kMaxResultElements);
    const auto* begin = bytes.data();
    const auto* end = bytes.data() + bytes.size();
    // One past the last element reads as missing.
    for (std::size_t i = 0; i <= list.Size(); ++i) {
        const auto data = list.DataAt(i);
        const auto text = list.StringAt(i);
        Require(data.empty() || (data.data() >= begin && data.data() + data.size() <= end));
        Require(text.size() <= data.size());
        Require(text.find('\0') == std::string_view::npos);
        if (list.TypeAt(i) != ArgumentType::Integer) {
            Require(list.IntegerAt(i) == 0);
        }
        if (i == list.Size()) {
            Require(!list.TypeAt(i) && data.empty() && list.IntegerAt(i) == 0);
        }
        const auto object = ObjectNameAt(list, i);
        Require(!object || text.size() >= 4);
    }

    const auto sensor = ReadDescriptor<3>(list);
    const auto ocItem = ReadDescriptor<4>(list);
    Require(sensor.name.back() == '\0' && ocItem.name.back() == '\0');
    Require(sensor.itemId == ocItem.itemId && sensor.name == ocItem.name);
    Require(std::equal(sensor.words.begin(), sensor.words.end(), ocItem.words.begin()));

    const ItemState item = ItemStateFrom(list);
    Require(list.Size() > 3 || !item.available);
    WriteAccepted(list);
}

// A device that answers every request with the fuzz input.
class EchoChannel final : public MethodChannel {
public:
    explicit EchoChannel(const ResultBuffer& answer) : m_answer(answer) {}
    bool IsOpen() const override { return true; }
    RequestLayout Layout() const override { return RequestLayout::Inline; }
    bool Send(std::span<const std::uint8_t> request, std::span<std::uint8_t, kResultSize> result,
              std::uint32_t& bytesReturned) override
    {
        Require(request.size() >= 16 && request.size() <= kMaxRequestSize);
        std::copy(m_answer.begin(), m_answer.end(), result.begin());
        bytesReturned = static_cast<std::uint32_t>(kResultSize);
        ++requests;
        return true;
    }
    std::size_t requests = 0;

private:
    const ResultBuffer& m_answer;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    CheckList(input);

    ResultBuffer padded{};
    std::copy_n(input.begin(), std::min(size, padded.size()), padded.begin());
    CheckList(padded);

    EchoChannel channel(padded);
    const auto records = ReadObjectList<3>(channel, "TSIF");
    Require(records.size() == ResultList(padded).Size());
    Require(channel.requests >= 1 && channel.requests <= 1 + records.size());
    ReadItem(channel, 0x06030000);

    const std::size_t wordCount = size == 0 ? 0 : data[0] % (kMaxBufferWords + 8);
    const std::vector<std::uint32_t> words(wordCount, 0x5A5A5A5A);
    ResultBuffer result;
    const std::size_t before = channel.requests;
    const bool sent = CallMethodBuffer(channel, "BUFM", words, result);
    Require(sent == (wordCount <= kMaxBufferWords));
    Require(channel.requests == before + (sent ? 1 : 0));
    return 0;
}
