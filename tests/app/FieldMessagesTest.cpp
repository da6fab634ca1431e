// Every message of a refused field states exactly the range that the field accepts.
#include <locale>
#include <regex>
#include <sstream>

#include "level/Item.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "tests/app/FormFixture.h"

namespace {

// One checked edit; `beyond` is how far past a bound a value is refused for certain (a
// whole unit for the fields that read integers).
struct Field {
    int edit;
    double beyond;
};

struct Range {
    double low, high;
};

// The "A-B" that the message names.
Range StatedRange(const wxString& message)
{
    static const std::regex range(R"(range: ([0-9.]+)-([0-9.]+))");
    std::smatch match;
    const std::string text = message.ToStdString();
    if (!std::regex_search(text, match, range))
        return {1.0, -1.0};
    return {std::stod(match[1]), std::stod(match[2])};
}

std::string Number(double value)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    return text.str();
}

class FieldMessagesTest : public FormTest {
protected:
    void Select(CSGNode* node)
    {
        Scene().m_pLevelGroup->AppendChild(node);
        document->SetSelection(node);
        document->UpdateAllViews();
        Settle();
    }

    // Puts one text in each field and presses Apply; returns the messages shown.
    template <class TextOf>
    std::vector<wxString> Apply(wxWindow& form, const std::vector<Field>& fields, TextOf textOf)
    {
        MessageBoxRecorder boxes;
        for (std::size_t i = 0; i < fields.size(); ++i)
            Edit(form, fields[i].edit).ChangeValue(textOf(i));
        Click(form, IDC_APPLY);
        return boxes.Texts();
    }

    // The message of each field names a range whose bounds are accepted and beyond which
    // values are refused with that same message.
    void ExpectMessagesStateTheAcceptedRanges(wxWindow& form, const std::vector<Field>& fields)
    {
        const std::vector<wxString> messages =
            Apply(form, fields, [](std::size_t) { return "-1000"; });
        ASSERT_EQ(messages.size(), fields.size());
        std::vector<Range> ranges;
        for (const wxString& message : messages) {
            ranges.push_back(StatedRange(message));
            EXPECT_LE(ranges.back().low, ranges.back().high) << message;
        }
        auto at = [&](double Range::*bound, double sign) {
            return [&, bound, sign](std::size_t i) {
                return Number(ranges[i].*bound + sign * fields[i].beyond);
            };
        };
        EXPECT_TRUE(Apply(form, fields, at(&Range::low, 0.0)).empty());
        EXPECT_TRUE(Apply(form, fields, at(&Range::high, 0.0)).empty());
        EXPECT_EQ(Apply(form, fields, at(&Range::low, -1.0)), messages);
        EXPECT_EQ(Apply(form, fields, at(&Range::high, 1.0)), messages);
    }
};

} // namespace

TEST_F(FieldMessagesTest, LevelFormFieldsAcceptExactlyTheRangesTheirMessagesName)
{
    ExpectMessagesStateTheAcceptedRanges(LevelForm(), {{IDC_LEVEL_WIDTH, 1.0},
                                                       {IDC_LEVEL_HEIGHT, 1.0},
                                                       {IDC_NORMAL_ITEMS, 1.0},
                                                       {IDC_TURNING_ANGLE, 0.01},
                                                       {IDC_INITIAL_LENGTH, 0.01},
                                                       {IDC_INITIAL_VELOCITY, 0.01}});
}

TEST_F(FieldMessagesTest, SelectionFormFieldsAcceptExactlyTheRangesTheirMessagesName)
{
    Select(new Wall(2.0f, 3.0f, 4.0f, 1.0f));
    ExpectMessagesStateTheAcceptedRanges(SelectionForm(),
                                         {{IDC_SELECTION_WIDTH, 0.01}, {IDC_SELECTION_DEPTH, 0.01}});
    Select(new Item(1.0f, 0.0f, 1.0f, ITEM_LIFE_EXTRA));
    ExpectMessagesStateTheAcceptedRanges(SelectionForm(),
                                         {{IDC_RESPAWN_TIME, 0.01}, {IDC_TTL_BEFORE_PICKED, 0.01}});
    for (int type : {ITEM_NO_GROWTH, ITEM_DECREASE_LENGTH, ITEM_INCREASE_SPEED, ITEM_DECREASE_SPEED}) {
        Select(new Item(1.0f, 0.0f, 1.0f, type));
        ExpectMessagesStateTheAcceptedRanges(SelectionForm(), {{IDC_AMOUNT, 0.01}});
    }
}
