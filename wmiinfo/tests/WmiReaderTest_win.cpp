// The COM and WMI reader against Wine's own WMI provider, and VARIANT values
// turned into the portable value.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/FormatVariant.h"
#include "win/VariantValue_win.h"
#include "win/WmiReader_win.h"

namespace vantor::wmi {
namespace {

// COM on the test program's main thread, as the library starts it.
class ComEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY, RPC_C_IMP_LEVEL_IMPERSONATE,
                             nullptr, EOAC_SECURE_REFS, nullptr);
    }
};
[[maybe_unused]] const auto* const kCom = testing::AddGlobalTestEnvironment(new ComEnvironment);

const WmiProperty* Find(const WmiInstance& instance, std::string_view name)
{
    if (!instance.properties)
        return nullptr;
    const auto found = std::find_if(instance.properties->begin(), instance.properties->end(),
                                    [&](const WmiProperty& p) { return p.name == name; });
    return found != instance.properties->end() ? &*found : nullptr;
}

TEST(WmiReader, ReadsTheOperatingSystemInstanceWithItsValues)
{
    const auto instances = ReadWmiClass("Win32_OperatingSystem", ProxyBlanket::Leave);
    ASSERT_TRUE(instances);
    ASSERT_EQ(instances->size(), 1u);
    const WmiInstance& os = instances->front();
    EXPECT_EQ(os.className, "Win32_OperatingSystem");
    ASSERT_TRUE(os.properties);
    EXPECT_GE(os.properties->size(), 5u);
    for (const WmiProperty& property : *os.properties) {
        EXPECT_FALSE(property.name.empty());
        EXPECT_TRUE(property.value) << property.name;
        // System properties ("__Class", "__Path") are not listed.
        EXPECT_FALSE(property.name.starts_with("__")) << property.name;
    }
    const WmiProperty* caption = Find(os, "Caption");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->value->type, kVtBstr);
    EXPECT_NE(caption->value->text.find("Windows"), std::string::npos);
    // uint32 properties travel as VT_I4; Wine reports a Windows NT system.
    const WmiProperty* osType = Find(os, "OSType");
    ASSERT_NE(osType, nullptr);
    EXPECT_EQ(osType->value->type, kVtI4);
    EXPECT_EQ(osType->value->integer, 18);
}

// Every instance of a class with several is read whole: each is fetched
// again by its path, and the fetch must not spoil the instances still to
// come.
TEST(WmiReader, ReadsEveryInstanceOfAClassWithSeveral)
{
    for (const char* className : {"Win32_DiskDrive", "Win32_NetworkAdapter"}) {
        const auto instances = ReadWmiClass(className, ProxyBlanket::Leave);
        ASSERT_TRUE(instances) << className;
        std::set<std::string> deviceIds;
        for (const WmiInstance& instance : *instances) {
            EXPECT_EQ(instance.className, className);
            ASSERT_TRUE(instance.properties) << className;
            const WmiProperty* deviceId = Find(instance, "DeviceId");
            ASSERT_NE(deviceId, nullptr) << className;
            ASSERT_TRUE(deviceId->value) << className;
            deviceIds.insert(FormatVariant(*deviceId->value));
        }
        EXPECT_EQ(deviceIds.size(), instances->size()) << className;
    }
}

// WMI refuses to enumerate a name that is no class name. (Wine, unlike
// Windows, enumerates an unknown class as one without instances.)
TEST(WmiReader, ANameThatIsNoClassNameCannotBeEnumerated)
{
    for (const ProxyBlanket blanket : {ProxyBlanket::Leave, ProxyBlanket::Set})
        for (const char* name : {"Win32 BIOS", "", "Win32_BIOS;"})
            EXPECT_FALSE(ReadWmiClass(name, blanket)) << "[" << name << "]";
}

TEST(WmiReader, ReadsWithTheProxyBlanketSet)
{
    const auto instances = ReadWmiClass("Win32_ComputerSystem", ProxyBlanket::Set);
    ASSERT_TRUE(instances);
    ASSERT_EQ(instances->size(), 1u);
    EXPECT_TRUE(instances->front().properties);
}

struct VariantCase {
    const char* what;
    VARIANT (*make)();
    const char* expected;
};

VARIANT Make(VARTYPE type)
{
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = type;
    return value;
}

TEST(ToWmiValue, CarriesTheTypeAndValueOfEachVariant)
{
    const VariantCase cases[] = {
            {"I2 -1",
             [] {
                 auto v = Make(VT_I2);
                 V_I2(&v) = -1;
                 return v;
             },
             "65535"},
            {"I4",
             [] {
                 auto v = Make(VT_I4);
                 V_I4(&v) = -1048576;
                 return v;
             },
             "-1048576"},
            {"UI1",
             [] {
                 auto v = Make(VT_UI1);
                 V_UI1(&v) = 200;
                 return v;
             },
             "200"},
            {"BOOL",
             [] {
                 auto v = Make(VT_BOOL);
                 V_BOOL(&v) = VARIANT_TRUE;
                 return v;
             },
             "TRUE"},
            {"BOOL false",
             [] {
                 auto v = Make(VT_BOOL);
                 V_BOOL(&v) = VARIANT_FALSE;
                 return v;
             },
             "FALSE"},
            {"R4",
             [] {
                 auto v = Make(VT_R4);
                 V_R4(&v) = 1.5f;
                 return v;
             },
             "    1.5000"},
            {"R8",
             [] {
                 auto v = Make(VT_R8);
                 V_R8(&v) = -2.25;
                 return v;
             },
             "   -2.2500"},
            {"NULL", [] { return Make(VT_NULL); }, "NULL"},
            {"EMPTY", [] { return Make(VT_EMPTY); }, "<conversion error>"},
            {"DATE",
             [] {
                 auto v = Make(VT_DATE);
                 V_DATE(&v) = 45000.0;
                 return v;
             },
             "<conversion error>"},
            {"I8",
             [] {
                 auto v = Make(VT_I8);
                 V_I8(&v) = 5;
                 return v;
             },
             "<conversion error>"},
    };
    for (const VariantCase& c : cases) {
        VARIANT value = c.make();
        EXPECT_EQ(FormatVariant(ToWmiValue(value)), c.expected) << c.what;
        VariantClear(&value);
    }
}

TEST(ToWmiValue, TakesStringsAndArraysOfStrings)
{
    VARIANT text = Make(VT_BSTR);
    V_BSTR(&text) = SysAllocString(L"Wine <Disk> & Co");
    EXPECT_EQ(FormatVariant(ToWmiValue(text)), "Wine <Disk> & Co");
    VariantClear(&text);

    VARIANT array = Make(VT_ARRAY | VT_BSTR);
    V_ARRAY(&array) = SafeArrayCreateVector(VT_BSTR, 0, 2);
    const WmiValue value = ToWmiValue(array);
    EXPECT_EQ(value.type, VT_ARRAY | VT_BSTR);
    EXPECT_EQ(FormatVariant(value), "NULL");
    VariantClear(&array);
}

TEST(AnsiText, CutsTheWideTextToItsBufferAndKeepsSurrogatePairsWhole)
{
    const std::wstring longText(600, L'x');
    EXPECT_EQ(AnsiText(longText.data(), longText.size(), kMaxValueChars), std::string(kMaxValueChars, 'x'));

    // A pair (U+1F600) whose second half would be the 512th character.
    std::wstring pair(kMaxValueChars - 1, L'y');
    pair += L"\xD83D\xDE00";
    EXPECT_EQ(AnsiText(pair.data(), pair.size(), kMaxValueChars), std::string(kMaxValueChars - 1, 'y'));

    EXPECT_EQ(AnsiText(nullptr, 0, kMaxValueChars), "");
    if (GetACP() == 1252) {
        EXPECT_EQ(AnsiText(L"caf\x00E9", 4, kMaxValueChars), "caf\xE9");
    }
}

}  // namespace
}  // namespace vantor::wmi
