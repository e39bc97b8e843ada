// Value texts by variant type.
#include <gtest/gtest.h>

#include "core/FormatVariant.h"

namespace vantor::wmi {
namespace {

struct VariantCase {
    const char* what;
    WmiValue value;
    std::string expected;
};

class FormatVariantTest : public testing::TestWithParam<VariantCase> {};

TEST_P(FormatVariantTest, GivesTheTextOfItsType)
{
    EXPECT_EQ(FormatVariant(GetParam().value), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
        Types, FormatVariantTest,
        testing::Values(VariantCase{"null", WmiValue::OfType(kVtNull), "NULL"},
                        VariantCase{"I2 is read as unsigned", WmiValue::Integer(kVtI2, -1), "65535"},
                        VariantCase{"I2 small", WmiValue::Integer(kVtI2, 33), "33"},
                        VariantCase{"I4 signed", WmiValue::Integer(kVtI4, -5), "-5"},
                        VariantCase{"I4 uint32 carried as I4", WmiValue::Integer(kVtI4, -1), "-1"},
                        VariantCase{"I4 large", WmiValue::Integer(kVtI4, 2147483647), "2147483647"},
                        VariantCase{"R8 width 10, 4 decimals", WmiValue::Real(kVtR8, 3.14159), "    3.1416"},
                        VariantCase{"R4", WmiValue::Real(kVtR4, -0.5), "   -0.5000"},
                        VariantCase{"R8 wider than 10", WmiValue::Real(kVtR8, 123456789.0), "123456789.0000"},
                        VariantCase{"BSTR as it is", WmiValue::Bstr("<OEM> A&B | x"), "<OEM> A&B | x"},
                        VariantCase{"BSTR empty", WmiValue::OfType(kVtBstr), ""},
                        VariantCase{"BOOL true", WmiValue::Integer(kVtBool, -1), "TRUE"},
                        VariantCase{"BOOL any non-zero", WmiValue::Integer(kVtBool, 1), "TRUE"},
                        VariantCase{"BOOL false", WmiValue::Integer(kVtBool, 0), "FALSE"},
                        VariantCase{"UI1", WmiValue::Integer(kVtUi1, 255), "255"},
                        VariantCase{"empty", WmiValue::OfType(kVtEmpty), "<conversion error>"},
                        VariantCase{"date", WmiValue::Real(kVtDate, 45000.0), "<conversion error>"},
                        VariantCase{"unknown object", WmiValue::OfType(kVtUnknown), "<conversion error>"},
                        VariantCase{"I8 (20)", WmiValue::Integer(20, 7), "<conversion error>"},
                        VariantCase{"array of I2", WmiValue::OfType(kVtArray | kVtI2), "NULL"},
                        VariantCase{"array of I4", WmiValue::OfType(kVtArray | kVtI4), "NULL"},
                        VariantCase{"array of R4", WmiValue::OfType(kVtArray | kVtR4), "NULL"},
                        VariantCase{"array of R8", WmiValue::OfType(kVtArray | kVtR8), "NULL"},
                        VariantCase{"array of BSTR", WmiValue::OfType(kVtArray | kVtBstr), "NULL"},
                        VariantCase{"array of objects", WmiValue::OfType(kVtArray | kVtDispatch), "NULL"},
                        VariantCase{"array of BOOL", WmiValue::OfType(kVtArray | kVtBool), "NULL"},
                        VariantCase{"array of UI1", WmiValue::OfType(kVtArray | kVtUi1), "NULL"},
                        VariantCase{"array of dates", WmiValue::OfType(kVtArray | kVtDate), "<conversion error>"},
                        VariantCase{"array of unknown objects", WmiValue::OfType(kVtArray | kVtUnknown),
                                    "<conversion error>"}));

}  // namespace
}  // namespace vantor::wmi
