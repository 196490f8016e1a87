#include "toolkit/definition_check.h"

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

void ignore(Window&, const EventArgs&) {}

ControlDefinition group(const char* name, const char* parent = "") {
    return {.name = name, .parent = parent, .settings = GroupBoxSettings{}};
}
ControlDefinition button(const char* name, const char* parent = "") {
    return {.name = name, .parent = parent, .settings = PushButtonSettings{}};
}

} // namespace

TEST(DefinitionCheck, FindsWhatKeepsAWindowFromBeingBuilt) {
    struct Case {
        const char* what;
        WindowDefinition definition;
        bool holds;
    };
    const Case cases[] = {
        {"a plain window", {.name = "w", .controls = {group("g"), button("b", "g")}}, true},
        {"no name", {.name = ""}, false},
        {"a control without name", {.name = "w", .controls = {button("")}}, false},
        {"a name twice", {.name = "w", .controls = {button("b"), button("b")}}, false},
        {"parent listed after the child",
         {.name = "w", .controls = {button("b", "g"), group("g")}},
         false},
        {"parent is no group box",
         {.name = "w", .controls = {button("a"), button("b", "a")}},
         false},
        {"handler for the window",
         {.name = "w", .handlers = {{"", Event::created, &ignore}}},
         true},
        {"handler for a control",
         {.name = "w", .controls = {button("b")}, .handlers = {{"b", Event::clicked, &ignore}}},
         true},
        {"handler for an unknown control",
         {.name = "w", .handlers = {{"x", Event::clicked, &ignore}}},
         false},
        {"binding without handler",
         {.name = "w", .handlers = {{"", Event::created, nullptr}}},
         false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findDefinitionFault(c.definition).empty(), c.holds) << c.what;
}
