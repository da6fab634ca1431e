// Every message of a refused field states exactly the range that the field accepts, and only a
// text that is one number as a whole is read.
#include <optional>
#include <regex>

#include "forms/FieldText.h"
#include "level/Item.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "tests/forms/FormFixture.h"

namespace {

// One checked edit; `beyond` is how far past a bound a value is refused for certain (a whole
// unit for the fields that read integers).
struct Field {
    int edit;
    double beyond;
};

class FieldMessagesTest : public FormTest {
protected:
    void Select(CSGNode* node)
    {
        Scene().m_pLevelGroup->AppendChild(node);
        document->SetSelection(node);
        document->UpdateAllViews();
        Settle();
    }

    // Puts one value in each field, presses Apply and returns the messages shown.
    std::vector<wxString> Apply(wxWindow& form, const std::vector<Field>& fields,
                                const std::vector<double>& values)
    {
        MessageBoxRecorder boxes;
        for (std::size_t i = 0; i < fields.size(); ++i)
            Edit(form, fields[i].edit).ChangeValue(FormatFloat("%g", values[i]));
        Click(form, IDC_APPLY);
        return boxes.Texts();
    }

    // The message of each field names a range "A-B" whose bounds are accepted and beyond
    // which values are refused with that same message.
    void ExpectMessagesNameTheAcceptedRanges(wxWindow& form, const std::vector<Field>& fields)
    {
        const std::vector<wxString> messages =
            Apply(form, fields, std::vector<double>(fields.size(), -1000.0));
        ASSERT_EQ(messages.size(), fields.size());
        std::vector<double> low, high, below, above;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            static const std::regex range(R"(range: ([0-9.]+)-([0-9.]+))");
            std::smatch match;
            const std::string text = messages[i].ToStdString();
            ASSERT_TRUE(std::regex_search(text, match, range)) << text;
            low.push_back(std::stod(match[1]));
            high.push_back(std::stod(match[2]));
            below.push_back(low.back() - fields[i].beyond);
            above.push_back(high.back() + fields[i].beyond);
        }
        EXPECT_TRUE(Apply(form, fields, low).empty());
        EXPECT_TRUE(Apply(form, fields, high).empty());
        EXPECT_EQ(Apply(form, fields, below), messages);
        EXPECT_EQ(Apply(form, fields, above), messages);
    }
};

} // namespace

TEST_F(FieldMessagesTest, LevelFormFieldsAcceptExactlyTheRangesTheirMessagesName)
{
    ExpectMessagesNameTheAcceptedRanges(LevelForm(), {{IDC_LEVEL_WIDTH, 1.0},
                                                      {IDC_LEVEL_HEIGHT, 1.0},
                                                      {IDC_NORMAL_ITEMS, 1.0},
                                                      {IDC_TURNING_ANGLE, 0.01},
                                                      {IDC_INITIAL_LENGTH, 0.01},
                                                      {IDC_INITIAL_VELOCITY, 0.01}});
}

TEST_F(FieldMessagesTest, SelectionFormFieldsAcceptExactlyTheRangesTheirMessagesName)
{
    Select(new Wall(2.0f, 3.0f, 4.0f, 1.0f));
    ExpectMessagesNameTheAcceptedRanges(SelectionForm(),
                                        {{IDC_SELECTION_WIDTH, 0.01}, {IDC_SELECTION_DEPTH, 0.01}});
    Select(new Item(1.0f, 0.0f, 1.0f, ITEM_LIFE_EXTRA));
    ExpectMessagesNameTheAcceptedRanges(SelectionForm(),
                                        {{IDC_RESPAWN_TIME, 0.01}, {IDC_TTL_BEFORE_PICKED, 0.01}});
    for (int type : {ITEM_NO_GROWTH, ITEM_DECREASE_LENGTH, ITEM_INCREASE_SPEED, ITEM_DECREASE_SPEED}) {
        Select(new Item(1.0f, 0.0f, 1.0f, type));
        ExpectMessagesNameTheAcceptedRanges(SelectionForm(), {{IDC_AMOUNT, 0.01}});
    }
}

// Each text as read on a desktop whose decimal point is '.' and on one whose point is ','.
TEST(FieldNumber, TheWholeTextMustBeOneNumberOfTheFieldsKind)
{
    const std::optional<float> none;
    struct Case {
        const char* text;
        bool integer;
        std::optional<float> point, comma;
    };
    const Case cases[] = {
        {"12", true, 12.0f, 12.0f},       {" -7 ", true, -7.0f, -7.0f},      {"+3", true, 3.0f, 3.0f},
        {"1.5", true, none, none},        {"1,5", true, none, none},         {"1.5", false, 1.5f, 1.5f},
        {"1,5", false, none, 1.5f},       {"-.25", false, -0.25f, -0.25f},   {"-,25", false, none, -0.25f},
        {"5.", false, 5.0f, 5.0f},        {"2e1", false, 20.0f, 20.0f},      {"2,5E-1", false, none, 0.25f},
        {"abc", false, none, none},       {"5x", false, none, none},         {"1,5,0", false, none, none},
        {"1.5,0", false, none, none},     {"", false, none, none},           {"  ", true, none, none},
        {"-", false, none, none},         {".", false, none, none},          {"1e", false, none, none},
        {"nan", false, none, none},       {"inf", false, none, none},        {"1e39", false, none, none},
        {"1 000", true, none, none},      {"4.0", true, 4.0f, 4.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseFieldNumber(c.text, c.integer, '.'), c.point) << '"' << c.text << '"';
        EXPECT_EQ(ParseFieldNumber(c.text, c.integer, ','), c.comma) << '"' << c.text << '"';
    }
}
