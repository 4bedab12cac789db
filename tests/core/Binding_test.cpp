// The binding table: what each kind of line shows and how a control's value
// goes back into the model, refusals included.
#include "core/Binding.h"

#include <gtest/gtest.h>

namespace {

struct Model {
    int32_t port = 8765;
    int32_t delay = 2500;  // beyond its up-down's range
    bool start = true;
    std::string host = "127.0.0.1";
    int32_t action = 17;
};

struct Fixture {
    Model model;
    ComboData actions;
    std::vector<Binding> table{bind::Number(1, model.port, 1, 65535),
                               bind::UpDown(2, model.delay, 0, 2000, 10), bind::Check(3, model.start),
                               bind::Text(4, model.host, 255), bind::ComboValue(5, model.action, actions)};
    Fixture() {
        actions.Set(0, 0, 2);
        actions.Set(1, 17, 2);
    }
    std::vector<ControlState> Shown() const {
        std::vector<ControlState> states;
        for (const Binding& line : table) states.push_back(ShownState(line));
        return states;
    }
};

TEST(Binding, EachLineShowsItsFieldAndStoresWhatItsControlShows) {
    Fixture f;
    std::vector<ControlState> states = f.Shown();
    EXPECT_EQ(states[0].text, "8765");
    EXPECT_EQ(states[1].position, 2000);
    EXPECT_TRUE(states[2].checked);
    EXPECT_EQ(states[3].text, "127.0.0.1");
    EXPECT_EQ(states[4].index, 1);

    states[0].text = "9000";
    states[1].position = 120;
    states[2].checked = false;
    states[3].text = "mediapc.local";
    states[4].index = 0;
    EXPECT_FALSE(StoreStates(f.table, states, "Settings"));
    EXPECT_EQ(f.model.port, 9000);
    EXPECT_EQ(f.model.delay, 120);
    EXPECT_FALSE(f.model.start);
    EXPECT_EQ(f.model.host, "mediapc.local");
    EXPECT_EQ(f.model.action, 0);
    // Shown again, the model reads as it was stored.
    EXPECT_EQ(f.Shown()[0].text, "9000");
    EXPECT_EQ(f.Shown()[4].index, 0);
}

TEST(Binding, ANumberOutOfRangeOrNotWholeIsRefusedAndNothingIsStored) {
    for (const char* typed : {"0", "65536", "-1", "", "12a", "$10", "99999999999"}) {
        Fixture f;
        std::vector<ControlState> states = f.Shown();
        states[0].text = typed;
        states[3].text = "other";
        const std::optional<BindingRefusal> refusal = StoreStates(f.table, states, "Settings");
        ASSERT_TRUE(refusal) << typed;
        EXPECT_EQ(refusal->line, 0u);
        EXPECT_EQ(refusal->message,
                  (DialogMessage{"Enter a number from 1 to 65535.", "Settings", MessageIcon::Exclamation}));
        EXPECT_EQ(f.model.host, "127.0.0.1") << typed;
    }
}

}  // namespace
