#include "RequestDecoder.h"

#include "AcpiBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace boardsim::test {
namespace {

const std::uint32_t kRtmp = Name("RTMP");

// The decoded arguments point into the request, so the copies live as long
// as the test.
std::vector<std::unique_ptr<std::uint8_t[]>> g_requests;

BsStatus Decode(const Bytes& request, MethodCall& call)
{
    // An exact-size copy: AddressSanitizer catches any read past the end.
    auto copy = std::make_unique<std::uint8_t[]>(request.size() ? request.size() : 1);
    std::copy(request.begin(), request.end(), copy.get());
    std::span<const std::uint8_t> bytes(copy.get(), request.size());
    g_requests.push_back(std::move(copy));
    return DecodeRequest(bytes, call);
}

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes joined;
    for (const Bytes& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

TEST(RequestDecoder, DecodesTheShapesTheLibrarySends)
{
    MethodCall call{};

    // No argument: always the 20-byte pointer layout with address 0.
    Bytes none = NoArgumentCall(Name("VSIF"));
    ASSERT_EQ(none.size(), 20u);
    ASSERT_EQ(Decode(none, call), BS_OK);
    EXPECT_EQ(call.name, Name("VSIF"));
    EXPECT_EQ(call.argumentCount, 0u);

    // One integer, inline: 16 + 8 bytes.
    Bytes one = IntegerCall(kRtmp, 0x06030001);
    ASSERT_EQ(one.size(), 24u);
    ASSERT_EQ(Decode(one, call), BS_OK);
    EXPECT_EQ(call.name, kRtmp);
    ASSERT_EQ(call.argumentCount, 1u);
    EXPECT_EQ(call.arguments[0].type, ArgumentType::Integer);
    EXPECT_EQ(call.arguments[0].Integer(), 0x06030001u);

    // Three integers as an argument list: 16 + 24 bytes, in order.
    Bytes three = IntegersCall(Name("PROC"), {0x04060003, 1, 1});
    ASSERT_EQ(three.size(), 40u);
    ASSERT_EQ(Decode(three, call), BS_OK);
    ASSERT_EQ(call.argumentCount, 3u);
    EXPECT_EQ(call.arguments[0].Integer(), 0x04060003u);
    EXPECT_EQ(call.arguments[1].Integer(), 1u);
    EXPECT_EQ(call.arguments[2].Integer(), 1u);

    // A buffer of three words: DataLength 12, block 16.
    Bytes words = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0};
    Bytes buffer = InlineRequest(4, Name("SITM"), 1, 16, BufferArgument(words));
    ASSERT_EQ(buffer.size(), 32u);
    ASSERT_EQ(Decode(buffer, call), BS_OK);
    EXPECT_EQ(call.arguments[0].type, ArgumentType::Buffer);
    EXPECT_EQ(Bytes(call.arguments[0].data.begin(), call.arguments[0].data.end()), words);
}

TEST(RequestDecoder, WalksArgumentsOfEveryLength)
{
    MethodCall call{};
    // A 5-byte string takes 9 bytes, so the integer after it starts at 9;
    // a 2-byte buffer is padded to 8; an empty buffer still takes 8.
    Bytes block = Join({StringArgument("ABCD"), BufferArgument({0xAA, 0xBB}), BufferArgument({}), IntegerArgument(7)});
    ASSERT_EQ(block.size(), 9u + 8u + 8u + 8u);
    ASSERT_EQ(Decode(InlineRequest(4, kRtmp, 4, static_cast<std::uint32_t>(block.size()), block), call), BS_OK);
    ASSERT_EQ(call.argumentCount, 4u);
    EXPECT_EQ(call.arguments[0].type, ArgumentType::String);
    EXPECT_EQ(call.arguments[0].data.size(), 5u);
    EXPECT_EQ(call.arguments[1].data.size(), 2u);
    EXPECT_EQ(call.arguments[1].data[1], 0xBB);
    EXPECT_EQ(call.arguments[2].data.size(), 0u);
    EXPECT_EQ(call.arguments[3].Integer(), 7u);

    // Seven arguments is the ACPI maximum.
    Bytes seven;
    for (int i = 0; i < 7; ++i) {
        seven = Join({seven, IntegerArgument(static_cast<std::uint32_t>(i))});
    }
    ASSERT_EQ(Decode(InlineRequest(4, kRtmp, 7, 56, seven), call), BS_OK);
    EXPECT_EQ(call.arguments[6].Integer(), 6u);
}

struct RejectCase {
    const char* what;
    Bytes request;
    BsStatus expected;
};

TEST(RequestDecoder, RejectsMalformedRequests)
{
    const Bytes integer = IntegerArgument(5);
    const Bytes eight = Join({integer, integer, integer, integer, integer, integer, integer, integer});
    const RejectCase cases[] = {
            {"empty", {}, BS_BAD_REQUEST},
            {"shorter than the header", Bytes(15, 0), BS_BAD_REQUEST},
            {"no-argument call without its address word", InlineRequest(1, kRtmp, 0, 0, {}), BS_BAD_REQUEST},
            {"no-argument call with a non-zero address", PointerRequest(1, kRtmp, 0, 0, 0x1000), BS_BAD_REQUEST},
            {"no-argument call one byte too long", Join({NoArgumentCall(kRtmp), {0}}), BS_BAD_REQUEST},
            {"no-argument form with a count", InlineRequest(1, kRtmp, 1, 8, integer), BS_BAD_REQUEST},
            {"unknown form 0", InlineRequest(0, kRtmp, 1, 8, integer), BS_BAD_REQUEST},
            {"unknown form 3", InlineRequest(3, kRtmp, 1, 8, integer), BS_BAD_REQUEST},
            {"one-integer form with three arguments", InlineRequest(2, kRtmp, 3, 24, Join({integer, integer, integer})),
             BS_BAD_REQUEST},
            {"one-integer form with a string", InlineRequest(2, kRtmp, 1, 8, StringArgument("ABC")), BS_BAD_REQUEST},
            {"one-integer form with a buffer", InlineRequest(2, kRtmp, 1, 8, BufferArgument({1, 2, 3, 4})),
             BS_BAD_REQUEST},
            {"argument list of none", InlineRequest(4, kRtmp, 0, 0, {}), BS_BAD_REQUEST},
            {"argument list of eight", InlineRequest(4, kRtmp, 8, 64, eight), BS_BAD_REQUEST},
            {"count beyond the block", InlineRequest(4, kRtmp, 2, 8, integer), BS_BAD_REQUEST},
            {"bytes left after the arguments", InlineRequest(4, kRtmp, 1, 16, Join({integer, integer})),
             BS_BAD_REQUEST},
            {"block size larger than the request", InlineRequest(2, kRtmp, 1, 8, {0, 0, 4, 0, 1, 2}), BS_BAD_REQUEST},
            {"block size smaller than the request", Join({IntegerCall(kRtmp, 1), {0, 0, 0, 0}}), BS_BAD_REQUEST},
            {"absurd block size", InlineRequest(4, kRtmp, 1, 0xFFFFFFF0u, integer), BS_BAD_REQUEST},
            {"data running past the block", InlineRequest(4, kRtmp, 1, 8, RawArgument(2, 200, {1, 2, 3, 4})),
             BS_BAD_REQUEST},
            {"integer of two bytes", InlineRequest(4, kRtmp, 1, 8, RawArgument(0, 2, {1, 2, 0, 0})), BS_BAD_REQUEST},
            {"integer of eight bytes", InlineRequest(4, kRtmp, 1, 12, RawArgument(0, 8, Bytes(8, 1))), BS_BAD_REQUEST},
            {"string without its NUL", InlineRequest(4, kRtmp, 1, 8, RawArgument(1, 4, {'A', 'B', 'C', 'D'})),
             BS_BAD_REQUEST},
            {"unknown argument type", InlineRequest(4, kRtmp, 1, 8, RawArgument(3, 4, {1, 2, 3, 4})), BS_BAD_REQUEST},
            {"pointer layout with one integer", PointerRequest(2, kRtmp, 1, 8, 0x00401000), BS_UNSUPPORTED_LAYOUT},
            {"pointer layout with an argument list", PointerRequest(4, Name("PROC"), 3, 24, 0x00401000),
             BS_UNSUPPORTED_LAYOUT},
            {"pointer layout with a buffer", PointerRequest(4, Name("GITM"), 1, 8, 0), BS_UNSUPPORTED_LAYOUT},
            {"pointer layout, form and count at odds", PointerRequest(2, kRtmp, 0, 0, 0), BS_BAD_REQUEST},
    };
    for (const RejectCase& c : cases) {
        MethodCall call{};
        EXPECT_EQ(Decode(c.request, call), c.expected) << c.what;
    }
}

TEST(RequestDecoder, RejectsEveryTruncationOfAValidRequest)
{
    Bytes full = InlineRequest(4, kRtmp, 2, 17, Join({StringArgument("ABCD"), IntegerArgument(9)}));
    MethodCall call{};
    ASSERT_EQ(Decode(full, call), BS_OK);
    for (std::size_t length = 0; length < full.size(); ++length) {
        Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        BsStatus status = Decode(cut, call);
        // Cut to 20 bytes it reads as a pointer-layout request with arguments.
        EXPECT_EQ(status, length == 20 ? BS_UNSUPPORTED_LAYOUT : BS_BAD_REQUEST) << "length " << length;
    }
}

}  // namespace
}  // namespace boardsim::test
