#include "tests/support/test_support.h"
#include "tools/course_tool/key_forms.h"

#include <gtest/gtest.h>

using namespace orvanta;

namespace {

struct KeyCase {
    const char* name;
    QStringList keys;
    QStringList types;
    QList<int> faultyParts; // 0-based
};

QStringList spaces(int count) {
    return QStringList(count, QStringLiteral(" "));
}

QStringList letters(const QString& letter, int count) {
    return QStringList(count, letter);
}

const KeyCase kKeyCases[] = {
    {"q_option_number", {"4"}, {"Q"}, {}},
    {"q_two_characters", {"12"}, {"Q"}, {0}},
    {"t_phrase", {"so that", " threw"}, {"T", "T"}, {}},
    {"t_empty", {""}, {"T"}, {0}},
    {"l_only_spaces", {"   "}, {"L"}, {0}},
    {"n_plain_decimals", {"15360", "115.5", "0.25", "-3"}, {"N", "N", "N", "N"}, {}},
    {"n_grouped_thousands", {"15,360", "1,234,567.5"}, {"N", "N"}, {}},
    {"n_decimal_comma", {"15,36"}, {"N"}, {0}},
    {"n_with_unit", {"12 cm"}, {"N"}, {0}},
    {"f_fraction", {"5/28", "261/104"}, {"F", "F"}, {}},
    {"f_spaced", {"5 / 28"}, {"F"}, {0}},
    {"f_zero_denominator", {"3/0"}, {"F"}, {0}},
    {"f_decimal", {"0.5"}, {"F"}, {0}},
    {"r_two_and_three_terms", {"14:5", "6:5:3"}, {"R", "R"}, {}},
    {"r_four_terms", {"1:2:3:4"}, {"R"}, {0}},
    {"r_spaced", {"14 : 5"}, {"R"}, {0}},
    {"x_mixed_number", {"8 2/5", "182 2/7"}, {"X", "X"}, {}},
    {"x_without_space", {"82/5"}, {"X"}, {0}},
    {"x_leading_space", {" 8 2/5"}, {"X"}, {0}},
    {"x_two_spaces", {"8  2/5"}, {"X"}, {0}},
    {"m_alternatives", {";Fruits;Fruit", ";2g+32;32+2g"}, {"M", "M"}, {}},
    {"m_without_semicolon", {"Fruits;Fruit"}, {"M"}, {0}},
    {"m_empty_alternative", {";that;;which"}, {"M"}, {0}},
    {"m_blank_alternative", {";that; "}, {"M"}, {0}},
    {"g_group_with_enough_alternatives",
     {";woodlouse;earthworm;snail", " ", " "},
     {"G", "G", "G"},
     {}},
    {"g_group_of_one_part", {";Spider;Mouse"}, {"G"}, {}},
    {"g_fewer_alternatives_than_parts", {";woodlouse;earthworm", " ", " "}, {"G", "G", "G"}, {0}},
    {"g_alternatives_equal_but_for_case", {";cat;Cat", " "}, {"G", "G"}, {0}},
    {"g_head_without_semicolon", {"woodlouse", " "}, {"G", "G"}, {0, 1}},
    {"space_key_first", {" ", ";a;b"}, {"G", "G"}, {0}},
    {"space_key_after_m_head", {";a;b", " "}, {"M", "G"}, {1}},
    {"space_key_on_a_t_part", {";a;b", " "}, {"G", "T"}, {1}},
    {"two_groups_side_by_side", {";a;b", " ", ";c;d", " "}, {"G", "G", "G", "G"}, {}},
    {"unknown_letter_left_to_the_caller", {"anything"}, {"Z"}, {}},
};

class KeyFormsTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFormsTest, faultsFallOnTheBadKeysOnly) {
    const KeyCase& c = GetParam();
    QList<int> parts;
    QStringList what;
    for (const KeyFormFault& fault : CheckKeyForms(c.keys, c.types)) {
        parts << fault.part;
        what << fault.what;
        EXPECT_FALSE(fault.what.isEmpty());
    }
    EXPECT_EQ(parts, c.faultyParts) << what.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyFormsTest, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyFormsGroupTest, headIsFoundAtMostTwentyPartsBack) {
    QStringList alternatives;
    for (int k = 0; k < 22; ++k)
        alternatives << QStringLiteral("word%1").arg(k);
    const QString head = u';' + alternatives.join(u';');

    const QStringList reachable = QStringList{head} + spaces(20);
    EXPECT_TRUE(CheckKeyForms(reachable, letters("G", 21)).isEmpty());

    const QStringList beyond = QStringList{head} + spaces(21);
    const auto faults = CheckKeyForms(beyond, letters("G", 22));
    ASSERT_EQ(faults.size(), 1);
    EXPECT_EQ(faults.first().part, 21);
    EXPECT_TRUE(faults.first().what.contains("no part before it within 20 parts"));
}

} // namespace
